#pragma once
// The user's settings, with the value each takes when "Settings.ini" has no valid entry for it
// (settings.cpp pairs every field with its key). The part a grid reads is game::GameSettings.

#include "game/model/game_settings.h"

#include <QString>

namespace services {

using game::Colour;

inline const QString kGeneralSettings = QStringLiteral("GeneralSettings");
inline const QString kRecentDirectories = QStringLiteral("RecentDirectories");
inline const QString kRecentFiles = QStringLiteral("RecentFiles");
inline const QString kWindowPositions = QStringLiteral("WindowPositions");

struct Settings : game::GameSettings {
    QString Language = QStringLiteral("fr"); // two-letter code of the current language
    bool ShowTipsOnStartup = true;
    bool SavePosWin = true; // store and restore window positions
    bool ToolBar = true;    // main toolbar visible
    bool QuitConfirm = true;
    int LastTipShown = 0; // 0-based index of the tip shown last
    int TimeSplash = 2;   // seconds
    bool ReopenLastFile = true;
    QString RecentOpenFileDir;   // folder last used by the Open dialog
    int GeneratedGridLevel = -1; // New's generated grid: 0..5 a practice level, else the usual
};

class IniFile;

// Fills every field from its entry, or with its default when the entry is missing or malformed
// (a colour outside 0..game::kWhite is malformed).
void ReadSettings(const IniFile& ini, Settings& settings);
// Writes every field, in the order that lays out a new file.
void WriteSettings(const Settings& settings, IniFile& ini);

} // namespace services
