#pragma once
// The texts of the current language: the numbered messages and the sections of
// "Translations.txt" (in the program folder), the languages it offers, and Qt's own translations.
// The current language is the Language setting; the windows are translated with
// ui/window_translation.h.

#include "app/services/settings.h"
#include "app/services/translations.h"

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace services {

class Translator {
public:
    // Finds the program folder (needs the QCoreApplication), loads the messages of the language
    // of settings, which must outlive the translator, and puts Qt's own texts in that language.
    explicit Translator(const Settings& settings);
    Translator(const Translator&) = delete;
    Translator& operator=(const Translator&) = delete;

    const QString& Language() const { return settings_.Language; }

    // Holds "Translations.txt"; ends with "/".
    const QString& ProgramFolder() const { return programFolder_; }
    // Another folder (the next LoadMessages reads its file).
    void SetProgramFolder(const QString& folder) { programFolder_ = folder; }
    QString TranslationsPath() const { return programFolder_ + kTranslationsFileName; }

    // The current language's lines of a section, whole or values only.
    QStringList ReadSection(const QString& section, bool valuesOnly) const;
    // The messages of the current language from section "Messages" when the translation file
    // exists (otherwise they stay), handed to the game model (game::SetMessages) too.
    void LoadMessages();
    // Message 1 first.
    const QStringList& Messages() const { return messages_; }
    QString GetMessageText(const QString& defaultText, int number, const QString& a1 = {},
                           const QString& a2 = {}) const;
    // The codes the language menu offers, in file order.
    QStringList LanguageCodes() const;
    // Puts Qt's own texts (file and print dialogs, colour chooser, standard buttons, context
    // menus) in the current language, from Qt's translation files; English when there are none.
    void LoadQtTranslations();

private:
    const Settings& settings_;
    QString programFolder_;
    QStringList messages_;
    QTranslator qtTranslations_;
};

} // namespace services
