// The notes: their check rows, and the references between the notes list,
// the statements and the notes in use.
#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "model/sheet_names.h"
#include "model/text_utils.h"
#include "model/workbook.h"
#include "period/core/consistency_rules.h"
#include "period/core/sheet_figures.h"

namespace spf {

namespace {

// The notes list: row 4 + k holds the selection box (column 2, 1 selected,
// 2 not) and the label (column 3) of the k-th note from nota_01 to nota_34.
constexpr int kListFirstRow = 4;
constexpr int kNotSelected = 2;
constexpr std::string_view kFirstListed = sheets::kNota01;
constexpr std::string_view kLastListed = sheets::kNota34;
constexpr std::array<std::string_view, 7> kStatements{
    sheets::kRzisP,    sheets::kRzisK,       sheets::kAktywa,     sheets::kPasywa,
    sheets::kPasywaKw, sheets::kPrzeplywyMb, sheets::kPrzeplywyMp};

bool IsNote(const std::string& name) { return StartsWith(ToLowerAscii(name), sheets::kNotePrefix); }

std::string_view LabelOf(const Grid& note) { return note.Contains(2, 2) ? Trim(note.At(2, 2).Cells) : ""; }

// Each note sheet with its row in the notes list (-1: not listed) and whether it is in use.
struct Note {
    const TSheet* sheet;
    int listRow;
    bool used;
};

std::vector<Note> Notes(const Workbook& wb) {
    const Grid* list = wb.FindGrid(std::string(sheets::kWykazNot));
    std::vector<Note> notes;
    int k = -1;  // position in the listed run, counting from nota_01
    for (const TSheet& s : wb.Sheets) {
        if (!s.Grid || !IsNote(s.GridName)) {
            if (k >= 0) k = -2;  // the run ended
            continue;
        }
        if (k == -1 && EqualsIgnoreCase(s.GridName, kFirstListed)) k = 0;
        const int row = k >= 0 ? kListFirstRow + k : -1;
        bool used = true;
        if (row >= 0 && list && list->Contains(2, row) && list->At(2, row).Props)
            used = list->At(2, row).Props->NoteSel != kNotSelected;
        notes.push_back({&s, row, used});
        if (k >= 0) k = EqualsIgnoreCase(s.GridName, kLastListed) ? -2 : k + 1;
    }
    return notes;
}

bool HasFigures(const Grid& g) {
    for (int r = 5; r < g.Rows(); ++r)
        for (int c = 3; c < g.Columns(); ++c) {
            if (!IsAmountCell(g.At(c, r))) continue;
            const auto amount = AmountAt(g, c, r);
            if (amount && *amount != 0) return true;
        }
    return false;
}

void CheckRows(const TSheet& sheet, Findings& f) {
    const Grid& g = *sheet.Grid;
    for (int r = 1; r < g.Rows(); ++r) {
        const std::string_view caption = Caption(g, r);
        if (!StartsWith(caption, "Różnica")) continue;
        for (int c = 3; c < g.Columns(); ++c)
            if (IsAmountCell(g.At(c, r))) f.Equal(std::string(caption), 0, Figure{&g, sheet.GridName, c, r});
    }
}

}  // namespace

void CheckNoteRows(const Workbook& workbook, Findings& findings) {
    std::vector<const TSheet*> unused;
    for (const Note& n : Notes(workbook))
        if (!n.used) unused.push_back(n.sheet);
    for (const TSheet& sheet : workbook.Sheets) {
        // A note left out of the statement is not compared with it.
        if (!sheet.Grid || std::find(unused.begin(), unused.end(), &sheet) != unused.end()) continue;
        CheckRows(sheet, findings);
    }
}

void CheckNoteReferences(const Workbook& workbook, Findings& findings) {
    const std::vector<Note> notes = Notes(workbook);
    const auto usedNoteLabelled = [&](std::string_view label) {
        for (const Note& n : notes)
            if (n.used && LabelOf(*n.sheet->Grid) == label) return true;
        return false;
    };
    // Every reference of a statement names a note in use.
    for (std::string_view name : kStatements) {
        const Grid* g = workbook.FindGrid(std::string(name));
        if (!g || g->Columns() <= 3) continue;
        for (int r = 5; r < g->Rows(); ++r) {
            const Cell& cell = g->At(3, r);
            const std::string_view reference = Trim(cell.Cells);
            if (!cell.Props || cell.Props->CellFormat != 3 || reference.empty()) continue;
            if (usedNoteLabelled("Nota " + std::string(reference))) continue;
            findings.Add(
                {std::string(name), 3, r,
                 "odwołanie do noty " + std::string(reference) + ", której nie wybrano w wykazie not",
                 std::nullopt, std::nullopt, std::string(reference)});
        }
    }
    // Every note in use with figures has its label, and the notes list shows it.
    const Grid* list = workbook.FindGrid(std::string(sheets::kWykazNot));
    for (const Note& n : notes) {
        const Grid& g = *n.sheet->Grid;
        if (!n.used || !HasFigures(g)) continue;
        const std::string_view label = LabelOf(g);
        const bool listed = !list || n.listRow < 0 || !list->Contains(3, n.listRow) ||
                            Trim(list->At(3, n.listRow).Cells) == label;
        if (!label.empty() && listed) continue;
        findings.Add({n.sheet->GridName, 2, 2,
                      "nota z kwotami, wybrana w wykazie not, bez numeru w wykazie not", std::nullopt,
                      std::nullopt, std::string(label)});
    }
}

}  // namespace spf
