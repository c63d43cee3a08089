#include "printing/layout/print_job.h"

#include <array>
#include <memory>

#include "model/display_text.h"
#include "model/file/cp1250.h"
#include "model/text_utils.h"
#include "model/workbook.h"

namespace spf::print {

namespace {

// The components of equity, in the order the equity notes list them.
struct EquityComponent {
    const char* polish;
    const char* english;
};
constexpr std::array<EquityComponent, 5> kEquityComponents = {{
    {"Kapita\xC5\x82 podstawowy", "Share capital"},
    {"Kapita\xC5\x82 zapasowy", "Reserve capital"},
    {"Kapita\xC5\x82 rezerwowy z aktualizacji wyceny", "Revaluation reserve"},
    {"Pozosta\xC5\x82"
     "e kapita\xC5\x82y rezerwowe",
     "Other reserves"},
    {"Zysk (strata) z lat ubieg\xC5\x82ych", "Accumulated profit (loss) from previous years"},
}};

constexpr std::string_view kEquitySheet = "NOTY_D_ZM";

std::string TableSheetName(const std::string& cell) {
    std::string name = ToUpperAscii(cell);
    for (char& ch : name)
        if (ch == ' ') ch = '_';
    return name;
}

// A negative row counts back from the sheet's end: -1 is its next-to-last row.
int SheetRow(int value, const Grid& grid) { return value < 0 ? grid.Rows() + value - 1 : value; }

// The shown text of a cell named like "C2"; nothing for an empty cell of the table.
std::string CaptionText(const Workbook& book, const Grid& grid, const PrintRangeLine& line, size_t column) {
    const std::string_view ref = Trim(line.Cell(column));
    if (ref.empty()) return {};
    const char letter = ref[0];
    const bool isLetter = (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
    if (!isLetter || ref.size() < 2 || ref[1] == '-' || ref[1] == '+')
        throw PrintTableError(line.lineNumber, "column " + std::to_string(column) + " holds \"" +
                                                   std::string(ref) + "\", not a cell reference");
    const PrintRangeLine rowOnly{line.lineNumber, {std::string(ref.substr(1))}};
    const int col = (letter | 0x20) - 'a' + 1;
    return CellDisplayText(book, grid, col, rowOnly.Integer(0));
}

void ReadCommonSettings(TGridProperties& e, const PrintRangeLine& line, bool english) {
    e.CommentLabel = english ? "Remarks:" : "Komentarz:";
    if (!Trim(line.Cell(11)).empty()) e.RepeatRows = line.Integer(11);
    const std::string& orientation = line.Cell(12);
    e.Orientation = orientation == "h"   ? OrientationDemand::Landscape
                    : orientation == "v" ? OrientationDemand::Portrait
                                         : OrientationDemand::None;
    // Kinds beyond the text count as amounts, like any unknown letter.
    const std::string& kinds = line.Cell(14);
    size_t pos = 0;
    for (size_t c = 0; c < e.ColumnKinds.size() && pos < kinds.size(); ++c) {
        switch (NextUtf8(kinds, pos)) {
            case 't':
                e.ColumnKinds[c] = kTextColumn;
                break;
            case 'n':
                e.ColumnKinds[c] = kNoteColumn;
                break;
            case '#':
                e.ColumnKinds[c] = kWideAmountColumn;
                break;
            case '0':
                e.ColumnKinds[c] = kHiddenColumn;
                break;
            default:
                e.ColumnKinds[c] = kAmountColumn;
                break;
        }
    }
    if (!Trim(line.Cell(15)).empty()) e.StampHeight = line.Integer(15);
    if (!Trim(line.Cell(16)).empty()) e.SignatureHeight = line.Integer(16);
}

void AddOrdinaryEntry(TPrintQueue& q, const Workbook& book, const TSheet& sheet, const PrintRangeLine& line,
                      bool selected) {
    const Grid& grid = *sheet.Grid;
    const int left = line.Integer(3), top = line.Integer(4), right = line.Integer(5);
    const int bottom = SheetRow(line.Integer(6), grid);
    // Filled aside and queued whole: a bad cell later in the line leaves no half-read entry.
    auto entry = std::make_unique<TGridProperties>(book, grid, left, top, right, bottom);
    TGridProperties& e = *entry;
    e.RatioSheet = TableSheetName(line.Cell(0)).find("WSKAZNIKI") != std::string::npos;
    e.Selected = selected;
    e.Title = CaptionText(book, grid, line, 1);
    if (!Trim(line.Cell(2)).empty()) e.Title += "\r\n" + CaptionText(book, grid, line, 2);
    if (!Trim(line.Cell(7)).empty()) {
        const int row = SheetRow(line.Integer(7), grid);
        for (int col = left; col <= right; ++col)
            if (grid.Contains(col, row)) e.CommentText += grid.At(col, row).Cells;
    }
    ReadCommonSettings(e, line, book.LangID == 1);
    e.NewPage = line.Cell(13) == "t";
    q.Entries.push_back(std::move(entry));
}

void AddEquityEntries(TPrintQueue& q, const Workbook& book, const TSheet& sheet, const PrintRangeLine& line,
                      bool selected) {
    const Grid& grid = *sheet.Grid;
    const bool english = book.LangID == 1;
    std::array<int, 7> marker{};  // 1..5 the components' name rows, 6 past the sheet's end
    for (int row = 1; row < grid.Rows(); ++row) {
        if (!grid.Contains(2, row)) continue;
        const std::string& text = grid.At(2, row).Cells;
        for (size_t k = 0; k < kEquityComponents.size(); ++k)
            if (text == kEquityComponents[k].polish || (english && text == kEquityComponents[k].english))
                marker[k + 1] = row;
    }
    marker[6] = grid.Rows() + 2;
    const int left = line.Integer(3), right = line.Integer(5);
    std::vector<std::unique_ptr<TGridProperties>> entries;
    for (size_t k = 1; k <= kEquityComponents.size(); ++k) {
        // A component whose name is missing prints nothing, and the table
        // above it runs on to the next name found: measuring from row 0
        // would print other components' rows under the wrong name.
        if (marker[k] == 0) continue;
        size_t next = k + 1;
        while (marker[next] == 0) ++next;
        auto& e = *entries.emplace_back(
            std::make_unique<TGridProperties>(book, grid, left, marker[k] + 2, right, marker[next] - 4));
        e.Selected = selected;
        e.Title = english ? kEquityComponents[k - 1].english : kEquityComponents[k - 1].polish;
        ReadCommonSettings(e, line, english);
        e.NewPage = entries.size() == 1 && line.Cell(13) == "t";
    }
    for (auto& e : entries) q.Entries.push_back(std::move(e));
}

}  // namespace

void AssemblePrintJob(TPrintQueue& q, const Workbook& book, const PrintRangeTable& table,
                      const SheetChecked& checked) {
    q.PlaceName = book.Header.Miasto;
    q.PreparationDate = FormatShortDate(static_cast<DateDays>(book.Header.DataSporzadzenia));
    q.PreparerName = book.Header.Osoba;
    q.InnerMargin = 50;
    for (size_t index = 0; index < book.Sheets.size(); ++index) {
        const TSheet& sheet = book.Sheets[index];
        if (!sheet.Grid || !sheet.Used) continue;
        const bool selected = !checked || checked(static_cast<int>(index));
        const std::string name = ToUpperAscii(sheet.GridName);
        for (const PrintRangeLine& line : table.lines) {
            if (TableSheetName(line.Cell(0)) != name) continue;
            if (name == kEquitySheet)
                AddEquityEntries(q, book, sheet, line, selected);
            else
                AddOrdinaryEntry(q, book, sheet, line, selected);
        }
    }
}

}  // namespace spf::print
