// The grid every sheet is shown and edited in.
//
// Usage (the main window):
//   spf::Document document(clock);                  // owns the workbook, announces its changes
//   spf::ViewContext context(document);             // one per window: timer, options, edit state
//   context.setRecalculate([&](spf::SheetView& v) { ... recalculate v's sheet ... });
//   auto* view = new spf::SheetView(context, sheetIndex, page);
//   context.setActiveView(view);                   // when its page is shown
//   connect(view, &spf::SheetView::documentChanged, ...);  // clear Saved
//   connect(view, &spf::SheetView::colWidthsChanged, ...); // optional: user resized a column
//   document.announce({spf::ChangeKind::Look, sheetIndex}); // after changing the model from outside
//   view->setCurrentCell(4, 12); view->scrollToCell(4, 12);
//   spf::FitWindow(*view) on resize and navigation; spf::Dopasuj / spf::CalcHeights in sheet_fit.h.
//   view->commitEdit() before saving or printing, so a text still in the editor is stored.
// The view paints from the model only and keeps no copy of cell texts; it
// holds its sheet by index, so sheets added to the workbook leave it valid,
// and it writes the model only for what the user does in it.
#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

#include "workbench/core/document_change.h"
#include "workbench/core/enter_walk.h"
#include "workbench/core/merged_block.h"
#include "workbench/view/grid_look.h"
#include "workbench/view/sheet_geometry.h"
#include "workbench/view/view_context.h"

class QTimer;

namespace spf {

struct TSheet;
class Grid;
class CellHint;
class Document;
class EditSession;

class SheetView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Shows the sheet at that index of the context's document.
    SheetView(ViewContext& context, int sheetIndex, QWidget* parent = nullptr);
    ~SheetView() override;

    ViewContext& context() const { return context_; }
    Document& document() const;
    int sheetIndex() const { return sheetIndex_; }
    TSheet& sheet() const;
    Grid& grid() const;
    GridLook& look() { return look_; }
    const GridLook& look() const { return look_; }

    // The model changed (texts, sizes, rows): re-reads sizes and repaints.
    void refresh();
    // Tells every view of the document what this view's sheet went through.
    void announce(ChangeKinds kinds);

    // Current cell (column, row) and the selection rectangle (inclusive).
    QPoint currentCell() const { return current_; }
    void setCurrentCell(int col, int row);
    QRect selection() const { return selection_; }
    void setSelection(const QRect& cells);
    // Top-left scrollable cell shown (first column and row after the headers).
    QPoint topLeftCell() const { return geometry_.firstScrolled(); }
    void scrollToCell(int col, int row);
    // Column and row under a viewport point, -1 outside.
    QPoint cellAt(const QPoint& viewportPos) const { return geometry_.cellAt(viewportPos); }
    // The rectangle of a cell in viewport coordinates (exclusive right/bottom
    // at right()+1), and the box of its merged block.
    QRect cellRect(int col, int row) const { return geometry_.cellRect(col, row); }
    QRect cellBox(int col, int row) const;

    // Writing a width raises colWidthsChanged (the model's ColWidths hold the widths).
    void setColWidth(int col, int width);
    void setRowHeight(int row, int height);

    // Row operations of the grid control: the model's rows move with the
    // view's row records, the current row follows its content.
    // Inserts an empty row before `row` (at least 1); rows below move down.
    void insertRow(int row);
    // Removes a normal row; refused while only one normal row exists.
    bool deleteRow(int row);
    // The model's grid gained or lost a row by other code: the view's row
    // records and the current cell follow. Announcing the rows through the
    // document does this for every view of the sheet.
    void followRowInserted(int row);
    void followRowDeleted(int row);
    // One line per row of the area: for each cell a space, its text, the separator; CR LF ends a line.
    QString areaText(const QRect& cells, QChar separator) const;
    void copyAreaToClipboard(const QRect& cells, QChar separator) const;

    // Grid-wide switches.
    bool drawSelection = false;
    bool rangeSelection = true;  // mouse drags and Shift extend the selection
    bool showCellHints = true;
    bool autoEditNextCell = true;
    T_nextcell nextCellEdit = T_nextcell::nc_downright;
    T_lastcell afterLastCellEdit = T_lastcell::lc_stop;
    void setEditing(bool on);  // editing with the always-visible editor
    bool editing() const { return editing_; }
    void setDrawSelection(bool on);
    bool cellEditable(int col, int row) const;

    // The ratio sheets have their own drawing.
    bool ratioDrawing() const { return ratioDrawing_; }

    // Editor access, for the window and the tests.
    bool editorOpen() const;
    QRect editorGeometry() const;
    QString editorText() const;
    // Ends the edit in progress, reporting the text; the editor stays open on
    // editable cells. The window calls it before saving, printing or switching language.
    void commitEdit();

    // The next cell after (col, row) in the Enter order that accepts typing
    // (a cell of a merged block stands for the block), or (-1, -1).
    QPoint nextEditableCell(int col, int row) const;
    QPoint nextEditableCell(int col, int row, T_nextcell order, T_lastcell last) const;

signals:
    // A cell edit ended with a text different from the starting one.
    void documentChanged(int col, int row);
    void currentCellChanged(int col, int row);
    void colWidthsChanged();
    // Mouse feedback: the row commands become available (mouse over rows 2+ of columns 1+).
    void rowCommandsAvailable();
    // Row menu over a row marker.
    void addRowRequested(int row);
    void deleteRowRequested(int row);
    // Left button released over a cell; `hand` tells whether the hand cursor showed.
    void cellReleased(int col, int row, bool hand);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void followDocument(const DocumentChange& change);
    void rebuildGeometry();
    void updateScrollBars();
    void stepCurrent(int dcol, int drow, bool extend);
    void moveCurrent(int col, int row, bool extend);
    void editorEnter();
    void editorNavigate(int key, Qt::KeyboardModifiers modifiers);
    // Tab and Shift+Tab: the next or previous editable cell along the rows.
    void tabToEditableCell(bool forward);
    void editedCell(int col, int row);
    void showHint();
    void showRowMenu(int row, const QPoint& globalPos);
    void updateHint(const QPoint& viewportPos);

    ViewContext& context_;
    int sheetIndex_;
    GridLook look_;
    SheetGeometry geometry_;
    bool ratioDrawing_ = false;
    bool editing_ = true;
    QPoint current_{2, 2};
    QPoint anchor_{2, 2};
    QRect selection_{2, 2, 1, 1};
    EditSession* session_ = nullptr;
    QPoint walkFrom_{-1, -1};  // where Enter last landed, inside a merged block
    CellHint* hint_ = nullptr;
    QPoint hintCell_{-1, -1};
    QTimer* hintTimer_ = nullptr;
    bool handCursor_ = false;
    int resizingCol_ = -1;
    int resizingRow_ = -1;
    int resizeStart_ = 0;
    int resizeStartSize_ = 0;
    bool selecting_ = false;
    class QMenu* rowMenu_ = nullptr;
    int menuRow_ = -1;
};

}  // namespace spf
