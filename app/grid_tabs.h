#pragma once
// GridTabs: the main window's tab strip. Every tab has its own close button; the active tab
// is drawn with a gradient of its two fill colours. Captions end with four characters of code 127,
// kept in the text but never drawn.

#include <QColor>
#include <QTabBar>
#include <QTabWidget>

namespace app {

// The four characters of code 127 that end every caption.
QString CaptionPadding();
// The caption as drawn: without its characters of code 127.
QString VisibleCaption(const QString& caption);

class GradientTabBar : public QTabBar {
    Q_OBJECT

public:
    explicit GradientTabBar(QWidget* parent = nullptr);

    // The two colours the tab at index is filled with while active.
    void SetActiveColours(int index, const QColor& start, const QColor& end);

protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
};

class GridTabs : public QTabWidget {
    Q_OBJECT

public:
    explicit GridTabs(QWidget* parent = nullptr);

    GradientTabBar* Tabs() const { return tabs_; }

private:
    GradientTabBar* tabs_;
};

} // namespace app
