// The edit in progress on one sheet grid: the in-place editor, the cell it
// edits, and the start and end of an edit through the cell-entry rule. The
// editor covers the cell's box exactly, with the cell's alignment, font and
// colours; its keys reach the grid through signals.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <optional>

namespace spf {

class CellEditor;
class SheetView;

class EditSession : public QObject {
    Q_OBJECT
public:
    explicit EditSession(SheetView& view);
    ~EditSession() override;

    CellEditor& editor() const { return *editor_; }
    bool open() const { return cell_.x() >= 0; }
    QPoint cell() const { return cell_; }
    bool modified() const;

    // Opens the editor on the view's current cell when it accepts typing,
    // optionally starting with a typed key instead of the cell's text.
    void openOnCurrent(const std::optional<QString>& withKey = std::nullopt);
    // Starts the edit of the current cell again with its present text.
    void restart();
    // Ends the edit, reporting the text when `report`; the grid takes the keyboard back.
    void close(bool report);
    // Stores the text and keeps the editor on editable cells.
    void commit();
    // Reports the text as an ended edit would, leaving the editor as it is.
    void report();
    // Follows the view's geometry (scrolling, sizes).
    void place();

    // Rows inserted or deleted above the edited cell move it with its content.
    void shiftRow(int row, int delta);

    // Set while the session or its view is being torn down: focus changes are not edits then.
    bool closing() const { return closing_; }
    void setClosing(bool closing) { closing_ = closing; }

signals:
    // The edit ended with a text other than the start text.
    void cellChanged(int col, int row);

private:
    void focusLost(Qt::FocusReason reason);

    SheetView& view_;
    CellEditor* editor_;
    QPoint cell_{-1, -1};
    bool closing_ = false;
};

}  // namespace spf
