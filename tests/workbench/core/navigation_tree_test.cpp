// The shape of the navigation tree: groups, captions, the nodes that unused
// notes are linked to, and the names the catalogue does not know.
#include "workbench/core/navigation_tree.h"

#include <gtest/gtest.h>

#include "catalogue_fixture.h"
#include "test_sheets.h"
#include "workbench/core/note_visibility.h"
#include "workbench/core/sheet_catalogue.h"

namespace spf {
namespace {

using testing::CatalogueWorkbook;
using testing::SelectNote;

TEST(SheetCatalogue, TitlesAndGroups) {
    const struct {
        const char* name;
        SheetKind kind;
        const char* title;
    } cases[] = {
        {"RZiS_p", SheetKind::Statement, "Rachunek zysków i strat - wariant porównawczy"},
        {"Pasywa_kw", SheetKind::Statement, "Pasywa_kw"},
        {"Noty_d_zm", SheetKind::Statement, "Noty do zmian w kapitale własnym"},
        {"Wykaz_not", SheetKind::NotesList, "Wykaz_not"},
        {"NOTA_07", SheetKind::Note, "NOTA_07"},
        {"AF_Wskazniki", SheetKind::Analysis, "Analiza finansowa - Wskaźniki"},
        {"af_wskazniki", SheetKind::Analysis, "af_wskazniki"},  // titles compare exactly
        {"AF_EWskazniki", SheetKind::Analysis, "AF_EWskazniki"},
        {"Dodatkowy", SheetKind::Statement, "Dodatkowy"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClassifySheet(c.name), c.kind) << c.name;
        EXPECT_EQ(SheetTitle(c.name), c.title) << c.name;
    }
    EXPECT_EQ(NoteSheetNames().size(), 40u);
    EXPECT_EQ(NoteSheetNames()[13], "nota_12");
}

TEST(NavigationTree, CatalogueOrderPutsTheNotesListAtPositionTwelve) {
    Workbook workbook = CatalogueWorkbook();
    UpdateNoteVisibility(workbook);
    const NavigationTree tree = BuildNavigationTree(workbook);
    ASSERT_EQ(tree.nodes.size(), 1u + 3u + 53u);
    EXPECT_EQ(tree.nodes[0].caption, "Sprawozdanie finansowe");
    EXPECT_EQ(tree.nodes[1].caption, "Druki sprawozdania finansowego");
    EXPECT_EQ(tree.nodes[2].caption, "Rachunek zysków i strat - wariant porównawczy");
    EXPECT_EQ(tree.nodes[11].caption, "Noty");
    EXPECT_EQ(tree.nodes[12].caption, "Wykaz_not");
    EXPECT_EQ(tree.nodes[12].sheetIndex, 9);
    EXPECT_EQ(tree.nodes[13].caption, "Nota 1");
    EXPECT_EQ(tree.nodes[53].caption, "Analiza finansowa");
    EXPECT_EQ(tree.nodes[56].caption, "Analiza finansowa - Wskaźniki");
    for (size_t i = 0; i < workbook.Sheets.size(); ++i)
        EXPECT_TRUE(tree.HasOwnNode(static_cast<int>(i))) << i;
    EXPECT_EQ(tree.FindCaption("nota 12"), 13 + 13);
}

TEST(NavigationTree, UnusedNotesHaveNoNodeAndLinkToThePreviousOne) {
    Workbook workbook = CatalogueWorkbook();
    SelectNote(workbook, "nota_02", false);
    SelectNote(workbook, "nota_01", false);
    SelectNote(workbook, "nota_01a", false);
    UpdateNoteVisibility(workbook);
    const NavigationTree tree = BuildNavigationTree(workbook);
    const int list = workbook.FindSheet("Wykaz_not");
    const int first = workbook.FindSheet("nota_01");
    const int second = workbook.FindSheet("nota_02");
    EXPECT_FALSE(tree.HasOwnNode(first));
    EXPECT_FALSE(tree.HasOwnNode(second));
    // Linked to the last node added before them: the notes list.
    EXPECT_EQ(tree.sheetNode[static_cast<size_t>(second)], tree.sheetNode[static_cast<size_t>(list)]);
    EXPECT_EQ(tree.nodes[13].caption, "Nota 1");  // nota_03 is now note 1
    EXPECT_EQ(tree.nodes[13].sheetIndex, workbook.FindSheet("nota_03"));
}

TEST(NavigationTree, UnknownSheetIsAStatementFormAndAnalysisSheetsNeedUse) {
    Workbook workbook = CatalogueWorkbook({"AF_RZiS"});
    test::AddSheet(workbook, "Dodatkowy", 0, 0);
    workbook.Sheets[static_cast<size_t>(workbook.FindSheet("AF_Bilans"))].Used = false;
    UpdateNoteVisibility(workbook);
    const NavigationTree tree = BuildNavigationTree(workbook);
    const int extraNode = tree.sheetNode.back();
    EXPECT_TRUE(tree.HasOwnNode(static_cast<int>(workbook.Sheets.size()) - 1));
    EXPECT_EQ(tree.nodes[static_cast<size_t>(extraNode)].caption, "Dodatkowy");
    EXPECT_EQ(tree.nodes[static_cast<size_t>(extraNode)].parent, 1);
    EXPECT_FALSE(tree.HasOwnNode(workbook.FindSheet("AF_Bilans")));
    EXPECT_EQ(tree.FindCaption("Analiza finansowa - Bilans"), -1);
}

TEST(NavigationTree, EmptyWorkbookHasOnlyRootAndGroups) {
    const NavigationTree tree = BuildNavigationTree(Workbook{});
    EXPECT_EQ(tree.nodes.size(), 4u);
    EXPECT_TRUE(tree.sheetNode.empty());
    EXPECT_FALSE(tree.HasOwnNode(0));
    EXPECT_FALSE(tree.HasOwnNode(-1));
}

}  // namespace
}  // namespace spf
