// Small workbooks built in code for the sheet-view tests, the render tool and
// the benchmark, and a harness that shows one sheet in a real SheetView with
// the 10 ms recalculation wired to the formula engine.
#pragma once

#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "formula/recalculator.h"
#include "model/dates.h"
#include "model/workbook.h"
#include "test_sheets.h"
#include "workbench/document/document.h"
#include "workbench/view/sheet_view.h"
#include "workbench/view/view_context.h"

namespace spf::test {

// A sheet with the given column widths and row count, every cell with
// properties, limits as the reader sets them (margins fixed, content 0..1000).
TSheet& AddSheet(Workbook& workbook, const std::string& name, const std::vector<int>& colWidths, int rows);

void SetText(Grid& grid, int col, int row, const std::string& polish, const std::string& english = {});
// An amount cell showing `cells`; input cells are white and editable.
void SetAmount(Grid& grid, int col, int row, const std::string& cells, bool input, int format = 2);
void SetFormula(Grid& grid, int col, int row, const std::string& formula, int format = 2);
void Merge(Grid& grid, int left, int top, int right, int bottom);
void SetBorders(Grid& grid, int col, int row, int left, int top, int right, int bottom, int32_t color = 0);

// "Bilans_t": a statement form with indented captions, amount inputs in D and
// E, their totals, a row marker, borders, a comment block and period placeholders.
void AddStatementSheet(Workbook& workbook, const std::string& name = "Bilans_t", int itemRows = 4);
// "Wykaz_not": three notes, ticked, not ticked, ticked.
void AddNotesListSheet(Workbook& workbook);
// "AF_Wskazniki": two ratios drawn with bands, rules and fraction bars.
void AddRatioSheet(Workbook& workbook);

// A workbook with the three sheets, open, year 2004.
Workbook MakeFixtureBook();

// One window's worth of view machinery around a workbook, which the
// harness's document takes over and configures as loading does.
class ViewHarness {
public:
    explicit ViewHarness(Workbook workbook);
    ~ViewHarness();

    FixedClock clock{38000};
    Document document{clock};
    Workbook& workbook;  // the document's
    ViewContext context;
    Recalculator& recalculator() { return document.recalculator(); }

    // Shows the sheet in a new view of the given size, made active and fitted.
    SheetView& show(const std::string& sheetName, int width = 700, int height = 500);
    SheetView* view() const { return view_.get(); }

private:
    std::unique_ptr<SheetView> view_;
};

// Base of the test classes that work on a fresh fixture book in every test.
class FixtureBookTest : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<ViewHarness> harness;
    Workbook* book = nullptr;  // the harness document's

private slots:
    void init();
    void cleanup();
};

}  // namespace spf::test
