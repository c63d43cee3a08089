// The panel on the left of the main window: a header strip with the
// collapse button and the previous/next buttons, over the tree tv1.
#pragma once

#include <QWidget>

class QSplitter;
class QToolButton;
class QTreeWidget;

namespace spf {

class NavigationPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kOpenWidth = 160;
    static constexpr int kCollapsedWidth = 20;

    explicit NavigationPanel(QSplitter& splitter);

    QTreeWidget* tree() const { return tree_; }
    QToolButton* collapseButton() const { return collapse_; }
    QToolButton* previousButton() const { return previous_; }
    QToolButton* nextButton() const { return next_; }

    bool Collapsed() const;
    // What the collapse button does: collapse an open panel, open a collapsed one.
    void Toggle();
    void Open();
    int RememberedWidth() const { return rememberedWidth_; }

signals:
    // The panel's width changed by the button: the shown sheet fits again.
    void toggled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetOpen(bool open);

    QSplitter& splitter_;
    QWidget* header_;
    QToolButton* collapse_;
    QToolButton* previous_;
    QToolButton* next_;
    QTreeWidget* tree_;
    int rememberedWidth_ = kOpenWidth;
};

}  // namespace spf
