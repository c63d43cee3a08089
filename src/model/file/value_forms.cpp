#include "model/file/value_forms.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "model/dates.h"

namespace spf {

namespace {

// 0001-01-01 and 9999-12-31 in days since 1899-12-30.
constexpr double kFirstDay = -693593;
constexpr double kLastDay = 2958465;

}  // namespace

std::optional<int32_t> ParseFileInt(std::string_view text) {
    if (!text.empty() && text[0] == '+') {
        text.remove_prefix(1);
        if (text.empty() || text[0] < '0' || text[0] > '9') return std::nullopt;
    }
    int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<double> ParseFileDate(std::string_view text) {
    size_t i = 0;
    std::string c_form;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) c_form.push_back(text[i++]);
    size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        c_form.push_back(text[i++]);
        ++digits;
    }
    if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
        c_form.push_back('.');
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            c_form.push_back(text[i++]);
            ++digits;
        }
    }
    if (digits > 0 && i == text.size() && digits < 20) {
        const double days = std::strtod(c_form.c_str(), nullptr);
        if (days >= kFirstDay && days <= kLastDay) return days;
        return std::nullopt;
    }
    const auto date = ParseShortDate(std::string(text));
    if (date && *date >= kFirstDay && *date <= kLastDay) return static_cast<double>(*date);
    return std::nullopt;
}

bool IsFileDate(double days) {
    return std::isfinite(days) && std::trunc(days) >= kFirstDay && std::trunc(days) <= kLastDay;
}

std::optional<std::vector<int32_t>> ParseFileList(std::string_view text) {
    std::vector<int32_t> items;
    if (text.size() <= 2) return items;
    std::string_view body = text.substr(1, text.size() - 2);
    while (true) {
        const size_t semi = body.find(';');
        const auto item = ParseFileInt(body.substr(0, semi));
        if (!item) return std::nullopt;
        items.push_back(*item);
        if (semi == std::string_view::npos) break;
        body.remove_prefix(semi + 1);
    }
    return items;
}

std::string FormatFileList(const std::vector<int32_t>& items) {
    std::string out = "(";
    for (int32_t v : items) {
        out += std::to_string(v);
        out += ';';
    }
    out.back() = ')';
    return out;
}

std::optional<CellAddress> ParseCellAddress(std::string_view text) {
    if (text.size() < 2) return std::nullopt;
    const std::string_view body = text.substr(1, text.size() - 2);
    const size_t comma = body.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto col = ParseFileInt(body.substr(0, comma));
    const auto row = ParseFileInt(body.substr(comma + 1));
    if (!col || !row) return std::nullopt;
    return CellAddress{*col, *row};
}

}  // namespace spf
