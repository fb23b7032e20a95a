#include "app/services/ui/window_translation.h"

#include "app/services/translations.h"
#include "app/services/translator.h"
#include "app/services/ui/kind_token.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

namespace services {

namespace {

void SetCaption(QObject* object, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(object))
        action->setText(text);
    else if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(object))
        group->setTitle(text);
    else if (auto* widget = qobject_cast<QWidget*>(object)) {
        if (QTabWidget* tabs = TabWidgetOfPage(widget))
            tabs->setTabText(tabs->indexOf(widget), text);
        else if (widget->isWindow())
            widget->setWindowTitle(text);
    }
}

void SetHint(QObject* object, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(object))
        action->setStatusTip(text);
    else if (auto* menu = qobject_cast<QMenu*>(object))
        menu->menuAction()->setStatusTip(text);
    else if (auto* widget = qobject_cast<QWidget*>(object)) {
        if (QTabWidget* tabs = TabWidgetOfPage(widget))
            tabs->setTabToolTip(tabs->indexOf(widget), text);
        else
            widget->setToolTip(text);
    }
}

enum class WithHint { No, Yes };

void Translate(QObject* component, const QString& token, const QStringList& lines,
               const QString& language, WithHint withHint) {
    const QString name = component->objectName();
    if (name.isEmpty() || token.isEmpty())
        return;
    const QString key = language + u'_' + token + u'_' + name;
    const QString caption = CaptionText(TranslationValue(lines, key));
    if (!caption.isEmpty())
        SetCaption(component, caption);
    if (withHint == WithHint::No)
        return;
    const QString hint = HintText(TranslationValue(lines, key + QStringLiteral("_Hint")));
    if (!hint.isEmpty())
        SetHint(component, hint);
}

bool IsNestedWindow(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget);
}

QString OwnSection(const QObject* object) {
    return object->property(kTranslationSectionProperty).toString();
}

void TranslateBeneath(QObject* owner, const QStringList& lines, const SectionReader& readSection,
                      const QString& language) {
    for (QObject* child : owner->children()) {
        const QString section = OwnSection(child);
        const QStringList childLines = section.isEmpty() ? lines : readSection(section);
        Translate(child, KindToken(child), childLines, language, WithHint::Yes);
        if (!IsNestedWindow(child))
            TranslateBeneath(child, childLines, readSection, language);
    }
}

} // namespace

void TranslateComponents(QWidget* window, const SectionReader& readSection,
                         const QString& language) {
    const QString section = OwnSection(window);
    TranslateBeneath(window, readSection(section.isEmpty() ? window->objectName() : section),
                     readSection, language);
}

void TranslateMenuEntries(QMenu* menu, const QStringList& lines, const QString& language) {
    const QString token = QStringLiteral("TMenuItem");
    for (QObject* child : menu->children())
        if (qobject_cast<QAction*>(child) || qobject_cast<QMenu*>(child))
            Translate(child, token, lines, language, WithHint::No);
}

void TranslateForm(const Translator& translator, QWidget* window) {
    if (QFileInfo::exists(translator.TranslationsPath()))
        TranslateComponents(
            window,
            [&translator](const QString& section) {
                return translator.ReadSection(section, false);
            },
            translator.Language());
}

void TranslateMenuItems(const Translator& translator, QMenu* menu) {
    if (QFileInfo::exists(translator.TranslationsPath()))
        TranslateMenuEntries(menu, translator.ReadSection(menu->objectName(), false),
                             translator.Language());
}

void TranslateAll(Translator& translator) {
    translator.LoadMessages();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (type != Qt::Popup && type != Qt::ToolTip && !window->objectName().isEmpty())
            TranslateForm(translator, window);
    }
}

} // namespace services
