#include "app/grid_tabs.h"

#include <QLinearGradient>
#include <QStyleOptionTab>
#include <QStylePainter>

namespace app {

namespace {

// The tab strip's own active colours, for tabs that were never given any.
const QColor kDefaultStart(0xF2, 0xA3, 0x3A);
const QColor kDefaultEnd(0xFF, 0xF4, 0xE0);

struct ActiveColours {
    QColor start = kDefaultStart;
    QColor end = kDefaultEnd;
};

} // namespace

QString CaptionPadding() {
    return QString(4, QChar(127));
}

QString VisibleCaption(const QString& caption) {
    QString visible = caption;
    visible.remove(QChar(127));
    return visible;
}

GradientTabBar::GradientTabBar(QWidget* parent) : QTabBar(parent) {
    QFont font(QStringLiteral("Segoe UI"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(9);
    setFont(font);
    setTabsClosable(true);
    setMovable(false);
    setExpanding(false);
}

void GradientTabBar::SetActiveColours(int index, const QColor& start, const QColor& end) {
    setTabData(index, QVariant::fromValue(QList<QColor>{start, end}));
    update();
}

QSize GradientTabBar::tabSizeHint(int index) const {
    QStyleOptionTab option;
    initStyleOption(&option, index);
    option.text = VisibleCaption(option.text);
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, option.text);
    const QSize hint =
        style()->sizeFromContents(QStyle::CT_TabBarTab, &option, text + QSize(24, 10), this);
    return hint + QSize(tabsClosable() ? 22 : 0, 0);
}

void GradientTabBar::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        option.text = VisibleCaption(option.text);
        painter.drawControl(QStyle::CE_TabBarTabShape, option);
        if (i == currentIndex()) {
            ActiveColours colours;
            const QList<QColor> stored = tabData(i).value<QList<QColor>>();
            if (stored.size() == 2)
                colours = {stored[0], stored[1]};
            QLinearGradient gradient(option.rect.topLeft(), option.rect.bottomLeft());
            gradient.setColorAt(0, colours.start);
            gradient.setColorAt(1, colours.end);
            painter.fillRect(option.rect.adjusted(2, 2, -2, 0), gradient);
        }
        painter.drawControl(QStyle::CE_TabBarTabLabel, option);
    }
}

GridTabs::GridTabs(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("PageExtControl1"));
    tabs_ = new GradientTabBar(this);
    setTabBar(tabs_);
    setDocumentMode(false);
}

} // namespace app
