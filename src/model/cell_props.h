// Per-cell properties of a statement cell: amounts, both language texts,
// the formula, borders, merge rectangle and the dependants of the cell.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace spf {

// One dependant of a cell: a cell whose formula reads it.
struct TReference {
    std::string SheetName;
    int32_t Col = 0;
    int32_t Row = 0;

    bool operator==(const TReference&) const = default;
};

class TCellProps {
public:
    bool Merged = false;
    bool Base = false;
    bool CanAdd = false;
    bool CanDel = false;
    int32_t NoteSel = 0;
    int32_t MergLeft = 0;
    int32_t MergTop = 0;
    int32_t MergRight = 0;
    int32_t MergBottom = 0;
    std::string Val;
    std::string Text1;
    std::string Text2;
    std::string Formula;
    int32_t CellFormat = 0;
    int32_t CellTopColor = 0;
    int32_t CellBottomColor = 0;
    int32_t CellLeftColor = 0;
    int32_t CellRightColor = 0;
    int32_t CellTopWidth = 0;
    int32_t CellBottomWidth = 0;
    int32_t CellLeftWidth = 0;
    int32_t CellRightWidth = 0;
    int32_t Indent = 0;
    std::vector<TReference> Ref;

    // Adds a dependant unless the same (sheet, column, row) is already listed.
    void AddRef(const TReference& dependant);
    // The same, looking first at position hint: a formula reading a range
    // finds itself at the same position in cell after cell. Returns the
    // dependant's position.
    size_t AddRef(const TReference& dependant, size_t hint);
};

}  // namespace spf
