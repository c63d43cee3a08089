// One record of the undo journal written by cell entry:
// sheet name # column # row # Val before the edit # text the edit started from.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace spf {

struct CellUndoRecord {
    std::string sheetName;  // the GridName identifies the grid
    int col = 0;
    int row = 0;
    std::string valBefore;  // empty when the cell had no properties
    std::string editStartText;

    std::string Format() const;
    // Nothing for a text that is not such a record. The start text is the
    // last field and may itself contain "#".
    static std::optional<CellUndoRecord> Parse(std::string_view record);
};

}  // namespace spf
