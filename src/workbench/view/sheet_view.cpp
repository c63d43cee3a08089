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

#include "model/workbook.h"
#include "workbench/core/cell_entry.h"
#include "workbench/view/cell_editor.h"
#include "workbench/view/cell_hint.h"
#include "workbench/view/cell_painter.h"
#include "workbench/view/mouse_feedback.h"
#include "workbench/view/sheet_fit.h"

namespace spf {

namespace {

constexpr int kResizeGrip = 2;
constexpr int kHintDelayMs = 500;

QString FromModel(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

// The editor breaks lines with "\n"; cell texts keep the file's CR LF.
std::string ToModel(const QString& text) {
    QString s = text;
    s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return s.toStdString();
}

CellRect ToCellRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// A document whose size lists do not match its grid still shows.
void MatchSizeLists(Grid& g) {
    if (g.ColWidths.size() != static_cast<size_t>(g.Columns()))
        g.ColWidths.resize(static_cast<size_t>(g.Columns()), g.DefaultColWidth);
    if (g.RowHeights.size() != static_cast<size_t>(g.Rows()))
        g.RowHeights.resize(static_cast<size_t>(g.Rows()), g.DefaultRowHeight);
}

bool IsRatioSheet(const std::string& name) { return name == "AF_Wskazniki" || name == "AF_EWskazniki"; }

}  // namespace

SheetView::SheetView(ViewContext& context, TSheet& sheet, QWidget* parent)
    : QAbstractScrollArea(parent), context_(context), sheet_(sheet), properties_(*sheet.Grid) {
    Grid& g = grid();
    properties_.wordwrap = T_Wordwrap::ww_wordwrap;
    properties_.editable = false;
    properties_.column(0, true).align = TMyAlign::alCenter;
    properties_.row(0, true).align = TMyAlign::alCenter;
    g.DefaultRowHeight = 24;
    MatchSizeLists(g);
    if (g.Columns() > 0) g.ColWidths[0] = 1;
    if (g.Columns() > 1) g.ColWidths[1] = 15;
    if (g.Columns() > 2) g.ColWidths[static_cast<size_t>(g.Columns() - 1)] = 15;
    if (g.Rows() > 0) g.RowHeights[0] = 1;
    ratioDrawing_ = IsRatioSheet(sheet.GridName);
    setObjectName(QString::fromStdString(sheet.GridName));

    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::StyledPanel);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    editor_ = new CellEditor(*this);
    hint_ = new CellHint(this);
    hintTimer_ = new QTimer(this);
    hintTimer_->setSingleShot(true);
    connect(hintTimer_, &QTimer::timeout, this, &SheetView::showHint);
    current_ = anchor_ = QPoint(std::min(1, g.Columns() - 1), std::min(1, g.Rows() - 1));
    selection_ = QRect(current_, current_);
    refresh();
}

SheetView::~SheetView() {
    // The editor goes first, while its focus handling can still reach this view.
    closingEditor_ = true;
    delete editor_;
}

Grid& SheetView::grid() const { return *sheet_.Grid; }

// ---- geometry ---------------------------------------------------------------

void SheetView::rebuildOffsets() {
    const Grid& g = grid();
    colStart_.assign(static_cast<size_t>(g.Columns()) + 1, 0);
    for (int c = 0; c < g.Columns(); ++c)
        colStart_[static_cast<size_t>(c) + 1] =
            colStart_[static_cast<size_t>(c)] + std::max(0, g.ColWidths[static_cast<size_t>(c)]);
    rowStart_.assign(static_cast<size_t>(g.Rows()) + 1, 0);
    for (int r = 0; r < g.Rows(); ++r)
        rowStart_[static_cast<size_t>(r) + 1] =
            rowStart_[static_cast<size_t>(r)] + std::max(0, g.RowHeights[static_cast<size_t>(r)]);
}

int SheetView::firstScrollCol() const { return properties_.fixedCols + horizontalScrollBar()->value(); }
int SheetView::firstScrollRow() const { return properties_.fixedRows + verticalScrollBar()->value(); }

int SheetView::colX(int col) const {
    const int fixed = std::min(properties_.fixedCols, grid().Columns());
    if (col < fixed) return colStart_[static_cast<size_t>(col)];
    return colStart_[static_cast<size_t>(col)] - colStart_[static_cast<size_t>(firstScrollCol())] +
           colStart_[static_cast<size_t>(fixed)];
}

int SheetView::rowY(int row) const {
    const int fixed = std::min(properties_.fixedRows, grid().Rows());
    if (row < fixed) return rowStart_[static_cast<size_t>(row)];
    return rowStart_[static_cast<size_t>(row)] - rowStart_[static_cast<size_t>(firstScrollRow())] +
           rowStart_[static_cast<size_t>(fixed)];
}

QRect SheetView::cellRect(int col, int row) const {
    if (!grid().Contains(col, row)) return {};
    return QRect(colX(col), rowY(row), std::max(0, grid().ColWidths[static_cast<size_t>(col)]),
                 std::max(0, grid().RowHeights[static_cast<size_t>(row)]));
}

CellBlock SheetView::blockAt(int col, int row) const { return BlockOf(grid(), col, row); }

QRect SheetView::blockRect(const CellBlock& b) const {
    const QRect tl = cellRect(b.left, b.top);
    const QRect br = cellRect(b.right, b.bottom);
    return QRect(tl.topLeft(), QPoint(br.left() + br.width() - 1, br.top() + br.height() - 1));
}

QRect SheetView::cellBox(int col, int row) const {
    if (!grid().Contains(col, row)) return {};
    return blockRect(blockAt(col, row));
}

QPoint SheetView::cellAt(const QPoint& pos) const {
    const Grid& g = grid();
    if (g.Columns() == 0 || g.Rows() == 0 || pos.x() < 0 || pos.y() < 0) return {-1, -1};
    auto find = [](const std::vector<int>& start, int fixed, int first, int coord) {
        const int fixedEnd = start[static_cast<size_t>(fixed)];
        int content = coord;
        if (coord >= fixedEnd) content = coord - fixedEnd + start[static_cast<size_t>(first)];
        const auto it = std::upper_bound(start.begin(), start.end(), content);
        const int index = static_cast<int>(it - start.begin()) - 1;
        return index >= static_cast<int>(start.size()) - 1 ? -1 : index;
    };
    const int fixedCols = std::min(properties_.fixedCols, g.Columns());
    const int fixedRows = std::min(properties_.fixedRows, g.Rows());
    const int c = find(colStart_, fixedCols, firstScrollCol(), pos.x());
    const int r = find(rowStart_, fixedRows, firstScrollRow(), pos.y());
    if (c < 0 || r < 0) return {-1, -1};
    return {c, r};
}

QPoint SheetView::topLeftCell() const { return {firstScrollCol(), firstScrollRow()}; }

void SheetView::updateScrollBars() {
    const Grid& g = grid();
    auto maxFirst = [](const std::vector<int>& start, int fixed, int count, int extent) {
        if (count <= fixed) return 0;
        const int room = extent - start[static_cast<size_t>(fixed)];
        int first = count - 1;
        while (first > fixed &&
               start[static_cast<size_t>(count)] - start[static_cast<size_t>(first - 1)] <= room)
            --first;
        return first - fixed;
    };
    const int fixedCols = std::min(properties_.fixedCols, g.Columns());
    const int fixedRows = std::min(properties_.fixedRows, g.Rows());
    const QSize size = viewport()->size();
    horizontalScrollBar()->setRange(0, maxFirst(colStart_, fixedCols, g.Columns(), size.width()));
    verticalScrollBar()->setRange(0, maxFirst(rowStart_, fixedRows, g.Rows(), size.height()));
    horizontalScrollBar()->setPageStep(std::max(1, g.Columns() / 4));
    verticalScrollBar()->setPageStep(std::max(1, size.height() / std::max(1, g.DefaultRowHeight)));
}

void SheetView::scrollToCell(int col, int row) {
    if (!grid().Contains(col, row)) return;
    // The first scrolled index along one axis that shows `index` whole.
    auto firstShowing = [](const std::vector<int>& start, int fixed, int first, int index, int extent) {
        if (index < first) return index;
        const int room = extent - start[static_cast<size_t>(fixed)];
        while (first < index &&
               start[static_cast<size_t>(index) + 1] - start[static_cast<size_t>(first)] > room)
            ++first;
        return first;
    };
    const QSize size = viewport()->size();
    if (col >= properties_.fixedCols)
        horizontalScrollBar()->setValue(
            firstShowing(colStart_, properties_.fixedCols, firstScrollCol(), col, size.width()) -
            properties_.fixedCols);
    if (row >= properties_.fixedRows)
        verticalScrollBar()->setValue(
            firstShowing(rowStart_, properties_.fixedRows, firstScrollRow(), row, size.height()) -
            properties_.fixedRows);
}

// ---- model changes ------------------------------------------------------------

void SheetView::refresh() {
    Grid& g = grid();
    MatchSizeLists(g);
    rebuildOffsets();
    const int maxCol = g.Columns() - 1, maxRow = g.Rows() - 1;
    current_.setX(std::clamp(current_.x(), std::min(properties_.fixedCols, maxCol), std::max(0, maxCol)));
    current_.setY(std::clamp(current_.y(), std::min(properties_.fixedRows, maxRow), std::max(0, maxRow)));
    selection_ = selection_.intersected(QRect(0, 0, g.Columns(), g.Rows()));
    if (selection_.isEmpty()) selection_ = QRect(current_, current_);
    updateScrollBars();
    setEnabled(sheet_.Used);
    // An editor the user has not typed into shows the cell as it is now.
    if (editorOpen() && !editor_->modified()) {
        if (cellEditable(current_.x(), current_.y()))
            fillEditor();
        else
            closeEditor(false);
    }
    placeEditor();
    viewport()->update();
}

void SheetView::setColWidth(int col, int width) {
    Grid& g = grid();
    if (col < 0 || col >= g.Columns()) return;
    g.ColWidths[static_cast<size_t>(col)] = std::max(0, width);
    rebuildOffsets();
    updateScrollBars();
    placeEditor();
    viewport()->update();
    if (!context_.fitRunning) OnColWidthsChanged(*this);
    emit colWidthsChanged();
}

void SheetView::setRowHeight(int row, int height) {
    Grid& g = grid();
    if (row < 0 || row >= g.Rows()) return;
    g.RowHeights[static_cast<size_t>(row)] = std::max(0, height);
    rebuildOffsets();
    updateScrollBars();
    placeEditor();
    viewport()->update();
}

void SheetView::insertRow(int row) {
    row = std::clamp(row, properties_.fixedRows, grid().Rows());
    const bool reopen = editorOpen();
    closeEditor(true);
    grid().InsertRow(row);
    followRowInserted(row);
    if (reopen) openEditor();
}

bool SheetView::deleteRow(int row) {
    const Grid& g = grid();
    if (row < properties_.fixedRows || row >= g.Rows() || g.Rows() - properties_.fixedRows <= 1) return false;
    const bool reopen = editorOpen();
    closeEditor(true);
    grid().DeleteRow(row);
    followRowDeleted(row);
    if (reopen) openEditor();
    return true;
}

void SheetView::followRowInserted(int row) {
    // An edit in progress belongs to its cell, wherever that row went.
    if (editorCell_.y() >= row) editorCell_.ry() += 1;
    closeEditor(true);
    properties_.insertRow(row);
    if (current_.y() >= row) current_.ry() += 1;
    if (anchor_.y() >= row) anchor_.ry() += 1;
    selection_ = QRect(current_, current_);
    refresh();
}

void SheetView::followRowDeleted(int row) {
    if (editorCell_.y() > row) editorCell_.ry() -= 1;
    closeEditor(editorCell_.y() != row);
    properties_.deleteRow(row);
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
    return grid().Contains(col, row) && properties_.effectiveEditable(col, row);
}

void SheetView::setCurrentCell(int col, int row) { moveCurrent(col, row, false); }

void SheetView::setSelection(const QRect& cells) {
    selection_ = cells.normalized().intersected(QRect(0, 0, grid().Columns(), grid().Rows()));
    viewport()->update();
}

void SheetView::moveCurrent(int col, int row, bool extend) {
    const Grid& g = grid();
    if (g.Columns() <= properties_.fixedCols || g.Rows() <= properties_.fixedRows) return;
    col = std::clamp(col, properties_.fixedCols, g.Columns() - 1);
    row = std::clamp(row, properties_.fixedRows, g.Rows() - 1);
    // A merged block is entered at its base cell, which holds its text.
    const CellBlock block = blockAt(col, row);
    col = block.left;
    row = block.top;
    const bool focused = hasFocus() || editor_->hasFocus();
    if (QPoint(col, row) != current_) {
        closeEditor(true);
        current_ = QPoint(col, row);
        scrollToCell(col, row);
        emit currentCellChanged(col, row);
    }
    if (!extend) anchor_ = current_;
    selection_ = QRect(anchor_, current_).normalized();
    if (focused && !editorOpen()) {
        if (cellEditable(col, row) && editing_)
            openEditor();
        else
            setFocus();
    }
    viewport()->update();
}

bool SheetView::editorOpen() const { return editorCell_.x() >= 0; }
QRect SheetView::editorGeometry() const { return editor_->geometry(); }
QString SheetView::editorText() const { return editor_->toPlainText(); }

void SheetView::fillEditor() {
    const int col = current_.x(), row = current_.y();
    const QString start = FromModel(BeginCellEdit(context_, sheet_, col, row));
    editorCell_ = current_;
    editor_->start(start, HorizontalAlignment(properties_.effectiveAlign(col, row)),
                   properties_.effectiveFont(col, row), properties_.effectiveFontColor(col, row),
                   properties_.ColorCell(col, row));
    placeEditor();
}

void SheetView::openEditor(const std::optional<QString>& withKey) {
    if (!editing_ || !cellEditable(current_.x(), current_.y())) return;
    fillEditor();
    if (withKey) {
        editor_->setPlainText(*withKey);
        editor_->moveCursor(QTextCursor::End);
    }
    editor_->show();
    editor_->setFocus();
}

void SheetView::placeEditor() {
    if (editorCell_.x() < 0) return;
    const QRect box = cellBox(editorCell_.x(), editorCell_.y());
    // Twice as wide as the box, so a long entry stays readable over the neighbours.
    editor_->setGeometry(box.left(), box.top(), box.width() * 2, box.height());
}

void SheetView::reportEdit() {
    if (editorCell_.x() < 0) return;
    const QPoint cell = editorCell_;
    const std::string text =
        editor_->modified() ? ToModel(editor_->toPlainText()) : context_.cellEntry().EditStartText();
    if (EndCellEdit(context_, sheet_, cell.x(), cell.y(), text)) emit documentChanged(cell.x(), cell.y());
    viewport()->update();
}

void SheetView::closeEditor(bool report) {
    if (editorCell_.x() < 0 || closingEditor_) return;
    closingEditor_ = true;
    if (report) reportEdit();
    const bool hadFocus = editor_->hasFocus();
    editorCell_ = QPoint(-1, -1);
    if (hadFocus) setFocus();
    editor_->hide();
    closingEditor_ = false;
}

void SheetView::commitEdit() {
    if (editorCell_.x() < 0) return;
    const bool hadFocus = editor_->hasFocus();
    closeEditor(true);
    if (hadFocus || hasFocus()) openEditor();
}

QPoint SheetView::nextEditableCell(int col, int row) const {
    const Grid& g = grid();
    const WalkArea area{properties_.fixedCols, properties_.fixedRows, g.Columns() - 1, g.Rows() - 1};
    const CellBlock from = blockAt(col, row);
    auto accept = [&](int c, int r) -> std::optional<CellPos> {
        if (g.ColWidths[static_cast<size_t>(c)] <= 0 || g.RowHeights[static_cast<size_t>(r)] <= 0)
            return std::nullopt;
        const CellBlock b = blockAt(c, r);
        if (b.left == from.left && b.top == from.top) return std::nullopt;
        if (!cellEditable(b.left, b.top)) return std::nullopt;
        return CellPos{c, r};
    };
    const auto next = NextCellInOrder(nextCellEdit, afterLastCellEdit, area, {col, row}, accept);
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
    if (walkFrom_.x() >= 0 && blockAt(walkFrom_.x(), walkFrom_.y()).left == current_.x() &&
        blockAt(walkFrom_.x(), walkFrom_.y()).top == current_.y())
        from = walkFrom_;
    const QPoint next = nextEditableCell(from.x(), from.y());
    // With nowhere to go the cell and its editor stay as they are.
    if (next.x() < 0) return;
    moveCurrent(next.x(), next.y(), false);
    walkFrom_ = next;
}

void SheetView::editorFocusLost(Qt::FocusReason reason) {
    if (closingEditor_ || editorCell_.x() < 0) return;
    // A menu or another window taking the keyboard stores the text but keeps
    // the editor, which gets the focus back when the user returns.
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) {
        if (!editor_->modified()) return;
        reportEdit();
        fillEditor();
        return;
    }
    QWidget* focus = QApplication::focusWidget();
    if (focus == this || (focus && isAncestorOf(focus))) return;
    closeEditor(true);
}

void SheetView::stepCurrent(int dcol, int drow, bool extend) {
    const Grid& g = grid();
    const CellBlock b = blockAt(current_.x(), current_.y());
    int col = dcol < 0 ? b.left + dcol : dcol > 0 ? b.right + dcol : current_.x();
    int row = drow < 0 ? b.top + drow : drow > 0 ? b.bottom + drow : current_.y();
    // Hidden columns and rows are stepped over.
    while (dcol != 0 && col > properties_.fixedCols && col < g.Columns() - 1 &&
           g.ColWidths[static_cast<size_t>(col)] <= 0)
        col += dcol > 0 ? 1 : -1;
    while (drow != 0 && row > properties_.fixedRows && row < g.Rows() - 1 &&
           g.RowHeights[static_cast<size_t>(row)] <= 0)
        row += drow > 0 ? 1 : -1;
    moveCurrent(col, row, extend);
}

void SheetView::editorNavigate(int key, Qt::KeyboardModifiers modifiers) {
    const int page = std::max(1, viewport()->height() / std::max(1, grid().DefaultRowHeight));
    const bool extend = false;
    (void)modifiers;
    switch (key) {
        case Qt::Key_Up:
            stepCurrent(0, -1, extend);
            break;
        case Qt::Key_Down:
            stepCurrent(0, 1, extend);
            break;
        case Qt::Key_Left:
            stepCurrent(-1, 0, extend);
            break;
        case Qt::Key_Right:
            stepCurrent(1, 0, extend);
            break;
        case Qt::Key_PageUp:
            stepCurrent(0, -page, extend);
            break;
        case Qt::Key_PageDown:
            stepCurrent(0, page, extend);
            break;
        default:
            break;
    }
}

void SheetView::setEditing(bool on) {
    editing_ = on;
    if (!on)
        closeEditor(true);
    else if (hasFocus())
        openEditor();
    viewport()->update();
}

void SheetView::setDrawSelection(bool on) {
    drawSelection = on;
    viewport()->update();
}

// ---- painting -----------------------------------------------------------------

void SheetView::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), properties_.color);
    if (context_.heightsRunning) return;
    const Grid& g = grid();
    if (g.Columns() == 0 || g.Rows() == 0) return;
    const CellPainter painter(context_.workbook(), g, properties_);
    const QSize size = viewport()->size();
    const int fixedCols = std::min(properties_.fixedCols, g.Columns());
    const int fixedRows = std::min(properties_.fixedRows, g.Rows());

    std::vector<int> cols, rows;
    for (int c = 0; c < fixedCols; ++c) cols.push_back(c);
    for (int c = firstScrollCol(); c < g.Columns() && colX(c) < size.width(); ++c) cols.push_back(c);
    for (int r = 0; r < fixedRows; ++r) rows.push_back(r);
    for (int r = firstScrollRow(); r < g.Rows() && rowY(r) < size.height(); ++r) rows.push_back(r);

    const bool focused = hasFocus() || editor_->hasFocus();
    const QRect scrolled(colStart_[static_cast<size_t>(fixedCols)] - 1,
                         rowStart_[static_cast<size_t>(fixedRows)] - 1, size.width(), size.height());
    std::vector<CellBlock> blocks;
    auto contentPass = [&](bool fixedPass) {
        for (int r : rows)
            for (int c : cols) {
                const bool fixed = properties_.isFixed(c, r);
                if (fixed != fixedPass) continue;
                if (IsMergedCell(g, c, r)) {
                    const CellBlock b = blockAt(c, r);
                    if (std::none_of(blocks.begin(), blocks.end(),
                                     [&](const CellBlock& x) { return x.left == b.left && x.top == b.top; }))
                        blocks.push_back(b);
                    continue;
                }
                DrawState state;
                state.fixed = fixed;
                state.selected = selection_.contains(c, r);
                state.focused = focused && current_ == QPoint(c, r) && editorCell_.x() < 0;
                const CellRect rect = ToCellRect(cellRect(c, r));
                if (ratioDrawing_)
                    painter.drawRatioSingle(p, c, r, rect, state);
                else
                    painter.drawSingle(p, c, r, rect, state);
            }
        for (const CellBlock& b : blocks) {
            DrawState state;
            state.fixed = properties_.isFixed(b.left, b.top);
            const CellRect box = ToCellRect(blockRect(b));
            if (ratioDrawing_)
                painter.drawRatioBlock(p, b.left, b.top, box, state);
            else
                painter.drawBlock(p, b.left, b.top, box, state);
        }
        blocks.clear();
        // Borders go over every background, so no neighbour's fill hides them.
        for (int r : rows)
            for (int c : cols) {
                if (properties_.isFixed(c, r) != fixedPass) continue;
                const CellRect rect = ToCellRect(cellRect(c, r));
                if (ratioDrawing_) {
                    if (!IsMergedCell(g, c, r)) painter.drawRatioLines(p, c, r, rect);
                } else if (IsMergedCell(g, c, r)) {
                    painter.drawBlockBorders(p, c, r, rect);
                } else {
                    painter.drawSingleBorders(p, c, r, rect);
                }
            }
    };
    contentPass(true);
    p.save();
    p.setClipRect(scrolled);
    contentPass(false);
    if (drawSelection && !selection_.isEmpty()) {
        QColor highlight = palette().color(QPalette::Highlight);
        highlight.setAlpha(80);
        const CellBlock sel{selection_.left(), selection_.top(), selection_.right(), selection_.bottom()};
        p.fillRect(blockRect(sel), highlight);
    }
    p.restore();
}

// ---- events -------------------------------------------------------------------

void SheetView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    placeEditor();
}

void SheetView::scrollContentsBy(int, int) {
    placeEditor();
    viewport()->update();
}

int SheetView::columnEdgeAt(const QPoint& pos) const {
    const Grid& g = grid();
    if (g.Rows() == 0 ||
        pos.y() > rowStart_[static_cast<size_t>(std::min(properties_.fixedRows, g.Rows()))] + kResizeGrip)
        return -1;
    for (int c = 1; c < g.Columns(); ++c) {
        if (c >= properties_.fixedCols && c < firstScrollCol()) continue;
        if (std::abs(pos.x() - (colX(c) + g.ColWidths[static_cast<size_t>(c)])) <= kResizeGrip) return c;
    }
    return -1;
}

int SheetView::rowEdgeAt(const QPoint& pos) const {
    const Grid& g = grid();
    if (g.Columns() == 0 ||
        pos.x() > colStart_[static_cast<size_t>(std::min(properties_.fixedCols, g.Columns()))] + kResizeGrip)
        return -1;
    for (int r = 1; r < g.Rows(); ++r) {
        if (r >= properties_.fixedRows && r < firstScrollRow()) continue;
        if (std::abs(pos.y() - (rowY(r) + g.RowHeights[static_cast<size_t>(r)])) <= kResizeGrip) return r;
    }
    return -1;
}

void SheetView::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) return;
    const Grid& g = grid();
    // Sizing by dragging the edges in the header row and column.
    if ((resizingCol_ = columnEdgeAt(pos)) >= 0) {
        resizeStart_ = pos.x();
        resizeStartSize_ = g.ColWidths[static_cast<size_t>(resizingCol_)];
        return;
    }
    if ((resizingRow_ = rowEdgeAt(pos)) >= 0) {
        resizeStart_ = pos.y();
        resizeStartSize_ = g.RowHeights[static_cast<size_t>(resizingRow_)];
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
    if (selecting_ && (event->buttons() & Qt::LeftButton) && cell.x() >= properties_.fixedCols &&
        cell.y() >= properties_.fixedRows) {
        selection_ = QRect(anchor_, cell).normalized();
        viewport()->update();
    }
    handCursor_ = false;
    if (columnEdgeAt(pos) >= 0) {
        viewport()->setCursor(Qt::SplitHCursor);
    } else if (rowEdgeAt(pos) >= 0) {
        viewport()->setCursor(Qt::SplitVCursor);
    } else if (cell.x() >= 0) {
        const CursorKind kind = CursorForCell(grid(), properties_, cell.x(), cell.y());
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
    if (sheet_.GridName != "Wykaz_not" && cell.x() == 1 && handCursor_)
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
    const Grid& g = grid();
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
            moveCurrent(properties_.fixedCols, ctrl ? properties_.fixedRows : current_.y(), shift);
            return;
        case Qt::Key_End:
            moveCurrent(g.Columns() - 1, ctrl ? g.Rows() - 1 : current_.y(), shift);
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
        openEditor(key == Qt::Key_Backspace ? QString() : text);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void SheetView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    // While an editor closes it hands the focus back here; nothing opens then.
    if (!closingEditor_ && editing_ && editorCell_.x() < 0 && cellEditable(current_.x(), current_.y()))
        openEditor();
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
    hint_->showAt(FromModel(grid().At(hintCell_.x(), hintCell_.y()).HintCell),
                  viewport()->mapToGlobal(below));
}

}  // namespace spf
