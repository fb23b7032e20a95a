#include "app/services/ui/language_menu.h"

#include "app/services/ui/app_services.h"
#include "app/services/ui/window_translation.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace services {

QAction* AddLanguageEntry(QMenu* langues, const QString& code) {
    auto* group = langues->findChild<QActionGroup*>(QString(), Qt::FindDirectChildrenOnly);
    if (!group)
        group = new QActionGroup(langues);
    auto* entry = new QAction(code, langues);
    entry->setObjectName(code);
    entry->setCheckable(true);
    group->addAction(entry);
    langues->addAction(entry);
    return entry;
}

void FillLanguageMenu(AppServices& services, QMenu* langues,
                      const std::function<void(QAction*)>& onChosen) {
    const Translator& translator = services.Translation();
    for (const QString& code : translator.LanguageCodes()) {
        QAction* entry = AddLanguageEntry(langues, code);
        entry->setChecked(code == translator.Language());
        QObject::connect(entry, &QAction::triggered, entry, [entry, onChosen] { onChosen(entry); });
    }
    TranslateMenuItems(translator, langues);
}

void ChooseLanguageEntry(AppServices& services, QMenu* langues, QAction* entry) {
    services.SetLanguage(entry->objectName());
    entry->setChecked(true);
    TranslateMenuItems(services.Translation(), langues);
}

} // namespace services
