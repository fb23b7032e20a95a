#pragma once
// The user's settings and "Settings.ini": the one Settings value of the program, loaded from the
// file of the data folder when the store is made, and the file itself for the entries that are
// read or written one at a time (window positions, the save folder).

#include "app/services/ini_file.h"
#include "app/services/settings.h"
#include "app/services/settings_file.h"

#include <QString>

#include <functional>

namespace services {

class SettingsStore {
public:
    // Finds (and creates) the data folder and loads the settings from its "Settings.ini".
    SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The settings of this run; a change reaches the file at the next Save.
    Settings& Values() { return values_; }
    const Settings& Values() const { return values_; }

    // Holds "Settings.ini"; ends with "/".
    const QString& DataFolder() const { return dataFolder_; }
    // Empty while the settings reach the disk; otherwise why they do not, to be shown once.
    QString StorageProblem() const { return file_.Problem(); }

    // Every field from the file, or its default; RecentOpenFileDir defaults to the data folder.
    void Load();
    // What a save adds to the file after the fields (the recent files).
    using SectionWriter = std::function<void(IniFile&)>;
    // Writes every field, then what alsoWrite adds; false when the disk was not reached.
    bool Save(const SectionWriter& alsoWrite = {});

    QString ReadEntry(const QString& section, const QString& key, const QString& def);
    // Writes one entry and rewrites the file at once.
    bool WriteEntry(const QString& section, const QString& key, const QString& value);
    // The whole file, for callers that read or write several entries at once.
    IniFile LoadFile() { return file_.Load(); }
    bool SaveFile(const IniFile& ini) { return file_.Save(ini); }

private:
    QString dataFolder_;
    SettingsFile file_;
    Settings values_;
};

} // namespace services
