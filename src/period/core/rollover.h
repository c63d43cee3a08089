// Next year's statement from this year's: the current-year figures move into
// the previous-year columns, the current-year amounts start again at 0,00,
// the general data move on by a year and the workbook is recalculated.
#pragma once

#include <string>

#include "model/dates.h"

namespace spf {

class Workbook;
class Recalculator;

// The general data of the next year: the year, the date of preparation and
// both balance dates one year on; this year's tax rate becomes last year's;
// the share counts move back one year (AFAkcje1 into AFAkcje2, AFAkcje2 into
// AFAkcje3); with "okres inny niż rok" the current period text becomes the
// previous one and the years in it move on. Refused beyond the last year.
bool AdvanceGeneralData(Workbook& workbook);

// The figures of every sheet by its group: statements, notes with a
// previous-year column, the equity statements, the analysis sheets, the rest.
void RollFiguresOver(Workbook& workbook);

// The whole rollover as the command runs it, short of saving: the general
// data (with "zawsze dzień bieżący" the date of preparation is today), the
// figures, the signature lines and analysis headings of the new year, two
// workbook recalculations and each sheet's own recalculation, which brings
// every amount back to hundredths. False, with nothing changed, when the
// year cannot move on.
bool Rollover(Workbook& workbook, Recalculator& recalculator, const Clock& clock);

// The name Save as proposes for the rolled-over document: "__" before the
// extension (firma2005.spf gives firma2005__.spf), after a name without one.
std::string RolloverFileName(const std::string& fileName);

}  // namespace spf
