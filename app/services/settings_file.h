#pragma once
// "Settings.ini": every read loads the file afresh and every write rewrites it whole, atomically.
// When the data folder cannot be used, or the file exists but cannot be read (rewriting it could
// destroy what it holds), the settings live in memory for the rest of the run and Problem() says
// why, in a sentence the program can show once. A data folder that cannot be written still has its
// file read: the session starts from those settings and keeps its changes in memory.

#include "app/services/ini_file.h"

#include <QString>

namespace services {

class SettingsFile {
public:
    // Settings kept in memory only, because the data folder given cannot be created or written,
    // starting from those given.
    static SettingsFile InMemory(const QString& folder, const IniFile& start = {});
    static SettingsFile OnDisk(const QString& path);

    IniFile Load();
    // Returns false when the settings could not reach the disk (they are kept in memory).
    bool Save(const IniFile& ini);

    // In the interface's language at the time it is asked; empty while the settings reach the disk.
    QString Problem() const;

private:
    QString path_;           // empty while the settings live in memory
    int problemMessage_ = 0; // 0 while the settings reach the disk
    QString problemDefault_;
    QString problemPath_;
    IniFile memory_;
};

} // namespace services
