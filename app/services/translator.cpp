#include "app/services/translator.h"

#include "app/services/folders.h"
#include "game/model/model_messages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace services {

Translator::Translator(const Settings& settings)
    : settings_(settings), programFolder_(GetProgramFolder()) {
    LoadMessages();
    LoadQtTranslations();
}

QStringList Translator::ReadSection(const QString& section, bool valuesOnly) const {
    return ReadTranslationSection(TranslationsPath(), section, Language(), valuesOnly);
}

void Translator::LoadMessages() {
    if (QFileInfo::exists(TranslationsPath()))
        messages_ = ReadSection(QStringLiteral("Messages"), true);
    game::SetMessages(messages_);
}

QString Translator::GetMessageText(const QString& defaultText, int number, const QString& a1,
                                   const QString& a2) const {
    return services::GetMessageText(messages_, defaultText, number, a1, a2);
}

QStringList Translator::LanguageCodes() const {
    return services::LanguageCodes(TranslationsPath());
}

void Translator::LoadQtTranslations() {
    QCoreApplication::removeTranslator(&qtTranslations_);
    // "qt_fr.qm" gathers the translations of every Qt module.
    if (qtTranslations_.load(QStringLiteral("qt_") + Language(),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslations_);
}

} // namespace services
