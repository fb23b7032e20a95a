#pragma once
// The services module of the program (one instance, made by the program's main body after the
// QApplication): it composes the settings store, the recent files and their submenu, the
// translator and the window placement, and offers the small services — the program's version
// text, numbers for new grids, opening a URL, the message window, changing the language.
//
// Creation finds the data folder and loads the settings, then finds the program folder and loads
// the messages and Qt's own translations. Destruction saves the settings and the recent files,
// after everything else of the program has gone.

#include "app/services/recent_files.h"
#include "app/services/settings_store.h"
#include "app/services/translator.h"
#include "app/services/ui/message_dialog.h"
#include "app/services/ui/recent_files_menu.h"
#include "app/services/ui/window_placement.h"

#include <QString>

class QWidget;

namespace services {

class AppServices {
public:
    AppServices();
    ~AppServices();
    AppServices(const AppServices&) = delete;
    AppServices& operator=(const AppServices&) = delete;

    SettingsStore& Store() { return store_; }
    const SettingsStore& Store() const { return store_; }
    RecentFiles& Recent() { return recent_; }
    RecentFilesMenu& RecentMenu() { return recentMenu_; }
    Translator& Translation() { return translator_; }
    const Translator& Translation() const { return translator_; }
    WindowPlacement& Placement() { return placement_; }

    // The program file's name without folder and extension.
    const QString& ProgramName() const { return programName_; }
    // The settings and the recent files; false when the disk was not reached.
    bool SaveSettings();
    // Makes a language current: saves the settings and translates everything again, Qt's own
    // texts included.
    void SetLanguage(const QString& code);

    QString ProgramVersionText() const;
    // The next grid number as text, "1" the first time.
    QString NextGridNumber();
    // Hands a web address, a "mailto:" link or a document path to the desktop.
    void OpenUrl(const QString& url) const;
    int MessageDialog(const QString& text, const QString& a1, const QString& a2, int number,
                      MessageKind kind, MessageButtons buttons, QWidget* parent = nullptr) const;

private:
    SettingsStore store_;
    RecentFiles recent_;
    Translator translator_{store_.Values()};
    WindowPlacement placement_{store_};
    RecentFilesMenu recentMenu_{recent_};
    QString programName_;
    int gridCounter_ = 0; // last number handed out by NextGridNumber
};

} // namespace services
