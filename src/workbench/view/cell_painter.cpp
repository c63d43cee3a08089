#include "workbench/view/cell_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include "model/amounts.h"
#include "model/display_text.h"
#include "model/text_utils.h"
#include "workbench/core/indent_prefix.h"
#include "workbench/view/grid_look.h"

namespace spf {

namespace {

QRect ToQRect(const CellRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

CellRect Inset(CellRect r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

// Cell texts keep the file's CR LF line ends; Qt breaks lines at "\n".
QString Displayed(std::string_view text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QString Trimmed(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s[b].unicode() <= ' ') ++b;
    while (e > b && s[e - 1].unicode() <= ' ') --e;
    return s.mid(b, e - b);
}

void DrawText(QPainter& p, const CellRect& r, int flags, const QString& text) {
    if (r.empty() || text.isEmpty()) return;
    p.drawText(ToQRect(r), flags, text);
}

// The vertical placement and wrapping of the amount formats; text otherwise.
int FormatFlags(int cellFormat) {
    if (cellFormat == 1) return Qt::TextSingleLine | Qt::AlignBottom;
    if (cellFormat == 2) return Qt::TextSingleLine | Qt::AlignVCenter;
    return Qt::TextWordWrap | Qt::AlignTop;
}

int FormatOf(const Grid& grid, int col, int row) {
    const TCellProps* props = grid.At(col, row).Props.get();
    return props ? props->CellFormat : 0;
}

bool Shows(const Grid& grid, int col) {
    return col >= 0 && static_cast<size_t>(col) < grid.ColWidths.size() &&
           grid.ColWidths[static_cast<size_t>(col)] > 0;
}

}  // namespace

void DrawGridLine(QPainter& p, int x0, int y0, int x1, int y1, int width, const QColor& color) {
    if (width <= 0) return;
    const int back = width / 2;
    if (y0 == y1)
        p.fillRect(QRect(std::min(x0, x1), y0 - back, std::abs(x1 - x0), width), color);
    else if (x0 == x1)
        p.fillRect(QRect(x0 - back, std::min(y0, y1), width, std::abs(y1 - y0)), color);
}

CellPainter::CellPainter(const Workbook& workbook, const Grid& grid, const GridLook& look)
    : workbook_(workbook), grid_(grid), look_(look) {}

int CellPainter::textFlags(int col, int row, int cellFormat) const {
    return static_cast<int>(HorizontalAlignment(look_.effectiveAlign(col, row))) | FormatFlags(cellFormat);
}

QString CellPainter::shownText(int col, int row) const {
    std::string t = CellDisplayText(workbook_, grid_, col, row);
    const int format = FormatOf(grid_, col, row);
    if (format == 1 || format == 2) t = DodajSeparator(t);
    return Displayed(t);
}

void CellPainter::fillBackground(QPainter& p, CellRect& r, const QColor& color, bool fixed) const {
    if (fixed) {
        p.fillRect(ToQRect(r), Qt::white);
        r.left += 1;
        r.top += 1;
        p.fillRect(ToQRect(r), look_.fixedColor);
        return;
    }
    p.fillRect(ToQRect(r), color);
}

void CellPainter::drawSelectionImage(QPainter& p, int noteSel, const CellRect& r) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(r.left, r.top);
    if (noteSel == 1) {
        p.setPen(QPen(QColor(0, 160, 0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(3, 8.5);
        tick.lineTo(6.5, 12);
        tick.lineTo(13, 4);
        p.drawPath(tick);
    } else {
        p.setPen(QPen(QColor(210, 0, 0), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    }
    p.restore();
}

void CellPainter::drawIndented(QPainter& p, CellRect t, const QString& text, int flags, int indent,
                               bool mergedBlock) const {
    const QByteArray utf8 = text.toUtf8();
    const IndentSplit split =
        SplitIndentPrefix(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())), mergedBlock);
    if (!split.prefix.empty()) {
        CellRect area = t;
        area.right = t.left + indent * kIndentStep - kPrefixGap;
        DrawText(p, area, Qt::TextWordWrap | Qt::AlignRight | Qt::AlignTop, Displayed(split.prefix));
    }
    t.left += indent * kIndentStep;
    DrawText(p, t, flags, Trimmed(Displayed(split.text)));
}

void CellPainter::drawSingle(QPainter& p, int col, int row, const CellRect& rect,
                             const DrawState& state) const {
    const TCellProps* props = grid_.At(col, row).Props.get();
    if (!props) return;
    CellRect r = rect;
    fillBackground(p, r, look_.ColorCell(col, row), state.fixed);
    if (props->NoteSel == 1 || props->NoteSel == 2) drawSelectionImage(p, props->NoteSel, rect);
    if (state.focused) {
        p.save();
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(rect.left, rect.top, rect.width() - 1, rect.height() - 1));
        p.restore();
    }
    if (col == 1 && (props->CanAdd || props->CanDel)) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(kMarkerColor);
        p.drawEllipse(QRectF(r.left + 3, r.top + 3, 7, 7));
        p.restore();
    }
    const int flags = textFlags(col, row, props->CellFormat);
    p.setFont(look_.effectiveFont(col, row));
    p.setPen(look_.effectiveFontColor(col, row));
    const CellRect t = Inset(r, 1);
    const QString text = shownText(col, row);
    if (props->Indent > 0)
        drawIndented(p, t, text, flags, props->Indent, false);
    else
        DrawText(p, t, flags, Trimmed(text));
}

void CellPainter::drawSingleBorders(QPainter& p, int col, int row, const CellRect& r) const {
    const TCellProps* props = grid_.At(col, row).Props.get();
    if (!props) return;
    const bool shown = Shows(grid_, col);
    if (props->CellLeftWidth > 0 && shown && col > 0 && Shows(grid_, col - 1))
        DrawGridLine(p, r.left - 1, r.top - 1, r.left - 1, r.bottom, props->CellLeftWidth,
                     ToQColor(props->CellLeftColor));
    if (props->CellRightWidth > 0 && shown)
        DrawGridLine(p, r.right, r.top - 1, r.right, r.bottom, props->CellRightWidth,
                     ToQColor(props->CellRightColor));
    if (props->CellTopWidth > 0)
        DrawGridLine(p, r.left - 1, r.top - 1, r.right, r.top - 1, props->CellTopWidth,
                     ToQColor(props->CellTopColor));
    if (props->CellBottomWidth > 0)
        DrawGridLine(p, r.left - 1, r.bottom, r.right, r.bottom, props->CellBottomWidth,
                     ToQColor(props->CellBottomColor));
}

void CellPainter::drawBlockBorders(QPainter& p, int col, int row, const CellRect& r) const {
    const TCellProps* props = grid_.At(col, row).Props.get();
    if (!props) return;
    if (col == props->MergLeft && props->CellLeftWidth > 0)
        DrawGridLine(p, r.left - 1, r.top - 1, r.left - 1, r.bottom, props->CellLeftWidth,
                     ToQColor(props->CellLeftColor));
    if (col == props->MergRight && props->CellRightWidth > 0)
        DrawGridLine(p, r.right, r.top - 1, r.right, r.bottom, props->CellRightWidth,
                     ToQColor(props->CellRightColor));
    if (row == props->MergTop && props->CellTopWidth > 0)
        DrawGridLine(p, r.left - 1, r.top - 1, r.right, r.top - 1, props->CellTopWidth,
                     ToQColor(props->CellTopColor));
    if (row == props->MergBottom && props->CellBottomWidth > 0)
        DrawGridLine(p, r.left - 1, r.bottom, r.right, r.bottom, props->CellBottomWidth,
                     ToQColor(props->CellBottomColor));
}

void CellPainter::drawBlock(QPainter& p, int col, int row, const CellRect& box,
                            const DrawState& state) const {
    const TCellProps* props = grid_.At(col, row).Props.get();
    if (!props) return;
    CellRect b = box;
    // Only header blocks are filled; others keep the sheet background.
    if (state.fixed) fillBackground(p, b, look_.ColorCell(col, row), true);
    CellRect t = Inset(b, 1);
    const QFont font = look_.effectiveFont(col, row);
    p.setFont(font);
    p.setPen(look_.effectiveFontColor(col, row));
    int flags = textFlags(col, row, props->CellFormat);
    const QString text = shownText(col, row);
    if (row < look_.fixedRows) {
        flags = (flags & ~(Qt::AlignLeft | Qt::AlignRight)) | Qt::AlignHCenter;
        const int h = QFontMetrics(font).boundingRect(ToQRect(t), flags, Trimmed(text)).height();
        const int down = (t.height() - h) / 2 + 2;
        t.top += down;
        t.bottom += down;
    }
    if (props->Indent > 0)
        drawIndented(p, t, text, flags, props->Indent, true);
    else
        DrawText(p, t, flags, Trimmed(text));
}

void CellPainter::drawRatioSingle(QPainter& p, int col, int row, const CellRect& rect,
                                  const DrawState& state) const {
    const TCellProps* props = grid_.At(col, row).Props.get();
    if (!props) return;
    CellRect r = rect;
    const QColor brush = row % 5 == 0 && col > 1 ? kRatioBandColor : look_.ColorCell(col, row);
    fillBackground(p, r, brush, state.fixed);
    int flags = textFlags(col, row, props->CellFormat);
    const int rest = row % 5;
    if (col == 2 && row > 5 && (rest == 2 || rest == 3))
        flags = (flags & ~(Qt::AlignLeft | Qt::AlignRight)) | Qt::AlignHCenter;
    p.setFont(look_.effectiveFont(col, row));
    p.setPen(look_.effectiveFontColor(col, row));
    DrawText(p, Inset(r, 1), flags, Trimmed(Displayed(CellDisplayText(workbook_, grid_, col, row))));
}

void CellPainter::drawRatioBlock(QPainter& p, int col, int row, const CellRect& box,
                                 const DrawState& state) const {
    const TCellProps* props = grid_.At(col, row).Props.get();
    if (!props) return;
    CellRect b = box;
    fillBackground(p, b, look_.ColorCell(col, row), state.fixed);
    CellRect t = Inset(b, 1);
    int flags = static_cast<int>(HorizontalAlignment(look_.effectiveAlign(col, row)));
    if (IsAmountFormat(props))
        flags |= FormatFlags(props->CellFormat);
    else if (row > 4)
        flags |= Qt::TextSingleLine | Qt::AlignVCenter;
    else
        flags |= Qt::TextWordWrap | Qt::AlignTop;
    const QFont font = look_.effectiveFont(col, row);
    p.setFont(font);
    p.setPen(look_.effectiveFontColor(col, row));
    const QString text = Trimmed(Displayed(CellDisplayText(workbook_, grid_, col, row)));
    if (row < look_.fixedRows) {
        const int h = QFontMetrics(font).boundingRect(ToQRect(t), flags, text).height();
        const int down = (t.height() - h) / 2 + 2;
        t.top += down;
        t.bottom += down;
    }
    DrawText(p, t, flags, text);
}

void CellPainter::drawRatioLines(QPainter& p, int col, int row, const CellRect& r) const {
    const int rest = row % 5;
    if (col == 2 && row > 5 && (rest == 2 || rest == 3)) {
        const QString text = Trimmed(Displayed(CellDisplayText(workbook_, grid_, col, row)));
        // The width of the text as drawn: its widest line when it wraps.
        const CellRect t = Inset(r, 1);
        const int flags =
            textFlags(col, row, grid_.At(col, row).Props ? grid_.At(col, row).Props->CellFormat : 0);
        const int w = text.isEmpty() ? 0
                                     : QFontMetrics(look_.effectiveFont(col, row))
                                           .boundingRect(ToQRect(t), flags | Qt::AlignHCenter, text)
                                           .width();
        const int x0 = r.left - 1 + (r.right - r.left - w) / 2;
        const int y = rest == 2 ? r.bottom : r.top - 1;
        DrawGridLine(p, x0, y, x0 + w, y, 1, Qt::black);
    }
    // The header row counts as no fifth row: it carries no rule.
    if (rest == 0 && col > 1 && row >= look_.fixedRows)
        DrawGridLine(p, r.left - 1, r.top, r.right, r.top, 2, kRatioRuleColor);
}

}  // namespace spf
