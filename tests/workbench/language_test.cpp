// The statement in either language: placeholders, the switch and its caption,
// and the editor following the language.
#include <QTest>

#include "view_fixture.h"
#include "view_test_support.h"
#include "workbench/view/cell_painter.h"
#include "workbench/view/language_switch.h"

using namespace spf;
using namespace spf::test;

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void placeholdersInBothLanguages_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<bool>("otherPeriod");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("year");
        QTest::newRow("Polish") << 0 << false << "Bilans na dzień 31 grudnia 2004"
                                << "Rok obrotowy 2004";
        QTest::newRow("English") << 1 << false << "Balance sheet as at 31 December 2004"
                                 << "Financial year 2004";
        QTest::newRow("other period") << 0 << true << "Bilans na dzień 1.07.2004-30.06.2005"
                                      << "Rok obrotowy 1.07.2004-30.06.2005";
    }
    void placeholdersInBothLanguages() {
        QFETCH(int, lang);
        QFETCH(bool, otherPeriod);
        QFETCH(QString, title);
        QFETCH(QString, year);
        Workbook book = MakeFixtureBook();
        book.LangID = lang;
        book.General.OkresInnyNizRok = otherPeriod;
        book.General.OkresBiezacy = "1.07.2004-30.06.2005";
        const Grid& g = *book.Sheets[0].Grid;
        ViewHarness harness(std::move(book));
        SheetView& view = harness.show("Bilans_t");
        const CellPainter painter(harness.workbook, g, view.look());
        QCOMPARE(painter.shownText(2, 2), title);
        QCOMPARE(painter.shownText(2, 3), year);
    }

    void switchShowsTheOtherTextsAndNamesTheNextLanguage() {
        ViewHarness harness(MakeFixtureBook());
        Workbook& book = harness.workbook;
        SheetView& view = harness.show("Bilans_t");
        Grid& g = view.grid();
        SetFormula(g, 3, 6, "=1", 0);
        g.At(3, 6).Props->Val = "1";
        const CellPainter painter(book, g, view.look());
        QCOMPARE(LanguageCommandCaption(book.LangID), QStringLiteral("Język angielski"));
        QCOMPARE(ToggleLanguage(harness.document, {&view}), QStringLiteral("Język polski"));
        QCOMPARE(painter.shownText(2, 5), QStringLiteral("A. Fixed assets"));
        QCOMPARE(painter.shownText(4, 5), QStringLiteral("0,00"));  // amounts do not change
        QCOMPARE(painter.shownText(3, 6), QStringLiteral("1"));     // nor formula results
        g.At(2, 6).Props->Text2.clear();
        QCOMPARE(painter.shownText(2, 6), QString());  // no fall-back to the Polish text
        QCOMPARE(ToggleLanguage(harness.document, {&view}), QStringLiteral("Język angielski"));
        QCOMPARE(painter.shownText(2, 5), QStringLiteral("A. Aktywa trwałe"));
    }

    void switchEndsTheEditInItsLanguageAndReopensInTheOther() {
        ViewHarness harness(MakeFixtureBook());
        SheetView& view = harness.show("Bilans_t");
        Grid& g = view.grid();
        SetText(g, 2, 11, "Uwagi", "Remarks");
        view.refresh();
        Focus(view);
        view.setCurrentCell(2, 11);
        QCOMPARE(Editor(view)->toPlainText(), QStringLiteral("Uwagi"));
        Editor(view)->selectAll();
        Editor(view)->insertPlainText(QStringLiteral("Uwagi zarządu"));
        ToggleLanguage(harness.document, {&view});
        QCOMPARE(Utf8(g.At(2, 11).Props->Text1), QStringLiteral("Uwagi zarządu"));
        QCOMPARE(Utf8(g.At(2, 11).Props->Text2), QStringLiteral("Remarks"));
        QCOMPARE(Editor(view)->toPlainText(), QStringLiteral("Remarks"));
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
