// The in-place editor of a sheet grid: a multi-line box that takes the
// cell's alignment, font and colour and leaves navigation keys to the grid.
#pragma once

#include <QPlainTextEdit>

namespace spf {

class SheetView;

class CellEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CellEditor(SheetView& view);

    // Puts the text in, remembered as what Escape brings back.
    void start(const QString& text, Qt::Alignment alignment, const QFont& font, const QColor& textColor,
               const QColor& background);
    bool modified() const { return toPlainText() != startText_; }
    void restoreStartText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    SheetView& view_;
    QString startText_;
};

}  // namespace spf
