// "Eksportuj do Excela" in the real main window offscreen: the options and
// sheet-selection dialogs answered by the test, the file read back.
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/command_table.h"
#include "app/document_lifecycle.h"
#include "app/sheet_selection_dialog.h"
#include "app_harness.h"
#include "zip_entries.h"

using spf::MainWindow;
using spf::testing::ClearSettings;
using spf::testing::TestBed;

namespace {

const QString kFailed =
    QStringLiteral("Podczas eksportu wystąpił błąd lub proces został przerwany przez użytkownika.");

std::unique_ptr<MainWindow> OpenedWindow(TestBed& bed) {
    QSettings(QStringLiteral("Tamsor"), QStringLiteral("Kolbex"))
        .setValue(QStringLiteral("BegInfo"), QStringLiteral("No"));
    auto w = bed.Window({bed.WriteStatement(QStringLiteral("firma.spf"))});
    w->RunStartupChoice();
    // The start-up forgets the name, as a document from the command line is
    // saved under a name of the user's choice; the export proposes from it.
    w->document().SetFileName(QDir(bed.DocumentsDir()).filePath(QStringLiteral("firma.spf")));
    return w;
}

template <typename T>
T* Child(QObject* parent, const char* name) {
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child) qFatal("no %s", name);
    return child;
}

// Runs `answer` on the named dialog as soon as it shows.
void WhenShown(MainWindow& w, const char* name, std::function<void(QDialog&)> answer) {
    QTimer::singleShot(0, &w, [&w, name, answer] { answer(*Child<QDialog>(&w, name)); });
}

void Press(QDialog& dialog, const char* button) { Child<QPushButton>(&dialog, button)->click(); }

// In the sheet list: ticks exactly the items whose sheets are named.
void TickOnly(QDialog& list, const QStringList& sheets) {
    Press(list, "untickAll");
    auto* items = Child<QListWidget>(&list, "ListBox1");
    for (int row = 0; row < items->count(); ++row)
        if (sheets.contains(items->item(row)->data(Qt::UserRole).toString()))
            items->item(row)->setCheckState(Qt::Checked);
}

// The worksheet names of a written file, in the file's order.
QStringList WorksheetNames(const QString& path) {
    const auto entries = spf::test::ReadZipEntries(path.toStdString());
    const QString book = QString::fromStdString(entries.at("xl/workbook.xml"));
    QStringList names;
    for (const auto& m : QRegularExpression(QStringLiteral("<sheet name=\"([^\"]+)\"")).globalMatch(book))
        names << m.captured(1);
    return names;
}

QStringList UsedSheetNames(MainWindow& w) {
    QStringList names;
    for (const spf::TSheet& sheet : w.workbook().Sheets)
        if (sheet.Used && sheet.Grid) names << QString::fromStdString(sheet.GridName);
    return names;
}

}  // namespace

class ExportCommandTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ClearSettings(); }

    void everySheetIsWrittenAndOpened();
    void tickedSheetsOnlyAndTheDialogsMemory();
    void abandoningWritesNothing_data();
    void abandoningWritesNothing();
    void failuresAreReportedWithTheirReason();
};

void ExportCommandTest::everySheetIsWrittenAndOpened() {
    TestBed bed;
    auto w = OpenedWindow(bed);
    QCOMPARE(w->commands().eksportuj->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    const QString target = QDir(bed.DocumentsDir()).filePath(QStringLiteral("wynik.xlsx"));
    bed.prompts.spreadsheetNames = {target};
    WhenShown(*w, "TForm19", [](QDialog& d) {
        QVERIFY(Child<QRadioButton>(&d, "values")->isChecked());
        QVERIFY(Child<QRadioButton>(&d, "allSheets")->isChecked());
        Press(d, "btn1");
    });
    w->commands().eksportuj->trigger();
    QCOMPARE(bed.prompts.spreadsheetProposals,
             QStringList{QDir(bed.DocumentsDir()).filePath(QStringLiteral("firma.xlsx"))});
    QVERIFY2(bed.prompts.errors.isEmpty(), qPrintable(bed.prompts.errors.join(QLatin1Char('\n'))));
    QCOMPARE(bed.openedUrls, QList<QUrl>{QUrl::fromLocalFile(target)});
    QCOMPARE(WorksheetNames(target), UsedSheetNames(*w));
    QVERIFY(bed.prompts.informations.isEmpty());
}

void ExportCommandTest::tickedSheetsOnlyAndTheDialogsMemory() {
    TestBed bed;
    auto w = OpenedWindow(bed);
    const QString first = QDir(bed.DocumentsDir()).filePath(QStringLiteral("dwa.xlsx"));
    const QString second = QDir(bed.DocumentsDir()).filePath(QStringLiteral("wszystkie.xlsx"));
    bed.prompts.spreadsheetNames = {first, second};
    WhenShown(*w, "TForm19", [&w](QDialog& d) {
        Child<QRadioButton>(&d, "formulas")->click();
        // The list opens at once; ticked in the opposite order, kept in workbook order.
        WhenShown(*w, "TForm10", [](QDialog& list) {
            // A note is named with its title.
            const auto notes = Child<QListWidget>(&list, "ListBox1")
                                   ->findItems(QStringLiteral("Tytuł nota_01"), Qt::MatchEndsWith);
            QCOMPARE(notes.size(), 1);
            QCOMPARE(notes.front()->text(), QStringLiteral("Nota 1 Tytuł nota_01"));
            TickOnly(list, {QStringLiteral("Pasywa"), QStringLiteral("Aktywa")});
            list.accept();
        });
        Child<QRadioButton>(&d, "selectedSheets")->click();
        QVERIFY(Child<QRadioButton>(&d, "selectedSheets")->isChecked());
        Press(d, "btn1");
    });
    w->commands().eksportuj->trigger();
    QCOMPARE(WorksheetNames(first), (QStringList{QStringLiteral("Aktywa"), QStringLiteral("Pasywa")}));
    spf::SheetSelectionDialog& ticks = w->sheetSelection();
    QVERIFY(ticks.IsSheetChecked(w->workbook().FindSheet("Aktywa")));
    QVERIFY(!ticks.IsSheetChecked(w->workbook().FindSheet("RZiS_p")));
    QVERIFY(!ticks.IsSheetChecked(-1));

    // Next time: the formulas choice stays, the sheets are all again, and
    // the list shows the ticks kept.
    WhenShown(*w, "TForm19", [&w](QDialog& d) {
        QVERIFY(Child<QRadioButton>(&d, "formulas")->isChecked());
        QVERIFY(Child<QRadioButton>(&d, "allSheets")->isChecked());
        Press(d, "btn1");
    });
    w->commands().eksportuj->trigger();
    QCOMPARE(WorksheetNames(second), UsedSheetNames(*w));
    QVERIFY(ticks.IsSheetChecked(w->workbook().FindSheet("Pasywa")));
    QVERIFY(!ticks.IsSheetChecked(w->workbook().FindSheet("Pasywa_kw")));
    QVERIFY(bed.prompts.errors.isEmpty());
}

void ExportCommandTest::abandoningWritesNothing_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("information");
    QTest::newRow("options dialog") << QStringLiteral("Anuluj") << QString();
    QTest::newRow("save dialog") << QStringLiteral("save") << QString();
    // "Anuluj" in the list falls back to every sheet, so the save dialog abandons here.
    QTest::newRow("sheet list") << QStringLiteral("list") << QString();
    // An empty list would be read as every sheet by the writer.
    QTest::newRow("no sheet ticked") << QStringLiteral("none")
                                     << QStringLiteral("Nie zaznaczono żadnego arkusza do eksportu.");
}

void ExportCommandTest::abandoningWritesNothing() {
    QFETCH(QString, where);
    QFETCH(QString, information);
    TestBed bed;
    auto w = OpenedWindow(bed);
    const QString target = QDir(bed.DocumentsDir()).filePath(QStringLiteral("nic.xlsx"));
    if (where == QStringLiteral("none")) bed.prompts.spreadsheetNames = {target};
    WhenShown(*w, "TForm19", [&w, where](QDialog& d) {
        if (where == QStringLiteral("Anuluj")) return Press(d, "btn2");
        if (where == QStringLiteral("list") || where == QStringLiteral("none")) {
            WhenShown(*w, "TForm10", [where](QDialog& list) {
                TickOnly(list, {});
                if (where == QStringLiteral("list"))
                    list.reject();
                else
                    list.accept();
            });
            Child<QRadioButton>(&d, "selectedSheets")->click();
            QCOMPARE(Child<QRadioButton>(&d, "allSheets")->isChecked(), where == QStringLiteral("list"));
        }
        Press(d, "btn1");
    });
    w->commands().eksportuj->trigger();
    QVERIFY(!QFileInfo::exists(target));
    QVERIFY(bed.openedUrls.isEmpty());
    QVERIFY(bed.prompts.errors.isEmpty());
    QCOMPARE(bed.prompts.informations.join(QLatin1Char('\n')), information);
    // A list abandoned keeps the ticks it had.
    if (where == QStringLiteral("list")) QVERIFY(w->sheetSelection().IsSheetChecked(0));
    QCOMPARE(QDir(bed.DocumentsDir()).entryList({QStringLiteral("*.xlsx*")}, QDir::Files | QDir::Hidden),
             QStringList());
}

void ExportCommandTest::failuresAreReportedWithTheirReason() {
    TestBed bed;
    auto w = OpenedWindow(bed);
    auto exportTo = [&](const QString& path) {
        bed.prompts.spreadsheetNames = {path};
        WhenShown(*w, "TForm19", [](QDialog& d) { Press(d, "btn1"); });
        w->commands().eksportuj->trigger();
    };
    const QString unwritable = QDir(bed.DocumentsDir()).filePath(QStringLiteral("brak/wynik.xlsx"));
    exportTo(unwritable);
    QCOMPARE(bed.prompts.errors.size(), 1);
    QVERIFY2(bed.prompts.errors.front().startsWith(kFailed), qPrintable(bed.prompts.errors.front()));
    QVERIFY2(bed.prompts.errors.front().contains(unwritable), qPrintable(bed.prompts.errors.front()));
    QVERIFY(bed.openedUrls.isEmpty());

    // Written, but nothing on the desktop opens it: the user learns where it is.
    bed.desktopOpens = false;
    const QString written = QDir(bed.DocumentsDir()).filePath(QStringLiteral("wynik.xlsx"));
    exportTo(written);
    QVERIFY(QFileInfo::exists(written));
    QCOMPARE(bed.prompts.errors.size(), 1);
    QCOMPARE(bed.prompts.informations.size(), 1);
    QVERIFY2(bed.prompts.informations.front().contains(QDir::toNativeSeparators(written)),
             qPrintable(bed.prompts.informations.front()));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ExportCommandTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "export_command_test.moc"
