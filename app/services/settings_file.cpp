#include "app/services/settings_file.h"

#include "app/services/text_file.h"
#include "game/model/model_messages.h"

namespace services {

SettingsFile SettingsFile::InMemory(const QString& folder, const IniFile& start) {
    SettingsFile file;
    file.problemMessage_ = 53;
    file.problemDefault_ =
        QStringLiteral("Le dossier «\u00A0%1\u00A0» ne peut pas être créé ou écrit : les réglages "
                       "de cette session ne seront pas enregistrés.");
    file.problemPath_ = folder;
    file.memory_ = start;
    return file;
}

SettingsFile SettingsFile::OnDisk(const QString& path) {
    SettingsFile file;
    file.path_ = path;
    return file;
}

IniFile SettingsFile::Load() {
    if (path_.isEmpty())
        return memory_;
    const TextFile file = ReadTextFile(path_);
    if (file.status == TextFileStatus::Unreadable) {
        problemMessage_ = 54;
        problemDefault_ = QStringLiteral(
            "Le fichier «\u00A0%1\u00A0» ne peut pas être lu : les réglages de cette "
            "session ne seront pas enregistrés.");
        problemPath_ = path_;
        path_.clear();
        return memory_;
    }
    return IniFile::Parse(file.text);
}

QString SettingsFile::Problem() const {
    // Looked up in the interface's language, then its %1 filled.
    return problemMessage_ ? game::MessageText(problemMessage_, problemDefault_).arg(problemPath_)
                           : QString();
}

bool SettingsFile::Save(const IniFile& ini) {
    memory_ = ini;
    return !path_.isEmpty() && WriteTextFileAtomically(path_, ini.ToText());
}

} // namespace services
