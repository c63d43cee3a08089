#include "formula/cell_reference.h"

#include <charconv>
#include <vector>

#include "formula/formula_error.h"
#include "model/text_utils.h"

namespace spf {

namespace {

// Far beyond any sheet; keeps the base-26 reading from overflowing.
constexpr long long kMaxCoordinate = 1'000'000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::vector<std::string_view> SplitAll(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

int DecimalPart(std::string_view text) {
    const std::string_view t = Trim(text);
    int value = 0;
    const char* end = t.data() + t.size();
    const auto [ptr, ec] = std::from_chars(t.data(), end, value);
    if (t.empty() || ec != std::errc() || ptr != end) throw FormulaError("bad number in reference");
    return value;
}

// Letters then digits, e.g. "E42" -> (5, 42); AA is column 27.
void ReadAddress(std::string_view address, CellReference& ref) {
    size_t firstDigit = 0;
    while (firstDigit < address.size() && !IsDigit(address[firstDigit])) ++firstDigit;
    if (firstDigit == 0 || firstDigit == address.size()) throw FormulaError("malformed cell address");
    long long col = 0;
    for (size_t i = 0; i < firstDigit; ++i) {
        char c = address[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z') throw FormulaError("malformed cell address");
        col = col * 26 + (c - 'A' + 1);
        if (col > kMaxCoordinate) throw FormulaError("column out of range");
    }
    long long row = 0;
    for (size_t i = firstDigit; i < address.size(); ++i) {
        if (!IsDigit(address[i])) throw FormulaError("malformed cell address");
        row = row * 10 + (address[i] - '0');
        if (row > kMaxCoordinate) throw FormulaError("row out of range");
    }
    ref.col = static_cast<int>(col);
    ref.row = static_cast<int>(row);
}

}  // namespace

int FindSheetExact(const Workbook& workbook, std::string_view name) {
    int found = -1;
    for (size_t i = 0; i < workbook.Sheets.size(); ++i)
        if (workbook.Sheets[i].Grid && workbook.Sheets[i].GridName == name) found = static_cast<int>(i);
    return found;
}

CellReference ParseReference(const Workbook& workbook, std::string_view text, TraceSink* trace,
                             const SheetIndex* index) {
    Trace(trace, "cnvRng:", text);
    std::string r;
    r.reserve(text.size());
    for (char c : text)
        if (c != '\'') r.push_back(c);

    CellReference ref;
    if (r.find(',') != std::string::npos) {
        const auto parts = SplitAll(r, ',');
        if (parts.size() >= 3) {
            const int handle = DecimalPart(parts[0]);
            if (handle < 0 || handle >= static_cast<int>(workbook.Sheets.size()) ||
                !workbook.Sheets[static_cast<size_t>(handle)].Grid)
                throw FormulaError("sheet handle names no sheet");
            ref.sheet = handle;
            ref.col = DecimalPart(parts[1]);
            ref.row = DecimalPart(parts[2]);
        } else {
            ref.col = DecimalPart(parts[0]);
            ref.row = DecimalPart(parts[1]);
        }
        return ref;
    }
    const auto parts = SplitAll(r, '!');
    std::string_view address = parts[0];
    if (parts.size() == 2) {
        ref.sheet = index ? index->Find(parts[0]) : FindSheetExact(workbook, parts[0]);
        address = parts[1];
    }
    ReadAddress(address, ref);
    return ref;
}

}  // namespace spf
