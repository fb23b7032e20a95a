#include "app/services/settings_file.h"

#include "app/services/text_file.h"

namespace services {

SettingsFile SettingsFile::InMemory(const QString& problem, const IniFile& start) {
    SettingsFile file;
    file.problem_ = problem;
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
        problem_ = QStringLiteral(
                       "Le fichier «\u00A0%1\u00A0» ne peut pas être lu : les réglages de cette "
                       "session ne seront pas enregistrés.")
                       .arg(path_);
        path_.clear();
        return memory_;
    }
    return IniFile::Parse(file.text);
}

bool SettingsFile::Save(const IniFile& ini) {
    memory_ = ini;
    return !path_.isEmpty() && WriteTextFileAtomically(path_, ini.ToText());
}

} // namespace services
