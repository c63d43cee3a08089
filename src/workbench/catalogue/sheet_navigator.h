// Moving between the sheets: the navigation tree tv1, the page stack whose
// tabs are never shown, previous/next, jump commands, the clicks of the notes
// list and the visibility update that note selection starts.
//
// The page stack holds one page per sheet, in sheet order. Changing the page
// programmatically runs no handler; PageChanged is the handler the
// previous/next buttons run.
#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "workbench/core/navigation_tree.h"

class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace spf {

class Workbook;

// What navigation asks of the sheet views, the recalculation and the options.
class NavigationHooks {
public:
    virtual ~NavigationHooks() = default;
    virtual void WindowFit(int sheetIndex) = 0;
    virtual void CalcHeights(int sheetIndex) = 0;
    virtual void RecalculateSheet(int sheetIndex) = 0;
    virtual bool AutoRecalc() const = 0;
    // Texts of the workbook changed outside the views: repaint them.
    virtual void SheetTextsChanged() = 0;
    virtual void Trace(const std::string& line) = 0;
};

class SheetNavigator : public QObject {
    Q_OBJECT
public:
    SheetNavigator(Workbook& workbook, QTreeWidget* tree, QStackedWidget* pages, NavigationHooks& hooks,
                   QObject* parent = nullptr);

    void RefreshTV();
    void AktualizujWidoczne();
    void ChangeToSheet(const std::string& gridName);
    void PageChanged();
    void PreviousSheet();
    void NextSheet();
    // Selects the node of a sheet that has a node of its own.
    void SelectSheetNode(int sheetIndex);
    // The tree's text is cleared with the document.
    void Clear();

    // A release of the left mouse button over a cell of the notes list.
    void NotesListReleased(int col, int row);

    bool NotesSelectionChanged() const { return notesSelectionChanged_; }
    int ActiveSheet() const;
    const NavigationTree& Tree() const { return layout_; }
    // The sheet shown by the selected node, -1 for the root, a group or none.
    int SelectedSheet() const;

signals:
    // A note was selected or deselected: the document changed.
    void NoteSelectionToggled();

private:
    void TreeChanged(QTreeWidgetItem* current);
    void FitRowsIfWidthChanged(int sheetIndex);
    void RecalculateIfAuto(int sheetIndex);
    void SelectNode(int node);

    Workbook& workbook_;
    QTreeWidget* tree_;
    QStackedWidget* pages_;
    NavigationHooks& hooks_;
    NavigationTree layout_;
    std::vector<QTreeWidgetItem*> items_;  // display order
    bool notesSelectionChanged_ = false;
    bool treeEventsSuspended_ = false;
};

}  // namespace spf
