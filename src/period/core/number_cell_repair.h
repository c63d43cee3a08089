// "Sprawdź poprawność danych": every amount cell whose value formulas cannot
// read as a number becomes 0 / 0,00, so the formulas that read it work again.
#pragma once

namespace spf {

class Workbook;

// Repairs in place and returns how many cells it set to zero. Only amount
// cells (CellFormat 1 and 2) are touched: cells of format 3 show their text as
// written (signature lines, note references, headings, counts) and keep it.
int SprawdzPoprawnosc(Workbook& workbook);

}  // namespace spf
