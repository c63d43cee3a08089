// The value forms of statement-file records: integers, dates, lists and cell
// addresses, read strictly (a value that does not convert is reported) and
// written the way the file has always had them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spf {

// Optional sign, decimal digits, within 32 bits.
std::optional<int32_t> ParseFileInt(std::string_view text);

// A number of days (a fraction allowed, "," or "." before it), else a date
// dd.mm.yyyy; limited to the years 1..9999.
std::optional<double> ParseFileDate(std::string_view text);
// A date the file can hold: its whole days fall in the years 1..9999.
bool IsFileDate(double days);

// "(a;b;c)": the first and last character dropped, the rest split at ";".
// ")" alone and "()" are empty lists.
std::optional<std::vector<int32_t>> ParseFileList(std::string_view text);
std::string FormatFileList(const std::vector<int32_t>& items);

struct CellAddress {
    int32_t col = 0;
    int32_t row = 0;
};
// "(col,row)".
std::optional<CellAddress> ParseCellAddress(std::string_view text);

}  // namespace spf
