// What the sheet grids of one window share: the cell-entry side (workbook,
// edit start text, "Przeliczaj formuły automatycznie"), the other options of
// the running program, the recalculation timer and the flags of the fitting
// routines.
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "workbench/core/cell_entry.h"

class QTimer;

namespace spf {

class Document;
class SheetView;

class ViewContext : public QObject, public CellEntryHost {
    Q_OBJECT
public:
    explicit ViewContext(Document& document, QObject* parent = nullptr);

    Document& document() const { return document_; }

    // "Automatycznie dopasuj szerokości kolumn".
    bool autoFitColumns = true;
    // "Edycja formuł": headers shown 20 pixels wide.
    bool formulaEditing = false;

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
    // One-shot 10 ms timer.
    void startRecalcTimer() override;
    bool recalcPending() const;
    // Runs what the timer runs, now.
    void recalculateActiveNow();

    void notifyUndoAvailable() override { emit undoAvailable(); }
    void notifyNotAnAmount() override { emit notAnAmount(); }

signals:
    void undoAvailable();
    // A text typed into an amount cell could not be read; the cell was emptied.
    void notAnAmount();
    // The active sheet was recalculated by the timer and repainted.
    void recalculated();

private:
    Document& document_;
    SheetView* active_ = nullptr;
    QTimer* timer_;
    std::function<void(SheetView&)> recalculate_;
};

}  // namespace spf
