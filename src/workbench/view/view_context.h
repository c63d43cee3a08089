// What the sheet grids of one window share: the workbook, the options of the
// running program, the edit start text, the recalculation timer and the
// flags of the fitting routines.
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "formula/cell_entry.h"

class QTimer;

namespace spf {

class Workbook;
class SheetView;

class ViewContext : public QObject {
    Q_OBJECT
public:
    explicit ViewContext(Workbook& workbook, QObject* parent = nullptr);

    Workbook& workbook() const { return workbook_; }

    // "Przeliczaj formuły automatycznie" and "Automatycznie dopasuj szerokości kolumn".
    bool autoRecalc = true;
    bool autoFitColumns = true;
    // "Edycja formuł": headers shown 20 pixels wide.
    bool formulaEditing = false;

    // Cell entry, with the text the editor started with (one for the window).
    CellEntry& cellEntry() { return cellEntry_; }

    // Set while the column fit runs (width changes are not handled) and while
    // the row-height fit runs (cells are not drawn).
    bool fitRunning = false;
    bool heightsRunning = false;
    // The first visits of these two sheets always fit their columns.
    bool rzisFirstFitDone = false;
    bool wykazFirstFitDone = false;

    // The sheet the user sees; the timer recalculates it.
    SheetView* activeView() const { return active_; }
    void setActiveView(SheetView* view) { active_ = view; }

    // How the active sheet is recalculated (the formula engine's sheet
    // recalculation by default). Failures are ignored by the timer.
    void setRecalculate(std::function<void(SheetView&)> recalculate);
    // One-shot 10 ms timer; a pending start does not queue a second run.
    void startRecalcTimer();
    bool recalcPending() const;
    // Runs what the timer runs, now.
    void recalculateActiveNow();

    // An edit changed a cell and appended an undo record: "Cofnij" becomes available.
    void notifyUndoAvailable() { emit undoAvailable(); }

signals:
    void undoAvailable();
    // The active sheet was recalculated by the timer and repainted.
    void recalculated();

private:
    Workbook& workbook_;
    CellEntry cellEntry_;
    SheetView* active_ = nullptr;
    QTimer* timer_;
    std::function<void(SheetView&)> recalculate_;
};

}  // namespace spf
