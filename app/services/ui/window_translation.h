#pragma once
// Applying a window's section of "Translations.txt" to its components. The lines are the whole
// lines of the current language (ReadTranslationSection); the key of a component is language +
// "_" + kind token + "_" + objectName, and key + "_Hint" gives its hint. An empty or missing value
// leaves the component as it is.
//
// The components of a window are the objects beneath it that have an objectName, down to (but not
// into) the windows nested in it; popup menus belong to the window. A caption goes to the text of
// the component (the title of a group box, menu or nested window, the text of a tab); a hint goes
// to the status tip of actions and menus, which the main window shows in its status bar, and to
// the tooltip of widgets and tabs.
//
// A widget that carries the dynamic property "translationSection" is translated, with everything
// beneath it, from that section instead of its window's: a game frame, whose objectName is the
// random name of its tab, takes "Framefille", whether it is translated on its own or as part of the
// main window.

#include <QString>
#include <QStringList>

#include <functional>

class QMenu;
class QWidget;

namespace services {

class Translator;

inline constexpr char kTranslationSectionProperty[] = "translationSection";

// The current language's whole lines of a section of the translation file.
using SectionReader = std::function<QStringList(const QString& section)>;

// The section of the window is its "translationSection" or else its objectName.
void TranslateComponents(QWidget* window, const SectionReader& readSection,
                         const QString& language);

// The entries that the menu owns (its actions and submenus), every one as a "TMenuItem", captions
// only.
void TranslateMenuEntries(QMenu* menu, const QStringList& lines, const QString& language);

// Applies section [objectName] of the translation file to the window's components.
void TranslateForm(const Translator& translator, QWidget* window);
// Applies section [objectName] to the entries the menu owns (captions only).
void TranslateMenuItems(const Translator& translator, QMenu* menu);
// Reloads the messages and translates every window that exists.
void TranslateAll(Translator& translator);

} // namespace services
