#include "period/core/rollover.h"

#include <array>
#include <cmath>
#include <string_view>

#include "formula/recalculator.h"
#include "model/colors.h"
#include "model/sheet_names.h"
#include "model/text_utils.h"
#include "model/workbook.h"
#include "period/core/general_data_edit.h"
#include "period/core/period_texts.h"
#include "period/core/sheet_figures.h"

namespace spf {

namespace {

constexpr int kFirstRow = 4;
constexpr const char* kZero = "0,00";

constexpr std::array<std::string_view, 7> kStatements{"rzis_p",    "rzis_k",       "aktywa",      "pasywa",
                                                      "pasywa_kw", "przeplywy_mb", "przeplywy_mp"};
constexpr std::array<std::string_view, 17> kNotesWithPreviousYear{
    sheets::kNota01, sheets::kNota01a, sheets::kNota02, sheets::kNota03, sheets::kNota04, sheets::kNota05,
    sheets::kNota07, sheets::kNota08,  sheets::kNota09, sheets::kNota16, sheets::kNota19, sheets::kNota20,
    sheets::kNota22, sheets::kNota24a, sheets::kNota27, sheets::kNota28, sheets::kNota34};
constexpr std::array<std::string_view, 2> kEquityStatements{"zestawienie_zm", "noty_d_zm"};
constexpr std::array<std::string_view, 2> kThreeYearAnalysis{"af_bilans", "af_rzis"};

enum class Group { Statement, NoteWithPreviousYear, Equity, ThreeYearAnalysis, Other };

template <size_t N>
bool Among(const std::array<std::string_view, N>& names, const std::string& lowerName) {
    for (std::string_view n : names)
        if (n == lowerName) return true;
    return false;
}

Group GroupOf(const std::string& gridName) {
    const std::string name = ToLowerAscii(gridName);
    if (Among(kStatements, name)) return Group::Statement;
    if (Among(kNotesWithPreviousYear, name)) return Group::NoteWithPreviousYear;
    if (Among(kEquityStatements, name)) return Group::Equity;
    if (Among(kThreeYearAnalysis, name)) return Group::ThreeYearAnalysis;
    return Group::Other;
}

// An editable amount starts again at 0,00. Text cells keep what the user
// wrote: next year's statement usually repeats and edits those texts.
void ResetAmount(Cell& cell) {
    if (!cell.Edit || !IsAmountCell(cell)) return;
    cell.Cells = kZero;
    cell.Props->Val = kZero;
}

// The figure of the year becomes the figure of the year before.
void CopyFigure(const Cell& from, Cell& to) {
    to.Cells = from.Cells;
    to.Props->Val = from.Cells;
}

// A previous-year cell that was a formula keeps last year's figure as an input.
void MakeInput(Cell& cell) {
    cell.CellColor = kInputColor;
    cell.Edit = true;
    cell.Props->Formula.clear();
}

void RollStatementRow(Grid& g, int r) {
    Cell& current = g.At(4, r);
    Cell& previous = g.At(5, r);
    if (previous.Cells.empty() || !current.Props || !previous.Props) return;
    CopyFigure(current, previous);
    // Row 4 holds the year headings, whose formulas stay.
    if (r > kFirstRow) MakeInput(previous);
    ResetAmount(current);
}

void RollNoteRow(Grid& g, int r) {
    Cell& current = g.At(4, r);
    Cell& previous = g.At(5, r);
    if (!previous.Edit || !current.Props || !previous.Props) return;
    CopyFigure(current, previous);
    ResetAmount(current);
}

void RollEquityRow(Grid& g, int r) {
    Cell& current = g.At(3, r);
    Cell& previous = g.At(4, r);
    if (!previous.Edit || !current.Props || !previous.Props) return;
    CopyFigure(current, previous);
    MakeInput(previous);
    ResetAmount(current);
}

// Columns C, E and G hold the year, the year before and the one before
// that; G is typed, and last year's "year before" is known: it is E.
bool RollAnalysisRow(Grid& g, int r) {
    Cell& previous = g.At(5, r);
    Cell& beforeThat = g.At(7, r);
    if (!beforeThat.Edit || !IsAmountCell(beforeThat) || !IsAmountCell(previous)) return false;
    CopyFigure(previous, beforeThat);
    return true;
}

// Every other editable amount from column 3 on; keep names a column that
// has just received its figure.
void ResetRow(Grid& g, int r, int keep = -1) {
    for (int c = 3; c < g.Columns(); ++c)
        if (c != keep) ResetAmount(g.At(c, r));
}

void RollSheet(const std::string& name, Grid& g) {
    const Group group = GroupOf(name);
    for (int r = kFirstRow; r <= g.Rows() - 2; ++r) {
        switch (group) {
            case Group::Statement:
                if (g.Columns() > 5) RollStatementRow(g, r);
                break;
            case Group::NoteWithPreviousYear:
                if (g.Columns() > 5) RollNoteRow(g, r);
                break;
            case Group::Equity:
                if (g.Columns() > 4) RollEquityRow(g, r);
                break;
            case Group::ThreeYearAnalysis:
                ResetRow(g, r, g.Columns() > 7 && RollAnalysisRow(g, r) ? 7 : -1);
                break;
            case Group::Other:
                ResetRow(g, r);
                break;
        }
    }
}

DateDays Day(double stored) { return static_cast<DateDays>(std::trunc(stored)); }

}  // namespace

bool AdvanceGeneralData(Workbook& workbook) {
    DocumentHeader& h = workbook.Header;
    if (h.RokBiezacy >= kLastFinancialYear) return false;
    h.RokBiezacy += 1;
    h.DataSporzadzenia = ShiftYears(Day(h.DataSporzadzenia), 1);
    h.AFBO = ShiftYears(Day(h.AFBO), 1);
    h.AFBZ = ShiftYears(Day(h.AFBZ), 1);
    h.Podatek2 = h.Podatek1;
    h.AFAkcje3 = h.AFAkcje2;
    h.AFAkcje2 = h.AFAkcje1;
    GeneralData& g = workbook.General;
    if (g.OkresInnyNizRok) {
        g.OkresPoprzedni = g.OkresBiezacy;
        g.OkresBiezacy = ShiftYearsInText(g.OkresBiezacy, 1);
    }
    workbook.Saved = false;
    return true;
}

void RollFiguresOver(Workbook& workbook) {
    for (TSheet& sheet : workbook.Sheets)
        if (sheet.Grid) RollSheet(sheet.GridName, *sheet.Grid);
    workbook.Saved = false;
}

bool Rollover(Workbook& workbook, Recalculator& recalculator, const Clock& clock) {
    if (!AdvanceGeneralData(workbook)) return false;
    if (workbook.General.ZawszeDzienBiezacy) workbook.Header.DataSporzadzenia = clock.Today();
    RollFiguresOver(workbook);
    WriteGeneralDataTexts(workbook, recalculator);
    recalculator.RecalculateWorkbook();
    recalculator.RecalculateWorkbook();
    for (int i = 0; i < static_cast<int>(workbook.Sheets.size()); ++i) recalculator.RecalculateSheet(i);
    return true;
}

std::string RolloverFileName(const std::string& fileName) {
    const size_t slash = fileName.find_last_of("/\\");
    const size_t dot = fileName.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    if (!hasExtension) return fileName + "__";
    return fileName.substr(0, dot) + "__" + fileName.substr(dot);
}

}  // namespace spf
