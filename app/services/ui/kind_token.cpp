#include "app/services/ui/kind_token.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>

namespace services {

namespace {

const QString kMenuItem = QStringLiteral("TMenuItem");

bool DerivesDirectlyFromAWindowClass(const QObject* object) {
    const QMetaObject* base = object->metaObject()->superClass();
    return base == &QWidget::staticMetaObject || base == &QDialog::staticMetaObject ||
           base == &QMainWindow::staticMetaObject;
}

QString WidgetToken(const QWidget* widget) {
    if (qobject_cast<const QMenu*>(widget))
        return kMenuItem;
    if (qobject_cast<const QLabel*>(widget))
        return QStringLiteral("TLabel");
    if (qobject_cast<const QGroupBox*>(widget))
        return QStringLiteral("TGroupBox");
    if (qobject_cast<const QCheckBox*>(widget))
        return QStringLiteral("TCheckBox");
    if (qobject_cast<const QRadioButton*>(widget))
        return QStringLiteral("TRadioButton");
    if (TabWidgetOfPage(widget))
        return QStringLiteral("TTabSheet");
    if (widget->isWindow() && DerivesDirectlyFromAWindowClass(widget))
        return QString::fromLatin1(widget->metaObject()->className());
    return {};
}

} // namespace

QTabWidget* TabWidgetOfPage(const QWidget* page) {
    const auto* stack = qobject_cast<const QStackedWidget*>(page->parentWidget());
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    return tabs && tabs->indexOf(const_cast<QWidget*>(page)) >= 0 ? tabs : nullptr;
}

QString KindToken(const QObject* object) {
    const QVariant declared = object->property(kKindTokenProperty);
    if (declared.isValid())
        return declared.toString();
    if (const auto* action = qobject_cast<const QAction*>(object))
        return qobject_cast<const QMenu*>(action->parent()) ? kMenuItem : QStringLiteral("TAction");
    if (const auto* widget = qobject_cast<const QWidget*>(object))
        return WidgetToken(widget);
    return {};
}

} // namespace services
