// Fitting a sheet to the window: the column fit (`Dopasuj`), the row heights
// of the wrapped texts (`CalcHeights`), the window fit run on every resize
// and navigation, and the handler of column-width changes.
#pragma once

namespace spf {

class SheetView;

// Fits the content columns of the sheet to the view's width, then runs the
// column-width change handler.
void Dopasuj(SheetView& view);

// Row heights of the view's sheet grown to their wrapped texts.
void CalcHeights(SheetView& view);

// A column width changed: unless the column fit is running, the row heights
// of the active sheet are fitted again at its present width.
void OnColWidthsChanged(SheetView& view);

// The window fit of the active sheet (resize, splitter, navigation): headers
// for the formula-editing mode, the column fit when the width left the band
// of the last fit, and the comment rows. Does nothing while the option is off.
void FitWindow(SheetView& view);

// Row height of the row that follows a "Komentarz" caption.
inline constexpr int kCommentRowHeight = 100;
// A grid width within this many pixels above the last fit keeps the columns.
inline constexpr int kRefitBand = 20;

}  // namespace spf
