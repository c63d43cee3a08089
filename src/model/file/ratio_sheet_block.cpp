#include "model/file/ratio_sheet_block.h"

#include <cctype>
#include <string_view>

#include "model/sheet_names.h"

namespace spf {

namespace {

struct Ratio {
    std::string_view name1, name2;
    std::string_view numerator1, denominator1;
    std::string_view numerator2, denominator2;
    std::string_view formula;         // the year of the statement (column C)
    std::string_view thirdYear = {};  // column G, for three ratios only
};

// One block of five rows per ratio, from row 5 on.
constexpr Ratio kRatios[] = {
    {"Rentowność majątku", "Return on assets", "wynik finansowy netto x 100", "średnioroczny stan aktywów",
     "net financial result x 100", "total assets",
     "=Range('AF_Bilans!C33')/"
     "Sum(Range('AF_Bilans!C24'):Range('AF_Bilans!C24'),Range('AF_Bilans!E24'):Range('AF_"
     "Bilans!E24'))*200*100"},
    {"Rentowność kapitału własnego", "Return on equity", "wynik finansowy netto x 100",
     "średnioroczny stan kapitału własnego", "net financial result x 100", "equity",
     "=Range('AF_Bilans!C33')/"
     "Sum(Range('AF_Bilans!C34'):Range('AF_Bilans!C34'),Range('AF_Bilans!E34'):Range('AF_"
     "Bilans!E34'))*200*100"},
    {"Rentowność netto sprzedaży", "Net sales profitability", "wynik finansowy netto x 100",
     "przychody netto ze sprzedaży produktów oraz towarów i materiałów", "net financial result x 100",
     "net revenue from the sale of finished products, goods for resale and raw materials",
     "=Range('AF_Bilans!C33')/Range('AF_RZiS!C7')*10000"},
    {"Wskaźnik płynności I", "Current ratio", "aktywa obrotowe ogółem*)", "zobowiązania krótkoterminowe",
     "total current assets*)", "short-term liabilities",
     "=Range('AF_Bilans!C23')/Range('AF_Bilans!C38')*100-Range('Aktywa!D52')/"
     "Range('AF_Bilans!C38')*100-Range('"
     "Aktywa!D57')/Range('AF_Bilans!C38')*100"},
    {"Wskaźnik płynności II", "Quick ratio", "aktywa obrotowe ogółem*) - zapasy",
     "zobowiązania krótkoterminowe*)", "total current assets *) - stock", "short-term liabilities*)",
     "=SUM(Range('AF_Bilans!C23'),-Range('Aktywa!D52'),-Range('Aktywa!D57'),-Range('Aktywa!D42'))/"
     "SUM(Range('AF_"
     "Bilans!C38'),-Range('Pasywa!D35'),-Range('Pasywa!D43'))*100"},
    {"Szybkość spłat należności w dniach", "Receivable days",
     "średnioroczny stan ogółu należności z tytułu dostaw i usług x 365 dni",
     "przychód netto ze sprzedaży produktów oraz towarów i materiałów",
     "average trade receivables x 365 days",
     "net revenue from the sale of finished products, goods for resale and raw materials",
     "=Sum(Range('AF_Bilans!C16'),Range('AF_Bilans!C19'),Range('AF_Bilans!E16'),Range('AF_Bilans!E19'))/"
     "Range('AF_"
     "RZiS!C7')*18250"},
    {"Szybkość spłaty zobowiązań w dniach", "Payable days",
     "średnioroczny stan ogółu zobowiązań z tytułu dostaw i usług x 365 dni",
     "wartość sprzedanych towarów i materiałów + koszt wytworzenia sprzedanych produktów",
     "average trade payables x 365 days",
     "cost of goods for resale and raw materials sold + cost of finished products sold",
     "=Sum(Range('AF_Bilans!C40'),Range('AF_Bilans!C43'),Range('AF_Bilans!E40'),Range('AF_Bilans!E43'))/"
     "Range('AF_"
     "RZiS!C12')*18250"},
    {"Szybkość obrotu zapasów w dniach", "Inventory days", "średnioroczny stan zapasów x 365",
     "wartość sprzedanych towarów i materiałów + koszt wytworzenia sprzedanych produktów",
     "average stock x 365",
     "cost of goods for resale and raw materials sold + cost of finished products sold",
     "=Sum(Range('AF_Bilans!C13'):Range('AF_Bilans!C13'),Range('AF_Bilans!E13'):Range('AF_Bilans!E13'))/"
     "Range('AF_"
     "RZiS!C12')*18250"},
    {"Pokrycie aktywów trwałych kapitałem własnym i rezerwami długoterminowymi",
     "Equity to fixed assets ratio", "kapitał (fundusz) własny + rezerwy długoterminowe", "aktywa trwałe",
     "equity + long-term provisions", "fixed assets",
     "=SUM(RANGE('AF_Bilans!C34'),RANGE('Pasywa!D19'),RANGE('Pasywa!D22'))/RANGE('AF_Bilans!C11')*100"},
    {"Marża na sprzedaży", "Sales margin", "zysk(strata) na sprzedaży", "przychody ze sprzedaży",
     "sales profit (loss)", "sales revenue", "=RANGE('AF_RZiS!C19')/RANGE('AF_RZiS!C7')*10000",
     "=RANGE('AF_RZiS!G19')/RANGE('AF_RZiS!G7')*10000"},
    {"Wartość księgowa na jedną akcję", "Book value per shares", "kapitał własny", "liczba akcji", "equity",
     "number of shares", "=RANGE('AF_Bilans!C28')/AKCJE1", "=RANGE('AF_Bilans!G28')/AKCJE3"},
    {"Wynik finansowy na jedną akcję", "Earnings per share", "wynik finansowy netto za ostatnie 12 miesięcy",
     "liczba akcji", "net profit/loss for the last 12 months", "number of shares",
     "=RANGE('AF_RZiS!C53')/AKCJE1", "=RANGE('AF_RZiS!G53')/AKCJE3"},
};

constexpr int kFirstBlockRow = 5;
constexpr int kRows = 66;
constexpr int kNoteRow = 65;
constexpr int kWidths[] = {1, 15, 500, 200, 25, 200, 25, 20, 15};
constexpr int kMinWidths[] = {0, 0, 200, 200, 25, 200, 25, 20, 0};

std::string List(const int* begin, const int* end) {
    std::string out = "(";
    for (const int* v = begin; v != end; ++v) out.append(std::to_string(*v)).append(";");
    out.back() = ')';
    return out;
}

// The previous year's formula: AF_Bilans / AF_RZiS columns two to the right,
// Aktywa / Pasywa from D to E, AKCJE1 to AKCJE2.
std::string PreviousYear(std::string_view formula) {
    std::string out(formula);
    for (size_t q = out.find('\''); q != std::string::npos; q = out.find('\'', q + 1)) {
        const size_t bang = out.find('!', q);
        if (bang == std::string::npos) break;
        const std::string_view sheet(out.data() + q + 1, bang - q - 1);
        char& column = out[bang + 1];
        if (sheet == sheets::kAfBilans || sheet == sheets::kAfRzis)
            column = static_cast<char>(column + 2);
        else if ((sheet == sheets::kAktywa || sheet == sheets::kPasywa) && column == 'D')
            column = 'E';
        q = out.find('\'', bang);  // the closing quote of this reference
    }
    for (size_t p = out.find("AKCJE1"); p != std::string::npos; p = out.find("AKCJE1", p)) out[p + 5] = '2';
    return out;
}

class BlockBuilder {
public:
    std::vector<std::string> lines;

    void Record(std::string_view key, std::string_view value) {
        std::string line = "[";
        line.append(key).append("=").append(value).append("]");
        lines.push_back(std::move(line));
    }
    void Cell(int col, int row) {
        std::string address = "(";
        address.append(std::to_string(col)).append(",").append(std::to_string(row)).append(")");
        Record("Cell", address);
    }

    // A label of column 2 in both languages, as the writer puts it.
    void Label(int row, std::string_view text1, std::string_view text2, bool bold) {
        Cell(2, row);
        lines.emplace_back(text1);
        Record("Text1", text1);
        Record("Text2", text2);
        if (bold) Record("CellBold", "1");
    }

    void Centred(int col, int row, std::string_view val = {}, std::string_view text = {}, bool bold = false) {
        Cell(col, row);
        Record("CellAlignment", "C");
        if (!val.empty()) Record("Val", val);
        if (!text.empty()) {
            lines.emplace_back(text);
            Record("Text1", text);
        }
        if (bold) Record("CellBold", "1");
    }

    // The two halves of a merged ratio cell; the upper one holds the formula.
    void RatioCell(int col, int row, std::string_view formula) {
        Cell(col, row);
        Record("CellAlignment", "R");
        lines.emplace_back(formula);
        Record("Val", "\u2013");
        Merge(col, row, true);
    }
    void LowerHalf(int col, int row) {
        Cell(col, row + 1);
        Record("CellAlignment", "R");
        Merge(col, row, false);
    }

private:
    void Merge(int col, int top, bool base) {
        Record("CellFormat", "2");
        Record("Merged", "1");
        if (base) Record("Base", "1");
        Record("MergTop", std::to_string(top));
        Record("MergBottom", std::to_string(top + 1));
        Record("MergLeft", std::to_string(col));
        Record("MergRight", std::to_string(col));
    }
};

std::vector<std::string> BuildBlock(int year) {
    BlockBuilder b;
    b.Record("GridName", sheets::kAfWskazniki);
    b.Record("Columns", std::to_string(std::size(kWidths)));
    b.Record("Rows", std::to_string(kRows));
    b.Record("ColWidths", List(std::begin(kWidths), std::end(kWidths)));
    int heights[kRows];
    for (int r = 0; r < kRows; ++r) heights[r] = r == 0 ? 1 : (r == 38 || r == 43 || r == 45) ? 36 : 20;
    b.Record("RowHeights", List(std::begin(heights), std::end(heights)));
    b.Record("MinColWidths", List(std::begin(kMinWidths), std::end(kMinWidths)));
    b.Record("MaxColWidths", List(std::begin(kWidths), std::end(kWidths)));
    b.Record("RowsAdd", ")");
    b.Record("RowsDel", ")");

    b.Cell(2, 2);
    b.Record("Val", "Analizafinansowa-Wskaźniki");
    b.lines.emplace_back("Analiza finansowa - Wskaźniki");
    b.Record("Text1", "Analiza finansowa - Wskaźniki");
    b.Record("Text2", "Financial analysis - RATIOS");
    b.Record("CellBold", "1");

    for (int c = 3; c <= 7; ++c) b.Centred(c, 3, {}, {}, true);
    // The document's year and the year before: the headings agree with the
    // year from the moment the block is appended. Format 3 shows them as
    // written, in both languages, as the general-data dialog writes them.
    for (int c = 3; c <= 7; ++c) {
        const bool heading = c == 3 || c == 5;
        b.Centred(c, 4, {}, heading ? std::to_string(c == 3 ? year : year - 1) : "");
        if (heading) b.Record("CellFormat", "3");
        b.Record("CellBold", "1");
    }

    for (size_t i = 0; i < std::size(kRatios); ++i) {
        const Ratio& ratio = kRatios[i];
        const int top = kFirstBlockRow + 5 * static_cast<int>(i);
        const int formulaRow = top + 2;
        for (int r = top; r < top + 5; ++r) {
            if (r == top) b.Label(r, ratio.name1, ratio.name2, true);
            if (r == formulaRow) b.Label(r, ratio.numerator1, ratio.numerator2, false);
            if (r == formulaRow + 1) b.Label(r, ratio.denominator1, ratio.denominator2, false);
            for (int c = 3; c <= 7; ++c) {
                const bool ratioColumn = c == 3 || c == 5 || (c == 7 && !ratio.thirdYear.empty());
                if (ratioColumn && r == formulaRow) {
                    b.RatioCell(c, r,
                                c == 3   ? std::string(ratio.formula)
                                : c == 5 ? PreviousYear(ratio.formula)
                                         : std::string(ratio.thirdYear));
                } else if (ratioColumn && r == formulaRow + 1) {
                    b.LowerHalf(c, formulaRow);
                } else {
                    b.Centred(c, r, c == 7 && r == formulaRow ? "-" : "");
                }
            }
        }
    }
    b.Label(kNoteRow, "*) bez \"z tytułu dostaw i usług powyżej 12 miesięcy\"",
            "*) excluding \"trade receivables due in more than 12 months\"", false);
    return b.lines;
}

}  // namespace

std::vector<std::string> RatioSheetBlockLines(int year) { return BuildBlock(year); }

}  // namespace spf
