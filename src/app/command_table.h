// The main menu and the tool bar: captions, shortcuts, hints and which of
// them need an open document. Behaviour is connected by the main window.
#pragma once

#include <string>
#include <utility>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace spf {

struct CommandTable {
    // Menus enabled only while a document is open, hidden ones included.
    std::vector<QMenu*> documentMenus;
    // Items and tool buttons of always-enabled menus that need a document.
    std::vector<QAction*> documentActions;

    QAction* nowy = nullptr;
    QAction* otworz = nullptr;
    QAction* zapisz = nullptr;
    QAction* zapiszJako = nullptr;
    QAction* eksportuj = nullptr;
    QAction* drukuj = nullptr;
    QAction* zamknij = nullptr;
    QAction* zakoncz = nullptr;

    QAction* cofnij = nullptr;
    QAction* kopiujArkusz = nullptr;
    QAction* pokazPowiazania = nullptr;
    QAction* odblokuj = nullptr;
    QAction* edytujFormule = nullptr;
    QAction* edycjaFormul = nullptr;
    QAction* formatowanie = nullptr;

    QAction* opcje = nullptr;
    QAction* daneOgolne = nullptr;
    QAction* jezyk = nullptr;

    QAction* wyborNot = nullptr;
    // The jump commands of "Sprawozdanie finansowe" and "Analiza finansowa".
    std::vector<std::pair<QAction*, std::string>> jumps;
    QAction* standardoweSprawozdanie = nullptr;
    QAction* noweNaPodstawie = nullptr;
    QAction* analizaUstawienia = nullptr;

    QAction* spisTresci = nullptr;
    QAction* objasnienia = nullptr;
    QAction* oProgramie = nullptr;
    QAction* informacjeONorvel = nullptr;

    // Tool buttons that are separate from their menu items.
    QAction* toolOtworz = nullptr;
    QAction* toolZapisz = nullptr;
    QAction* toolCofnij = nullptr;
    QAction* toolDrukuj = nullptr;
    QAction* toolDaneOgolne = nullptr;
    QAction* toolSkasujWiersz = nullptr;
    QAction* toolDodajWiersz = nullptr;
    QAction* toolStandardowe = nullptr;
    QAction* toolPokaz = nullptr;
    QAction* toolEdytuj = nullptr;
    QAction* toolOdblokuj = nullptr;
};

// Builds the menu bar and the tool bar of the window.
CommandTable BuildCommandTable(QMainWindow& window, QToolBar& toolBar);

}  // namespace spf
