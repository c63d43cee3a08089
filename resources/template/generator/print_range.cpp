#include "print_range.h"

#include <stdexcept>

#include "model/text_utils.h"

namespace spf::tmpl {

namespace {

// "4..-3" -> 4 and -3.
void ReadSpan(const std::string& value, int& first, int& last) {
    const size_t dots = value.find("..");
    if (dots == std::string::npos) throw std::invalid_argument("expected FIRST..LAST, got " + value);
    first = std::stoi(value.substr(0, dots));
    last = std::stoi(value.substr(dots + 2));
}

}  // namespace

void ApplyPrintKeys(PrintRange& range, const std::vector<std::string>& tokens) {
    for (const std::string& token : tokens) {
        if (token == "newpage") {
            range.newPage = true;
            continue;
        }
        if (token == "nonewpage") {
            range.newPage = false;
            continue;
        }
        const size_t eq = token.find('=');
        if (eq == std::string::npos) throw std::invalid_argument("print key without value: " + token);
        const std::string key = token.substr(0, eq);
        const std::string value = token.substr(eq + 1);
        if (key == "caption") range.caption = value;
        else if (key == "caption2") range.caption2 = value;
        else if (key == "cols") ReadSpan(value, range.firstCol, range.lastCol);
        else if (key == "rows") ReadSpan(value, range.firstRow, range.lastRow);
        else if (key == "comment") range.comment = value;
        else if (key == "repeat") range.repeat = value;
        else if (key == "orient") range.orient = value;
        else if (key == "kinds") range.kinds = value;
        else if (key == "stamp") range.stamp = value;
        else if (key == "sign") range.sign = value;
        else throw std::invalid_argument("unknown print key " + key);
    }
}

std::string PrintTableHeading() {
    return "arkusz\ttytul\ttytul2\tkol_od\twiersz_od\tkol_do\twiersz_do\tkomentarz\t-\t-\t-\t"
           "powtarzane\torientacja\tnowa_strona\trodzaje_kolumn\tpieczatka\tpodpisy";
}

std::string PrintTableLine(const PrintRange& r) {
    const std::string tab = "\t";
    return r.sheet + tab + r.caption + tab + r.caption2 + tab + std::to_string(r.firstCol) + tab +
           std::to_string(r.firstRow) + tab + std::to_string(r.lastCol) + tab + std::to_string(r.lastRow) + tab +
           r.comment + tab + tab + tab + tab + r.repeat + tab + r.orient + tab + (r.newPage ? "t" : "") + tab +
           r.kinds + tab + r.stamp + tab + r.sign;
}

}  // namespace spf::tmpl
