// The hint of a cell, shown just below the cell box while the mouse rests on it.
#pragma once

#include <QLabel>

namespace spf {

class CellHint : public QLabel {
    Q_OBJECT
public:
    explicit CellHint(QWidget* owner);
    // Shows the text with its top-left corner at a global position.
    void showAt(const QString& text, const QPoint& globalTopLeft);
};

// Hints appear this far below the bottom edge of the cell box.
inline constexpr int kHintGap = 6;

}  // namespace spf
