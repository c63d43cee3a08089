// The real main window offscreen: start-up, the document's life with its
// questions, enabling, navigation and the note selection, the settings.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "app/about_window.h"
#include "app/command_table.h"
#include "app/document_lifecycle.h"
#include "app/help_window.h"
#include "app/intro_window.h"
#include "app/navigation_panel.h"
#include "app/progress_window.h"
#include "app/start_window.h"
#include "app_harness.h"
#include "model/file/spf_reader.h"
#include "workbench/core/note_visibility.h"
#include "workbench/view/sheet_view.h"

using spf::Answer;
using spf::MainWindow;
using spf::testing::ClearSettings;
using spf::testing::TestBed;

Q_DECLARE_METATYPE(spf::Answer)

namespace {

const QString kLastFile = QStringLiteral("LastFile");

QString Setting(const QString& key) {
    return QSettings(QStringLiteral("Tamsor"), QStringLiteral("Kolbex")).value(key).toString();
}
void SetSetting(const QString& key, const QString& value) {
    QSettings(QStringLiteral("Tamsor"), QStringLiteral("Kolbex")).setValue(key, value);
}

int SheetIndex(MainWindow& w, const char* name) { return w.workbook().FindSheet(name); }

QString SelectedCaption(MainWindow& w) {
    const QTreeWidgetItem* item = w.navigationPanel().tree()->currentItem();
    return item ? item->text(0) : QString();
}

// Loads a statement into the window as the start-up with a file argument does.
std::unique_ptr<MainWindow> OpenedWindow(TestBed& bed, const QString& name = QStringLiteral("firma.spf")) {
    SetSetting(QStringLiteral("BegInfo"), QStringLiteral("No"));
    auto w = bed.Window({bed.WriteStatement(name)});
    w->RunStartupChoice();
    return w;
}

// Row of the notes list that describes a note.
int ListRow(MainWindow& w, const char* note) {
    return spf::kNotesListFirstRow + SheetIndex(w, note) - SheetIndex(w, "nota_01");
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ClearSettings(); }

    void startsWithTheFileOfTheCommandLine();
    void firstActivationOffersTheStartWindow();
    void startWindowLastFile_data();
    void startWindowLastFile();
    void lastFileIsNotTheTemplate_data();
    void lastFileIsNotTheTemplate();
    void unreadableFileIsReportedAndNotRemembered();
    void fileEndingEarlyOpensOnlyAsANewDocument_data();
    void fileEndingEarlyOpensOnlyAsANewDocument();
    void unsavedChangesQuestion_data();
    void unsavedChangesQuestion();
    void windowCloseButtonAsksToo();
    void saveAsThenSaveWritesUnderTheName();
    void newDocumentFromTheTemplateAsksForAName();
    void menusFollowTheOpenDocument();
    void noteDeselectionAppliesAtTheNextNavigation();
    void notesListClickOpensTheNote();
    void jumpCommandsLandOnTheirSheets();
    void previousAndNextStepThroughEverySheet();
    void navigationPanelCollapsesAndOpens();
    void languageCommandSwitchesCaptionAndMarksChanged();
    void introductionIsOfferedUntilItsBoxIsClicked();
    void aboutIconSwitchesTheWorkLog();
    void shippedDocumentsOpenThroughTheDesktop();
    void optionsSurviveLoadingAsTheyShould();
    void unreadableAmountIsNotedInTheStatusBar();
};

void MainWindowTest::startsWithTheFileOfTheCommandLine() {
    TestBed bed;
    auto w = OpenedWindow(bed);
    const QString path = QDir(bed.DocumentsDir()).filePath(QStringLiteral("firma.spf"));
    QVERIFY(w->workbook().DocumentOpen);
    QVERIFY(w->workbook().Saved);
    QVERIFY(!w->startWindow().isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Sprawozdanie Finansowe - ") + path);
    QCOMPARE(Setting(kLastFile), path);
    // The first page shown is the notes list.
    QCOMPARE(w->pages()->currentIndex(), SheetIndex(*w, "Wykaz_not"));
    QCOMPARE(SelectedCaption(*w), QStringLiteral("Wykaz_not"));
    QCOMPARE(w->pages()->count(), static_cast<int>(w->workbook().Sheets.size()));
    // The progress window went through every sheet.
    QCOMPARE(w->progressWindow().FirstLine(), QStringLiteral("Otwieram plik: firma.spf"));
    QCOMPARE(w->progressWindow().Maximum(), static_cast<int>(w->workbook().Sheets.size()));
    QCOMPARE(w->progressWindow().Value(), w->progressWindow().Maximum());
    QVERIFY(w->progressWindow().SecondLine().startsWith(QStringLiteral("Arkusz: ")));
    QVERIFY(!w->progressWindow().isVisible());
    // Start-up forgets the name, so the first save asks for one, proposing the file.
    QVERIFY(!w->document().HasName());
    w->commands().zapisz->trigger();
    QCOMPARE(bed.prompts.saveProposals, QStringList{path});
}

void MainWindowTest::firstActivationOffersTheStartWindow() {
    TestBed bed;
    SetSetting(QStringLiteral("BegInfo"), QStringLiteral("No"));
    auto w = bed.Window();
    QTimer poll;
    connect(&poll, &QTimer::timeout, w.get(), [&] {
        if (w->startWindow().isVisible()) w->startWindow().Pick(spf::StartChoice::NewDocument);
    });
    poll.start(10);
    w->show();
    w->activateWindow();
    QTRY_VERIFY(w->StartupChoiceDone());
    QTRY_VERIFY(w->workbook().DocumentOpen);
    QCOMPARE(w->progressWindow().FirstLine(), QStringLiteral("Przygotowuję nowe sprawozdanie"));
    QVERIFY(w->workbook().FileName.empty());
    QVERIFY(Setting(kLastFile).isEmpty());
}

void MainWindowTest::startWindowLastFile_data() {
    QTest::addColumn<bool>("exists");
    QTest::newRow("existing file is loaded") << true;
    QTest::newRow("missing file asks with the open dialog") << false;
}

void MainWindowTest::startWindowLastFile() {
    QFETCH(bool, exists);
    TestBed bed;
    SetSetting(QStringLiteral("BegInfo"), QStringLiteral("No"));
    const QString path = exists ? bed.WriteStatement(QStringLiteral("ostatni.spf"))
                                : QDir(bed.DocumentsDir()).filePath(QStringLiteral("brak.spf"));
    SetSetting(kLastFile, path);
    auto w = bed.Window();
    QTimer::singleShot(0, w.get(), [&] { w->startWindow().Pick(spf::StartChoice::LastFile); });
    w->RunStartupChoice();
    QCOMPARE(w->workbook().DocumentOpen, exists);
    QCOMPARE(bed.prompts.openDialogs, exists ? 0 : 1);
}

void MainWindowTest::lastFileIsNotTheTemplate_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("remembered");
    QTest::newRow("ordinary") << QStringLiteral("firma.spf") << true;
    QTest::newRow("template name") << QStringLiteral("empty.spf") << false;
    QTest::newRow("name containing the template's") << QStringLiteral("my_empty.spf") << false;
}

void MainWindowTest::lastFileIsNotTheTemplate() {
    QFETCH(QString, name);
    QFETCH(bool, remembered);
    TestBed bed;
    auto w = OpenedWindow(bed, name);
    QVERIFY(w->workbook().DocumentOpen);
    QCOMPARE(Setting(kLastFile).isEmpty(), !remembered);
}

void MainWindowTest::unreadableFileIsReportedAndNotRemembered() {
    TestBed bed;
    SetSetting(kLastFile, QStringLiteral("/poprzedni.spf"));
    auto w = bed.Window({bed.WriteText(QStringLiteral("zly.spf"), "to nie jest sprawozdanie\r\n")});
    w->RunStartupChoice();
    QVERIFY(!w->workbook().DocumentOpen);
    QCOMPARE(bed.prompts.errors.size(), 1);
    QVERIFY(bed.prompts.errors.front().contains(QStringLiteral("zly.spf")));
    QCOMPARE(Setting(kLastFile), QStringLiteral("/poprzedni.spf"));
    QCOMPARE(w->pages()->count(), 0);
    QVERIFY(!w->commands().zapisz->isEnabled());
    QCOMPARE(w->windowTitle(), QStringLiteral("Sprawozdanie finansowe"));
}

void MainWindowTest::fileEndingEarlyOpensOnlyAsANewDocument_data() {
    QTest::addColumn<Answer>("answer");
    QTest::newRow("read part opened") << Answer::Yes;
    QTest::newRow("refused") << Answer::No;
}

void MainWindowTest::fileEndingEarlyOpensOnlyAsANewDocument() {
    QFETCH(Answer, answer);
    TestBed bed;
    SetSetting(kLastFile, QStringLiteral("/poprzedni.spf"));
    QFile whole(bed.WriteStatement(QStringLiteral("caly.spf")));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    QByteArray bytes = whole.readAll();
    bytes.truncate(bytes.indexOf('\n', bytes.size() / 2) + 1);  // whole sheets missing
    const QString damaged = bed.WriteText(QStringLiteral("uciety.spf"), bytes);
    bed.prompts.answers = {answer};
    auto w = bed.Window({damaged});
    w->RunStartupChoice();
    QCOMPARE(bed.prompts.questions.size(), 1);
    QVERIFY(bed.prompts.questions.front().contains(QStringLiteral("uciety.spf")));
    QCOMPARE(Setting(kLastFile), QStringLiteral("/poprzedni.spf"));
    if (answer == Answer::No) {
        QVERIFY(!w->workbook().DocumentOpen);
        QCOMPARE(w->pages()->count(), 0);
        return;
    }
    QVERIFY(w->workbook().DocumentOpen);
    QVERIFY(w->pages()->count() > 0);
    QVERIFY(!w->document().HasName());
    QVERIFY(!w->workbook().Saved);
    // Saving asks for a new name; the damaged file stays as it was.
    const QString target = QDir(bed.DocumentsDir()).filePath(QStringLiteral("odzyskany.spf"));
    bed.prompts.saveNames = {target};
    w->commands().zapisz->trigger();
    QCOMPARE(bed.prompts.saveProposals, QStringList{QString()});
    QVERIFY(QFileInfo::exists(target));
    QFile after(damaged);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), bytes);
}

void MainWindowTest::unsavedChangesQuestion_data() {
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("saveAs");  // what the save dialog returns
    QTest::addColumn<bool>("goesOn");     // the second file is opened
    QTest::addColumn<bool>("written");    // the first document reached a file
    QTest::newRow("yes, saved under a name") << Answer::Yes << QStringLiteral("zapisany.spf") << true << true;
    QTest::newRow("yes, save dialog cancelled") << Answer::Yes << QString() << false << false;
    QTest::newRow("yes, save failed")
        << Answer::Yes << QStringLiteral("brak/folderu/zapisany.spf") << false << false;
    QTest::newRow("no") << Answer::No << QString() << true << false;
    QTest::newRow("cancel") << Answer::Cancel << QString() << false << false;
}

void MainWindowTest::unsavedChangesQuestion() {
    QFETCH(Answer, answer);
    QFETCH(QString, saveAs);
    QFETCH(bool, goesOn);
    QFETCH(bool, written);
    TestBed bed;
    auto w = OpenedWindow(bed);
    const QString second = bed.WriteStatement(QStringLiteral("drugi.spf"));
    const QString target = saveAs.isEmpty() ? QString() : QDir(bed.DocumentsDir()).filePath(saveAs);
    w->navigator().NotesListReleased(spf::kSelectionColumn, ListRow(*w, "nota_02"));
    QVERIFY(!w->workbook().Saved);

    bed.prompts.answers = {answer};
    if (!target.isEmpty()) bed.prompts.saveNames = {target};
    bed.prompts.openNames = {second};
    w->commands().otworz->trigger();

    QCOMPARE(bed.prompts.questions, QStringList{QStringLiteral("Czy zapisać zmiany w pliku?")});
    QCOMPARE(QFileInfo::exists(target), written);
    QCOMPARE(bed.prompts.openDialogs, goesOn ? 1 : 0);
    QVERIFY(w->workbook().DocumentOpen);
    if (goesOn) {
        QCOMPARE(QString::fromStdString(w->workbook().FileName), second);
        QVERIFY(w->workbook().Saved);
    } else {
        // The document stays open with its change.
        QVERIFY(!w->workbook().Saved);
        QCOMPARE(w->workbook().FindGrid("Wykaz_not")->At(2, ListRow(*w, "nota_02")).Props->NoteSel,
                 spf::kNoteNotSelected);
    }
    if (saveAs.contains(QLatin1Char('/'))) QCOMPARE(bed.prompts.errors.size(), 1);
    if (written) {
        // What was written reads back with the change.
        const spf::ReadResult back = spf::ReadDocument(target.toStdString());
        QVERIFY(back);
        QCOMPARE(back.workbook->FindGrid("Wykaz_not")->At(2, ListRow(*w, "nota_02")).Props->NoteSel,
                 spf::kNoteNotSelected);
    }
}

void MainWindowTest::windowCloseButtonAsksToo() {
    TestBed bed;
    auto w = OpenedWindow(bed);
    w->show();
    w->ToggleLanguage();
    bed.prompts.answers = {Answer::Cancel};
    QVERIFY(!w->close());
    QVERIFY(w->isVisible());
    QVERIFY(w->workbook().DocumentOpen);
    bed.prompts.answers = {Answer::No};
    w->commands().zakoncz->trigger();
    QVERIFY(!w->isVisible());
    QVERIFY(!w->workbook().DocumentOpen);
    QCOMPARE(bed.prompts.questions.size(), 2);
    // "Zamknij" asks as well, rather than dropping the change.
    auto again = OpenedWindow(bed);
    again->ToggleLanguage();
    bed.prompts.answers = {Answer::Cancel};
    again->commands().zamknij->trigger();
    QVERIFY(again->workbook().DocumentOpen);
    QCOMPARE(bed.prompts.questions.size(), 3);
}

void MainWindowTest::saveAsThenSaveWritesUnderTheName() {
    TestBed bed;
    auto w = OpenedWindow(bed);
    const QString target = QDir(bed.DocumentsDir()).filePath(QStringLiteral("nowy.spf"));
    w->ToggleLanguage();
    bed.prompts.saveNames = {target};
    w->commands().zapiszJako->trigger();
    QVERIFY(QFileInfo::exists(target));
    QVERIFY(w->workbook().Saved);
    QCOMPARE(w->windowTitle(), QStringLiteral("Sprawozdanie Finansowe - ") + target);
    QVERIFY(w->document().HasName());
    // Now "Zapisz" writes without a dialog, and the question names the file.
    w->ToggleLanguage();
    w->commands().zapisz->trigger();
    QCOMPARE(bed.prompts.saveProposals.size(), 1);
    QVERIFY(w->workbook().Saved);
    w->ToggleLanguage();
    bed.prompts.answers = {Answer::Cancel};
    w->commands().nowy->trigger();
    QCOMPARE(bed.prompts.questions, QStringList{QStringLiteral("Czy zapisać zmiany w pliku nowy.spf?")});
    const spf::ReadResult back = spf::ReadDocument(target.toStdString());
    QVERIFY(back);
    QCOMPARE(back.workbook->LangID, 0);
}

void MainWindowTest::newDocumentFromTheTemplateAsksForAName() {
    TestBed bed;
    auto w = OpenedWindow(bed);
    w->commands().nowy->trigger();
    QVERIFY(w->workbook().DocumentOpen);
    QCOMPARE(QFileInfo(QString::fromStdString(w->workbook().FileName)).fileName(),
             QStringLiteral("empty.spf"));
    QVERIFY(!w->document().HasName());
    QVERIFY(w->document().SaveDialogName().isEmpty());
    w->commands().zapisz->trigger();
    QCOMPARE(bed.prompts.saveProposals, QStringList{QString()});
}

void MainWindowTest::menusFollowTheOpenDocument() {
    TestBed bed;
    SetSetting(QStringLiteral("BegInfo"), QStringLiteral("No"));
    auto w = bed.Window();
    const auto check = [&](bool open) {
        QCOMPARE(w->workbook().DocumentOpen, open);
        for (QMenu* menu : w->commands().documentMenus)
            QVERIFY2(menu->isEnabled() == open, qPrintable(menu->objectName()));
        QCOMPARE(w->commands().toolZapisz->isEnabled(), open);
        QCOMPARE(w->commands().toolDrukuj->isEnabled(), open);
        QCOMPARE(w->commands().toolDaneOgolne->isEnabled(), open);
        QCOMPARE(w->commands().zapisz->isEnabled(), open);
        QVERIFY(w->commands().otworz->isEnabled());
        QVERIFY(w->commands().toolOtworz->isEnabled());
        QVERIFY(w->commands().zakoncz->isEnabled());
    };
    check(false);
    QCOMPARE(w->findChild<QMenu*>(QStringLiteral("menuUstawienia"))->menuAction()->isEnabled(), false);
    w->document().SetFileName(bed.WriteStatement(QStringLiteral("a.spf")));
    QVERIFY(w->document().Load(QString::fromStdString(w->workbook().FileName)));
    check(true);
    // Hidden menus are not offered.
    QVERIFY(!w->findChild<QMenu*>(QStringLiteral("menuRobocze"))->menuAction()->isVisible());
    QVERIFY(!w->findChild<QMenu*>(QStringLiteral("menuPrzelicz"))->menuAction()->isVisible());
    w->commands().zamknij->trigger();
    check(false);
    QCOMPARE(w->pages()->count(), 0);
    QCOMPARE(w->navigationPanel().tree()->topLevelItemCount(), 0);
}

void MainWindowTest::noteDeselectionAppliesAtTheNextNavigation() {
    TestBed bed;
    auto w = OpenedWindow(bed);
    QTreeWidget* tree = w->navigationPanel().tree();
    const int nodes = static_cast<int>(w->navigator().Tree().nodes.size());
    const int second = SheetIndex(*w, "nota_02");
    QVERIFY(w->view(second)->isEnabled());

    w->navigator().NotesListReleased(spf::kSelectionColumn, ListRow(*w, "nota_02"));
    QVERIFY(w->navigator().NotesSelectionChanged());
    QVERIFY(!w->workbook().Saved);
    // Nothing else moves until the user navigates.
    QCOMPARE(static_cast<int>(w->navigator().Tree().nodes.size()), nodes);
    QCOMPARE(w->workbook().Sheets[static_cast<size_t>(SheetIndex(*w, "nota_03"))].NoteLabel,
             std::string("Nota 3"));

    w->commands().jumps[2].first->trigger();  // "Aktywa"
    QVERIFY(!w->navigator().NotesSelectionChanged());
    QCOMPARE(static_cast<int>(w->navigator().Tree().nodes.size()), nodes - 1);
    QVERIFY(tree->findItems(QStringLiteral("Nota 3"), Qt::MatchExactly | Qt::MatchRecursive).size() == 1);
    QCOMPARE(w->workbook().Sheets[static_cast<size_t>(SheetIndex(*w, "nota_03"))].NoteLabel,
             std::string("Nota 2"));
    QVERIFY(!w->view(second)->isEnabled());
    QCOMPARE(w->workbook().FindGrid("Aktywa")->At(3, 23).Cells, std::string("14"));  // nota_15 moved up
    // The user still lands where he asked to go.
    QCOMPARE(w->pages()->currentIndex(), SheetIndex(*w, "Aktywa"));
    QCOMPARE(SelectedCaption(*w), QStringLiteral("Aktywa"));
}

void MainWindowTest::notesListClickOpensTheNote() {
    TestBed bed;
    auto w = OpenedWindow(bed);
    w->navigator().NotesListReleased(4, ListRow(*w, "nota_07"));
    QCOMPARE(w->pages()->currentIndex(), SheetIndex(*w, "nota_07"));
    QCOMPARE(SelectedCaption(*w), QStringLiteral("Nota 7"));
    // The row of a note that is not selected opens nothing.
    w->navigator().ChangeToSheet("Wykaz_not");
    w->navigator().NotesListReleased(spf::kSelectionColumn, ListRow(*w, "nota_09"));
    w->navigator().NotesListReleased(4, ListRow(*w, "nota_09"));
    QCOMPARE(w->pages()->currentIndex(), SheetIndex(*w, "Wykaz_not"));
}

void MainWindowTest::jumpCommandsLandOnTheirSheets() {
    TestBed bed;
    auto w = OpenedWindow(bed);
    QCOMPARE(w->commands().jumps.size(), size_t{11});
    for (const auto& [action, name] : w->commands().jumps) {
        action->trigger();
        QCOMPARE(w->pages()->currentIndex(), w->workbook().FindSheet(name));
        QCOMPARE(w->navigator().SelectedSheet(), w->workbook().FindSheet(name));
    }
    w->commands().wyborNot->trigger();
    QCOMPARE(w->pages()->currentIndex(), SheetIndex(*w, "Wykaz_not"));
}

void MainWindowTest::previousAndNextStepThroughEverySheet() {
    TestBed bed;
    auto w = OpenedWindow(bed);
    QToolButton* next = w->navigationPanel().nextButton();
    QToolButton* previous = w->navigationPanel().previousButton();
    // A used note followed by one not in use: the page moves, the tree stays.
    w->navigator().NotesListReleased(spf::kSelectionColumn, ListRow(*w, "nota_05"));
    w->navigator().ChangeToSheet("nota_04");
    QCOMPARE(SelectedCaption(*w), QStringLiteral("Nota 4"));
    next->click();
    QCOMPARE(w->pages()->currentIndex(), SheetIndex(*w, "nota_05"));
    QVERIFY(!w->view(SheetIndex(*w, "nota_05"))->isEnabled());
    QCOMPARE(SelectedCaption(*w), QStringLiteral("Nota 4"));
    next->click();
    QCOMPARE(w->pages()->currentIndex(), SheetIndex(*w, "nota_06"));
    QCOMPARE(SelectedCaption(*w), QStringLiteral("Nota 5"));
    // The ends do nothing.
    const int last = w->pages()->count() - 1;
    w->pages()->setCurrentIndex(last);
    next->click();
    QCOMPARE(w->pages()->currentIndex(), last);
    w->commands().jumps[0].first->trigger();
    previous->click();
    QCOMPARE(w->pages()->currentIndex(), 0);
}

void MainWindowTest::navigationPanelCollapsesAndOpens() {
    TestBed bed;
    auto w = OpenedWindow(bed);
    w->show();
    spf::NavigationPanel& panel = w->navigationPanel();
    QToolButton* button = panel.collapseButton();
    QCOMPARE(button->text(), QStringLiteral("<<"));
    button->click();
    QCOMPARE(button->text(), QStringLiteral(">>"));
    QCOMPARE(panel.width(), spf::NavigationPanel::kCollapsedWidth);
    QVERIFY(!panel.tree()->isVisible());
    // Loading a document opens a collapsed panel.
    w->document().Load(bed.WriteStatement(QStringLiteral("b.spf")));
    QCOMPARE(button->text(), QStringLiteral("<<"));
    QVERIFY(panel.tree()->isVisible());
    QTRY_VERIFY(panel.width() > 30);
}

void MainWindowTest::languageCommandSwitchesCaptionAndMarksChanged() {
    TestBed bed;
    auto w = OpenedWindow(bed);
    QAction* language = w->commands().jezyk;
    QCOMPARE(language->text(), QStringLiteral("Język angielski"));
    QCOMPARE(language->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_J));
    language->trigger();
    QCOMPARE(w->workbook().LangID, 1);
    QCOMPARE(language->text(), QStringLiteral("Język polski"));
    QVERIFY(!w->workbook().Saved);
    language->trigger();
    QCOMPARE(w->workbook().LangID, 0);
    QCOMPARE(language->text(), QStringLiteral("Język angielski"));
}

void MainWindowTest::introductionIsOfferedUntilItsBoxIsClicked() {
    for (bool tickFirst : {true, false}) {
        ClearSettings();
        TestBed bed;
        {
            auto w = bed.Window({bed.WriteStatement(QStringLiteral("c.spf"))}, 20);
            bool shown = false;
            QTimer poll;
            connect(&poll, &QTimer::timeout, w.get(), [&] {
                if (!w->introWindow().isVisible()) return;
                shown = true;
                auto* box = w->introWindow().findChild<QCheckBox*>(QStringLiteral("dontShowAgain"));
                if (!tickFirst) box->setChecked(true);  // a click that unticks it
                box->click();
                w->introWindow().accept();
            });
            poll.start(10);
            w->RunStartupChoice();
            QTRY_VERIFY(shown);
        }
        QCOMPARE(Setting(QStringLiteral("BegInfo")), QStringLiteral("No"));
        auto again = bed.Window({bed.WriteStatement(QStringLiteral("d.spf"))}, 20);
        again->RunStartupChoice();
        QTest::qWait(100);
        QVERIFY(!again->introWindow().isVisible());
    }
}

void MainWindowTest::aboutIconSwitchesTheWorkLog() {
    TestBed bed;
    auto w = OpenedWindow(bed);
    spf::AboutWindow& about = w->aboutWindow();
    QVERIFY(!w->workLog().Monitoring());
    QTest::mouseDClick(about.findChild<QLabel*>(QStringLiteral("programIcon")), Qt::LeftButton);
    QVERIFY(w->workLog().Monitoring());
    const QString second = bed.WriteStatement(QStringLiteral("e.spf"));
    w->document().Load(second);
    about.ToggleMonitoring();
    QVERIFY(!w->workLog().Monitoring());
    QCOMPARE(bed.prompts.informations,
             (QStringList{QStringLiteral("Uruchomiono monitorowanie pracy programu"),
                          QStringLiteral("Zaprzestano monitorowania pracy programu")}));
    QFile log(QString::fromStdString(w->workLog().Path()));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    QVERIFY(text.startsWith(QStringLiteral("opnF:") + second + QLatin1Char('\n')));
    QVERIFY(text.contains(QStringLiteral("tvChg(1):")));
    const auto lines = static_cast<int>(w->workLog().Lines().size());
    w->navigator().ChangeToSheet("Aktywa");
    QCOMPARE(static_cast<int>(w->workLog().Lines().size()), lines);  // off: dropped
}

void MainWindowTest::shippedDocumentsOpenThroughTheDesktop() {
    TestBed bed;
    auto w = OpenedWindow(bed);
    w->commands().toolStandardowe->trigger();
    QCOMPARE(bed.openedUrls.size(), 1);
    const QString copy = bed.openedUrls.front().toLocalFile();
    QVERIFY(QFileInfo::exists(copy));
    QVERIFY(copy !=
            QDir(bed.ProgramDir()).filePath(QStringLiteral("Standardowe sprawozdanie finansowe.fodt")));
    QFile::remove(copy);
    w->commands().spisTresci->trigger();
    QVERIFY(bed.prompts.errors.isEmpty());
    QVERIFY(w->helpWindow().isVisible());
}

void MainWindowTest::optionsSurviveLoadingAsTheyShould() {
    TestBed bed;
    auto w = OpenedWindow(bed);
    QTimer::singleShot(0, w.get(), [&] {
        auto* dialog = w->findChild<QDialog*>(QStringLiteral("optionsDialog"));
        dialog->findChild<QCheckBox*>(QStringLiteral("autoRecalc"))->setChecked(false);
        dialog->findChild<QCheckBox*>(QStringLiteral("autoFitColumns"))->setChecked(false);
        dialog->accept();
    });
    w->commands().opcje->trigger();
    QVERIFY(!w->viewContext().autoRecalc);
    QVERIFY(!w->viewContext().autoFitColumns);
    // Loading switches the recalculation back on and keeps the fit as chosen.
    w->document().Load(bed.WriteStatement(QStringLiteral("f.spf")));
    QVERIFY(w->viewContext().autoRecalc);
    QVERIFY(!w->viewContext().autoFitColumns);
}

void MainWindowTest::unreadableAmountIsNotedInTheStatusBar() {
    TestBed bed;
    auto w = OpenedWindow(bed);
    w->navigator().ChangeToSheet(w->workbook().Sheets[0].GridName);
    spf::SheetView* view = w->view(w->pages()->currentIndex());
    QCOMPARE(view, w->view(0));
    spf::Grid& g = view->grid();
    for (int row : {3, 4}) {
        g.At(3, row).Edit = true;
        g.At(3, row).EnsureProps().CellFormat = 2;
    }
    view->refresh();
    w->show();
    QApplication::setActiveWindow(w.get());
    view->setFocus();
    auto type = [&](int row, const QString& text) {
        view->setCurrentCell(3, row);
        auto* editor = view->viewport()->findChild<QPlainTextEdit*>();
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    };
    // Enter leaves each cell for the one below, which ends its edit.
    type(3, QStringLiteral("12,5"));
    QCOMPARE(QString::fromStdString(g.At(3, 3).Cells), QStringLiteral("12,50"));
    QCOMPARE(w->statusBar()->currentMessage(), QString());
    type(3, QStringLiteral("sto"));
    QCOMPARE(QString::fromStdString(g.At(3, 3).Cells), QString());
    QVERIFY2(w->statusBar()->currentMessage().contains(QStringLiteral("nie jest kwotą")),
             qPrintable(w->statusBar()->currentMessage()));
    QVERIFY2(bed.prompts.errors.isEmpty() && bed.prompts.informations.isEmpty(), "no message box");
}

int main(int argc, char** argv) {
    // The settings of the tests stay out of the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
