// header: the document header, the sheet names and the sheet sizes.
#include <cmath>
#include <ostream>

#include "cli/command.h"
#include "cli/document_access.h"
#include "cli/tsv.h"
#include "model/dates.h"

namespace spf::cli {

namespace {

std::string Date(double days) { return FormatShortDate(static_cast<DateDays>(std::trunc(days))); }

int RunHeader(const Invocation& inv) {
    const Workbook wb = LoadDocument(inv.args.positional[0]);
    const DocumentHeader& h = wb.Header;
    std::ostream& out = inv.out;
    // Texts are escaped as in tab-separated output, so each key stays on one line.
    out << "FileVersion=" << h.FileVersion << '\n'
        << "SheetsCount=" << h.SheetsCount << '\n'
        << "Miasto=" << TsvEscape(h.Miasto) << '\n'
        << "Firma=" << TsvEscape(h.Firma) << '\n'
        << "Osoba=" << TsvEscape(h.Osoba) << '\n'
        << "RokBiezacy=" << h.RokBiezacy << '\n'
        << "DataSporzadzenia=" << Date(h.DataSporzadzenia) << '\n'
        << "Podatek1=" << h.Podatek1 << '\n'
        << "Podatek2=" << h.Podatek2 << '\n'
        << "AFAkcje1=" << h.AFAkcje1 << '\n'
        << "AFAkcje2=" << h.AFAkcje2 << '\n'
        << "AFAkcje3=" << h.AFAkcje3 << '\n'
        << "AFBO=" << Date(h.AFBO) << '\n'
        << "AFBZ=" << Date(h.AFBZ) << '\n'
        << "LangID=" << wb.LangID << '\n';
    std::string list;
    for (int index : wb.NotesSelection) list += (list.empty() ? "" : ",") + std::to_string(index);
    out << "Chckd=" << list << '\n';
    list.clear();
    for (const TSheet& s : wb.Sheets) list += (list.empty() ? "" : ",") + s.GridName;
    out << "Sheets=" << list << '\n';
    for (const TSheet& s : wb.Sheets)
        out << "Sheet=" << s.GridName << ',' << s.Grid->Columns() << ',' << s.Grid->Rows() << '\n';
    return 0;
}

}  // namespace

Command MakeHeaderCommand() {
    return {"header",
            "header FILE",
            "Prints the document header as key=value lines in the order of the file's header\n"
            "records (dates as dd.mm.yyyy, Chckd as a comma-separated list), then Sheets= with\n"
            "the sheet names and one Sheet=NAME,COLUMNS,ROWS line per sheet.",
            {},
            1,
            1,
            RunHeader};
}

}  // namespace spf::cli
