// The print queue: the ordered printed tables, the options of one layout
// pass, and the pagination that places the tables on pages.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "printing/layout/grid_properties.h"
#include "printing/layout/page_canvas.h"

namespace spf::print {

// The smallest font size the fitting goes down to; smaller text is neither
// legible nor drawable, so a table that still does not fit overflows.
inline constexpr int kMinFontSize = 2;

class TPrintQueue {
public:
    TPrintQueue(PageCanvas& canvas, TextMetrics& metrics) : Canvas(canvas), Metrics(metrics) {}

    PageCanvas& Canvas;
    TextMetrics& Metrics;

    // Options of the layout pass.
    int KeepRows = 3;  // 0: edge rows are not kept together
    bool AllowSplit = true;
    int FontSize = 10;  // after a pass with SameFontSize: the common size
    std::string FontName = "Arial";
    bool SameFontSize = true;
    bool WholeZloty = false;
    int InnerMargin = 50;  // of every text box, on each side

    // The signature block's texts.
    std::string PlaceName;
    std::string PreparationDate;  // dd.mm.yyyy
    std::string PreparerName;

    int CurrentY = 0;
    // Reference measures of the entry being prepared.
    int AmountWidth = 0, NoteWidth = 0, IndentStep = 0, LineHeight = 0;

    std::vector<std::unique_ptr<TGridProperties>> Entries;

    // A new entry over the range of one sheet's grid, for the caller to fill.
    TGridProperties& AddEntry(const Workbook& book, const Grid& grid, int leftCol, int topRow, int rightCol,
                              int bottomRow);
    // Clears the pages and fits the font size of every entry.
    void LayOutAll();
    // Places every selected entry on pages; progress gets the index of the
    // entry about to be placed and the number of entries.
    void RenderAll(const std::function<void(int index, int count)>& progress = {});
    void Clear();

    PrintFont Font(const TGridProperties& entry, FontStyle style = FontStyle::Regular) const {
        return {FontName, entry.FontSize, style};
    }

private:
    void PlaceEntry(TGridProperties& entry);
    void BreakPage(TGridProperties& entry, int repeatedRows);
};

}  // namespace spf::print
