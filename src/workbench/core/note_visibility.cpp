#include "workbench/core/note_visibility.h"

#include <array>
#include <string_view>

#include "model/sheet_names.h"
#include "model/text_utils.h"
#include "model/workbook.h"
#include "workbench/core/sheet_catalogue.h"

namespace spf {

namespace {

constexpr std::string_view kFirstListedNote = sheets::kNota01;
constexpr std::string_view kLastListedNote = sheets::kNota34;
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
        Pair(sheets::kNota11a, sheets::kNota11b, true);
        Singles(12, 14);
        Pair(sheets::kNota15, sheets::kNota15a, false);
        Singles(16, 20);
        Pair(sheets::kNota21, sheets::kNota21a, false);
        Singles(22, 23);
        Pair(sheets::kNota24, sheets::kNota24a, false);
        Singles(25, 35);
    }

private:
    static bool IsUsed(const TSheet* sheet) { return sheet && sheet->Used; }
    std::string Label() const { return "Nota " + std::to_string(counter_); }
    static void SetLabel(TSheet* sheet, const std::string& label) {
        if (sheet) sheet->NoteLabel = label;
    }

    void FirstPair() {
        TSheet* main = SheetByName(workbook_, sheets::kNota01);
        TSheet* partner = SheetByName(workbook_, sheets::kNota01a);
        if (IsUsed(main) || IsUsed(partner)) ++counter_;
        SetLabel(main, "Nota 1");
        if (IsUsed(partner)) SetLabel(partner, IsUsed(main) ? "Nota 1a" : "Nota 1");
    }

    void Singles(int from, int to) {
        for (int n = from; n <= to; ++n) {
            TSheet* sheet = SheetByName(workbook_, sheets::NoteSheetName(n));
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
        if (sheet.GridName.find(sheets::kNotePrefix) != std::string::npos)
            SetCellText(sheet.Grid.get(), kLabelCol, kLabelRow, sheet.NoteLabel);
}

struct NoteReference {
    std::string_view note;
    std::string_view sheet;
    int row;
};

constexpr std::array<NoteReference, 36> kNoteReferences{{
    {sheets::kNota01, sheets::kRzisP, 5},       {sheets::kNota01, sheets::kRzisK, 5},
    {sheets::kNota03, sheets::kRzisP, 11},      {sheets::kNota03, sheets::kRzisK, 11},
    {sheets::kNota03, sheets::kPrzeplywyMp, 8}, {sheets::kNota04, sheets::kRzisP, 22},
    {sheets::kNota04, sheets::kRzisK, 17},      {sheets::kNota05, sheets::kRzisP, 26},
    {sheets::kNota05, sheets::kRzisK, 21},      {sheets::kNota07, sheets::kRzisP, 31},
    {sheets::kNota07, sheets::kRzisK, 26},      {sheets::kNota08, sheets::kRzisP, 39},
    {sheets::kNota08, sheets::kRzisK, 34},      {sheets::kNota09, sheets::kRzisP, 46},
    {sheets::kNota09, sheets::kRzisK, 41},      {sheets::kNota10, sheets::kRzisP, 50},
    {sheets::kNota10, sheets::kRzisK, 45},      {sheets::kNota12, sheets::kAktywa, 6},
    {sheets::kNota13, sheets::kAktywa, 12},     {sheets::kNota14, sheets::kAktywa, 20},
    {sheets::kNota15, sheets::kAktywa, 23},     {sheets::kNota16, sheets::kAktywa, 42},
    {sheets::kNota17, sheets::kAktywa, 48},     {sheets::kNota18, sheets::kAktywa, 61},
    {sheets::kNota19, sheets::kAktywa, 73},     {sheets::kNota20, sheets::kAktywa, 38},
    {sheets::kNota20, sheets::kAktywa, 78},     {sheets::kNota20, sheets::kPasywa, 50},
    {sheets::kNota20, sheets::kPasywaKw, 50},   {sheets::kNota21, sheets::kPasywa, 16},
    {sheets::kNota21, sheets::kPasywaKw, 16},   {sheets::kNota23, sheets::kPasywa, 24},
    {sheets::kNota23, sheets::kPasywaKw, 24},   {sheets::kNota24, sheets::kPasywa, 31},
    {sheets::kNota24, sheets::kPasywaKw, 31},   {sheets::kNota28, sheets::kPrzeplywyMp, 10},
}};

void WriteReferences(Workbook& workbook) {
    const auto write = [&](const NoteReference& ref) {
        const TSheet* note = SheetByName(workbook, ref.note);
        if (!note) return;
        // "Nota 16a" is referred to as "16a".
        const std::string text =
            note->Used && note->NoteLabel.size() > 5 ? note->NoteLabel.substr(5) : std::string();
        SetCellText(workbook.FindGrid(std::string(ref.sheet)), kReferenceColumn, ref.row, text);
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
