// The cursor shape over a sheet cell: the hand over row markers and the
// notes-list boxes, the text cursor over cells that accept typing.
#pragma once

namespace spf {

class Grid;
class GridLook;

enum class CursorKind { Normal, Text, Hand };

CursorKind CursorForCell(const Grid& grid, const GridLook& look, int col, int row);

// Mouse moves over these cells make "Dodaj wiersz" and "Skasuj wiersz" available.
inline bool OffersRowCommands(int col, int row) { return col >= 1 && row >= 2; }

}  // namespace spf
