#include "export/cell_formats.h"

#include <algorithm>

namespace spf {

namespace {

// The spreadsheet's largest indent level.
constexpr int kMaxIndent = 15;

uint64_t LookKey(const ExportedCell& c) {
    const uint64_t indent =
        c.alignment == Alignment::Center ? 0 : static_cast<uint64_t>(std::clamp(c.indent, 0, kMaxIndent));
    return static_cast<uint64_t>(c.kind) | uint64_t{c.top} << 2 | uint64_t{c.bottom} << 3 |
           uint64_t{c.left} << 4 | uint64_t{c.right} << 5 | uint64_t{c.bold} << 6 |
           static_cast<uint64_t>(c.alignment) << 7 | indent << 9;
}

}  // namespace

lxw_format* CellFormats::For(const ExportedCell& cell) {
    const uint64_t key = LookKey(cell);
    if (auto it = formats_.find(key); it != formats_.end()) return it->second;
    lxw_format* f = workbook_add_format(workbook_);
    if (cell.kind == ExportedCell::Kind::Amount) {
        format_set_num_format(f, "#,##0.00");
    } else if (cell.kind == ExportedCell::Kind::Text) {
        format_set_align(f, LXW_ALIGN_VERTICAL_TOP);
        format_set_text_wrap(f);
    }
    if (cell.top) format_set_top(f, LXW_BORDER_THIN);
    if (cell.bottom) format_set_bottom(f, LXW_BORDER_THIN);
    if (cell.left) format_set_left(f, LXW_BORDER_THIN);
    if (cell.right) format_set_right(f, LXW_BORDER_THIN);
    // Centring, set after the indent, leaves no indent (a spreadsheet indents
    // only text aligned to a side).
    if (cell.indent > 0 && cell.alignment != Alignment::Center)
        format_set_indent(f, static_cast<uint8_t>(std::min(cell.indent, kMaxIndent)));
    if (cell.alignment == Alignment::Center) format_set_align(f, LXW_ALIGN_CENTER);
    if (cell.alignment == Alignment::Right) format_set_align(f, LXW_ALIGN_RIGHT);
    if (cell.bold) format_set_bold(f);
    formats_.emplace(key, f);
    return f;
}

}  // namespace spf
