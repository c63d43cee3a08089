#include "model/file/spf_reader.h"

#include <algorithm>
#include <map>
#include <new>
#include <set>
#include <tuple>
#include <unordered_map>

#include "model/file/cp1250.h"
#include "model/file/document_file.h"
#include "model/file/document_rules.h"
#include "model/file/file_encoding.h"
#include "model/file/file_lines.h"
#include "model/file/line_repairs.h"
#include "model/file/post_load.h"
#include "model/file/ratio_sheet_block.h"
#include "model/file/value_escape.h"
#include "model/file/value_forms.h"
#include "model/file/version_repairs.h"
#include "model/limits.h"
#include "model/text_utils.h"

namespace spf {

namespace {

constexpr size_t kNone = std::string_view::npos;
// How much of a file is read before deciding whether it can be a statement.
constexpr size_t kHeadBytes = 64 * 1024;

enum class Key {
    FileVersion,
    SheetsCount,
    Miasto,
    Firma,
    Osoba,
    RokBiezacy,
    DataSporzadzenia,
    Podatek1,
    Podatek2,
    AFAkcje1,
    AFAkcje2,
    AFAkcje3,
    AFBO,
    AFBZ,
    LangID,
    Chckd,
    GridName,
    Columns,
    Rows,
    ColWidths,
    RowHeights,
    MinColWidths,
    MaxColWidths,
    RowsAdd,
    RowsDel,
    Cell,
    CellColor,
    CellAlignment,
    Val,
    Text1,
    Text2,
    CellFormat,
    CellTopWidth,
    CellTopColor,
    CellBottomWidth,
    CellBottomColor,
    CellLeftWidth,
    CellLeftColor,
    CellRightWidth,
    CellRightColor,
    Indent,
    NoteSel,
    Edit,
    Merged,
    Base,
    MergTop,
    MergBottom,
    MergLeft,
    MergRight,
    CellBold,
};

const std::unordered_map<std::string_view, Key>& Keys() {
    static const std::unordered_map<std::string_view, Key> keys = {
        {"FileVersion", Key::FileVersion},
        {"SheetsCount", Key::SheetsCount},
        {"Miasto", Key::Miasto},
        {"Firma", Key::Firma},
        {"Osoba", Key::Osoba},
        {"RokBiezacy", Key::RokBiezacy},
        {"DataSporzadzenia", Key::DataSporzadzenia},
        {"Podatek1", Key::Podatek1},
        {"Podatek2", Key::Podatek2},
        {"AFAkcje1", Key::AFAkcje1},
        {"AFAkcje2", Key::AFAkcje2},
        {"AFAkcje3", Key::AFAkcje3},
        {"AFBO", Key::AFBO},
        {"AFBZ", Key::AFBZ},
        {"LangID", Key::LangID},
        {"Chckd", Key::Chckd},
        {"GridName", Key::GridName},
        {"Columns", Key::Columns},
        {"Rows", Key::Rows},
        {"ColWidths", Key::ColWidths},
        {"RowHeights", Key::RowHeights},
        {"MinColWidths", Key::MinColWidths},
        {"MaxColWidths", Key::MaxColWidths},
        {"RowsAdd", Key::RowsAdd},
        {"RowsDel", Key::RowsDel},
        {"Cell", Key::Cell},
        {"CellColor", Key::CellColor},
        {"CellAlignment", Key::CellAlignment},
        {"Val", Key::Val},
        {"Text1", Key::Text1},
        {"Text2", Key::Text2},
        {"CellFormat", Key::CellFormat},
        {"CellTopWidth", Key::CellTopWidth},
        {"CellTopColor", Key::CellTopColor},
        {"CellBottomWidth", Key::CellBottomWidth},
        {"CellBottomColor", Key::CellBottomColor},
        {"CellLeftWidth", Key::CellLeftWidth},
        {"CellLeftColor", Key::CellLeftColor},
        {"CellRightWidth", Key::CellRightWidth},
        {"CellRightColor", Key::CellRightColor},
        {"Indent", Key::Indent},
        {"NoteSel", Key::NoteSel},
        {"Edit", Key::Edit},
        {"Merged", Key::Merged},
        {"Base", Key::Base},
        {"MergTop", Key::MergTop},
        {"MergBottom", Key::MergBottom},
        {"MergLeft", Key::MergLeft},
        {"MergRight", Key::MergRight},
        {"CellBold", Key::CellBold},
    };
    return keys;
}

struct Refusal {
    int line;
    std::string reason;
    ReadFailure kind = ReadFailure::Malformed;
};

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted.append(text.substr(0, 60)).append("\"");
    return quoted;
}

class Reader {
public:
    Reader(const std::string& fileName, const ReadOptions& options) : fileName_(fileName), options_(options) {
        wb_.LangID = options.langId;
        wb_.Header.AFBO = options.afbo;
        wb_.Header.AFBZ = options.afbz;
    }

    Workbook Run(std::string_view bytes) {
        const EncodingGuess encoding = GuessFileEncoding(bytes);
        if (encoding.invalidUtf8 != kNone)
            throw Refusal{LineAt(bytes, encoding.invalidUtf8),
                          "the file is marked as UTF-8 but is not UTF-8"};
        bytes.remove_prefix(encoding.bomSize);
        utf8_ = encoding.encoding == FileEncoding::Utf8;
        // No statement holds a NUL; what follows one was lost or overwritten.
        if (const size_t nul = bytes.find('\0'); nul != kNone)
            throw Refusal{LineAt(bytes, nul), "a NUL byte, which no statement document holds"};
        if (Trim(bytes).empty()) throw Refusal{1, "the file is empty, not a statement document"};
        text_ = bytes;

        const size_t ratioSheet = RatioSheetStart(bytes);
        ReadOwnLines(bytes.substr(0, ratioSheet));
        // The file's ratio sheet and any block after it give way to the built-in
        // sheet but were there. The writer always ends with the ratio sheet, so
        // a file without one is either older than that sheet, counting only its
        // own sheets, or was cut short before it.
        if (ratioSheet != kNone) fileSheets_ += RatioSheetAndLaterBlocks(bytes.substr(ratioSheet));
        lineNo_ = 0;
        std::string rewritten;
        for (const std::string& line : RatioSheetBlockLines(wb_.Header.RokBiezacy))
            InterpretLine(line, rewritten);
        FlushText1();

        const bool shortOfSheets = fileSheets_ < sheetsCount_;
        truncated_ = shortOfSheets || cutLastLine_;
        for (size_t i = 0; i < wb_.Sheets.size(); ++i) CheckMerges(i);
        wb_.Header.SheetsCount = static_cast<int>(wb_.Sheets.size());
        const SystemClock systemClock;
        RunPostLoadSteps(wb_, IsTemplateFileName(fileName_), options_.clock ? *options_.clock : systemClock);
        if (truncated_) {
            truncation_ = Refusal{LastLine(),
                                  shortOfSheets ? "the file ends early: " + std::to_string(fileSheets_) +
                                                      " of " + std::to_string(sheetsCount_) + " sheets"
                                                : "the file ends early, inside its last line",
                                  ReadFailure::Truncated};
        }
        return std::move(wb_);
    }

    // Set when the file ends early; the workbook returned is then only what it held.
    const std::optional<Refusal>& Truncation() const { return truncation_; }

private:
    [[noreturn]] void Fail(std::string reason) const {
        if (!recognised_) reason = "not a statement document (" + reason + ")";
        throw Refusal{lineNo_, std::move(reason)};
    }

    // Counted only when needed: a hostile file may hold millions of lines.
    int LastLine() const { return LineAt(text_, text_.size() - 1); }

    void ReadOwnLines(std::string_view text) {
        LineCursor cursor(text);
        std::string_view raw;
        std::string decoded;
        std::string rewritten;
        while (cursor.Next(raw)) {
            ++lineNo_;
            if (raw.empty()) continue;  // nothing to do, and a hostile file may hold millions
            // The writer ends every line; a document whose last line has no end
            // and is not a whole record was cut off there (a record cut short
            // would be taken as cell text).
            if (recognised_ && cursor.AtEnd() && !cursor.Terminated() &&
                ClassifyLine(raw).kind == LineKind::Text) {
                cutLastLine_ = true;
                break;
            }
            InterpretLine(RepairFixedLine(Decoded(raw, decoded)), rewritten);
        }
    }

    std::string_view Decoded(std::string_view raw, std::string& buffer) const {
        if (utf8_ ||
            std::all_of(raw.begin(), raw.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            return raw;
        buffer.clear();
        AppendCp1250AsUtf8(buffer, raw);
        return buffer;
    }

    void InterpretLine(std::string_view current, std::string& rewritten) {
        if (RewriteLine(current, sheet_ ? std::string_view(sheet_->GridName) : std::string_view{}, rewritten))
            current = rewritten;
        if (fileVersion_ < kProgramVersion && sheet_) {
            if (current.data() != rewritten.data()) rewritten.assign(current);
            if (ApplyVersionRepairs(sheet_->GridName, col_, row_, rewritten)) current = rewritten;
        }
        Interpret(ClassifyLine(current));
    }

    // The line that names the ratio sheet starts it, however it ends.
    static int RatioSheetAndLaterBlocks(std::string_view text) {
        LineCursor cursor(text);
        std::string_view line;
        cursor.Next(line);
        int count = 1;
        while (cursor.Next(line)) {
            const ClassifiedLine c = ClassifyLine(line);
            count += c.kind == LineKind::Record && c.key == "GridName" ? 1 : 0;
        }
        return count;
    }

    int32_t Int(std::string_view key, std::string_view value) const {
        const auto v = ParseFileInt(value);
        if (!v) Fail(std::string(key) + " is not an integer: " + Quoted(value));
        return *v;
    }

    int32_t IntIn(std::string_view key, std::string_view value, int32_t lo, int32_t hi) const {
        const int32_t v = Int(key, value);
        if (v < lo || v > hi)
            Fail(std::string(key) + " " + std::to_string(v) + " is outside " + std::to_string(lo) + ".." +
                 std::to_string(hi));
        return v;
    }

    double Date(std::string_view key, std::string_view value) const {
        const auto v = ParseFileDate(value);
        if (!v) Fail(std::string(key) + " is not a date: " + Quoted(value));
        return *v;
    }

    std::vector<int32_t> List(std::string_view key, std::string_view value, int count, int32_t lo,
                              int32_t hi) const {
        auto items = ParseFileList(value);
        if (!items) Fail(std::string(key) + " is not a list of integers: " + Quoted(value));
        if (static_cast<int>(items->size()) > count)
            Fail(std::string(key) + " has " + std::to_string(items->size()) + " items for " +
                 std::to_string(count));
        for (int32_t v : *items)
            if (v < lo || v > hi)
                Fail(std::string(key) + " item " + std::to_string(v) + " is outside " + std::to_string(lo) +
                     ".." + std::to_string(hi));
        return *items;
    }

    Grid& SheetGrid(std::string_view key) const {
        if (!sheet_) Fail(std::string(key) + " before the first GridName record");
        return *sheet_->Grid;
    }

    Cell& CurrentCell(std::string_view what) const {
        Grid& g = SheetGrid(what);
        if (!haveCell_) Fail(std::string(what) + " before the first Cell record");
        if (!g.Contains(col_, row_))
            Fail(std::string(what) + " for cell (" + std::to_string(col_) + "," + std::to_string(row_) +
                 ") outside sheet " + sheet_->GridName);
        return g.At(col_, row_);
    }

    void Interpret(const ClassifiedLine& line) {
        if (line.kind == LineKind::Text) return TextLine(line.value);
        if (line.kind != LineKind::Record) return;
        FlushText1();
        const auto& keys = Keys();
        const auto it = keys.find(line.key);
        if (it == keys.end()) return;  // unknown keys and Ref are ignored
        if (it->second < Key::GridName) {
            recognised_ = true;
            return HeaderRecord(it->second, line.key, line.value);
        }
        if (it->second < Key::CellColor) return SheetRecord(it->second, line.key, line.value);
        CellRecord(it->second, line.key, line.value);
    }

    void HeaderRecord(Key key, std::string_view name, std::string_view v) {
        DocumentHeader& h = wb_.Header;
        switch (key) {
            case Key::FileVersion:
                fileVersion_ = h.FileVersion = Int(name, v);
                break;
            case Key::SheetsCount:
                sheetsCount_ = h.SheetsCount = IntIn(name, v, 0, kMaxSheets);
                break;
            case Key::Miasto:
                h.Miasto = Unescape(v);
                break;
            case Key::Firma:
                h.Firma = Unescape(v);
                break;
            case Key::Osoba:
                h.Osoba = Unescape(v);
                break;
            case Key::RokBiezacy:
                h.RokBiezacy = IntIn(name, v, kFirstYear, kLastYear);
                break;
            case Key::DataSporzadzenia:
                h.DataSporzadzenia = Date(name, v);
                break;
            case Key::Podatek1:
                h.Podatek1 = Int(name, v);
                break;
            case Key::Podatek2:
                h.Podatek2 = Int(name, v);
                break;
            case Key::AFAkcje1:
                h.AFAkcje1 = Int(name, v);
                break;
            case Key::AFAkcje2:
                h.AFAkcje2 = Int(name, v);
                break;
            case Key::AFAkcje3:
                h.AFAkcje3 = Int(name, v);
                break;
            case Key::AFBO:
                h.AFBO = Date(name, v);
                break;
            case Key::AFBZ:
                h.AFBZ = Date(name, v);
                break;
            case Key::LangID:
                wb_.LangID = IntIn(name, v, 0, 1);
                break;
            case Key::Chckd:
                wb_.NotesSelection.insert(IntIn(name, v, 0, INT32_MAX));
                break;
            default:
                break;
        }
    }

    void NewSheet(std::string_view value) {
        // Only the built-in sheet gets here from a header that never came to
        // its sheet count: the file stops before its first sheet.
        if (sheetsCount_ < 0 && lineNo_ == 0 && recognised_)
            throw Refusal{LastLine(), "the file ends early, before its first sheet", ReadFailure::Truncated};
        if (sheetsCount_ < 0) Fail("GridName before the SheetsCount record");
        if (static_cast<int>(wb_.Sheets.size()) >= kMaxSheets)
            Fail("the document has more than " + std::to_string(kMaxSheets) + " sheets");
        // The built-in ratio sheet takes its own place when the file had none.
        if (lineNo_ != 0 && static_cast<int>(wb_.Sheets.size()) >= sheetsCount_)
            Fail("more sheet blocks than SheetsCount (" + std::to_string(sheetsCount_) + ")");
        if (lineNo_ != 0) ++fileSheets_;
        std::string name = SheetNameAsRead(value);
        if (!IsSheetName(name)) Fail("sheet name " + Quoted(name) + " is not an identifier");
        if (!names_.insert(ToLowerAscii(name)).second) Fail("sheet name " + Quoted(name) + " is used twice");
        if (sheet_) cellsBefore_ += static_cast<long long>(sheet_->Grid->Columns()) * sheet_->Grid->Rows();
        TSheet sheet;
        sheet.GridName = std::move(name);
        sheet.Grid = std::make_unique<Grid>();
        sheet.Used = true;
        wb_.Sheets.push_back(std::move(sheet));
        sheet_ = &wb_.Sheets.back();
        if (options_.onSheet)
            options_.onSheet(static_cast<int>(wb_.Sheets.size()) - 1, sheetsCount_, sheet_->GridName);
    }

    void CheckSize(int columns, int rows) const {
        if (cellsBefore_ + static_cast<long long>(columns) * rows > kMaxCells)
            Fail("the document has more than " + std::to_string(kMaxCells) + " cells");
    }

    void RowMarks(std::string_view name, std::string_view v, bool add) {
        Grid& g = SheetGrid(name);
        for (int32_t r : List(name, v, g.Rows(), 1, g.Rows() - 1)) {
            if (g.Columns() < 2) Fail(std::string(name) + " in a sheet without column 1");
            Cell& cell = g.At(1, r);
            TCellProps& p = cell.EnsureProps();
            if (add) {
                p.CanAdd = true;
                cell.HintCell = "Dodaj wiersz";
            } else {
                cell.HintCell = p.CanAdd ? "Dodaj/usu\u0144 wiersz" : "Usu\u0144 wiersz";
                p.CanDel = true;
            }
        }
    }

    void SheetRecord(Key key, std::string_view name, std::string_view v) {
        if (key == Key::GridName) return NewSheet(v);
        Grid& g = SheetGrid(name);
        TSheet& s = *sheet_;
        switch (key) {
            case Key::Columns: {
                const int n = IntIn(name, v, 0, kMaxColumns);
                CheckSize(n, g.Rows());
                g.SetColumns(n);
                s.MinColWidths.assign(static_cast<size_t>(n), 0);
                s.MaxColWidths.assign(static_cast<size_t>(n), 1000);
                if (n > 0) s.MaxColWidths[0] = 0;
                break;
            }
            case Key::Rows: {
                const int n = IntIn(name, v, 0, kMaxRows);
                CheckSize(g.Columns(), n);
                g.SetRows(n);
                break;
            }
            case Key::ColWidths:
                Assign(g.ColWidths, List(name, v, g.Columns(), 0, kMaxExtent));
                break;
            case Key::RowHeights:
                Assign(g.RowHeights, List(name, v, g.Rows(), 0, kMaxExtent));
                break;
            case Key::MinColWidths:
                Assign(s.MinColWidths, List(name, v, g.Columns(), 0, kMaxExtent));
                break;
            case Key::MaxColWidths:
                Assign(s.MaxColWidths, List(name, v, g.Columns(), 0, kMaxExtent));
                for (int c = 0; c < g.Columns(); ++c)
                    if (g.ColWidths[static_cast<size_t>(c)] < 20)
                        s.MaxColWidths[static_cast<size_t>(c)] = g.ColWidths[static_cast<size_t>(c)];
                break;
            case Key::RowsAdd:
                RowMarks(name, v, true);
                break;
            case Key::RowsDel:
                RowMarks(name, v, false);
                break;
            case Key::Cell: {
                const auto address = ParseCellAddress(v);
                if (!address) Fail("Cell is not an address (column,row): " + Quoted(v));
                if (!g.Contains(address->col, address->row))
                    Fail("cell (" + std::to_string(address->col) + "," + std::to_string(address->row) +
                         ") is outside sheet " + s.GridName + " of " + std::to_string(g.Columns()) +
                         " columns and " + std::to_string(g.Rows()) + " rows");
                col_ = address->col;
                row_ = address->row;
                haveCell_ = true;
                break;
            }
            default:
                break;
        }
    }

    static void Assign(std::vector<int>& target, const std::vector<int32_t>& items) {
        for (size_t i = 0; i < items.size() && i < target.size(); ++i) target[i] = items[i];
    }

    void CellRecord(Key key, std::string_view name, std::string_view v) {
        Cell& cell = CurrentCell(name);
        switch (key) {
            case Key::CellColor:
                cell.CellColor = Int(name, v);
                return;
            case Key::CellAlignment:
                if (v == "C") cell.CellAlignment = Alignment::Center;
                if (v == "R") cell.CellAlignment = Alignment::Right;
                return;
            case Key::Edit:
                if (v == "1") cell.Edit = true;
                return;
            case Key::CellBold:
                if (v == "1") cell.CellBold = true;
                return;
            default:
                break;
        }
        TCellProps& p = cell.EnsureProps();
        if (key == Key::Merged || (key >= Key::MergTop && key <= Key::MergRight))
            mergeLines_[{wb_.Sheets.size() - 1, col_, row_}] = lineNo_;
        switch (key) {
            case Key::Val:
                p.Val = Unescape(v);
                break;
            case Key::Text1:
                p.Text1 = Unescape(v);
                break;
            case Key::Text2:
                p.Text2 = Unescape(v);
                break;
            case Key::CellFormat:
                p.CellFormat = Int(name, v);
                break;
            case Key::CellTopWidth:
                p.CellTopWidth = Int(name, v);
                break;
            case Key::CellTopColor:
                p.CellTopColor = Int(name, v);
                break;
            case Key::CellBottomWidth:
                p.CellBottomWidth = Int(name, v);
                break;
            case Key::CellBottomColor:
                p.CellBottomColor = Int(name, v);
                break;
            case Key::CellLeftWidth:
                p.CellLeftWidth = Int(name, v);
                break;
            case Key::CellLeftColor:
                p.CellLeftColor = Int(name, v);
                break;
            case Key::CellRightWidth:
                p.CellRightWidth = Int(name, v);
                break;
            case Key::CellRightColor:
                p.CellRightColor = Int(name, v);
                break;
            case Key::Indent:
                p.Indent = Int(name, v);
                break;
            case Key::NoteSel:
                p.NoteSel = Int(name, v);
                break;
            case Key::Merged:
                p.Merged = v == "1";
                break;
            case Key::Base:
                p.Base = v == "1";
                break;
            case Key::MergTop:
                p.MergTop = Int(name, v);
                break;
            case Key::MergBottom:
                p.MergBottom = Int(name, v);
                break;
            case Key::MergLeft:
                p.MergLeft = Int(name, v);
                break;
            case Key::MergRight:
                p.MergRight = Int(name, v);
                break;
            default:
                break;
        }
    }

    void TextLine(std::string_view raw) {
        Cell& cell = CurrentCell("cell text");
        if (raw.front() == '=') {
            std::string formula = Unescape(raw);
            if (!cell.Cells.empty()) formula = ReplaceAll(std::move(formula), "Nota", "nota");
            cell.HintCell = formula;
            cell.EnsureProps().Formula = std::move(formula);
            return;
        }
        if (!cell.Cells.empty()) cell.Cells += "\r\n";
        cell.Cells += Unescape(raw);
        textCell_ = &cell;
    }

    // Text1 follows the whole cell text once its lines are read; copying it
    // after every line would make a cell of many lines quadratic.
    void FlushText1() {
        if (!textCell_) return;
        textCell_->EnsureProps().Text1 = textCell_->Cells;
        textCell_ = nullptr;
    }

    // A merged block must lie inside its sheet, or later code would address
    // cells that do not exist. In a file that ends early the block may have
    // been cut in half; the part read is a new document, so it is unmerged.
    void CheckMerges(size_t index) {
        const TSheet& sheet = wb_.Sheets[index];
        Grid& g = *sheet.Grid;
        for (int r = 0; r < g.Rows(); ++r)
            for (int c = 0; c < g.Columns(); ++c) {
                TCellProps* p = g.At(c, r).Props.get();
                if (!p || !p->Merged || MergedBlockInside(*p, g)) continue;
                if (truncated_)
                    p->Merged = false;
                else
                    throw Refusal{MergeLine(index, c, r),
                                  "cell (" + std::to_string(c) + "," + std::to_string(r) + ") of sheet " +
                                      sheet.GridName + " has a merged block outside the sheet"};
            }
    }

    int MergeLine(size_t sheet, int col, int row) const {
        const auto it = mergeLines_.find({sheet, col, row});
        return it == mergeLines_.end() ? 0 : it->second;
    }

    const std::string& fileName_;
    const ReadOptions& options_;
    Workbook wb_;
    bool utf8_ = false;
    std::string_view text_;  // the file's text, whose last line shows an early end
    int fileSheets_ = 0;     // sheet blocks the file holds
    bool cutLastLine_ = false;
    bool truncated_ = false;
    std::optional<Refusal> truncation_;
    TSheet* sheet_ = nullptr;
    Cell* textCell_ = nullptr;     // the cell whose text lines were just read
    std::set<std::string> names_;  // sheet names read so far, lower-case
    int sheetsCount_ = -1;
    int fileVersion_ = 0;
    int col_ = -1;
    int row_ = -1;
    bool haveCell_ = false;
    bool recognised_ = false;
    int lineNo_ = 0;
    long long cellsBefore_ = 0;
    // Where each merged cell's block was last set, to name the line of a bad one.
    std::map<std::tuple<size_t, int, int>, int> mergeLines_;
};

// The end of the first line of the head that cannot begin a statement
// document (no header record before it), or kNone when the head shows a
// header record first or ends before deciding.
size_t RefusedStartEnd(std::string_view head) {
    const size_t bom = GuessFileEncoding(head).bomSize;
    LineCursor cursor(head.substr(bom));
    std::string_view line;
    while (cursor.Next(line)) {
        if (!cursor.Terminated()) return kNone;  // the line may go on past the head
        const ClassifiedLine c = ClassifyLine(line);
        if (c.kind == LineKind::Blank || c.kind == LineKind::Comment) continue;
        if (c.kind == LineKind::Record) {
            const auto it = Keys().find(c.key);
            if (it == Keys().end()) continue;  // ignored wherever it stands
            if (it->second < Key::GridName) return kNone;
        }
        return bom + cursor.Offset();
    }
    return kNone;
}

}  // namespace

std::string ReadError::Message() const {
    return line > 0 ? file + ":" + std::to_string(line) + ": " + reason : file + ": " + reason;
}

bool IsTemplateFileName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return EqualsIgnoreCase(slash == std::string::npos ? path : path.substr(slash + 1), "empty.spf");
}

ReadResult ReadDocumentBytes(std::string_view bytes, const std::string& fileName,
                             const ReadOptions& options) {
    ReadResult result;
    try {
        Reader reader(fileName, options);
        Workbook workbook = reader.Run(bytes);
        if (const auto& truncation = reader.Truncation()) {
            result.error = {fileName, truncation->line, truncation->reason, truncation->kind};
            result.partial = std::move(workbook);
        } else {
            result.workbook = std::move(workbook);
        }
    } catch (const Refusal& refusal) {
        result.error = {fileName, refusal.line, refusal.reason, refusal.kind};
    } catch (const std::bad_alloc&) {
        result.error = {fileName, 0, "not enough memory to read the document", ReadFailure::Unreadable};
    }
    return result;
}

ReadResult ReadDocument(const std::string& path, const ReadOptions& options) {
    DocumentFile file;
    std::string bytes;
    std::string problem = file.Open(path);
    if (problem.empty()) problem = file.ReadUpTo(bytes, kHeadBytes);
    if (problem.empty() && !file.AtEnd()) {
        // Something that plainly is not a statement is refused without reading it all.
        if (const size_t end = RefusedStartEnd(bytes); end != kNone) {
            ReadResult refused = ReadDocumentBytes(std::string_view(bytes).substr(0, end), path, options);
            if (!refused && !refused.partial) return refused;
        }
        problem = file.ReadRest(bytes);
    }
    if (!problem.empty()) return {std::nullopt, {path, 0, problem, ReadFailure::Unreadable}, std::nullopt};
    return ReadDocumentBytes(bytes, path, options);
}

std::optional<ReadError> LoadDocumentInto(Workbook& target, const std::string& path,
                                          const ReadOptions& options, std::optional<Workbook>* readablePart) {
    ReadOptions seeded = options;
    seeded.langId = target.LangID;
    seeded.afbo = target.Header.AFBO;
    seeded.afbz = target.Header.AFBZ;
    ReadResult result = ReadDocument(path, seeded);
    if (!result) {
        if (readablePart) *readablePart = std::move(result.partial);
        return result.error;
    }
    target = std::move(*result.workbook);
    return std::nullopt;
}

}  // namespace spf
