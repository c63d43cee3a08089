// The formulas of the template: every reference names an existing cell, the
// lists a user may lengthen are summed to their last row, and a recalculated
// empty template shows no failed formula.
#include <gtest/gtest.h>

#include <regex>

#include "model/text_utils.h"
#include "template_files.h"

namespace spf::test {
namespace {

class TemplateFormulas : public ::testing::Test {
protected:
    static void SetUpTestSuite() { wb_ = new Workbook(LoadTemplate()); }
    static void TearDownTestSuite() { delete wb_; }
    static Workbook& wb() { return *wb_; }

private:
    static Workbook* wb_;
};
Workbook* TemplateFormulas::wb_ = nullptr;

template <typename F>
void ForEachFormula(const Workbook& wb, F f) {
    for (const TSheet& s : wb.Sheets) {
        for (int r = 1; r < s.Grid->Rows(); ++r) {
            for (int c = 1; c < s.Grid->Columns(); ++c) {
                const auto& p = s.Grid->At(c, r).Props;
                if (p && !p->Formula.empty()) f(s, c, r, p->Formula);
            }
        }
    }
}

std::string Where(const TSheet& s, int c, int r) {
    return s.GridName + "!" + std::string(1, char('A' + c - 1)) + std::to_string(r);
}

TEST_F(TemplateFormulas, EveryReferenceNamesAContentCellOfAnExistingSheet) {
    const std::regex reference("RANGE\\('([A-Za-z_0-9]+)!([A-Z])([0-9]+)'\\)", std::regex::icase);
    ForEachFormula(wb(), [&](const TSheet& s, int c, int r, const std::string& formula) {
        int found = 0;
        for (std::sregex_iterator it(formula.begin(), formula.end(), reference), end; it != end;
             ++it, ++found) {
            const std::string sheet = (*it)[1];
            const Grid* g = wb().FindGrid(sheet);
            ASSERT_NE(g, nullptr) << Where(s, c, r) << " reads a sheet that does not exist: " << formula;
            const int col = (*it)[2].str()[0] - 'A' + 1;
            const int row = std::stoi((*it)[3]);
            EXPECT_TRUE(col >= 2 && col < g->Columns() - 1 && row >= 1 && row < g->Rows())
                << Where(s, c, r) << " reads outside " << sheet << ": " << formula;
        }
        const size_t ranges = static_cast<size_t>(std::count(formula.begin(), formula.end(), '!'));
        EXPECT_EQ(static_cast<size_t>(found), ranges)
            << Where(s, c, r) << " has a reference of another form: " << formula;
    });
}

TEST_F(TemplateFormulas, ListsThatMayGrowAreSummedToTheirLastRow) {
    for (const TSheet& s : wb().Sheets) {
        const Grid& g = *s.Grid;
        for (int r = 1; r < g.Rows(); ++r) {
            const auto& marker = g.At(1, r).Props;
            if (!marker || !marker->CanAdd) continue;
            const std::string end = ":RANGE('" + s.GridName + "!";
            const std::string row = std::to_string(r) + "')";
            bool summed = false;
            for (int rr = 1; rr < g.Rows() && !summed; ++rr)
                for (int c = 2; c < g.Columns() - 1 && !summed; ++c)
                    if (const auto& p = g.At(c, rr).Props) {
                        const std::string& f = p->Formula;
                        for (size_t at = f.find(end); at != std::string::npos && !summed;
                             at = f.find(end, at + 1))
                            summed = f.compare(at + end.size() + 1, row.size(), row) == 0;
                    }
            EXPECT_TRUE(summed) << s.GridName << " row " << r << " takes new rows but no sum ends on it";
        }
    }
}

TEST_F(TemplateFormulas, RecalculatedTemplateShowsNoFailure) {
    ASSERT_TRUE(RecalculateToRest(wb()));
    ForEachFormula(wb(), [&](const TSheet& s, int c, int r, const std::string& formula) {
        const TCellProps& p = *s.Grid->At(c, r).Props;
        EXPECT_NE(p.Val, "###") << Where(s, c, r) << " " << formula;
        if (p.Val != "\u2013") return;
        // Only a ratio may fail, and only on a zero denominator: the dynamics
        // of the analysis and the built-in ratio sheet.
        const bool ratio = s.GridName == "AF_Wskazniki" || (s.GridName == "AF_RZiS" && (c == 4 || c == 6)) ||
                           formula.find('/') != std::string::npos;
        EXPECT_TRUE(ratio) << Where(s, c, r) << " fails: " << formula;
    });
}

}  // namespace
}  // namespace spf::test
