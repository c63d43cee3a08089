#include "example_data.h"

#include <stdexcept>

#include "model/amounts.h"
#include "model/text_utils.h"
#include "source_error.h"
#include "source_lines.h"

namespace spf::tmpl {

namespace {

DateDays ReadDate(const std::string& text) {
    auto d = ParseShortDate(text);
    if (!d) throw std::invalid_argument("not a date dd.mm.yyyy: " + text);
    return *d;
}

void SetCells(Workbook& wb, const std::string& sheet, int col, int row, const std::string& text) {
    Grid* g = wb.FindGrid(sheet);
    if (g && g->Contains(col, row)) g->At(col, row).Cells = text;
}

}  // namespace

ExampleData ReadExampleData(const std::string& path) {
    ExampleData d;
    for (const SourceLine& line : ReadSourceLines(path)) {
        try {
            const size_t space = line.text.find(' ');
            const std::string key = line.text.substr(0, space);
            const std::string value = space == std::string::npos ? "" : std::string(Trim(line.text.substr(space)));
            if (key == "firma") d.firma = value;
            else if (key == "miasto") d.miasto = value;
            else if (key == "osoba") d.osoba = value;
            else if (key == "rok") d.rok = std::stoi(value);
            else if (key == "data") d.data = ReadDate(value);
            else if (key == "podatek1") d.podatek1 = std::stoi(value);
            else if (key == "podatek2") d.podatek2 = std::stoi(value);
            else if (key == "akcje1") d.akcje1 = std::stoi(value);
            else if (key == "akcje2") d.akcje2 = std::stoi(value);
            else if (key == "akcje3") d.akcje3 = std::stoi(value);
            else if (key == "bo") d.bo = ReadDate(value);
            else if (key == "bz") d.bz = ReadDate(value);
            else if (key == "off") {
                for (const std::string& n : SplitTokens(value)) d.notesOff.push_back(n);
            } else throw std::invalid_argument("unknown key " + key);
        } catch (const std::exception& e) {
            throw SourceError(path, line.number, e.what());
        }
    }
    return d;
}

void ApplyExampleValues(Workbook& workbook, const std::vector<SheetBuild>& builds) {
    for (const SheetBuild& b : builds) {
        Grid* g = workbook.FindGrid(b.name);
        if (!g) continue;
        for (const ExampleValue& v : b.examples) {
            Cell& cell = g->At(v.col, v.row);
            TCellProps& p = cell.EnsureProps();
            if (v.kind == CellKind::AmountInput) {
                auto amount = NormaliseAmount(v.text);
                if (!amount)
                    throw std::invalid_argument(b.name + "!" + std::string(1, char('A' + v.col - 1)) +
                                                std::to_string(v.row) + ": not an amount: " + v.text);
                cell.Cells = amount->text;
                p.Val = std::to_string(amount->hundredths);
            } else if (v.kind == CellKind::CountInput) {
                cell.Cells = v.text;
                p.Val = v.text;
            } else {
                cell.Cells = v.text;
                p.Text1 = v.text;
            }
        }
    }
}

void ApplyExampleData(Workbook& wb, const ExampleData& d) {
    DocumentHeader& h = wb.Header;
    h.Firma = d.firma;
    h.Miasto = d.miasto;
    h.Osoba = d.osoba;
    h.RokBiezacy = d.rok;
    h.DataSporzadzenia = d.data;
    h.Podatek1 = d.podatek1;
    h.Podatek2 = d.podatek2;
    h.AFAkcje1 = d.akcje1;
    h.AFAkcje2 = d.akcje2;
    h.AFAkcje3 = d.akcje3;
    h.AFBO = d.bo;
    h.AFBZ = d.bz;

    // The notes list: row 4 + k is note k of the contiguous nota_01 .. nota_34.
    const int first = wb.FindSheet("nota_01");
    Grid* list = wb.FindGrid("Wykaz_not");
    for (const std::string& off : d.notesOff) {
        const int index = wb.FindSheet(off);
        if (first < 0 || index < first || !list) throw std::invalid_argument("no note " + off + " to deselect");
        CellProps(*list, 2, 4 + index - first).NoteSel = 2;
    }

    // What the general-data dialog's OK writes.
    const CivilDate date = CivilFromDays(d.data);
    const std::string month = (date.month < 10 ? "0" : "") + std::to_string(date.month);
    const std::string place = d.miasto + ", " + std::to_string(date.day) + "." + month + "." +
                              std::to_string(date.year) + " r.";
    for (size_t i = 0; i < 7 && i < wb.Sheets.size(); ++i) {
        Grid& g = *wb.Sheets[i].Grid;
        g.At(2, g.Rows() - 3).Cells = place;
        g.At(2, g.Rows() - 2).Cells = d.osoba;
    }
    const CivilDate close = CivilFromDays(d.bz);
    const std::string dm = std::to_string(close.day) + "." + std::to_string(close.month) + ".";
    const std::string y0 = std::to_string(d.rok), y1 = std::to_string(d.rok - 1), y2 = std::to_string(d.rok - 2);
    SetCells(wb, "AF_Bilans", 3, 3, dm + y0);
    SetCells(wb, "AF_Bilans", 5, 3, dm + y1);
    SetCells(wb, "AF_Bilans", 7, 3, dm + y2);
    SetCells(wb, "AF_RZiS", 3, 3, "Rok kończący się " + dm + y0);
    SetCells(wb, "AF_RZiS", 5, 3, "Rok kończący się " + dm + y1);
    SetCells(wb, "AF_RZiS", 7, 3, "Rok kończący się " + dm + y2);
    SetCells(wb, "AF_RZiS", 4, 3, "Dynamika " + y0 + "/" + y1);
    SetCells(wb, "AF_RZiS", 6, 3, "Dynamika " + y1 + "/" + y2);
    SetCells(wb, "AF_Wskazniki", 3, 4, y0);
    SetCells(wb, "AF_Wskazniki", 5, 4, y1);
}

}  // namespace spf::tmpl
