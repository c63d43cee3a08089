// check: the consistency check of a statement after a workbook recalculation.
#include <cstdio>
#include <ostream>

#include "cli/command.h"
#include "cli/document_access.h"
#include "cli/tsv.h"
#include "formula/recalculator.h"
#include "model/amounts.h"
#include "period/core/consistency_check.h"
#include "workbench/core/note_visibility.h"

namespace spf::cli {

namespace {

std::string Amount(const std::optional<int64_t>& hundredths, char point) {
    return hundredths ? AmountText(*hundredths, point) : std::string();
}

// The cell's own value where it holds no amount to compare.
std::string Actual(const Disagreement& d, char point) {
    if (d.actual) return AmountText(*d.actual, point);
    std::string value = d.value;
    if (point != ',' && ParseCommaNumber(value))
        for (char& c : value)
            if (c == ',') c = point;
    return value;
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string JsonOrNull(const std::string& text) { return text.empty() ? "null" : JsonString(text); }

void WriteJson(std::ostream& out, const std::vector<Disagreement>& list) {
    out << "[";
    for (size_t i = 0; i < list.size(); ++i) {
        const Disagreement& d = list[i];
        out << (i ? ",\n " : "\n ") << "{\"cell\": " << JsonString(CellName(d.sheet, d.col, d.row))
            << ", \"rule\": " << JsonString(d.rule)
            << ", \"expected\": " << JsonOrNull(Amount(d.expected, '.'))
            << ", \"actual\": " << JsonOrNull(Actual(d, '.'))
            << ", \"difference\": " << JsonOrNull(Amount(d.Difference(), '.')) << "}";
    }
    out << (list.empty() ? "]\n" : "\n]\n");
}

int RunCheck(const Invocation& inv) {
    Workbook wb = LoadDocument(inv.args.positional[0]);
    const SystemClock clock;
    Recalculator recalc(wb, clock);
    // The labels and references as the application holds them once loaded.
    UpdateNoteVisibility(wb);
    recalc.RecalculateWorkbook();
    const std::vector<Disagreement> list = CheckConsistency(wb);
    if (inv.args.Has("--json")) {
        WriteJson(inv.out, list);
    } else {
        for (const Disagreement& d : list)
            WriteTsvLine(inv.out, {CellName(d.sheet, d.col, d.row), d.rule, Amount(d.expected, ','),
                                   Actual(d, ','), Amount(d.Difference(), ',')});
    }
    return list.empty() ? 0 : 1;
}

}  // namespace

Command MakeCheckCommand() {
    return {
        "check",
        "check FILE [--json]",
        "The consistency check of FILE after a workbook recalculation (FILE is not changed):\n"
        "one line per disagreement with the cell, the rule, the expected and the actual\n"
        "amount and their difference, tab-separated; nothing when the statement agrees.\n"
        "Exit status 0 when it agrees, 1 when it does not. Where the cell holds no amount\n"
        "(a failed formula, a note reference) the actual field holds what it shows.",
        {{"--json", "", "a JSON array of {cell, rule, expected, actual, difference}, amounts with a dot"}},
        1,
        1,
        &RunCheck};
}

}  // namespace spf::cli
