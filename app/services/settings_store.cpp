#include "app/services/settings_store.h"

#include "app/services/folders.h"
#include "app/services/text_file.h"

namespace services {

namespace {

SettingsFile OpenSettingsFile(const DataFolderResult& folder) {
    const QString path = folder.path + QStringLiteral("Settings.ini");
    // A folder that cannot be written may still hold a file: its settings hold for the session.
    if (!folder.usable)
        return SettingsFile::InMemory(folder.path, IniFile::Parse(ReadTextFile(path).text));
    return SettingsFile::OnDisk(path);
}

} // namespace

SettingsStore::SettingsStore() {
    const DataFolderResult folder = GetDataFolder();
    dataFolder_ = folder.path;
    file_ = OpenSettingsFile(folder);
    Load();
}

void SettingsStore::Load() {
    ReadSettings(LoadFile(), values_);
    if (values_.RecentOpenFileDir.isEmpty())
        values_.RecentOpenFileDir = dataFolder_;
}

bool SettingsStore::Save(const SectionWriter& alsoWrite) {
    IniFile ini = LoadFile();
    WriteSettings(values_, ini);
    if (alsoWrite)
        alsoWrite(ini);
    return SaveFile(ini);
}

QString SettingsStore::ReadEntry(const QString& section, const QString& key, const QString& def) {
    return LoadFile().ReadString(section, key, def);
}

bool SettingsStore::WriteEntry(const QString& section, const QString& key, const QString& value) {
    IniFile ini = LoadFile();
    return ini.WriteString(section, key, value) && SaveFile(ini);
}

} // namespace services
