#include "model/file/version_repairs.h"

#include "model/sheet_names.h"

namespace spf {

namespace {

struct LineFix {
    std::string_view sheet;
    std::string_view from;
    std::string_view to;
};

constexpr LineFix kLineFixes[] = {
    {sheets::kPasywa, "=SUM(RANGE('Pasywa!D6'):RANGE('Pasywa!D13'))",
     "=SUM(RANGE('Pasywa!D6'):RANGE('Pasywa!D14'))"},
    {sheets::kPasywaKw, "=SUM(RANGE('Pasywa_kw!D6'):RANGE('Pasywa_kw!D13'))",
     "=SUM(RANGE('Pasywa_kw!D6'):RANGE('Pasywa_kw!D14'))"},
    {sheets::kNota15, "=RANGE('nota_15!C8')", "=RANGE('nota_15!F8')+RANGE('nota_15!K8')"},
    {sheets::kAktywa, "=SUM(RANGE('Aktywa!D43'):RANGE('Aktywa!D46'))",
     "=SUM(RANGE('Aktywa!D43'):RANGE('Aktywa!D47'))"},
    {sheets::kAktywa, "=SUM(RANGE('Aktywa!E43'):RANGE('Aktywa!E46'))",
     "=SUM(RANGE('Aktywa!E43'):RANGE('Aktywa!E47'))"},
    {sheets::kAktywa, "=RANGE('nota_18!J18')", "=RANGE('nota_18!K18')"},
    {sheets::kAktywa, "=RANGE('nota_18!J8')", "=RANGE('nota_18!K8')"},
    {sheets::kRzisP,
     "=IF(RANGE('nota_07!D16')-RANGE('nota_08!D12')<0,RANGE('nota_08!D12')-RANGE('nota_08!D16'),0)",
     "=IF(RANGE('nota_07!D16')-RANGE('nota_08!D12')<0,RANGE('nota_08!D12')-RANGE('nota_07!D16'),0)"},
    {sheets::kRzisP,
     "=IF(RANGE('nota_07!E16')-RANGE('nota_08!E12')<0,RANGE('nota_08!E12')-RANGE('nota_08!E16'),0)",
     "=IF(RANGE('nota_07!E16')-RANGE('nota_08!E12')<0,RANGE('nota_08!E12')-RANGE('nota_07!E16'),0)"},
};

bool At(int col, int row, int c, int r) { return col == c && row == r; }

bool ReplaceFirst(std::string& line, std::string_view what, std::string_view with) {
    const size_t pos = line.find(what);
    if (pos == std::string::npos) return false;
    std::string out;
    out.reserve(line.size() + with.size());
    out.append(line, 0, pos).append(with).append(line, pos + what.size());
    line = std::move(out);
    return true;
}

}  // namespace

bool ApplyVersionRepairs(std::string_view sheet, int col, int row, std::string& line) {
    for (const LineFix& fix : kLineFixes) {
        if (sheet == fix.sheet && line == fix.from) {
            line = fix.to;
            return true;
        }
    }
    const bool formula = !line.empty() && line[0] == '=';
    if (sheet == sheets::kPrzeplywyMb && formula && (At(col, row, 4, 59) || At(col, row, 5, 60))) {
        line = "=RANGE('Aktywa!E73')";
        return true;
    }
    if (sheet == sheets::kPrzeplywyMp && formula) {
        if (At(col, row, 4, 57) || At(col, row, 5, 57)) return ReplaceFirst(line, "+", "-");
        if (At(col, row, 4, 61) || At(col, row, 5, 62)) {
            line = "=RANGE('Aktywa!E73')";
            return true;
        }
    }
    if (sheet == sheets::kNota10 && formula) {
        const size_t tax = line.find("*PODATEK");
        if (tax != std::string::npos && line.find("IF") == std::string::npos) {
            // The tax of a loss was negative; only a positive base is taxed.
            const std::string base = tax > 0 ? line.substr(1, tax - 1) : std::string();
            line = "=IF(" + base + ">0," + base + "*PODATEK/100,0)";
            return true;
        }
    }
    if (sheet == sheets::kNota13 && formula && row == 27) return ReplaceFirst(line, "100,0", "10000,0");
    if (sheet == sheets::kNotyDZm && formula && (At(col, row, 3, 5) || At(col, row, 4, 5)) &&
        line.find("/100") == std::string::npos) {
        line += "/100";
        return true;
    }
    return false;
}

}  // namespace spf
