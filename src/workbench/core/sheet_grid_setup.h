// The sizes every sheet grid has once its document is loaded: hair-thin
// header column and row, narrow margin columns, 24-pixel default rows. Done
// on the model when the document is read, so that showing a sheet changes
// nothing in it.
#pragma once

namespace spf {

class Grid;
class Workbook;

// Also gives a damaged sheet whose size lists do not match its grid one
// size per column and per row.
void ConfigureSheetGrid(Grid& grid);
void ConfigureSheetGrids(Workbook& workbook);

}  // namespace spf
