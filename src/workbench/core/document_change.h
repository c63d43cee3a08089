// What a change to the open document touched. Listeners act on the kinds
// they care for: recalculation on values and formulas, painting on the
// look, a view's geometry on rows, a window's pages on sheets.
#pragma once

#include <cstdint>

namespace spf {

enum class ChangeKind : uint8_t {
    Values = 1u << 0,    // cell texts, amounts, formula results
    Formulas = 1u << 1,  // formula texts, unlocked cells
    Look = 1u << 2,      // alignment, fonts, colours, borders, column widths and row heights
    Rows = 1u << 3,      // rows inserted or deleted
    Sheets = 1u << 4,    // sheets added, replaced or switched in or out
    Header = 1u << 5,    // general data, and with them every text with a placeholder
};

class ChangeKinds {
public:
    constexpr ChangeKinds() = default;
    constexpr ChangeKinds(ChangeKind kind) : bits_(static_cast<uint8_t>(kind)) {}  // NOLINT: a kind is a set

    constexpr bool has(ChangeKind kind) const { return bits_ & static_cast<uint8_t>(kind); }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr ChangeKinds operator|(ChangeKinds other) const { return ChangeKinds(bits_ | other.bits_); }
    constexpr bool operator==(const ChangeKinds&) const = default;

private:
    constexpr explicit ChangeKinds(unsigned bits) : bits_(static_cast<uint8_t>(bits)) {}
    uint8_t bits_ = 0;
};

constexpr ChangeKinds operator|(ChangeKind a, ChangeKind b) { return ChangeKinds(a) | b; }

inline constexpr int kEverySheet = -1;

struct DocumentChange {
    ChangeKinds kinds;
    int sheet = kEverySheet;  // index in the workbook
    // For rows: the row inserted before or deleted, and +1 or -1.
    int row = -1;
    int rowDelta = 0;

    constexpr bool concerns(int sheetIndex) const { return sheet == kEverySheet || sheet == sheetIndex; }
};

}  // namespace spf
