#include "workbench/view/sheet_view.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "model/sheet_names.h"
#include "model/workbook.h"
#include "workbench/document/document.h"
#include "workbench/view/cell_editor.h"
#include "workbench/view/cell_hint.h"
#include "workbench/view/edit_session.h"
#include "workbench/view/mouse_feedback.h"
#include "workbench/view/sheet_canvas.h"
#include "workbench/view/sheet_fit.h"

namespace spf {

namespace {

constexpr int kResizeGrip = 2;
constexpr int kHintDelayMs = 500;

bool IsRatioSheet(const std::string& name) {
    return name == sheets::kAfWskazniki || name == sheets::kAfEWskazniki;
}

}  // namespace

SheetView::SheetView(ViewContext& context, int sheetIndex, QWidget* parent)
    : QAbstractScrollArea(parent),
      context_(context),
      sheetIndex_(sheetIndex),
      look_(*context.document().workbook().Sheets.at(static_cast<size_t>(sheetIndex)).Grid) {
    look_.wordwrap = T_Wordwrap::ww_wordwrap;
    look_.editable = false;
    look_.column(0, true).align = TMyAlign::alCenter;
    look_.row(0, true).align = TMyAlign::alCenter;
    ratioDrawing_ = IsRatioSheet(sheet().GridName);
    setObjectName(QString::fromStdString(sheet().GridName));

    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::StyledPanel);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    session_ = new EditSession(*this);
    CellEditor& editor = session_->editor();
    connect(&editor, &CellEditor::enterPressed, this, &SheetView::editorEnter);
    connect(&editor, &CellEditor::navigationKey, this, &SheetView::editorNavigate);
    connect(&editor, &CellEditor::tabPressed, this, &SheetView::tabToEditableCell);
    connect(session_, &EditSession::cellChanged, this, &SheetView::editedCell);
    connect(&context.document(), &Document::changed, this, &SheetView::followDocument);
    hint_ = new CellHint(this);
    hintTimer_ = new QTimer(this);
    hintTimer_->setSingleShot(true);
    connect(hintTimer_, &QTimer::timeout, this, &SheetView::showHint);
    const Grid& g = grid();
    current_ = anchor_ = QPoint(std::min(1, g.Columns() - 1), std::min(1, g.Rows() - 1));
    selection_ = QRect(current_, current_);
    refresh();
}

SheetView::~SheetView() {
    // The editor goes first, while its focus handling can still reach this view.
    delete session_;
    session_ = nullptr;
}

Document& SheetView::document() const { return context_.document(); }
TSheet& SheetView::sheet() const { return document().workbook().Sheets.at(static_cast<size_t>(sheetIndex_)); }
Grid& SheetView::grid() const { return *sheet().Grid; }

// ---- geometry ---------------------------------------------------------------

void SheetView::rebuildGeometry() {
    geometry_.rebuild(grid(), look_.fixedCols, look_.fixedRows);
    geometry_.setFirstScrolled(geometry_.fixedCols() + horizontalScrollBar()->value(),
                               geometry_.fixedRows() + verticalScrollBar()->value());
}

QRect SheetView::cellBox(int col, int row) const {
    if (!geometry_.contains(col, row)) return {};
    return geometry_.blockRect(BlockOf(grid(), col, row));
}

void SheetView::updateScrollBars() {
    const QPoint last = geometry_.lastFirstScrolled(viewport()->size());
    horizontalScrollBar()->setRange(0, last.x() - geometry_.fixedCols());
    verticalScrollBar()->setRange(0, last.y() - geometry_.fixedRows());
    horizontalScrollBar()->setPageStep(std::max(1, geometry_.columns() / 4));
    verticalScrollBar()->setPageStep(
        std::max(1, viewport()->height() / std::max(1, grid().DefaultRowHeight)));
    geometry_.setFirstScrolled(geometry_.fixedCols() + horizontalScrollBar()->value(),
                               geometry_.fixedRows() + verticalScrollBar()->value());
}

void SheetView::scrollToCell(int col, int row) {
    if (!geometry_.contains(col, row)) return;
    const QSize size = viewport()->size();
    if (col >= geometry_.fixedCols())
        horizontalScrollBar()->setValue(geometry_.firstShowingCol(col, size.width()) - geometry_.fixedCols());
    if (row >= geometry_.fixedRows())
        verticalScrollBar()->setValue(geometry_.firstShowingRow(row, size.height()) - geometry_.fixedRows());
}

// ---- model changes ------------------------------------------------------------

void SheetView::refresh() {
    rebuildGeometry();
    const int maxCol = geometry_.columns() - 1, maxRow = geometry_.rows() - 1;
    current_.setX(std::clamp(current_.x(), std::min(look_.fixedCols, maxCol), std::max(0, maxCol)));
    current_.setY(std::clamp(current_.y(), std::min(look_.fixedRows, maxRow), std::max(0, maxRow)));
    selection_ = selection_.intersected(QRect(0, 0, geometry_.columns(), geometry_.rows()));
    if (selection_.isEmpty()) selection_ = QRect(current_, current_);
    updateScrollBars();
    setEnabled(sheet().Used);
    // An editor the user has not typed into shows the cell as it is now. One
    // without the keyboard closes instead: restarting it would take the
    // window's one edit start text away from the edit the user is in.
    if (session_->open() && !session_->modified()) {
        if (cellEditable(current_.x(), current_.y()) && session_->editor().hasFocus())
            session_->restart();
        else
            session_->close(false);
    }
    session_->place();
    viewport()->update();
}

void SheetView::announce(ChangeKinds kinds) { document().announce({kinds, sheetIndex_}); }

void SheetView::followDocument(const DocumentChange& change) {
    if (!change.concerns(sheetIndex_) || sheetIndex_ >= static_cast<int>(document().workbook().Sheets.size()))
        return;
    // Whatever else changed, the view re-reads sizes and shows the cells anew.
    if (change.kinds.has(ChangeKind::Rows) && change.rowDelta > 0)
        followRowInserted(change.row);
    else if (change.kinds.has(ChangeKind::Rows) && change.rowDelta < 0)
        followRowDeleted(change.row);
    else
        refresh();
}

void SheetView::editedCell(int col, int row) {
    announce(ChangeKind::Values);
    emit documentChanged(col, row);
}

void SheetView::setColWidth(int col, int width) {
    Grid& g = grid();
    if (col < 0 || col >= g.Columns()) return;
    g.ColWidths[static_cast<size_t>(col)] = std::max(0, width);
    announce(ChangeKind::Look);
    if (!context_.fitRunning) OnColWidthsChanged(*this);
    emit colWidthsChanged();
}

void SheetView::setRowHeight(int row, int height) {
    Grid& g = grid();
    if (row < 0 || row >= g.Rows()) return;
    g.RowHeights[static_cast<size_t>(row)] = std::max(0, height);
    announce(ChangeKind::Look);
}

void SheetView::insertRow(int row) {
    row = std::clamp(row, look_.fixedRows, grid().Rows());
    const bool reopen = editorOpen();
    session_->close(true);
    grid().InsertRow(row);
    document().announce({ChangeKind::Rows, sheetIndex_, row, +1});
    if (reopen) session_->openOnCurrent();
}

bool SheetView::deleteRow(int row) {
    const Grid& g = grid();
    if (row < look_.fixedRows || row >= g.Rows() || g.Rows() - look_.fixedRows <= 1) return false;
    const bool reopen = editorOpen();
    session_->close(true);
    grid().DeleteRow(row);
    document().announce({ChangeKind::Rows, sheetIndex_, row, -1});
    if (reopen) session_->openOnCurrent();
    return true;
}

void SheetView::followRowInserted(int row) {
    // An edit in progress belongs to its cell, wherever that row went.
    session_->shiftRow(row, +1);
    session_->close(true);
    look_.insertRow(row);
    if (current_.y() >= row) current_.ry() += 1;
    if (anchor_.y() >= row) anchor_.ry() += 1;
    selection_ = QRect(current_, current_);
    refresh();
}

void SheetView::followRowDeleted(int row) {
    session_->shiftRow(row, -1);
    session_->close(session_->cell().y() != row);
    look_.deleteRow(row);
    if (current_.y() > row) current_.ry() -= 1;
    if (anchor_.y() > row) anchor_.ry() -= 1;
    selection_ = QRect(current_, current_);
    refresh();
}

QString SheetView::areaText(const QRect& cells, QChar separator) const {
    const Grid& g = grid();
    const QRect area = cells.intersected(QRect(0, 0, g.Columns(), g.Rows()));
    QString out;
    for (int r = area.top(); r <= area.bottom(); ++r) {
        for (int c = area.left(); c <= area.right(); ++c) {
            out += QLatin1Char(' ');
            out += QString::fromStdString(g.At(c, r).Cells);
            out += separator;
        }
        out += QStringLiteral("\r\n");
    }
    return out;
}

void SheetView::copyAreaToClipboard(const QRect& cells, QChar separator) const {
    QApplication::clipboard()->setText(areaText(cells, separator));
}

// ---- current cell and editing -------------------------------------------------

bool SheetView::cellEditable(int col, int row) const {
    return grid().Contains(col, row) && look_.effectiveEditable(col, row);
}

void SheetView::setCurrentCell(int col, int row) { moveCurrent(col, row, false); }

void SheetView::setSelection(const QRect& cells) {
    selection_ = cells.normalized().intersected(QRect(0, 0, grid().Columns(), grid().Rows()));
    viewport()->update();
}

void SheetView::moveCurrent(int col, int row, bool extend) {
    const Grid& g = grid();
    if (g.Columns() <= look_.fixedCols || g.Rows() <= look_.fixedRows) return;
    col = std::clamp(col, look_.fixedCols, g.Columns() - 1);
    row = std::clamp(row, look_.fixedRows, g.Rows() - 1);
    // A merged block is entered at its base cell, which holds its text.
    const CellBlock block = BlockOf(g, col, row);
    col = block.left;
    row = block.top;
    const bool focused = hasFocus() || session_->editor().hasFocus();
    if (QPoint(col, row) != current_) {
        session_->close(true);
        current_ = QPoint(col, row);
        scrollToCell(col, row);
        emit currentCellChanged(col, row);
    }
    if (!extend) anchor_ = current_;
    selection_ = QRect(anchor_, current_).normalized();
    if (focused && !editorOpen()) {
        if (cellEditable(col, row) && editing_)
            session_->openOnCurrent();
        else
            setFocus();
    }
    viewport()->update();
}

bool SheetView::editorOpen() const { return session_->open(); }
QRect SheetView::editorGeometry() const { return session_->editor().geometry(); }
QString SheetView::editorText() const { return session_->editor().toPlainText(); }
void SheetView::commitEdit() { session_->commit(); }

QPoint SheetView::nextEditableCell(int col, int row) const {
    return nextEditableCell(col, row, nextCellEdit, afterLastCellEdit);
}

QPoint SheetView::nextEditableCell(int col, int row, T_nextcell order, T_lastcell last) const {
    const Grid& g = grid();
    const WalkArea area{look_.fixedCols, look_.fixedRows, g.Columns() - 1, g.Rows() - 1};
    const CellBlock from = BlockOf(g, col, row);
    auto accept = [&](int c, int r) -> std::optional<CellPos> {
        if (geometry_.colWidth(c) <= 0 || geometry_.rowHeight(r) <= 0) return std::nullopt;
        const CellBlock b = BlockOf(g, c, r);
        if (b.left == from.left && b.top == from.top) return std::nullopt;
        if (!cellEditable(b.left, b.top)) return std::nullopt;
        return CellPos{c, r};
    };
    const auto next = NextCellInOrder(order, last, area, {col, row}, accept);
    return next ? QPoint(next->first, next->second) : QPoint(-1, -1);
}

void SheetView::editorEnter() {
    if (!autoEditNextCell) {
        commitEdit();
        return;
    }
    // Inside a merged block the walk goes on from the cell it entered the
    // block by, so the cells after the block are reached and none twice.
    QPoint from = current_;
    if (walkFrom_.x() >= 0 && BlockOf(grid(), walkFrom_.x(), walkFrom_.y()).left == current_.x() &&
        BlockOf(grid(), walkFrom_.x(), walkFrom_.y()).top == current_.y())
        from = walkFrom_;
    const QPoint next = nextEditableCell(from.x(), from.y());
    // With nowhere to go the cell and its editor stay as they are.
    if (next.x() < 0) return;
    moveCurrent(next.x(), next.y(), false);
    walkFrom_ = next;
}

void SheetView::tabToEditableCell(bool forward) {
    // Along the rows, as in a spreadsheet; at either end the cell stays.
    const CellBlock b = BlockOf(grid(), current_.x(), current_.y());
    const QPoint from = forward ? QPoint(b.right, b.top) : QPoint(b.left, b.top);
    const QPoint next = nextEditableCell(
        from.x(), from.y(), forward ? T_nextcell::nc_rightdown : T_nextcell::nc_leftup, T_lastcell::lc_stop);
    if (next.x() >= 0) moveCurrent(next.x(), next.y(), false);
}

bool SheetView::focusNextPrevChild(bool next) {
    // Tab walks the editable cells; it never takes the keyboard out of the grid.
    tabToEditableCell(next);
    return true;
}

void SheetView::stepCurrent(int dcol, int drow, bool extend) {
    const CellBlock b = BlockOf(grid(), current_.x(), current_.y());
    int col = dcol < 0 ? b.left + dcol : dcol > 0 ? b.right + dcol : current_.x();
    int row = drow < 0 ? b.top + drow : drow > 0 ? b.bottom + drow : current_.y();
    // Hidden columns and rows are stepped over.
    while (dcol != 0 && col > look_.fixedCols && col < geometry_.columns() - 1 &&
           geometry_.colWidth(col) <= 0)
        col += dcol > 0 ? 1 : -1;
    while (drow != 0 && row > look_.fixedRows && row < geometry_.rows() - 1 && geometry_.rowHeight(row) <= 0)
        row += drow > 0 ? 1 : -1;
    moveCurrent(col, row, extend);
}

void SheetView::editorNavigate(int key, Qt::KeyboardModifiers) {
    const int page = std::max(1, viewport()->height() / std::max(1, grid().DefaultRowHeight));
    switch (key) {
        case Qt::Key_Up:
            stepCurrent(0, -1, false);
            break;
        case Qt::Key_Down:
            stepCurrent(0, 1, false);
            break;
        case Qt::Key_Left:
            stepCurrent(-1, 0, false);
            break;
        case Qt::Key_Right:
            stepCurrent(1, 0, false);
            break;
        case Qt::Key_PageUp:
            stepCurrent(0, -page, false);
            break;
        case Qt::Key_PageDown:
            stepCurrent(0, page, false);
            break;
        default:
            break;
    }
}

void SheetView::setEditing(bool on) {
    editing_ = on;
    if (!on)
        session_->close(true);
    else if (hasFocus())
        session_->openOnCurrent();
    viewport()->update();
}

void SheetView::setDrawSelection(bool on) {
    drawSelection = on;
    viewport()->update();
}

// ---- painting -----------------------------------------------------------------

void SheetView::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), look_.color);
    if (context_.heightsRunning) return;
    CanvasState state;
    state.size = viewport()->size();
    state.selection = selection_;
    state.current = current_;
    state.focusShown = (hasFocus() || session_->editor().hasFocus()) && !editorOpen();
    state.ratioDrawing = ratioDrawing_;
    state.drawSelection = drawSelection;
    state.highlight = palette().color(QPalette::Highlight);
    state.highlight.setAlpha(80);
    PaintSheet(p, document().workbook(), grid(), look_, geometry_, state);
}

// ---- events -------------------------------------------------------------------

void SheetView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    session_->place();
}

void SheetView::scrollContentsBy(int, int) {
    geometry_.setFirstScrolled(geometry_.fixedCols() + horizontalScrollBar()->value(),
                               geometry_.fixedRows() + verticalScrollBar()->value());
    session_->place();
    viewport()->update();
}

void SheetView::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) return;
    // Sizing by dragging the edges in the header row and column.
    if ((resizingCol_ = geometry_.columnEdgeAt(pos, kResizeGrip)) >= 0) {
        resizeStart_ = pos.x();
        resizeStartSize_ = geometry_.colWidth(resizingCol_);
        return;
    }
    if ((resizingRow_ = geometry_.rowEdgeAt(pos, kResizeGrip)) >= 0) {
        resizeStart_ = pos.y();
        resizeStartSize_ = geometry_.rowHeight(resizingRow_);
        return;
    }
    const QPoint cell = cellAt(pos);
    if (cell.x() < 0) return;
    moveCurrent(cell.x(), cell.y(), rangeSelection && (event->modifiers() & Qt::ShiftModifier));
    selecting_ = rangeSelection;
}

void SheetView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (resizingCol_ >= 0) {
        setColWidth(resizingCol_, resizeStartSize_ + pos.x() - resizeStart_);
        return;
    }
    if (resizingRow_ >= 0) {
        setRowHeight(resizingRow_, resizeStartSize_ + pos.y() - resizeStart_);
        return;
    }
    const QPoint cell = cellAt(pos);
    if (selecting_ && (event->buttons() & Qt::LeftButton) && cell.x() >= look_.fixedCols &&
        cell.y() >= look_.fixedRows) {
        selection_ = QRect(anchor_, cell).normalized();
        viewport()->update();
    }
    handCursor_ = false;
    if (geometry_.columnEdgeAt(pos, kResizeGrip) >= 0) {
        viewport()->setCursor(Qt::SplitHCursor);
    } else if (geometry_.rowEdgeAt(pos, kResizeGrip) >= 0) {
        viewport()->setCursor(Qt::SplitVCursor);
    } else if (cell.x() >= 0) {
        const CursorKind kind = CursorForCell(grid(), look_, cell.x(), cell.y());
        handCursor_ = kind == CursorKind::Hand;
        viewport()->setCursor(kind == CursorKind::Hand   ? Qt::PointingHandCursor
                              : kind == CursorKind::Text ? Qt::IBeamCursor
                                                         : Qt::ArrowCursor);
    }
    if (cell.x() >= 0 && OffersRowCommands(cell.x(), cell.y())) emit rowCommandsAvailable();
    updateHint(pos);
}

void SheetView::mouseReleaseEvent(QMouseEvent* event) {
    selecting_ = false;
    if (resizingCol_ >= 0 || resizingRow_ >= 0) {
        resizingCol_ = resizingRow_ = -1;
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    const QPoint cell = cellAt(event->position().toPoint());
    if (cell.x() < 0) return;
    emit cellReleased(cell.x(), cell.y(), handCursor_);
    if (sheet().GridName != sheets::kWykazNot && cell.x() == 1 && handCursor_)
        showRowMenu(cell.y(), event->globalPosition().toPoint());
}

void SheetView::showRowMenu(int row, const QPoint& globalPos) {
    if (!rowMenu_) {
        rowMenu_ = new QMenu(this);
        connect(rowMenu_->addAction(QStringLiteral("Dodaj wiersz")), &QAction::triggered, this,
                [this] { emit addRowRequested(menuRow_); });
        connect(rowMenu_->addAction(QStringLiteral("Usuń wiersz")), &QAction::triggered, this,
                [this] { emit deleteRowRequested(menuRow_); });
    }
    menuRow_ = row;
    rowMenu_->popup(globalPos);
}

void SheetView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool shift = rangeSelection && (event->modifiers() & Qt::ShiftModifier);
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (key) {
        case Qt::Key_Up:
            stepCurrent(0, -1, shift);
            return;
        case Qt::Key_Down:
            stepCurrent(0, 1, shift);
            return;
        case Qt::Key_Left:
            stepCurrent(-1, 0, shift);
            return;
        case Qt::Key_Right:
            stepCurrent(1, 0, shift);
            return;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            editorNavigate(key, event->modifiers());
            return;
        case Qt::Key_Home:
            moveCurrent(look_.fixedCols, ctrl ? look_.fixedRows : current_.y(), shift);
            return;
        case Qt::Key_End:
            moveCurrent(geometry_.columns() - 1, ctrl ? geometry_.rows() - 1 : current_.y(), shift);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            editorEnter();
            return;
        default:
            break;
    }
    const QString text = event->text();
    if (editing_ && !ctrl && cellEditable(current_.x(), current_.y()) &&
        (key == Qt::Key_Backspace || (!text.isEmpty() && text[0].isPrint()))) {
        session_->openOnCurrent(key == Qt::Key_Backspace ? QString() : text);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void SheetView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    // While an editor closes it hands the focus back here; nothing opens then,
    // nor while the view is torn down.
    if (session_ && !session_->closing() && editing_ && !editorOpen() &&
        cellEditable(current_.x(), current_.y()))
        session_->openOnCurrent();
    viewport()->update();
}

void SheetView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void SheetView::leaveEvent(QEvent* event) {
    QAbstractScrollArea::leaveEvent(event);
    hintTimer_->stop();
    hint_->hide();
    hintCell_ = QPoint(-1, -1);
}

void SheetView::updateHint(const QPoint& pos) {
    const QPoint cell = cellAt(pos);
    if (cell == hintCell_) return;
    hint_->hide();
    hintCell_ = cell;
    hintTimer_->stop();
    if (showCellHints && cell.x() >= 0 && !grid().At(cell.x(), cell.y()).HintCell.empty())
        hintTimer_->start(kHintDelayMs);
}

void SheetView::showHint() {
    if (hintCell_.x() < 0 || !grid().Contains(hintCell_.x(), hintCell_.y())) return;
    const QRect box = cellBox(hintCell_.x(), hintCell_.y());
    const QPoint below(box.left(), box.top() + box.height() + kHintGap);
    QString text = QString::fromStdString(grid().At(hintCell_.x(), hintCell_.y()).HintCell);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    hint_->showAt(text, viewport()->mapToGlobal(below));
}

}  // namespace spf
