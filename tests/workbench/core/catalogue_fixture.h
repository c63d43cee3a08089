// A workbook with the sheets of the catalogue in their order, small grids,
// the notes list with every note selected and each note's title at (2, 3).
#pragma once

#include <initializer_list>
#include <string>

#include "model/workbook.h"

namespace spf::testing {

inline const char* const kStatementNames[] = {"RZiS_p",       "RZiS_k",         "Aktywa",
                                              "Pasywa",       "Pasywa_kw",      "Przeplywy_mb",
                                              "Przeplywy_mp", "Zestawienie_zm", "Noty_d_zm"};
inline const char* const kAnalysisNames[] = {"AF_Bilans", "AF_RZiS", "AF_Wskazniki"};

// Sheets named in `without` are left out, as in an older document.
Workbook CatalogueWorkbook(std::initializer_list<const char*> without = {});

// Sets the selection box of a listed note (by its name) in the notes list.
void SelectNote(Workbook& workbook, const std::string& note, bool selected);

// The grid text of a cell, or "<none>" when the sheet or cell is absent.
std::string GridText(const Workbook& workbook, const std::string& sheet, int col, int row);

}  // namespace spf::testing
