#include "workbench/core/note_visibility.h"

#include <array>
#include <string_view>

#include "model/text_utils.h"
#include "model/workbook.h"
#include "workbench/core/sheet_catalogue.h"

namespace spf {

namespace {

constexpr std::string_view kFirstListedNote = "nota_01";
constexpr std::string_view kLastListedNote = "nota_34";
constexpr int kLabelCol = 2;
constexpr int kLabelRow = 2;
constexpr int kTitleRow = 3;
constexpr int kReferenceColumn = 3;

TSheet* SheetByName(Workbook& workbook, std::string_view name) {
    const int index = workbook.FindSheet(std::string(name));
    return index < 0 ? nullptr : &workbook.Sheets[static_cast<size_t>(index)];
}

int NoteSel(const Grid& grid, int col, int row) {
    if (!grid.Contains(col, row)) return 0;
    const auto& props = grid.At(col, row).Props;
    return props ? props->NoteSel : 0;
}

std::string CellText(const Grid* grid, int col, int row) {
    if (!grid || !grid->Contains(col, row)) return {};
    return grid->At(col, row).Cells;
}

void SetCellText(Grid* grid, int col, int row, const std::string& text) {
    if (grid && grid->Contains(col, row)) grid->At(col, row).Cells = text;
}

// The sheets described by the notes list, in list order.
std::vector<TSheet*> ListedNotes(Workbook& workbook) {
    std::vector<TSheet*> out;
    const int first = workbook.FindSheet(std::string(kFirstListedNote));
    if (first < 0) return out;
    for (size_t i = static_cast<size_t>(first); i < workbook.Sheets.size(); ++i) {
        TSheet& sheet = workbook.Sheets[i];
        if (ClassifySheet(sheet.GridName) != SheetKind::Note) break;
        out.push_back(&sheet);
        if (EqualsIgnoreCase(sheet.GridName, kLastListedNote)) break;
    }
    return out;
}

void ApplySelection(Workbook& workbook, Grid& list) {
    const std::vector<TSheet*> notes = ListedNotes(workbook);
    for (size_t k = 0; k < notes.size(); ++k) {
        const int row = kNotesListFirstRow + static_cast<int>(k);
        const int sel = NoteSel(list, kSelectionColumn, row);
        notes[k]->Used = sel == kNoteSelected;
        if (sel == kNoteNotSelected) SetCellText(&list, kLabelColumn, row, {});
    }
}

// Numbers the notes in use with one counter; a pair takes one number.
class NoteNumbering {
public:
    explicit NoteNumbering(Workbook& workbook) : workbook_(workbook) {}

    void Run() {
        FirstPair();
        Singles(2, 10);
        Pair("nota_11a", "nota_11b", true);
        Singles(12, 14);
        Pair("nota_15", "nota_15a", false);
        Singles(16, 20);
        Pair("nota_21", "nota_21a", false);
        Singles(22, 23);
        Pair("nota_24", "nota_24a", false);
        Singles(25, 35);
    }

private:
    static bool IsUsed(const TSheet* sheet) { return sheet && sheet->Used; }
    std::string Label() const { return "Nota " + std::to_string(counter_); }
    static void SetLabel(TSheet* sheet, const std::string& label) {
        if (sheet) sheet->NoteLabel = label;
    }
    static std::string Name(int n) { return std::string(n < 10 ? "nota_0" : "nota_") + std::to_string(n); }

    void FirstPair() {
        TSheet* main = SheetByName(workbook_, "nota_01");
        TSheet* partner = SheetByName(workbook_, "nota_01a");
        if (IsUsed(main) || IsUsed(partner)) ++counter_;
        SetLabel(main, "Nota 1");
        if (IsUsed(partner)) SetLabel(partner, IsUsed(main) ? "Nota 1a" : "Nota 1");
    }

    void Singles(int from, int to) {
        for (int n = from; n <= to; ++n) {
            TSheet* sheet = SheetByName(workbook_, Name(n));
            if (IsUsed(sheet)) ++counter_;
            SetLabel(sheet, Label());
        }
    }

    // Both members take the pair's number; when both are in use the partner
    // gets "a", and with lettersOnBoth the first gets "a" and the second "b".
    void Pair(std::string_view first, std::string_view second, bool lettersOnBoth) {
        TSheet* a = SheetByName(workbook_, first);
        TSheet* b = SheetByName(workbook_, second);
        if (IsUsed(a) || IsUsed(b)) ++counter_;
        SetLabel(a, Label());
        SetLabel(b, Label());
        if (!(IsUsed(a) && IsUsed(b))) return;
        if (lettersOnBoth) {
            a->NoteLabel += "a";
            b->NoteLabel += "b";
        } else {
            b->NoteLabel += "a";
        }
    }

    Workbook& workbook_;
    int counter_ = 0;
};

void WriteLabels(Workbook& workbook) {
    for (TSheet& sheet : workbook.Sheets)
        if (sheet.GridName.find("nota_") != std::string::npos)
            SetCellText(sheet.Grid.get(), kLabelCol, kLabelRow, sheet.NoteLabel);
}

struct NoteReference {
    const char* note;
    const char* sheet;
    int row;
};

constexpr std::array<NoteReference, 36> kNoteReferences{{
    {"nota_01", "RZiS_p", 5},     {"nota_01", "RZiS_k", 5},       {"nota_03", "RZiS_p", 11},
    {"nota_03", "RZiS_k", 11},    {"nota_03", "Przeplywy_mp", 8}, {"nota_04", "RZiS_p", 22},
    {"nota_04", "RZiS_k", 17},    {"nota_05", "RZiS_p", 26},      {"nota_05", "RZiS_k", 21},
    {"nota_07", "RZiS_p", 31},    {"nota_07", "RZiS_k", 26},      {"nota_08", "RZiS_p", 39},
    {"nota_08", "RZiS_k", 34},    {"nota_09", "RZiS_p", 46},      {"nota_09", "RZiS_k", 41},
    {"nota_10", "RZiS_p", 50},    {"nota_10", "RZiS_k", 45},      {"nota_12", "Aktywa", 6},
    {"nota_13", "Aktywa", 12},    {"nota_14", "Aktywa", 20},      {"nota_15", "Aktywa", 23},
    {"nota_16", "Aktywa", 42},    {"nota_17", "Aktywa", 48},      {"nota_18", "Aktywa", 61},
    {"nota_19", "Aktywa", 73},    {"nota_20", "Aktywa", 38},      {"nota_20", "Aktywa", 78},
    {"nota_20", "Pasywa", 50},    {"nota_20", "Pasywa_kw", 50},   {"nota_21", "Pasywa", 16},
    {"nota_21", "Pasywa_kw", 16}, {"nota_23", "Pasywa", 24},      {"nota_23", "Pasywa_kw", 24},
    {"nota_24", "Pasywa", 31},    {"nota_24", "Pasywa_kw", 31},   {"nota_28", "Przeplywy_mp", 10},
}};

void WriteReferences(Workbook& workbook) {
    const auto write = [&](const NoteReference& ref) {
        const TSheet* note = SheetByName(workbook, ref.note);
        if (!note) return;
        // "Nota 16a" is referred to as "16a".
        const std::string text =
            note->Used && note->NoteLabel.size() > 5 ? note->NoteLabel.substr(5) : std::string();
        SetCellText(workbook.FindGrid(ref.sheet), kReferenceColumn, ref.row, text);
    };
    for (const NoteReference& ref : kNoteReferences) write(ref);
}

}  // namespace

void UpdateNoteVisibility(Workbook& workbook) {
    Grid* list = workbook.FindGrid(std::string(kNotesListName));
    if (list) ApplySelection(workbook, *list);
    NoteNumbering(workbook).Run();
    WriteLabels(workbook);
    WriteReferences(workbook);
    RefreshWykazNot(workbook);
}

void RefreshWykazNot(Workbook& workbook) {
    Grid* list = workbook.FindGrid(std::string(kNotesListName));
    if (!list) return;
    const std::vector<TSheet*> notes = ListedNotes(workbook);
    for (size_t k = 0; k < notes.size(); ++k) {
        const int row = kNotesListFirstRow + static_cast<int>(k);
        const Grid* note = notes[k]->Grid.get();
        const bool selected = NoteSel(*list, kSelectionColumn, row) == kNoteSelected;
        SetCellText(list, kLabelColumn, row, selected ? CellText(note, kLabelCol, kLabelRow) : std::string());
        SetCellText(list, kTitleColumn, row, CellText(note, kLabelCol, kTitleRow));
    }
}

bool ToggleNoteSelection(Grid& notesList, int col, int row) {
    if (col != kSelectionColumn || !notesList.Contains(col, row)) return false;
    auto& props = notesList.At(col, row).Props;
    if (!props || (props->NoteSel != kNoteSelected && props->NoteSel != kNoteNotSelected)) return false;
    props->NoteSel = 3 - props->NoteSel;
    return true;
}

bool IsNotesListActiveCell(const Grid& notesList, int col, int row) {
    if (col == kSelectionColumn) {
        const int sel = NoteSel(notesList, col, row);
        return sel == kNoteSelected || sel == kNoteNotSelected;
    }
    return NoteSel(notesList, kSelectionColumn, row) == kNoteSelected;
}

std::string NotesListRowLabel(const Grid& notesList, int row) {
    return std::string(Trim(CellText(&notesList, kLabelColumn, row)));
}

}  // namespace spf
