// The print-range table: a line for every sheet, each parsing as the print
// command reads it and describing a range that lies inside its sheet.
#include <gtest/gtest.h>

#include <cctype>
#include <map>

#include "model/text_utils.h"
#include "template_files.h"

namespace spf::test {
namespace {

bool IsInteger(const std::string& s) {
    size_t i = s.size() > 1 && s[0] == '-' ? 1 : 0;
    if (i == s.size()) return false;
    for (; i < s.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
    return true;
}

bool IsCellReference(const std::string& s) {
    return s.size() >= 2 && std::isalpha(static_cast<unsigned char>(s[0])) && IsInteger(s.substr(1)) &&
           s[1] != '-';
}

// A negative row counts from the end of the sheet.
int ResolveRow(int v, int rows) { return v < 0 ? rows + v - 1 : v; }

TEST(PrintTable, EverySheetPrintsAndEveryLineParses) {
    const Workbook wb = LoadTemplate();
    const auto lines = PrintTableRows();
    std::map<std::string, int> perSheet;
    for (const auto& cells : lines) {
        ASSERT_GE(cells.size(), 17u) << cells[0];
        const std::string& name = cells[0];
        SCOPED_TRACE(name);
        const Grid* g = wb.FindGrid(name);
        ASSERT_NE(g, nullptr) << "the table names an unknown sheet";
        ++perSheet[name];
        for (int i : {3, 4, 5, 6}) ASSERT_TRUE(IsInteger(cells[static_cast<size_t>(i)])) << "column " << i;
        for (int i : {7, 11, 15, 16})
            EXPECT_TRUE(cells[static_cast<size_t>(i)].empty() || IsInteger(cells[static_cast<size_t>(i)]))
                << "column " << i;
        for (int i : {1, 2}) {
            const std::string& ref = cells[static_cast<size_t>(i)];
            if (ref.empty()) continue;
            ASSERT_TRUE(IsCellReference(ref)) << ref;
            const int col = ref[0] - 'A' + 1, row = std::stoi(ref.substr(1));
            const TCellProps& p = PropsAt(wb, name, col, row);
            EXPECT_TRUE(!p.Text1.empty() || !p.Formula.empty() || p.CellFormat == 3)
                << "the caption cell " << ref << " has no text";
        }
        const int left = std::stoi(cells[3]), top = std::stoi(cells[4]), right = std::stoi(cells[5]);
        const int bottom = ResolveRow(std::stoi(cells[6]), g->Rows());
        EXPECT_TRUE(left >= 2 && left <= right && right <= g->Columns() - 2) << left << ".." << right;
        EXPECT_TRUE(top >= 1 && top <= bottom && bottom <= g->Rows() - 1) << top << ".." << bottom;
        EXPECT_EQ(cells[14].size(), static_cast<size_t>(right - left + 1)) << "column kinds " << cells[14];
        for (char k : cells[14]) EXPECT_NE(std::string("t$n#0").find(k), std::string::npos) << "kind " << k;
        if (!cells[7].empty()) {
            const int comment = ResolveRow(std::stoi(cells[7]), g->Rows());
            ASSERT_TRUE(comment > bottom && comment < g->Rows()) << "comment row " << comment;
            EXPECT_TRUE(StartsWith(PropsAt(wb, name, 2, comment - 1).Text1, "Komentarz"))
                << "comment row " << comment;
        }
        EXPECT_TRUE(cells[12] == "v" || cells[12] == "h" || cells[12] == "n" || cells[12].empty());
        EXPECT_TRUE(cells[13] == "t" || cells[13].empty());
    }
    for (const std::string& name : CatalogueOrder())
        EXPECT_GE(perSheet[name], 1) << name << " has no print range";
    EXPECT_EQ(perSheet["Noty_d_zm"], 1) << "the equity notes print as one line that the program cuts in five";
}

TEST(PrintTable, StatementsPrintWithStampAndSignaturesAboveThePlaceLine) {
    const Workbook wb = LoadTemplate();
    for (const auto& cells : PrintTableRows()) {
        const std::string& name = cells[0];
        if (wb.FindSheet(name) > 6) continue;
        SCOPED_TRACE(name);
        const Grid& g = SheetGrid(wb, name);
        EXPECT_EQ(cells[1], "B2");
        EXPECT_EQ(cells[2], "B3");
        EXPECT_LT(ResolveRow(std::stoi(cells[6]), g.Rows()), g.Rows() - 3);
        EXPECT_GE(ResolveRow(std::stoi(cells[6]), g.Rows()), 47) << "the range must hold every line item";
        EXPECT_EQ(cells[13], "t");
        EXPECT_FALSE(cells[15].empty());
        EXPECT_FALSE(cells[16].empty());
    }
}

}  // namespace
}  // namespace spf::test
