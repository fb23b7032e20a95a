#pragma once
// Building blocks of the main window's language menu: one checkable entry per language of the
// translation file, named after its code, all in one exclusive group owned by the menu.

#include <QString>

#include <functional>

class QAction;
class QMenu;

namespace services {

class AppServices;

// Appends the entry of one language (the main window's CreerItemMenu).
QAction* AddLanguageEntry(QMenu* langues, const QString& code);

// Appends an entry per language of section "Languages"; the current language is checked and the
// captions translated. onChosen runs when the user picks an entry (the main window's
// CreerMenuLanguage).
void FillLanguageMenu(AppServices& services, QMenu* langues,
                      const std::function<void(QAction*)>& onChosen);

// Makes the language of the entry current: settings saved, every window translated, the entry
// checked and the captions of the menu translated (the main window's LanguageChange).
void ChooseLanguageEntry(AppServices& services, QMenu* langues, QAction* entry);

} // namespace services
