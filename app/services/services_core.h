#pragma once
// The services module without its windows: the settings (every field named after its key in
// "Settings.ini"), the recent-file list, the message texts of the current language and a few small
// services. AppServices (app/services/ui/dm_fonction.h) adds what needs widgets.
//
// Creation needs the QCoreApplication (for the program folder); it finds the folders, loads the
// settings, the messages and Qt's own translations. Destruction saves the settings.

#include "app/services/ini_file.h"
#include "app/services/recent_files.h"
#include "app/services/settings.h"
#include "app/services/settings_file.h"
#include "app/services/translations.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <array>

namespace services {

// Window border styles, the index of BorderOffsets.
enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWindow };

class ServicesCore : public Settings {
public:
    ServicesCore();
    virtual ~ServicesCore();
    ServicesCore(const ServicesCore&) = delete;
    ServicesCore& operator=(const ServicesCore&) = delete;

    // Learned offset, per border style, from a window's outer corner to its client area.
    std::array<QPoint, 6> BorderOffsets{};
    QStringList RecentFiles;   // full paths, most recent first, at most kMaxRecentFiles
    int RecentMenuCounter = 1; // numbers the names of the recent-file menu entries
    QStringList Messages;      // message texts of the current language, message 1 first
    QString ProgramName;
    QString DataFolder;    // holds "Settings.ini"
    QString ProgramFolder; // holds "Translations.txt"
    int GridCounter = 0;   // last number handed out by NextGridNumber

    // Empty while the settings reach the disk; otherwise why they do not, to be shown once.
    QString StorageProblem() const { return settingsFile_.Problem(); }

    void LoadSettings();
    bool SaveSettings();
    QString ReadSetting(const QString& section, const QString& key, const QString& def);
    // Writes one entry and rewrites the file at once.
    bool WriteSetting(const QString& section, const QString& key, const QString& value);
    // The whole settings file, for callers that read or write several entries at once.
    IniFile LoadSettingsFile() { return settingsFile_.Load(); }
    bool SaveSettingsFile(const IniFile& ini) { return settingsFile_.Save(ini); }

    void AddRecentFile(const QString& path);
    int RecentFileCount() const { return int(RecentFiles.size()); }
    QString RecentFile(int index) const { return RecentFiles.value(index); }
    // Adds the paths of section "RecentFiles" from the last line to the first, so that the first
    // line ends up most recent. Keys are not interpreted; files that no longer exist are dropped.
    void LoadRecentFiles();

    QString ProgramVersionText() const;
    // The next grid number as text, "1" the first time.
    QString NextGridNumber();
    static QString FormatDuration(qint64 seconds);

    QString TranslationsPath() const { return ProgramFolder + kTranslationsFileName; }
    QStringList ReadTranslationSection(const QString& path, const QString& section,
                                       bool valuesOnly) const;
    // Fills Messages from section "Messages" when the translation file exists, and hands them to
    // the game model (game::SetMessages).
    void LoadMessages();
    QString GetMessageText(const QString& defaultText, int number, const QString& a1 = {},
                           const QString& a2 = {}) const;
    // The codes the language menu offers, in file order.
    QStringList LanguageCodes() const;
    // Puts Qt's own texts (file and print dialogs, colour chooser, standard buttons, context
    // menus) in the current language, from Qt's translation files; English when there are none.
    void LoadQtTranslations();

protected:
    // Lets a menu shown beside RecentFiles follow every change of the list.
    virtual void RecentFilesChanged(const RecentFileChange&) {}

private:
    SettingsFile settingsFile_;
    QTranslator qtTranslations_;
};

} // namespace services
