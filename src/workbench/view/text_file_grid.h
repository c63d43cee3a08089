// Loading a separated text file into a grid, as the print-range table is read.
#pragma once

#include <QChar>
#include <QString>

namespace spf {

class Grid;

// Reads the file's lines (Windows-1250) into rows from the top-left cell,
// splitting each line at `separator` and growing the grid as needed. On a
// read error returns false with the reason and leaves the grid unchanged.
bool LoadTextFile(Grid& grid, const QString& path, QChar separator, QString* error = nullptr);

}  // namespace spf
