// The example statement: the template with the example values of the
// sheet sources typed into their input cells and the general data set as
// the general-data dialog sets them.
#pragma once

#include <string>
#include <vector>

#include "model/workbook.h"
#include "sheet_source.h"

namespace spf::tmpl {

struct ExampleData {
    std::string firma, miasto, osoba;
    int rok = 2005;
    DateDays data = 0;
    int podatek1 = 19, podatek2 = 19;
    int akcje1 = 1, akcje2 = 1, akcje3 = 1;
    DateDays bo = 0, bz = 0;
    std::vector<std::string> notesOff;
};

// Throws SourceError.
ExampleData ReadExampleData(const std::string& path);

// Types the example values into the workbook built from the same sources.
void ApplyExampleValues(Workbook& workbook, const std::vector<SheetBuild>& builds);

// The header, the note selection, and the texts the general-data dialog's
// OK writes: signature lines of the first seven sheets and analysis headings.
void ApplyExampleData(Workbook& workbook, const ExampleData& data);

}  // namespace spf::tmpl
