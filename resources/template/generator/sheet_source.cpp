#include "sheet_source.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <stdexcept>

#include "formula_shorthand.h"
#include "model/text_utils.h"
#include "source_error.h"
#include "source_lines.h"

namespace spf::tmpl {

namespace {

constexpr int kCaptionCol = 2;
// Captions longer than this wrap in the caption column at its usual width.
constexpr size_t kSingleLineCaption = 62;

struct Merge {
    int left, top, right, bottom;
};

struct RowLine {
    int line = 0;
    int row = 0;
    std::vector<std::string> flags;
    std::string caption;
    std::vector<std::string> fields;
};

struct SheetSource {
    std::vector<int> widths, mins, maxs;
    int rows = 0;
    int height = 20;
    std::map<int, int> rowHeights;
    std::vector<int> amountCols;
    std::map<int, int> readCols;
    int noteCol = 0;
    bool signature = false;
    std::vector<Merge> merges;
    std::vector<std::pair<int, std::vector<std::string>>> prints;  // line, keys
    std::vector<RowLine> rowLines;
};

std::vector<int> ReadInts(const std::vector<std::string>& tokens) {
    std::vector<int> out;
    for (size_t i = 1; i < tokens.size(); ++i) out.push_back(std::stoi(tokens[i]));
    return out;
}

int ReadColumn(const std::string& letter) {
    auto col = ColumnOfLetter(letter);
    if (!col) throw std::invalid_argument("not a column letter: " + letter);
    return *col;
}

// "C4" -> (3, 4).
std::pair<int, int> ReadAddress(const std::string& text) {
    if (text.size() < 2) throw std::invalid_argument("bad cell address " + text);
    return {ReadColumn(text.substr(0, 1)), std::stoi(text.substr(1))};
}

RowLine ReadRowLine(const SourceLine& line) {
    std::vector<std::string> parts = SplitTrimmed(line.text, "|");
    RowLine r;
    r.line = line.number;
    const std::vector<std::string> head = SplitTokens(parts[0]);
    r.row = std::stoi(head.at(0));
    r.flags.assign(head.begin() + 1, head.end());
    if (parts.size() > 1) r.caption = parts[1];
    r.fields.assign(parts.begin() + std::min<size_t>(2, parts.size()), parts.end());
    return r;
}

SheetSource ReadSource(const std::string& path, const std::string& name) {
    SheetSource src;
    bool named = false;
    for (const SourceLine& line : ReadSourceLines(path)) {
        try {
            if (std::isdigit(static_cast<unsigned char>(line.text[0]))) {
                src.rowLines.push_back(ReadRowLine(line));
                if (src.rowLines.size() > 1 && src.rowLines.back().row <= src.rowLines[src.rowLines.size() - 2].row)
                    throw std::invalid_argument("rows must ascend");
                continue;
            }
            const std::vector<std::string> t = SplitTokens(line.text);
            const std::string& key = t[0];
            if (key == "sheet") {
                if (t.size() != 2 || t[1] != name) throw std::invalid_argument("the sheet must be named " + name);
                named = true;
            } else if (key == "widths") src.widths = ReadInts(t);
            else if (key == "min") src.mins = ReadInts(t);
            else if (key == "max") src.maxs = ReadInts(t);
            else if (key == "rows") src.rows = std::stoi(t.at(1));
            else if (key == "height") src.height = std::stoi(t.at(1));
            else if (StartsWith(key, "height@")) src.rowHeights[std::stoi(key.substr(7))] = std::stoi(t.at(1));
            else if (key == "amounts") {
                src.amountCols.clear();
                for (size_t i = 1; i < t.size(); ++i) src.amountCols.push_back(ReadColumn(t[i]));
            } else if (key == "readcols") {
                for (size_t i = 1; i < t.size(); ++i) {
                    if (t[i].size() != 3 || t[i][1] != '=') throw std::invalid_argument("readcols takes C=D pairs");
                    src.readCols[ReadColumn(t[i].substr(0, 1))] = ReadColumn(t[i].substr(2, 1));
                }
            } else if (key == "notecol") src.noteCol = ReadColumn(t.at(1));
            else if (key == "signature") src.signature = true;
            else if (key == "merge") {
                const size_t colon = t.at(1).find(':');
                if (colon == std::string::npos) throw std::invalid_argument("merge needs FROM:TO");
                auto [l, tp] = ReadAddress(t[1].substr(0, colon));
                auto [rt, b] = ReadAddress(t[1].substr(colon + 1));
                if (rt < l || b < tp) throw std::invalid_argument("merge block runs backwards");
                src.merges.push_back({l, tp, rt, b});
            } else if (key == "print") src.prints.push_back({line.number, {t.begin() + 1, t.end()}});
            else throw std::invalid_argument("unknown directive " + key);
        } catch (const SourceError&) {
            throw;
        } catch (const std::exception& e) {
            throw SourceError(path, line.number, e.what());
        }
    }
    if (!named) throw SourceError(path, 1, "missing \"sheet " + name + "\"");
    if (src.widths.size() < 5) throw SourceError(path, 1, "widths must list every column (at least 5)");
    return src;
}

// "D", "C..E" or "C,E": the columns a field names before its colon; empty
// when the field names none.
std::vector<int> FieldColumns(const std::string& field) {
    const size_t colon = field.find(':');
    if (colon == std::string::npos || colon == 0) return {};
    std::vector<int> cols;
    for (const std::string& part : SplitTrimmed(field.substr(0, colon), ",")) {
        const auto upper = [](const std::string& t) {
            return t.size() == 1 && std::isupper(static_cast<unsigned char>(t[0]));
        };
        if (upper(part)) {
            cols.push_back(part[0] - 'A' + 1);
        } else if (part.size() == 4 && part.substr(1, 2) == ".." && upper(part.substr(0, 1)) && upper(part.substr(3))) {
            for (int c = part[0] - 'A' + 1; c <= part[3] - 'A' + 1; ++c) cols.push_back(c);
        } else {
            return {};
        }
    }
    return cols;
}

void SetRowMarker(Grid& grid, int row, bool add, bool del) {
    Cell& cell = grid.At(1, row);
    TCellProps& p = cell.EnsureProps();
    if (add) p.CanAdd = true;
    if (del) p.CanDel = true;
    cell.HintCell = p.CanAdd && p.CanDel ? "Dodaj/usuń wiersz" : p.CanAdd ? "Dodaj wiersz" : "Usuń wiersz";
}

class Builder {
public:
    Builder(const std::string& path, const std::string& name, SheetSource src)
        : path_(path), name_(name), src_(std::move(src)), context_{name, src_.readCols} {}

    SheetBuild Build() {
        SheetBuild out;
        out.name = name_;
        out.sheet.GridName = name_;
        const int columns = static_cast<int>(src_.widths.size());
        int maxRow = 3;
        for (const RowLine& r : src_.rowLines) maxRow = std::max(maxRow, r.row);
        int rows = src_.rows > 0 ? src_.rows : maxRow + (src_.signature ? 5 : 2);
        if (rows <= maxRow) throw SourceError(path_, 1, "rows must exceed the last row used");
        auto grid = std::make_unique<Grid>();
        grid->SetColumns(columns);
        grid->SetRows(rows);
        grid->ColWidths = src_.widths;
        grid->RowHeights.assign(static_cast<size_t>(rows), src_.height);
        grid->RowHeights[0] = 1;
        for (auto [row, h] : src_.rowHeights)
            if (row > 0 && row < rows) grid->RowHeights[static_cast<size_t>(row)] = h;
        out.sheet.MinColWidths = src_.mins.empty() ? std::vector<int>(static_cast<size_t>(columns), 0) : src_.mins;
        out.sheet.MaxColWidths = src_.maxs.empty() ? src_.widths : src_.maxs;
        if (out.sheet.MinColWidths.size() != src_.widths.size() || out.sheet.MaxColWidths.size() != src_.widths.size())
            throw SourceError(path_, 1, "min and max must list every column");
        grid_ = grid.get();
        out.sheet.Grid = std::move(grid);

        for (const RowLine& r : src_.rowLines) {
            try {
                BuildRow(r, out.examples);
            } catch (const SourceError&) {
                throw;
            } catch (const std::exception& e) {
                throw SourceError(path_, r.line, e.what());
            }
        }
        if (src_.signature) {
            for (int row : {rows - 3, rows - 2}) ApplyCellSpec(ParseCellSpec("t3"), *grid_, kCaptionCol, row, context_);
        }
        for (const Merge& m : src_.merges) ApplyMerge(m);
        out.prints = Prints(columns);
        return out;
    }

private:
    void Check(int col, int row) const {
        if (col < 1 || col > grid_->Columns() - 2 || row < 1 || row > grid_->Rows() - 1)
            throw std::invalid_argument("cell " + ColumnLetter(col) + std::to_string(row) + " lies outside the sheet");
    }

    void BuildRow(const RowLine& r, std::vector<ExampleValue>& examples) {
        Check(kCaptionCol, r.row);
        CellSpec caption = LabelSpec(r.caption);
        std::vector<std::string> exampleTokens;
        bool hasExample = false;
        for (const std::string& flag : r.flags) {
            if (flag == "b") caption.bold = true;
            else if (flag == "c") caption.align = Alignment::Center;
            else if (flag == "r") caption.align = Alignment::Right;
            else if (flag.size() == 2 && flag[0] == 'i' && std::isdigit(static_cast<unsigned char>(flag[1])))
                caption.indent = flag[1] - '0';
            else if (flag == "note") {
                if (src_.noteCol == 0) throw std::invalid_argument("flag note needs a notecol directive");
                CellSpec note = ParseCellSpec("{c} t3");
                ApplyCellSpec(note, *grid_, src_.noteCol, r.row, context_);
            } else if (flag == "add") SetRowMarker(*grid_, r.row, true, false);
            else if (flag == "del") SetRowMarker(*grid_, r.row, false, true);
            else if (StartsWith(flag, "h=")) grid_->RowHeights[static_cast<size_t>(r.row)] = std::stoi(flag.substr(2));
            else throw std::invalid_argument("unknown row flag " + flag);
        }
        ApplyCellSpec(caption, *grid_, kCaptionCol, r.row, context_);
        // An amount beside a caption that wraps sits on the caption's last line.
        const bool wraps = Utf8Length(caption.text1) > kSingleLineCaption;

        std::map<int, CellKind> inputs;
        for (const std::string& field : r.fields) {
            if (field == "ex" || StartsWith(field, "ex ")) {
                exampleTokens = SplitTokens(field.substr(2));
                hasExample = true;
                continue;
            }
            std::vector<int> cols = FieldColumns(field);
            std::string cellSpec = field;
            if (!cols.empty()) {
                cellSpec = field.substr(field.find(':') + 1);
            } else {
                if (src_.amountCols.empty()) throw std::invalid_argument("a field without a column needs an amounts directive");
                cols = src_.amountCols;
            }
            const CellSpec parsed = ParseCellSpec(cellSpec);
            for (int c : cols) {
                Check(c, r.row);
                ApplyCellSpec(parsed, *grid_, c, r.row, context_);
                TCellProps* p = grid_->At(c, r.row).Props.get();
                if (wraps && p && p->CellFormat == 2 && !parsed.format) p->CellFormat = 1;
                if (parsed.IsInput()) inputs[c] = parsed.kind;
                else inputs.erase(c);
            }
        }
        if (!hasExample) return;
        if (exampleTokens.size() > inputs.size())
            throw std::invalid_argument("more example values than input cells in row " + std::to_string(r.row));
        auto it = inputs.begin();
        for (const std::string& token : exampleTokens) {
            if (token != "-") examples.push_back({it->first, r.row, it->second, token});
            ++it;
        }
    }

    void ApplyMerge(const Merge& m) {
        Check(m.left, m.top);
        Check(m.right, m.bottom);
        for (int r = m.top; r <= m.bottom; ++r) {
            for (int c = m.left; c <= m.right; ++c) {
                TCellProps& p = grid_->At(c, r).EnsureProps();
                p.Merged = true;
                p.Base = c == m.left && r == m.top;
                p.MergLeft = m.left;
                p.MergTop = m.top;
                p.MergRight = m.right;
                p.MergBottom = m.bottom;
            }
        }
    }

    std::string DefaultKinds(int first, int last) const {
        std::string kinds;
        for (int c = first; c <= last; ++c) {
            if (c == kCaptionCol) kinds += 't';
            else if (c == src_.noteCol) kinds += 'n';
            else if (std::find(src_.amountCols.begin(), src_.amountCols.end(), c) != src_.amountCols.end()) kinds += '$';
            else kinds += 't';
        }
        return kinds;
    }

    std::vector<PrintRange> Prints(int columns) const {
        PrintRange base;
        base.sheet = name_;
        base.lastCol = columns - 2;
        if (src_.signature) {
            // The signature block prints the place, date and preparer itself.
            base.lastRow = -3;
            base.newPage = true;
            base.stamp = "2500";
            base.sign = "2500";
        }
        auto specs = src_.prints;
        if (specs.empty()) specs.push_back({1, {}});
        std::vector<PrintRange> out;
        for (const auto& [line, tokens] : specs) {
            PrintRange r = base;
            try {
                ApplyPrintKeys(r, tokens);
            } catch (const std::exception& e) {
                throw SourceError(path_, line, std::string("print: ") + e.what());
            }
            if (r.kinds.empty()) r.kinds = DefaultKinds(r.firstCol, r.lastCol);
            out.push_back(r);
        }
        return out;
    }

    std::string path_;
    std::string name_;
    SheetSource src_;
    FormulaContext context_;
    Grid* grid_ = nullptr;
};

}  // namespace

SheetBuild BuildSheet(const std::string& path, const std::string& name) {
    return Builder(path, name, ReadSource(path, name)).Build();
}

}  // namespace spf::tmpl
