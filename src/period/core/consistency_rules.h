// The parts of the consistency check, each adding what it finds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "period/core/consistency_check.h"

namespace spf {

class Workbook;
class Grid;

// One figure of a rule: a cell of a sheet, found by its caption.
struct Figure {
    const Grid* grid = nullptr;
    std::string sheet;
    int col = 0;
    int row = -1;

    bool Found() const { return grid && row >= 0; }
};

// A figure of the sheet in the column, on the first row whose caption starts with prefix.
Figure FigureOf(const Workbook& workbook, std::string_view sheet, int col, const std::string& prefix);

class Findings {
public:
    // expected and actual must agree; the disagreement shows at actual.
    // Rules whose figures are missing from the workbook are left out.
    void Equal(const std::string& rule, const Figure& expected, const Figure& actual);
    void Equal(const std::string& rule, std::optional<int64_t> expected, const Figure& actual);
    void Add(Disagreement d) { list_.push_back(std::move(d)); }
    std::vector<Disagreement> Take() { return std::move(list_); }

private:
    std::vector<Disagreement> list_;
};

void CheckStatements(const Workbook& workbook, Findings& findings);
void CheckNoteRows(const Workbook& workbook, Findings& findings);
void CheckNoteReferences(const Workbook& workbook, Findings& findings);
void CheckCellValues(const Workbook& workbook, Findings& findings);

}  // namespace spf
