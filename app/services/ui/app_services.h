#pragma once
// The services module of the program (one instance, made by the program's main body): the plain
// services of ServicesCore plus those that act on windows — translating them, the message
// window, the recent-files submenu, window positions, opening a URL.

#include "app/services/services_core.h"
#include "app/services/ui/message_dialog.h"

#include <QPointer>

#include <functional>

class QMenu;
class QWidget;

namespace services {

class AppServices : public ServicesCore {
public:
    using OpenFileHandler = std::function<void(const QString& path)>;

    // The submenu that shows RecentFiles, and what a click on one of its entries calls with that
    // entry's path. Entries for the paths already listed are added at once.
    void SetRecentFilesMenu(QMenu* openRecentMI, OpenFileHandler openFile);

    // The window is known by its objectName. Both do nothing while SavePosWin is false.
    void SaveWindowPosition(QWidget* window, bool withSize);
    void RestoreWindowPosition(QWidget* window, bool withSize);

    // Hands a web address, a "mailto:" link or a document path to the desktop.
    void OpenUrl(const QString& url) const;

    // Applies section [objectName] of the translation file to the window's components.
    void TranslateForm(QWidget* window) const;
    // Applies section [objectName] to the entries the menu owns (captions only).
    void TranslateMenuItems(QMenu* menu) const;
    // Makes a language current: saves the settings and translates everything again, Qt's own
    // texts included.
    void SetLanguage(const QString& code);
    // Reloads the messages and translates every window that exists.
    void TranslateAll();

    int MessageDialog(const QString& text, const QString& a1, const QString& a2, int number,
                      MessageKind kind, MessageButtons buttons, QWidget* parent = nullptr) const;

protected:
    void RecentFilesChanged(const RecentFileChange& change) override;

private:
    void CreateRecentEntry(const QString& path);
    QStringList WindowSection(const QString& name) const;

    QPointer<QMenu> recentMenu_;
    OpenFileHandler openFile_;
};

} // namespace services
