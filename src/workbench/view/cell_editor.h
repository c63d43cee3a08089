// The in-place editor of a sheet grid: a multi-line box that takes the
// cell's alignment, font and colour and leaves navigation keys to the grid,
// which it tells through signals.
#pragma once

#include <QPlainTextEdit>

namespace spf {

class CellEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CellEditor(QWidget* parent);

    // Puts the text in, remembered as what Escape brings back. An amount is
    // replaced as a whole by a click while it is still the start text.
    void start(const QString& text, Qt::Alignment alignment, const QFont& font, const QColor& textColor,
               const QColor& background, bool amount);
    bool modified() const { return toPlainText() != startText_; }
    void restoreStartText();

signals:
    void enterPressed();
    // Arrows and page keys the editor does not use itself.
    void navigationKey(int key, Qt::KeyboardModifiers modifiers);
    void tabPressed(bool forward);
    void focusLost(Qt::FocusReason reason);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString startText_;
    bool amount_ = false;
};

}  // namespace spf
