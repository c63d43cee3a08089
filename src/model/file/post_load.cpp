#include "model/file/post_load.h"

#include "model/file/content_repairs.h"

namespace spf {

void RunPostLoadSteps(Workbook& workbook, bool isTemplate, const Clock& clock) {
    if (isTemplate) workbook.Header.DataSporzadzenia = clock.Today();
    workbook.EnsureAllProps();
    for (TSheet& sheet : workbook.Sheets) {
        Grid& g = *sheet.Grid;
        // Header column and row are 1 pixel, the outer columns are margins.
        if (g.Columns() > 0) g.ColWidths[0] = 1;
        if (g.Rows() > 0) g.RowHeights[0] = 1;
        if (g.Columns() > 1) {
            g.ColWidths[1] = 15;
            g.ColWidths[static_cast<size_t>(g.Columns() - 1)] = 15;
        }
        // As when the widths are read: a column narrower than 20 pixels is
        // never widened by the fit, so the margins stay margins.
        for (size_t c = 0; c < g.ColWidths.size() && c < sheet.MaxColWidths.size(); ++c)
            if (g.ColWidths[c] < 20) sheet.MaxColWidths[c] = g.ColWidths[c];
    }
    ApplyContentRepairs(workbook);
}

}  // namespace spf
