// Which notes are in use, their numbers, the labels, the note references of
// the statements and the notes list, over a workbook of the real catalogue.
#include "workbench/core/note_visibility.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <vector>

#include "catalogue_fixture.h"
#include "workbench/core/sheet_catalogue.h"

namespace spf {
namespace {

using testing::CatalogueWorkbook;
using testing::GridText;
using testing::SelectNote;

std::string Label(const Workbook& workbook, const std::string& note) {
    return workbook.Sheets[static_cast<size_t>(workbook.FindSheet(note))].NoteLabel;
}

TEST(NoteNumbering, EveryNoteSelectedNumbersOneToThirtyFive) {
    Workbook workbook = CatalogueWorkbook();
    UpdateNoteVisibility(workbook);
    std::vector<std::string> expected;
    for (int n = 1; n <= 35; ++n) {
        const std::string base = "Nota " + std::to_string(n);
        if (n == 11) {
            expected.push_back(base + "a");
            expected.push_back(base + "b");
            continue;
        }
        expected.push_back(base);
        if (n == 1 || n == 15 || n == 21 || n == 24) expected.push_back(base + "a");
    }
    std::vector<std::string> labels;
    for (const std::string& note : NoteSheetNames()) labels.push_back(Label(workbook, note));
    EXPECT_EQ(labels, expected);
    // The label reaches the note's own sheet and the notes list.
    EXPECT_EQ(GridText(workbook, "nota_24a", 2, 2), "Nota 24a");
    EXPECT_EQ(GridText(workbook, "Wykaz_not", 3, 4), "Nota 1");
    EXPECT_EQ(GridText(workbook, "Wykaz_not", 4, 4), "Tytuł nota_01");
    EXPECT_EQ(GridText(workbook, "Wykaz_not", 3, 42), "Nota 34");
}

struct NumberingCase {
    const char* name;
    std::vector<const char*> deselected;
    std::vector<const char*> missing;
    std::map<std::string, std::string> labels;
};

// Test listings name the case instead of dumping its bytes.
void PrintTo(const NumberingCase& c, std::ostream* os) { *os << c.name; }

class NoteNumberingCases : public ::testing::TestWithParam<NumberingCase> {};

TEST_P(NoteNumberingCases, Labels) {
    const NumberingCase& c = GetParam();
    Workbook workbook = [&] {
        if (c.missing.empty()) return CatalogueWorkbook();
        if (c.missing.size() == 1) return CatalogueWorkbook({c.missing[0]});
        return CatalogueWorkbook({c.missing[0], c.missing[1]});
    }();
    for (const char* note : c.deselected) SelectNote(workbook, note, false);
    UpdateNoteVisibility(workbook);
    for (const auto& [note, label] : c.labels) EXPECT_EQ(Label(workbook, note), label) << note;
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, NoteNumberingCases,
    ::testing::Values(
        // Every later note moves one lower; the unused note keeps the number reached.
        NumberingCase{"second_note_off",
                      {"nota_02"},
                      {},
                      {{"nota_02", "Nota 1"},
                       {"nota_03", "Nota 2"},
                       {"nota_11a", "Nota 10a"},
                       {"nota_11b", "Nota 10b"},
                       {"nota_35", "Nota 34"}}},
        NumberingCase{"only_partner_of_first_pair",
                      {"nota_01"},
                      {},
                      {{"nota_01", "Nota 1"}, {"nota_01a", "Nota 1"}, {"nota_02", "Nota 2"}}},
        NumberingCase{"first_pair_unused",
                      {"nota_01", "nota_01a"},
                      {},
                      {{"nota_01", "Nota 1"}, {"nota_02", "Nota 1"}, {"nota_35", "Nota 34"}}},
        NumberingCase{"second_of_11_alone",
                      {"nota_11a"},
                      {},
                      {{"nota_11a", "Nota 11"}, {"nota_11b", "Nota 11"}, {"nota_12", "Nota 12"}}},
        NumberingCase{"first_of_15_alone",
                      {"nota_15a"},
                      {},
                      {{"nota_15", "Nota 15"}, {"nota_15a", "Nota 15"}, {"nota_16", "Nota 16"}}},
        NumberingCase{"pair_21_unused",
                      {"nota_21", "nota_21a"},
                      {},
                      {{"nota_22", "Nota 21"}, {"nota_24a", "Nota 23a"}}},
        NumberingCase{"without_15a_and_24a",
                      {},
                      {"nota_15a", "nota_24a"},
                      {{"nota_15", "Nota 15"},
                       {"nota_16", "Nota 16"},
                       {"nota_24", "Nota 24"},
                       {"nota_25", "Nota 25"},
                       {"nota_35", "Nota 35"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NoteVisibility, DeselectedNoteLeavesUseAndItsListRowBlank) {
    Workbook workbook = CatalogueWorkbook();
    UpdateNoteVisibility(workbook);
    ASSERT_EQ(GridText(workbook, "Wykaz_not", 3, 6), "Nota 2");
    SelectNote(workbook, "nota_02", false);
    UpdateNoteVisibility(workbook);
    EXPECT_FALSE(workbook.Sheets[static_cast<size_t>(workbook.FindSheet("nota_02"))].Used);
    EXPECT_EQ(GridText(workbook, "Wykaz_not", 3, 6), "");
    EXPECT_EQ(GridText(workbook, "Wykaz_not", 4, 6), "Tytuł nota_02");  // the title stays
    EXPECT_EQ(GridText(workbook, "Wykaz_not", 3, 7), "Nota 2");         // nota_03 moved up
    EXPECT_TRUE(workbook.Sheets[static_cast<size_t>(workbook.FindSheet("nota_35"))].Used);
}

TEST(NoteVisibility, NotesListRowsFollowTheSheetRunOfAnOlderDocument) {
    // Without nota_15a the run of listed sheets is one shorter, so the row
    // after nota_15's describes nota_16.
    Workbook workbook = CatalogueWorkbook({"nota_15a"});
    const int row15 = kNotesListFirstRow + workbook.FindSheet("nota_15") - workbook.FindSheet("nota_01");
    SelectNote(workbook, "nota_16", false);
    UpdateNoteVisibility(workbook);
    EXPECT_EQ(GridText(workbook, "Wykaz_not", 3, row15), "Nota 15");
    EXPECT_EQ(GridText(workbook, "Wykaz_not", 3, row15 + 1), "");
    EXPECT_FALSE(workbook.Sheets[static_cast<size_t>(workbook.FindSheet("nota_16"))].Used);
}

TEST(NoteVisibility, WithoutNotesListTheNotesStayInUse) {
    Workbook workbook = CatalogueWorkbook({"Wykaz_not"});
    UpdateNoteVisibility(workbook);
    EXPECT_TRUE(workbook.Sheets[static_cast<size_t>(workbook.FindSheet("nota_02"))].Used);
    EXPECT_EQ(Label(workbook, "nota_35"), "Nota 35");
}

struct ReferenceCase {
    const char* sheet;
    int row;
    const char* allSelected;
    const char* afterDeselectingNota02And16;
};

TEST(NoteReferences, StatementsShowTheNumbersOfNotesInUse) {
    const std::vector<ReferenceCase> cases{
        {"RZiS_p", 5, "1", "1"},       {"RZiS_k", 5, "1", "1"},       {"RZiS_p", 11, "3", "2"},
        {"Przeplywy_mp", 8, "3", "2"}, {"RZiS_k", 17, "4", "3"},      {"RZiS_p", 50, "10", "9"},
        {"Aktywa", 23, "15", "14"},    {"Aktywa", 42, "16", ""},      {"Aktywa", 38, "20", "18"},
        {"Aktywa", 78, "20", "18"},    {"Pasywa", 50, "20", "18"},    {"Pasywa_kw", 16, "21", "19"},
        {"Pasywa", 31, "24", "22"},    {"Pasywa_kw", 31, "24", "22"}, {"Przeplywy_mp", 10, "28", "26"},
    };
    Workbook workbook = CatalogueWorkbook();
    UpdateNoteVisibility(workbook);
    for (const auto& c : cases)
        EXPECT_EQ(GridText(workbook, c.sheet, 3, c.row), c.allSelected) << c.sheet << c.row;
    SelectNote(workbook, "nota_02", false);
    SelectNote(workbook, "nota_16", false);
    UpdateNoteVisibility(workbook);
    for (const auto& c : cases)
        EXPECT_EQ(GridText(workbook, c.sheet, 3, c.row), c.afterDeselectingNota02And16) << c.sheet << c.row;
}

TEST(NoteReferences, FollowTheFirstNoteOfAPairOnly) {
    Workbook workbook = CatalogueWorkbook();
    SelectNote(workbook, "nota_01", false);
    UpdateNoteVisibility(workbook);
    EXPECT_EQ(GridText(workbook, "RZiS_p", 3, 5), "");
    EXPECT_EQ(Label(workbook, "nota_01a"), "Nota 1");
    // The language texts are left alone: the reference is a grid text only.
    EXPECT_EQ(workbook.FindGrid("RZiS_p")->At(3, 11).Props->Text1, "");
}

TEST(NotesListClicks, SelectionBoxesToggleAndOnlyActiveCellsAct) {
    Workbook workbook = CatalogueWorkbook();
    Grid& list = *workbook.FindGrid("Wykaz_not");
    EXPECT_TRUE(IsNotesListActiveCell(list, 2, 5));
    EXPECT_TRUE(IsNotesListActiveCell(list, 4, 5));
    EXPECT_FALSE(IsNotesListActiveCell(list, 2, 2));  // no box
    EXPECT_FALSE(ToggleNoteSelection(list, 3, 5));    // beside the box
    EXPECT_FALSE(ToggleNoteSelection(list, 2, 2));
    ASSERT_TRUE(ToggleNoteSelection(list, 2, 5));
    EXPECT_EQ(list.At(2, 5).Props->NoteSel, kNoteNotSelected);
    EXPECT_TRUE(IsNotesListActiveCell(list, 2, 5));   // the box still acts
    EXPECT_FALSE(IsNotesListActiveCell(list, 4, 5));  // the row of an unselected note does not
    ASSERT_TRUE(ToggleNoteSelection(list, 2, 5));
    EXPECT_EQ(list.At(2, 5).Props->NoteSel, kNoteSelected);
    EXPECT_FALSE(ToggleNoteSelection(list, 2, 500));  // outside the grid
    list.At(3, 5).Cells = "  Nota 2 ";
    EXPECT_EQ(NotesListRowLabel(list, 5), "Nota 2");
}

}  // namespace
}  // namespace spf
