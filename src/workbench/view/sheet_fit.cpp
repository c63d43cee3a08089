#include "workbench/view/sheet_fit.h"

#include <QFontMetrics>

#include "model/display_text.h"
#include "model/sheet_names.h"
#include "model/text_utils.h"
#include "model/workbook.h"
#include "workbench/core/column_fit.h"
#include "workbench/core/row_fit.h"
#include "workbench/view/cell_painter.h"
#include "workbench/view/sheet_view.h"

namespace spf {

namespace {

constexpr int kHeaderShown = 20;  // header column and row while formulas are edited
constexpr int kHeaderHidden = 1;

// Height of a text wrapped at word boundaries into `width` pixels.
int WrappedHeight(const QFont& font, int width, const std::string& text) {
    if (text.empty()) return 0;
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return QFontMetrics(font)
        .boundingRect(QRect(0, 0, std::max(1, width), 1 << 20), Qt::TextWordWrap, s)
        .height();
}

int& Height(Grid& g, int r) { return g.RowHeights[static_cast<size_t>(r)]; }

class HeightsGuard {
public:
    explicit HeightsGuard(ViewContext& c) : c_(c) { c_.heightsRunning = true; }
    ~HeightsGuard() { c_.heightsRunning = false; }
    HeightsGuard(const HeightsGuard&) = delete;
    HeightsGuard& operator=(const HeightsGuard&) = delete;

private:
    ViewContext& c_;
};

}  // namespace

void CalcHeights(SheetView& view) {
    ViewContext& context = view.context();
    Grid& g = view.grid();
    GridLook& props = view.look();
    const Workbook& wb = context.workbook();
    {
        HeightsGuard guard(context);
        // The header row keeps the height of the mode, or editing formulas
        // would lose its column letters after every refit.
        if (g.Rows() > 0) Height(g, 0) = context.formulaEditing ? kHeaderShown : kHeaderHidden;
        FitRowHeights(wb, g, [&props](int c, int r, bool mergedBlock, int width, const std::string& text) {
            // A block takes the grid's font unless its last cell has a font of its own.
            const QFont font = mergedBlock && !props.hasOwnFont(c, r) ? props.font : props.FontCell(c, r);
            return WrappedHeight(font, width, text);
        });
    }
    view.announce(ChangeKind::Look);
}

void Dopasuj(SheetView& view) {
    ViewContext& context = view.context();
    TSheet& sheet = view.sheet();
    Grid& g = view.grid();
    context.fitRunning = true;
    g.ColWidths = FitColumnWidths(g.ColWidths, sheet.MinColWidths, sheet.MaxColWidths, view.width());
    context.fitRunning = false;
    view.announce(ChangeKind::Look);
    OnColWidthsChanged(view);
}

void OnColWidthsChanged(SheetView& view) {
    ViewContext& context = view.context();
    if (context.fitRunning) return;
    SheetView& active = context.activeView() ? *context.activeView() : view;
    CalcHeights(active);
    active.sheet().FittedWidth = active.width();
}

void FitWindow(SheetView& view) {
    ViewContext& context = view.context();
    if (!context.autoFitColumns) return;
    try {
        Grid& g = view.grid();
        TSheet& sheet = view.sheet();
        const int header = context.formulaEditing ? kHeaderShown : kHeaderHidden;
        if (g.Columns() > 0) g.ColWidths[0] = header;
        if (g.Rows() > 0) Height(g, 0) = header;
        const int width = view.width();
        bool force = false;
        if (sheet.GridName == sheets::kRzisP && !context.rzisFirstFitDone)
            force = context.rzisFirstFitDone = true;
        if (sheet.GridName == sheets::kWykazNot && !context.wykazFirstFitDone)
            force = context.wykazFirstFitDone = true;
        const bool inBand = width >= sheet.FittedWidth && width <= sheet.FittedWidth + kRefitBand;
        if (!inBand || force) {
            Dopasuj(view);
            if (sheet.GridName == sheets::kWykazNot) Dopasuj(view);
            sheet.FittedWidth = width;
        }
        const Workbook& wb = context.workbook();
        for (int r = 2; r + 1 < g.Rows(); ++r)
            if (StartsWith(CellDisplayText(wb, g, 2, r), "Komentarz")) Height(g, r + 1) = kCommentRowHeight;
        view.announce(ChangeKind::Look);
    } catch (...) {
        // The fit is a convenience; a failure leaves the sheet as it was.
    }
}

}  // namespace spf
