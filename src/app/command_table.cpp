#include "app/command_table.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include "workbench/core/sheet_catalogue.h"

namespace spf {

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

QMenu* Menu(QMainWindow& window, const char* caption, const char* name) {
    QMenu* menu = window.menuBar()->addMenu(Text(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* Item(QMenu* menu, const char* caption, const char* name, QKeySequence shortcut = {}) {
    QAction* action = menu->addAction(Text(caption));
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    return action;
}

// Items that exist for preparing the template; never offered.
void HiddenItems(QMenu* menu, std::initializer_list<const char*> captions) {
    for (const char* caption : captions) menu->addAction(Text(caption))->setVisible(false);
}

QAction* Tool(QToolBar& bar, const char* caption, const char* hint, const char* name,
              QStyle::StandardPixmap icon) {
    QAction* action = bar.addAction(bar.style()->standardIcon(icon), Text(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(Text(hint));
    return action;
}

}  // namespace

CommandTable BuildCommandTable(QMainWindow& window, QToolBar& bar) {
    CommandTable t;

    QMenu* plik = Menu(window, "Plik", "menuPlik");
    t.nowy = Item(plik, "Nowy...", "actionNowy");
    t.otworz = Item(plik, "Otwórz...", "actionOtworz", QKeySequence(Qt::CTRL | Qt::Key_O));
    t.zapisz = Item(plik, "Zapisz", "actionZapisz", QKeySequence(Qt::CTRL | Qt::Key_S));
    t.zapiszJako = Item(plik, "Zapisz jako...", "actionZapiszJako");
    plik->addSeparator();
    t.eksportuj = Item(plik, "Eksportuj do Excela", "actionEksportuj", QKeySequence(Qt::CTRL | Qt::Key_E));
    t.drukuj = Item(plik, "Drukuj...", "actionDrukuj", QKeySequence(Qt::CTRL | Qt::Key_P));
    HiddenItems(plik, {"Opcje drukowania..."});
    plik->addSeparator();
    t.zamknij = Item(plik, "Zamknij", "actionZamknij");
    t.zakoncz = Item(plik, "Zakończ", "actionZakoncz", QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu* edycja = Menu(window, "Edycja", "menuEdycja");
    t.cofnij = Item(edycja, "Cofnij", "actionCofnij");
    t.kopiujArkusz = Item(edycja, "Kopiuj arkusz", "actionKopiujArkusz");
    edycja->addSeparator();
    t.pokazPowiazania = Item(edycja, "Pokaż powiązania komórki", "actionPokazPowiazania");
    t.odblokuj = Item(edycja, "Odblokuj komórkę do edycji", "actionOdblokuj");
    t.edytujFormule = Item(edycja, "Edytuj formułę", "actionEdytujFormule");
    t.edycjaFormul = Item(edycja, "Edycja formuł", "actionEdycjaFormul");
    edycja->addSeparator();
    t.formatowanie = Item(edycja, "Formatowanie...", "actionFormatowanie");

    QMenu* ustawienia = Menu(window, "Ustawienia", "menuUstawienia");
    t.opcje = Item(ustawienia, "Opcje", "actionOpcje");
    t.daneOgolne = Item(ustawienia, "Dane ogólne", "actionDaneOgolne");
    t.jezyk = Item(ustawienia, "Język angielski", "actionJezyk", QKeySequence(Qt::CTRL | Qt::Key_J));

    QMenu* robocze = Menu(window, "Robocze", "menuRobocze");
    HiddenItems(robocze, {"Przeformatuj", "CalcHeights", "Losowe", "Wyczysc", "Powiazania"});
    robocze->menuAction()->setVisible(false);
    QMenu* przelicz = Menu(window, "Przelicz", "menuPrzelicz");
    HiddenItems(przelicz, {"komórkę", "arkusz", "skoroszyt", "przelicz 4 razy skoroszyt"});
    przelicz->menuAction()->setVisible(false);

    QMenu* noty = Menu(window, "Noty", "menuNoty");
    t.wyborNot = Item(noty, "Wybór not", "actionWyborNot");

    QMenu* sprawozdanie = Menu(window, "Sprawozdanie finansowe", "menuSprawozdanie");
    for (const JumpCommand& jump : StatementJumpCommands())
        t.jumps.emplace_back(sprawozdanie->addAction(QString::fromStdString(jump.caption)), jump.gridName);
    sprawozdanie->addSeparator();
    HiddenItems(sprawozdanie, {"Sprawdź poprawność danych"});
    t.standardoweSprawozdanie = Item(sprawozdanie, "Standardowe sprawozdanie finansowe", "actionStandardowe");
    t.noweNaPodstawie = Item(sprawozdanie, "Nowe na podstawie ubiegłorocznego", "actionNoweNaPodstawie");

    QMenu* analiza = Menu(window, "Analiza finansowa", "menuAnaliza");
    for (const JumpCommand& jump : AnalysisJumpCommands())
        t.jumps.emplace_back(analiza->addAction(QString::fromStdString(jump.caption)), jump.gridName);
    HiddenItems(analiza, {"Bilans (ang.)", "Rachunek zysków i strat (ang.)", "Wskaźniki (ang.)"});
    analiza->addSeparator();
    t.analizaUstawienia = Item(analiza, "Ustawienia...", "actionAnalizaUstawienia");

    QMenu* pomoc = Menu(window, "Pomoc", "menuPomoc");
    t.spisTresci = Item(pomoc, "Spis treści", "actionSpisTresci");
    t.objasnienia = Item(pomoc, "Objaśnienia wstępne", "actionObjasnienia");
    t.oProgramie = Item(pomoc, "O programie...", "actionOProgramie");
    HiddenItems(pomoc, {"Informacje o Norvel..."});

    t.informacjeONorvel = window.menuBar()->addAction(Text("Informacje o Norvel"));
    t.informacjeONorvel->setObjectName(QStringLiteral("actionInformacjeONorvel"));

    t.documentMenus = {ustawienia, robocze, przelicz, noty, sprawozdanie, analiza};

    t.toolOtworz = Tool(bar, "Otwórz...", "Otwórz plik", "toolOtworz", QStyle::SP_DialogOpenButton);
    t.toolZapisz = Tool(bar, "Zapisz", "Zapisz", "toolZapisz", QStyle::SP_DialogSaveButton);
    bar.addSeparator();
    t.toolCofnij = Tool(bar, "Cofnij", "Cofnij", "toolCofnij", QStyle::SP_ArrowBack);
    bar.addSeparator();
    t.toolDrukuj = Tool(bar, "Drukuj...", "Drukuj...", "toolDrukuj", QStyle::SP_FileDialogContentsView);
    bar.addSeparator();
    t.toolDaneOgolne =
        Tool(bar, "Dane ogólne", "Dane ogólne", "toolDaneOgolne", QStyle::SP_FileDialogInfoView);
    bar.addSeparator();
    t.toolSkasujWiersz =
        Tool(bar, "Skasuj wiersz", "Skasuj wiersz", "toolSkasujWiersz", QStyle::SP_DialogDiscardButton);
    t.toolDodajWiersz =
        Tool(bar, "Dodaj wiersz", "Dodaj wiersz", "toolDodajWiersz", QStyle::SP_FileDialogNewFolder);
    bar.addSeparator();
    t.toolStandardowe = Tool(bar, "Standardowe sprawozdanie finansowe", "Standardowe sprawozdanie finansowe",
                             "toolStandardowe", QStyle::SP_FileIcon);
    bar.addSeparator();
    t.toolPokaz = Tool(bar, "Pokaż powiązania komórki", "Pokaż powiązania komórki", "toolPokaz",
                       QStyle::SP_FileDialogListView);
    t.toolEdytuj =
        Tool(bar, "Edytuj formuły", "Edytuj formułę", "toolEdytuj", QStyle::SP_FileDialogDetailedView);
    t.toolOdblokuj = Tool(bar, "Odblokuj formuły do edycji", "Odblokuj komórkę do edycji", "toolOdblokuj",
                          QStyle::SP_DialogResetButton);

    t.documentActions = {t.zapisz,     t.zapiszJako, t.eksportuj,     t.drukuj,
                         t.toolZapisz, t.toolDrukuj, t.toolDaneOgolne};
    return t;
}

}  // namespace spf
