#include "export/xlsx_export.h"

#include <sys/stat.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "export/cell_formats.h"
#include "export/exported_cell.h"
#include "export/spreadsheet_formula.h"
#include "model/text_utils.h"

namespace spf {

namespace {

// The spreadsheet's column unit is one character of its default font, about 7 pixels.
constexpr int kPixelsPerCharacter = 7;

// The longest text a spreadsheet cell holds, in characters; cut in bytes, a
// text of several-byte characters keeps fewer.
constexpr size_t kMaxCellText = 32767;

// A longer text is cut at a character boundary rather than failing the export.
std::string SpreadsheetText(const std::string& text) {
    if (text.size() <= kMaxCellText) return text;
    size_t end = kMaxCellText;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

struct Stopped {};

struct WriteFailed {
    std::string reason;
};

void Check(lxw_error error) {
    if (error != LXW_NO_ERROR) throw WriteFailed{lxw_strerror(error)};
}

class WorkbookWriter {
public:
    WorkbookWriter(const Workbook& workbook, const Clock& clock, const XlsxExportOptions& options,
                   lxw_workbook* book)
        : workbook_(workbook), clock_(clock), options_(options), book_(book), formats_(book) {
        const int count = static_cast<int>(workbook.Sheets.size());
        exported_.assign(static_cast<size_t>(count), options.sheets.empty());
        for (int index : options.sheets)
            if (index >= 0 && index < count) exported_[static_cast<size_t>(index)] = true;
        for (int i = 0; i < count; ++i)
            if (exported_[static_cast<size_t>(i)] && !workbook.Sheets[static_cast<size_t>(i)].Grid)
                exported_[static_cast<size_t>(i)] = false;
    }

    void Write() {
        std::vector<std::pair<int, lxw_worksheet*>> sheets;
        for (size_t i = 0; i < exported_.size(); ++i) {
            if (!exported_[i]) continue;
            const TSheet& sheet = workbook_.Sheets[i];
            lxw_worksheet* ws = workbook_add_worksheet(book_, sheet.GridName.c_str());
            if (!ws)
                throw WriteFailed{"the sheet name " + sheet.GridName + " is not allowed in a spreadsheet"};
            sheets.emplace_back(static_cast<int>(i), ws);
            total_ += static_cast<int64_t>(std::max(sheet.Grid->Columns() - 1, 0)) *
                      std::max(sheet.Grid->Rows() - 1, 0);
        }
        start_ = options_.now();
        for (const auto& [index, ws] : sheets) WriteSheet(index, ws);
    }

private:
    void WriteSheet(int index, lxw_worksheet* ws) {
        const Grid& grid = *workbook_.Sheets[static_cast<size_t>(index)].Grid;
        mergedBlocks_.clear();
        for (int c = 1; c < grid.Columns(); ++c) {
            const int pixels = static_cast<size_t>(c) < grid.ColWidths.size()
                                   ? grid.ColWidths[static_cast<size_t>(c)]
                                   : grid.DefaultColWidth;
            const double width = pixels / kPixelsPerCharacter;
            lxw_row_col_options hidden{};
            hidden.hidden = width == 0;
            Check(worksheet_set_column_opt(ws, static_cast<lxw_col_t>(c - 1), static_cast<lxw_col_t>(c - 1),
                                           width, nullptr, &hidden));
            for (int r = 1; r < grid.Rows(); ++r) {
                Visit();
                WriteCell(index, grid, ws, c, r);
            }
        }
    }

    // A block reaching into the header row or column, or over a block merged
    // before (a damaged document), is not merged: a spreadsheet refuses both.
    bool Mergeable(const CellBlock& block) {
        if (block.left < 1 || block.top < 1) return false;
        for (const CellBlock& b : mergedBlocks_)
            if (block.left <= b.right && b.left <= block.right && block.top <= b.bottom &&
                b.top <= block.bottom)
                return false;
        mergedBlocks_.push_back(block);
        return true;
    }

    void Visit() {
        ++done_;
        if (!options_.progress) return;
        const ExportProgress p{done_, total_, EstimatedEnd(start_, options_.now(), done_, total_)};
        if (!options_.progress(p)) throw Stopped{};
    }

    void WriteCell(int index, const Grid& grid, lxw_worksheet* ws, int c, int r) {
        const ExportedCell cell = DescribeCell(workbook_, grid, c, r);
        if (cell.kind == ExportedCell::Kind::Skipped) return;
        lxw_format* format = formats_.For(cell);
        auto row = static_cast<lxw_row_t>(r - 1);
        auto col = static_cast<lxw_col_t>(c - 1);
        if (cell.merged && Mergeable(cell.block)) {
            Check(worksheet_merge_range(ws, static_cast<lxw_row_t>(cell.block.top - 1),
                                        static_cast<lxw_col_t>(cell.block.left - 1),
                                        static_cast<lxw_row_t>(cell.block.bottom - 1),
                                        static_cast<lxw_col_t>(cell.block.right - 1), "", format));
            // A spreadsheet shows a merged block's first cell only.
            row = static_cast<lxw_row_t>(cell.block.top - 1);
            col = static_cast<lxw_col_t>(cell.block.left - 1);
        }
        if (cell.kind == ExportedCell::Kind::Text) {
            if (Trim(cell.text).empty())
                Check(worksheet_write_blank(ws, row, col, format));
            else
                Check(worksheet_write_string(ws, row, col, SpreadsheetText(cell.text).c_str(), format));
            return;
        }
        const double value = static_cast<double>(cell.hundredths) / 100;
        if (const auto formula = FormulaOf(index, grid, c, r, cell)) {
            Check(worksheet_write_formula_num(ws, row, col, formula->c_str(), format, value));
        } else {
            Check(worksheet_write_number(ws, row, col, value, format));
        }
    }

    std::optional<std::string> FormulaOf(int index, const Grid& grid, int c, int r,
                                         const ExportedCell& cell) {
        const TCellProps& p = *grid.At(c, r).Props;
        if (!options_.formulas || cell.kind != ExportedCell::Kind::Amount || p.Formula.empty() ||
            !ShownHundredths(cell.text))
            return std::nullopt;
        return FormulaForExport(workbook_, clock_, index, p.Formula, [this](int sheet, int col, int row) {
            if (!exported_[static_cast<size_t>(sheet)]) return std::optional<int>();
            return ProgramReadingScale(workbook_, *workbook_.Sheets[static_cast<size_t>(sheet)].Grid, col,
                                       row);
        });
    }

    const Workbook& workbook_;
    const Clock& clock_;
    const XlsxExportOptions& options_;
    lxw_workbook* book_;
    CellFormats formats_;
    std::vector<bool> exported_;
    std::vector<CellBlock> mergedBlocks_;  // of the sheet being written
    int64_t total_ = 0;
    int64_t done_ = 0;
    WallClock::time_point start_;
};

std::string SystemReason(const std::string& path) { return path + ": " + std::strerror(errno); }

// The temporary file beside the target, with the permissions a new file gets.
std::optional<std::string> MakeTemporary(const std::string& path, std::string& temporary) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string pattern = folder + "." + name + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return SystemReason(path);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    ::close(fd);
    temporary = pattern;
    return std::nullopt;
}

// A link to a file is kept: the file it names is replaced.
std::string FollowLink(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return path;
    const auto target = std::filesystem::canonical(path, error);
    return error ? path : target.string();
}

}  // namespace

std::optional<std::string> ExportXlsx(const Workbook& workbook, const Clock& clock, const std::string& path,
                                      const XlsxExportOptions& options) {
    const std::string target = FollowLink(path);
    std::string temporary;
    if (auto error = MakeTemporary(target, temporary)) return error;
    lxw_workbook* book = workbook_new(temporary.c_str());
    if (!book) {
        std::remove(temporary.c_str());
        return path + ": the spreadsheet could not be started";
    }
    std::optional<std::string> failure;
    try {
        WorkbookWriter(workbook, clock, options, book).Write();
    } catch (const WriteFailed& e) {
        failure = path + ": " + e.reason;
    } catch (const Stopped&) {
        failure = path + ": the export was stopped";
    }
    errno = 0;
    const lxw_error closed = workbook_close(book);
    if (!failure && closed != LXW_NO_ERROR)
        failure = path + ": " + lxw_strerror(closed) +
                  (errno ? std::string(" (") + std::strerror(errno) + ")" : "");
    if (!failure && std::rename(temporary.c_str(), target.c_str()) != 0) failure = SystemReason(path);
    if (failure) std::remove(temporary.c_str());
    return failure;
}

}  // namespace spf
