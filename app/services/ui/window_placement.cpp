#include "app/services/ui/window_placement.h"

#include "app/services/settings_store.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace services {

namespace {

constexpr int kDefaultLeft = 80;
constexpr int kDefaultTop = 140;
constexpr int kDefaultSize = 140;
// Stored for a client corner at 0 or less, so that the window comes back on screen.
constexpr int kOffscreenCoordinate = 15;
constexpr int kScreenEdgeMargin = 50;

BorderStyle BorderStyleOf(const QWidget* window) {
    if (window->windowFlags().testFlag(Qt::FramelessWindowHint))
        return BorderStyle::None;
    const bool fixedSize = window->minimumSize() == window->maximumSize();
    switch (window->windowType()) {
    case Qt::Tool:
        return fixedSize ? BorderStyle::ToolWindow : BorderStyle::SizeToolWindow;
    case Qt::Dialog:
        return fixedSize ? BorderStyle::Dialog : BorderStyle::Sizeable;
    default:
        return fixedSize ? BorderStyle::Single : BorderStyle::Sizeable;
    }
}

QSize BorderSize(const QWidget* window) {
    return window->frameGeometry().size() - window->geometry().size();
}

// A window manager may frame a window only after it is shown, without moving or resizing it: once
// the border is known, the window takes the outer size it was given, and the keeper goes.
class OuterSizeKeeper : public QObject {
public:
    OuterSizeKeeper(QWidget* window, QSize outer)
        : QObject(window), window_(window), outer_(outer) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent*) override {
        if (BorderSize(window_).isNull())
            return false;
        window_->removeEventFilter(this);
        // Out of the event being delivered.
        QMetaObject::invokeMethod(
            window_,
            [window = window_, outer = outer_] {
                if (!window->isMaximized())
                    window->resize(outer - BorderSize(window));
            },
            Qt::QueuedConnection);
        deleteLater();
        return false;
    }

private:
    QWidget* window_;
    QSize outer_;
};

int OnScreen(int coordinate) {
    return coordinate > 0 ? coordinate : kOffscreenCoordinate;
}

} // namespace

void WindowPlacement::Save(QWidget* window, bool withSize) {
    if (!store_.Values().SavePosWin)
        return;
    const QString name = window->objectName();
    IniFile ini = store_.LoadFile();
    const auto write = [&](const char* suffix, int value) {
        ini.WriteInteger(kWindowPositions, name + QLatin1String(suffix), value);
    };
    if (window->isMaximized()) {
        write("State", 1);
    } else {
        const QPoint client = window->geometry().topLeft();
        write("State", 0);
        write("Left", OnScreen(client.x()));
        write("Top", OnScreen(client.y()));
        if (withSize) {
            write("Width", window->frameGeometry().width());
            write("Height", window->frameGeometry().height());
        }
    }
    store_.SaveFile(ini);
}

void WindowPlacement::Restore(QWidget* window, bool withSize) {
    if (!store_.Values().SavePosWin)
        return;
    const QString name = window->objectName();
    const IniFile ini = store_.LoadFile();
    const auto read = [&](const char* suffix, int def) {
        return ini.ReadInteger(kWindowPositions, name + QLatin1String(suffix), def);
    };
    QPoint target(read("Left", kDefaultLeft), read("Top", kDefaultTop));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize screenSize = screen->geometry().size();
        if (screenSize.width() < target.x())
            target.setX(screenSize.width() - kScreenEdgeMargin);
        if (screenSize.height() < target.y())
            target.setY(screenSize.height() - kScreenEdgeMargin);
    }
    QPoint& offset = borderOffsets_.at(std::size_t(BorderStyleOf(window)));
    window->move(target - offset);
    const QPoint client = window->geometry().topLeft();
    if (client != target) {
        offset += client - target;
        window->move(target - offset);
    }
    if (window->frameGeometry().top() < 0)
        window->move(window->frameGeometry().left(), 0);
    if (withSize) {
        const QSize outer(read("Width", kDefaultSize), read("Height", kDefaultSize));
        window->resize(outer - BorderSize(window));
        if (read("State", 0) == 1)
            window->setWindowState(window->windowState() | Qt::WindowMaximized);
        else if (BorderSize(window).isNull() && BorderStyleOf(window) != BorderStyle::None)
            new OuterSizeKeeper(window, outer);
    }
}

} // namespace services
