#include "test_sheets.h"

#include <memory>

namespace spf::test {

TSheet& AddSheet(Workbook& workbook, const std::string& name, int columns, int rows) {
    TSheet sheet;
    sheet.GridName = name;
    sheet.Grid = std::make_unique<Grid>();
    sheet.Grid->SetColumns(columns);
    sheet.Grid->SetRows(rows);
    workbook.Sheets.push_back(std::move(sheet));
    return workbook.Sheets.back();
}

}  // namespace spf::test
