// Damaged documents are never taken for good ones: a file cut short, with a
// NUL inside or in another encoding is refused or read as what it is, and
// what could be read of a cut file is handed out only as such.
#include <gtest/gtest.h>

#include "model/file/document_rules.h"
#include "model/file/spf_reader.h"
#include "model/file/spf_writer.h"
#include "spf_test_support.h"

namespace spf {
namespace {

using namespace std::string_literals;

ReadResult ReadRaw(std::string_view bytes) {
    static const FixedClock clock(38000);
    ReadOptions options;
    options.clock = &clock;
    return ReadDocumentBytes(bytes, "cut.spf", options);
}

int CountOf(std::string_view text, std::string_view what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// Sheet blocks begun in a cut text: a GridName line counts when whole.
int SheetsBegun(std::string_view text) {
    const size_t lastLine = text.find_last_of("\r\n") + 1;
    const std::string_view last = text.substr(lastLine);
    return CountOf(text.substr(0, lastLine), "[GridName=") +
           (last.substr(0, 10) == "[GridName=" && last.ends_with(']') ? 1 : 0);
}

int LinesOf(std::string_view text) {
    int lines = CountOf(text, "\n");
    return text.empty() || text.back() == '\n' ? lines : lines + 1;
}

// The example cut every so many bytes: before its ratio sheet is named every
// cut is refused as ending early, with what was read offered apart; from there
// on nothing of the file is used, so every cut reads as the whole file.
TEST(DamagedFiles, EveryCutOfTheExampleEndsEarlyUnlessNothingWasLost) {
    const std::string full = test::ReadBytes(std::string(SPF_SOURCE_DIR) + "/examples/przyklad.spf");
    const std::string_view naming = "[GridName=AF_Wskazniki";
    const size_t ratioSheet = full.find(naming);
    ASSERT_NE(ratioSheet, std::string::npos);
    const size_t named = ratioSheet + naming.size();
    const std::string whole = WriteDocumentBytes(*ReadRaw(full).workbook);

    std::vector<size_t> cuts = {ratioSheet, named - 1, named, full.size() - 1};
    for (size_t cut = 2039; cut < full.size(); cut += 2039) cuts.push_back(cut);
    for (const size_t cut : cuts) {
        const std::string_view part = std::string_view(full).substr(0, cut);
        const ReadResult r = ReadRaw(part);
        if (cut >= named) {
            ASSERT_TRUE(r) << cut << ": " << r.error.Message();
            EXPECT_EQ(WriteDocumentBytes(*r.workbook), whole) << cut;
            continue;
        }
        ASSERT_FALSE(r) << cut;
        EXPECT_EQ(r.error.kind, ReadFailure::Truncated) << cut << ": " << r.error.reason;
        EXPECT_EQ(r.error.line, LinesOf(part)) << cut;
        const int sheets = SheetsBegun(part);
        EXPECT_EQ(r.error.reason, "the file ends early: " + std::to_string(sheets) + " of 53 sheets") << cut;
        // The part read: the sheets begun, then the built-in ratio sheet, and
        // fit to be saved under a new name and read again.
        ASSERT_TRUE(r.partial) << cut;
        const Workbook& wb = *r.partial;
        EXPECT_EQ(wb.Sheets.size(), static_cast<size_t>(sheets) + 1) << cut;
        EXPECT_EQ(wb.Sheets.back().GridName, "AF_Wskazniki");
        EXPECT_EQ(wb.Header.SheetsCount, static_cast<int>(wb.Sheets.size()));
        EXPECT_FALSE(UnwritableReason(wb)) << cut;
        EXPECT_TRUE(ReadRaw(WriteDocumentBytes(wb))) << cut;
    }
}

// A document without a ratio sheet of its own (older than that sheet, or
// written by hand) is cut where its last line has no end and is not a whole
// record; the cut line is not taken as text of the last cell.
TEST(DamagedFiles, ALastLineWithoutItsEndIsCutUnlessAWholeRecord) {
    const std::string head =
        "[FileVersion=130]\r\n[SheetsCount=1]\r\n[GridName=A]\r\n[Columns=4]\r\n[Rows=4]\r\n[Cell=(2,2)]\r\n";
    struct Case {
        const char* tail;
        bool cut;
    };
    const Case cases[] = {
        {"[Text1=Aktyw", true},     // a record cut short
        {"Aktywa trw", true},       // a cell text cut short
        {"=RANGE('A!B", true},      // a formula cut short
        {"[Text1=Aktywa]", false},  // whole, only its line end missing
        {"[Text1=Aktywa]\r\n", false}, {"Aktywa\r\n", false},
        {"Aktywa\r\n   ", false},  // trailing blanks lose nothing
    };
    for (const Case& c : cases) {
        const ReadResult r = ReadRaw(head + c.tail);
        EXPECT_EQ(!r, c.cut) << c.tail << ": " << r.error.reason;
        if (!c.cut) continue;
        EXPECT_EQ(r.error.kind, ReadFailure::Truncated);
        EXPECT_EQ(r.error.line, 7);
        EXPECT_EQ(r.error.reason, "the file ends early, inside its last line");
        ASSERT_TRUE(r.partial);
        const Cell& cell = r.partial->Sheets[0].Grid->At(2, 2);
        EXPECT_EQ(cell.Cells, "") << c.tail;
        EXPECT_EQ(cell.Props->Formula, "") << c.tail;
    }
}

TEST(DamagedFiles, SheetsTheFileHoldsAreCountedWhereverTheyStand) {
    const std::string sheet = ";\r\n[GridName=A]\r\n[Columns=3]\r\n[Rows=3]\r\n";
    // Blocks after the file's ratio sheet are dropped by design, yet present.
    const ReadResult after =
        ReadRaw("[SheetsCount=3]\r\n" + sheet + "[GridName=AF_Wskazniki]\r\n[GridName=B]\r\n[Columns=3]\r\n");
    ASSERT_TRUE(after) << after.error.Message();
    EXPECT_EQ(after.workbook->Sheets.size(), 2u);

    // A document older than the ratio sheet counts only its own sheets.
    EXPECT_TRUE(ReadRaw("[SheetsCount=1]\r\n" + sheet));

    const ReadResult short_ = ReadRaw("[SheetsCount=2]\r\n" + sheet);
    ASSERT_FALSE(short_);
    EXPECT_EQ(short_.error.Message(), "cut.spf:5: the file ends early: 1 of 2 sheets");
    ASSERT_TRUE(short_.partial);
    EXPECT_EQ(short_.partial->Sheets.size(), 2u);

    // A header that never reaches its sheets leaves nothing to offer.
    const ReadResult header = ReadRaw("[FileVersion=130]\r\n[Miasto=Pozna\xf1]\r\n");
    ASSERT_FALSE(header);
    EXPECT_EQ(header.error.Message(), "cut.spf:2: the file ends early, before its first sheet");
    EXPECT_EQ(header.error.kind, ReadFailure::Truncated);
    EXPECT_FALSE(header.partial);
}

// A merged block whose end was cut off is unmerged in the part read rather
// than refusing the whole; in a complete file it stays a fault.
TEST(DamagedFiles, AMergedBlockCutInHalfIsUnmergedInThePartRead) {
    const std::string doc =
        "[SheetsCount=2]\r\n[GridName=A]\r\n[Columns=4]\r\n[Rows=4]\r\n[Cell=(2,2)]\r\n"
        "[Merged=1]\r\n[MergTop=2]\r\n";
    const ReadResult r = ReadRaw(doc);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error.kind, ReadFailure::Truncated);
    ASSERT_TRUE(r.partial);
    EXPECT_FALSE(r.partial->Sheets[0].Grid->At(2, 2).Props->Merged);
    EXPECT_EQ(ReadRaw("[SheetsCount=1]" + doc.substr(15)).error.kind, ReadFailure::Malformed);
}

TEST(DamagedFiles, ANulByteIsRefusedAtItsLine) {
    const std::string doc = "[FileVersion=130]\r\n[SheetsCount=0]\r\n";
    // In the middle, at the end of a line, and a tail zeroed by a crash.
    for (const auto& [bytes, line] :
         {std::pair{doc + "[Firma=A\0B]\r\n"s, 3}, std::pair{doc + "\0"s, 3},
          std::pair{doc + "[Firma=A]\r\n" + std::string(4096, '\0'), 4}, std::pair{"\0"s + doc, 1}}) {
        const ReadResult r = ReadRaw(bytes);
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error.line, line);
        EXPECT_EQ(r.error.reason, "a NUL byte, which no statement document holds");
    }
}

// Windows-1250 is what the program writes; UTF-8 from another editor is read
// as UTF-8, with or without its byte-order mark.
TEST(DamagedFiles, AFileInUtf8IsReadAsUtf8) {
    const std::string head = "[FileVersion=130]\r\n[SheetsCount=0]\r\n";
    for (const std::string& bytes : {head + "[Miasto=Pozna\xf1]\r\n", head + "[Miasto=Pozna\xc5\x84]\r\n",
                                     "\xef\xbb\xbf" + head + "[Miasto=Pozna\xc5\x84]\r\n"}) {
        const ReadResult r = ReadRaw(bytes);
        ASSERT_TRUE(r) << r.error.Message();
        EXPECT_EQ(r.workbook->Header.Miasto, "Poznań");
        // Saving writes the program's own code page.
        EXPECT_NE(WriteDocumentBytes(*r.workbook).find("[Miasto=Pozna\xf1]\r\n"), std::string::npos);
    }
    // A mark without the encoding it promises is refused rather than guessed.
    const ReadResult marked = ReadRaw("\xef\xbb\xbf" + head + "[Miasto=Pozna\xf1]\r\n");
    ASSERT_FALSE(marked);
    EXPECT_EQ(marked.error.Message(), "cut.spf:3: the file is marked as UTF-8 but is not UTF-8");

    const ReadResult fixture = ReadDocument(test::FixturePath("utf8.spf"));
    ASSERT_TRUE(fixture) << fixture.error.Message();
    const ReadResult marked_fixture = ReadDocument(test::FixturePath("utf8_bom.spf"));
    ASSERT_TRUE(marked_fixture) << marked_fixture.error.Message();
    for (const Workbook* wb : {&*fixture.workbook, &*marked_fixture.workbook}) {
        EXPECT_EQ(wb->Header.Firma, "Zakład „Ślęża”");
        const TCellProps& p = *wb->Sheets[0].Grid->At(2, 2).Props;
        EXPECT_EQ(p.Text1, "Aktywa trwałe");
        EXPECT_EQ(p.Text2, "Fixed assets →");
    }
}

TEST(DamagedFiles, TheFinancialYearStaysWithinFourDigits) {
    for (const auto& [year, good] :
         {std::pair{"1900", true}, std::pair{"9999", true}, std::pair{"1899", false},
          std::pair{"10000", false}, std::pair{"-2147483648", false}}) {
        const ReadResult r = ReadRaw(std::string("[SheetsCount=0]\r\n[RokBiezacy=") + year + "]\r\n");
        EXPECT_EQ(static_cast<bool>(r), good) << year;
        if (!good) {
            EXPECT_EQ(r.error.Message(),
                      std::string("cut.spf:2: RokBiezacy ") + year + " is outside 1900..9999");
        }
    }
}

}  // namespace
}  // namespace spf
