// Which explanatory notes take part in the statement, how they are numbered,
// and the texts that follow from it: the note labels, the "Nota" column of
// the statements and the notes list.
#pragma once

#include <string>

namespace spf {

class Workbook;
class Grid;

// Notes list layout: row 4 + k describes the k-th note sheet of the run
// nota_01 ... nota_34; column 2 is the selection box, 3 the label, 4 the title.
inline constexpr int kNotesListFirstRow = 4;
inline constexpr int kSelectionColumn = 2;
inline constexpr int kLabelColumn = 3;
inline constexpr int kTitleColumn = 4;
inline constexpr int kNoteSelected = 1;
inline constexpr int kNoteNotSelected = 2;

// The model side of the visibility update, in this order: the notes in use
// from the selection boxes, the numbering, the labels at (2, 2) of the note
// sheets, the note references of the statements and the notes list columns.
// A document without a notes list keeps its notes as they are.
void UpdateNoteVisibility(Workbook& workbook);

// Only the label and title columns of the notes list.
void RefreshWykazNot(Workbook& workbook);

// The selection box at (column, row) of the notes list switches between
// selected and not selected; false when the cell holds no box.
bool ToggleNoteSelection(Grid& notesList, int col, int row);

// Whether a release of the mouse button over the cell acts: over a selection
// box, and over every cell of a row whose note is selected.
bool IsNotesListActiveCell(const Grid& notesList, int col, int row);

// The label shown in column 3 of the row, trimmed; what a click beyond the
// selection box opens.
std::string NotesListRowLabel(const Grid& notesList, int row);

}  // namespace spf
