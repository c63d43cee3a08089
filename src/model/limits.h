// How large a document may be. The reader refuses whatever lies beyond these,
// so everything that writes a document or makes one grow keeps within them:
// a document the program produced always opens again.
#pragma once

namespace spf {

// Column letters are single letters: A..Z beside the header column.
constexpr int kMaxColumns = 27;
constexpr int kMaxRows = 20000;
// In the whole document; keeps a hostile file from exhausting memory.
constexpr long long kMaxCells = 1'000'000;
// Sheets of a workbook, the built-in ratio sheet included.
constexpr int kMaxSheets = 10000;
// A column width or row height, in pixels.
constexpr int kMaxExtent = 65535;
// The financial year; the period identifiers count years from it.
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 9999;
// A statement file is well under a megabyte; anything this large is not one.
constexpr long long kMaxFileBytes = 256LL * 1024 * 1024;

}  // namespace spf
