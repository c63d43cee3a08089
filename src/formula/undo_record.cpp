#include "formula/undo_record.h"

#include <charconv>

namespace spf {

namespace {

std::optional<int> ReadInt(std::string_view text) {
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string CellUndoRecord::Format() const {
    return sheetName + "#" + std::to_string(col) + "#" + std::to_string(row) + "#" + valBefore + "#" +
           editStartText;
}

std::optional<CellUndoRecord> CellUndoRecord::Parse(std::string_view record) {
    std::string_view fields[4];
    for (auto& field : fields) {
        const size_t hash = record.find('#');
        if (hash == std::string_view::npos) return std::nullopt;
        field = record.substr(0, hash);
        record.remove_prefix(hash + 1);
    }
    const auto col = ReadInt(fields[1]);
    const auto row = ReadInt(fields[2]);
    if (fields[0].empty() || !col || !row) return std::nullopt;
    return CellUndoRecord{std::string(fields[0]), *col, *row, std::string(fields[3]), std::string(record)};
}

}  // namespace spf
