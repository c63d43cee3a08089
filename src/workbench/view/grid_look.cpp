#include "workbench/view/grid_look.h"

#include <QApplication>
#include <QPalette>

#include "model/grid.h"

namespace spf {

namespace {

constexpr int32_t kSystemColorFlag = static_cast<int32_t>(0x80000000u);

PropertyRecord& Slot(std::vector<PropertyRecord>& records, int index) {
    if (static_cast<size_t>(index) >= records.size()) records.resize(static_cast<size_t>(index) + 1);
    return records[static_cast<size_t>(index)];
}

const PropertyRecord* Find(const std::vector<PropertyRecord>& records, int index) {
    if (index < 0 || static_cast<size_t>(index) >= records.size()) return nullptr;
    return &records[static_cast<size_t>(index)];
}

TMyAlign FromModel(Alignment a) {
    switch (a) {
        case Alignment::Center:
            return TMyAlign::alCenter;
        case Alignment::Right:
            return TMyAlign::alRight;
        case Alignment::Left:
            break;
    }
    return TMyAlign::alDefault;
}

}  // namespace

Qt::Alignment HorizontalAlignment(TMyAlign align) {
    switch (align) {
        case TMyAlign::alCenter:
            return Qt::AlignHCenter;
        case TMyAlign::alRight:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

GridLook::GridLook(Grid& grid) : grid_(&grid) {
    font = QFont(QString::fromStdString(grid.FontName));
    font.setPointSize(grid.FontSize);
    fixedFont = font;
    color = ToQColor(grid.Color);
    fixedColor = QApplication::palette().color(QPalette::Button);
}

PropertyRecord& GridLook::column(int col, bool fixed) { return Slot(columns_[fixed ? 1 : 0], col); }
PropertyRecord& GridLook::row(int r, bool fixed) { return Slot(rows_[fixed ? 1 : 0], r); }

const PropertyRecord* GridLook::columnRecord(int col, bool fixed) const {
    return Find(columns_[fixed ? 1 : 0], col);
}
const PropertyRecord* GridLook::rowRecord(int r, bool fixed) const { return Find(rows_[fixed ? 1 : 0], r); }

// The column's record, then the row's, of the set that matches the cell;
// `pick` returns an engaged optional when the record decides.
template <typename Pick>
auto GridLook::inherited(int col, int row, Pick pick) const {
    const bool fixed = isFixed(col, row);
    if (const PropertyRecord* c = columnRecord(col, fixed))
        if (auto v = pick(*c)) return v;
    if (const PropertyRecord* r = rowRecord(row, fixed))
        if (auto v = pick(*r)) return v;
    return decltype(pick(PropertyRecord{})){};
}

TMyAlign GridLook::AlignCell(int col, int row) const {
    if (!grid_->Contains(col, row)) return TMyAlign::alDefault;
    return FromModel(grid_->At(col, row).CellAlignment);
}

void GridLook::setAlignCell(int col, int row, TMyAlign a) {
    if (!grid_->Contains(col, row)) return;
    Alignment& target = grid_->At(col, row).CellAlignment;
    target = a == TMyAlign::alCenter  ? Alignment::Center
             : a == TMyAlign::alRight ? Alignment::Right
                                      : Alignment::Left;
}

void GridLook::setEditCell(int col, int row, bool on) {
    if (grid_->Contains(col, row)) grid_->At(col, row).Edit = on;
}

TMyAlign GridLook::effectiveAlign(int col, int row) const {
    const TMyAlign own = AlignCell(col, row);
    if (own != TMyAlign::alDefault) return own;
    auto v = inherited(col, row, [](const PropertyRecord& p) {
        return p.align != TMyAlign::alDefault ? std::optional<TMyAlign>(p.align) : std::nullopt;
    });
    return v ? *v : align;
}

T_Wordwrap GridLook::effectiveWordwrap(int col, int row) const {
    auto v = inherited(col, row, [](const PropertyRecord& p) {
        return p.wordwrap != T_Wordwrap::ww_default ? std::optional<T_Wordwrap>(p.wordwrap) : std::nullopt;
    });
    return v ? *v : wordwrap;
}

bool GridLook::effectiveEditable(int col, int row) const {
    if (grid_->Contains(col, row) && grid_->At(col, row).Edit) return true;
    auto v = inherited(col, row, [](const PropertyRecord& p) {
        return p.edit != EditPermission::Inherit ? std::optional<bool>(p.edit == EditPermission::Editable)
                                                 : std::nullopt;
    });
    return v ? *v : editable;
}

bool GridLook::hasOwnFont(int col, int row) const {
    if (!grid_->Contains(col, row)) return false;
    const Cell& c = grid_->At(col, row);
    return c.CellBold || c.CellItalic || c.HasFontColor;
}

QFont GridLook::FontCell(int col, int row) {
    QFont f = font;
    if (grid_->Contains(col, row)) {
        const Cell& c = grid_->At(col, row);
        f.setBold(c.CellBold);
        f.setItalic(c.CellItalic);
    }
    return f;
}

void GridLook::setFontCell(int col, int row, const QFont& f, const QColor& c) {
    if (!grid_->Contains(col, row)) return;
    Cell& cell = grid_->At(col, row);
    cell.CellBold = f.bold();
    cell.CellItalic = f.italic();
    cell.HasFontColor = c != fontColor;
    cell.FontColor = FromQColor(c);
}

void GridLook::setColorCell(int col, int row, const QColor& c) {
    if (grid_->Contains(col, row)) grid_->At(col, row).CellColor = FromQColor(c);
}

void GridLook::setHintCell(int col, int row, const QString& hint) {
    if (grid_->Contains(col, row)) grid_->At(col, row).HintCell = hint.toStdString();
}

QFont GridLook::effectiveFont(int col, int row) const {
    if (hasOwnFont(col, row)) return const_cast<GridLook*>(this)->FontCell(col, row);
    auto v = inherited(col, row, [](const PropertyRecord& p) { return p.font; });
    if (v) return *v;
    return isFixed(col, row) ? fixedFont : font;
}

QColor GridLook::effectiveFontColor(int col, int row) const {
    if (grid_->Contains(col, row) && grid_->At(col, row).HasFontColor)
        return ToQColor(grid_->At(col, row).FontColor);
    auto v = inherited(col, row, [](const PropertyRecord& p) { return p.fontColor; });
    return v ? *v : fontColor;
}

QColor GridLook::ColorCell(int col, int row) const {
    if (grid_->Contains(col, row) && grid_->At(col, row).CellColor != grid_->Color)
        return ToQColor(grid_->At(col, row).CellColor);
    auto v = inherited(col, row, [](const PropertyRecord& p) { return p.brush; });
    if (v) return *v;
    return isFixed(col, row) ? fixedColor : color;
}

void GridLook::insertRow(int r) {
    for (auto& set : rows_)
        if (static_cast<size_t>(r) <= set.size()) set.insert(set.begin() + r, PropertyRecord{});
}

void GridLook::deleteRow(int r) {
    for (auto& set : rows_)
        if (static_cast<size_t>(r) < set.size()) set.erase(set.begin() + r);
}

QColor ToQColor(int32_t c) {
    if (c & kSystemColorFlag) {
        // Windows system colour indices, mapped to the palette roles that mean the same.
        const QPalette pal = QApplication::palette();
        switch (c & 0xFF) {
            case 5:
                return pal.color(QPalette::Base);  // window background
            case 8:
                return pal.color(QPalette::Text);  // window text
            case 13:
                return pal.color(QPalette::Highlight);
            case 14:
                return pal.color(QPalette::HighlightedText);
            case 15:
                return pal.color(QPalette::Button);  // button face
            case 16:
                return pal.color(QPalette::Dark);  // button shadow
            case 17:
                return pal.color(QPalette::PlaceholderText);  // grey text
            case 18:
                return pal.color(QPalette::ButtonText);
            case 20:
                return pal.color(QPalette::Light);  // button highlight
            case 23:
                return pal.color(QPalette::ToolTipText);
            case 24:
                return pal.color(QPalette::ToolTipBase);
            default:
                return pal.color(QPalette::Window);
        }
    }
    return QColor(ColorRed(c), ColorGreen(c), ColorBlue(c));
}

int32_t FromQColor(const QColor& c) { return MakeColor(c.red(), c.green(), c.blue()); }

}  // namespace spf
