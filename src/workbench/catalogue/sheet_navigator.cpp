#include "workbench/catalogue/sheet_navigator.h"

#include <QApplication>
#include <QStackedWidget>
#include <QTreeWidget>
#include <algorithm>

#include "model/workbook.h"
#include "workbench/core/note_visibility.h"
#include "workbench/core/sheet_catalogue.h"

namespace spf {

namespace {

constexpr int kNotesListNodePosition = 12;
// Row heights are fitted again once the grid is this much wider than at the last fit.
constexpr int kWidthTolerance = 20;
// Sheets up to this page index are recalculated twice when shown from the tree.
constexpr int kLastTwiceRecalculatedPage = 10;

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

SheetNavigator::SheetNavigator(Workbook& workbook, QTreeWidget* tree, QStackedWidget* pages,
                               NavigationHooks& hooks, QObject* parent)
    : QObject(parent), workbook_(workbook), tree_(tree), pages_(pages), hooks_(hooks) {
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (!treeEventsSuspended_ && current) TreeChanged(current);
    });
}

void SheetNavigator::RefreshTV() {
    layout_ = BuildNavigationTree(workbook_);
    treeEventsSuspended_ = true;
    tree_->clear();
    items_.clear();
    for (const NavigationNode& node : layout_.nodes) {
        QTreeWidgetItem* item = node.parent < 0
                                    ? new QTreeWidgetItem(tree_)
                                    : new QTreeWidgetItem(items_[static_cast<size_t>(node.parent)]);
        item->setText(0, QString::fromStdString(node.caption));
        item->setData(0, Qt::UserRole, node.sheetIndex);
        items_.push_back(item);
    }
    tree_->expandAll();
    treeEventsSuspended_ = false;
    if (!layout_.sheetNode.empty()) SelectNode(layout_.sheetNode.front());
}

void SheetNavigator::Clear() {
    treeEventsSuspended_ = true;
    tree_->clear();
    items_.clear();
    layout_ = NavigationTree{};
    notesSelectionChanged_ = false;
    treeEventsSuspended_ = false;
}

void SheetNavigator::AktualizujWidoczne() {
    notesSelectionChanged_ = false;
    UpdateNoteVisibility(workbook_);
    bool rebuild = false;
    const int pages = std::min(pages_->count(), static_cast<int>(workbook_.Sheets.size()));
    for (int i = 0; i < pages; ++i) {
        QWidget* page = pages_->widget(i);
        const bool used = workbook_.Sheets[static_cast<size_t>(i)].Used;
        if (page->isEnabled() != used) {
            page->setEnabled(used);
            rebuild = true;
        }
    }
    if (rebuild) {
        const bool pagesVisible = pages_->isVisible();
        const bool treeVisible = tree_->isVisible();
        pages_->setVisible(false);
        tree_->setVisible(false);
        RefreshTV();
        pages_->setVisible(pagesVisible);
        tree_->setVisible(treeVisible);
    }
    hooks_.SheetTextsChanged();
    SelectNode(kNotesListNodePosition);
}

void SheetNavigator::ChangeToSheet(const std::string& gridName) {
    SelectSheetNode(workbook_.FindSheet(gridName));
}

void SheetNavigator::SelectSheetNode(int sheetIndex) {
    if (layout_.HasOwnNode(sheetIndex)) SelectNode(layout_.sheetNode[static_cast<size_t>(sheetIndex)]);
}

void SheetNavigator::SelectNode(int node) {
    if (node < 0 || node >= static_cast<int>(items_.size())) return;
    tree_->setCurrentItem(items_[static_cast<size_t>(node)]);
}

int SheetNavigator::ActiveSheet() const { return pages_->currentIndex(); }

int SheetNavigator::SelectedSheet() const {
    const QTreeWidgetItem* item = tree_->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

void SheetNavigator::TreeChanged(QTreeWidgetItem* current) {
    hooks_.Trace("tvChg(1):");
    const int sheet = current->data(0, Qt::UserRole).toInt();
    if (current->parent() && current->parent()->parent() && sheet >= 0 && sheet < pages_->count())
        pages_->setCurrentIndex(sheet);
    const int active = ActiveSheet();
    if (active < 0 || active >= static_cast<int>(workbook_.Sheets.size())) return;
    hooks_.Trace("tvChg(2):");
    hooks_.WindowFit(active);
    hooks_.Trace("tvChg(3):");
    FitRowsIfWidthChanged(active);
    hooks_.Trace("tvChg(4):");
    if (hooks_.AutoRecalc()) {
        hooks_.RecalculateSheet(active);
        if (active <= kLastTwiceRecalculatedPage) hooks_.RecalculateSheet(active);
    }
    hooks_.Trace("tvChg(5):");
    if (!notesSelectionChanged_) return;
    {
        WaitCursor wait;
        AktualizujWidoczne();
    }
    // The visibility update ends on the notes list; the user asked for
    // another sheet, so go on to it while it is still listed.
    if (active != ActiveSheet() && layout_.HasOwnNode(active)) SelectSheetNode(active);
}

void SheetNavigator::FitRowsIfWidthChanged(int sheetIndex) {
    TSheet& sheet = workbook_.Sheets[static_cast<size_t>(sheetIndex)];
    const int width = pages_->widget(sheetIndex)->width();
    if (width >= sheet.FittedWidth && width <= sheet.FittedWidth + kWidthTolerance) return;
    hooks_.CalcHeights(sheetIndex);
    sheet.FittedWidth = width;
}

void SheetNavigator::RecalculateIfAuto(int sheetIndex) {
    if (hooks_.AutoRecalc()) hooks_.RecalculateSheet(sheetIndex);
}

void SheetNavigator::PageChanged() {
    const int active = ActiveSheet();
    if (active < 0 || active >= static_cast<int>(workbook_.Sheets.size())) return;
    hooks_.Trace("PgCtrChng:");
    hooks_.Trace("PgCtrChng:" + workbook_.Sheets[static_cast<size_t>(active)].GridName);
    if (active < static_cast<int>(layout_.sheetNode.size()))
        SelectNode(layout_.sheetNode[static_cast<size_t>(active)]);
    FitRowsIfWidthChanged(active);
    RecalculateIfAuto(active);
}

void SheetNavigator::PreviousSheet() {
    const int index = pages_->currentIndex();
    if (index <= 0) return;
    pages_->setCurrentIndex(index - 1);
    PageChanged();
}

void SheetNavigator::NextSheet() {
    const int index = pages_->currentIndex();
    if (index < 0 || index >= pages_->count() - 1) return;
    pages_->setCurrentIndex(index + 1);
    PageChanged();
}

void SheetNavigator::NotesListReleased(int col, int row) {
    Grid* list = workbook_.FindGrid(std::string(kNotesListName));
    if (!list || !IsNotesListActiveCell(*list, col, row)) return;
    if (col == kSelectionColumn) {
        if (!ToggleNoteSelection(*list, col, row)) return;
        notesSelectionChanged_ = true;
        hooks_.SheetTextsChanged();
        emit NoteSelectionToggled();
        return;
    }
    if (col > kSelectionColumn) {
        const int node = layout_.FindCaption(NotesListRowLabel(*list, row));
        if (node >= 0) SelectNode(node);
    }
}

}  // namespace spf
