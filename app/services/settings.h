#pragma once
// The user's settings, each named after its key in "Settings.ini", with the value it takes when
// the file has no valid entry for it.

#include <QString>

#include <cstdint>

namespace services {

// A colour laid out 0x00BBGGRR (red in the lowest byte).
using Colour = std::uint32_t;
// The largest colour; a setting above it, or below 0, is malformed.
constexpr int kWhite = 0xFFFFFF;

inline const QString kGeneralSettings = QStringLiteral("GeneralSettings");
inline const QString kRecentDirectories = QStringLiteral("RecentDirectories");
inline const QString kRecentFiles = QStringLiteral("RecentFiles");
inline const QString kWindowPositions = QStringLiteral("WindowPositions");

struct Settings {
    QString Language = QStringLiteral("fr"); // two-letter code of the current language
    bool ShowTipsOnStartup = true;
    bool SavePosWin = true; // store and restore window positions
    bool ToolBar = true;    // main toolbar visible
    bool QuitConfirm = true;
    int LastTipShown = 0; // 0-based index of the tip shown last
    int TimeSplash = 2;   // seconds
    bool ReopenLastFile = true;
    QString RecentOpenFileDir;         // folder last used by the Open dialog
    Colour CouleurChiffre = 16711680;  // digits placed in play mode (pure blue)
    Colour Couleurdevoile = 0;         // digits entered in input mode (black)
    Colour CouleurCandidat = 16744576; // candidate digits
    Colour CouleurReference = 65535;   // reference cells of a finding (yellow)
    Colour CouleurJouable = 65408;     // cells a finding acts on
    bool Candidats = false;            // new grids show their candidates
    bool Protection = false;           // new grids start protected
};

class IniFile;

// Fills every field from its entry, or with its default when the entry is missing or malformed
// (a colour outside 0..kWhite is malformed).
void ReadSettings(const IniFile& ini, Settings& settings);
// Writes every field, in the order that lays out a new file.
void WriteSettings(const Settings& settings, IniFile& ini);

} // namespace services
