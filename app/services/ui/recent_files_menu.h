#pragma once
// The recent-files submenu: entry i stands for the recent file at position i and follows every
// change of the list. Entries are named OpenRecent3MI, OpenRecent4MI... in the order they are
// created.

#include "app/services/recent_files.h"

#include <QPointer>
#include <QString>

#include <functional>

class QMenu;

namespace services {

class RecentFilesMenu {
public:
    using OpenFileHandler = std::function<void(const QString& path)>;

    // Follows the list's changes from now on; the list must outlive the menu.
    explicit RecentFilesMenu(RecentFiles& list);
    RecentFilesMenu(const RecentFilesMenu&) = delete;
    RecentFilesMenu& operator=(const RecentFilesMenu&) = delete;

    // The submenu that shows the list, and what a click on one of its entries calls with that
    // entry's path. Entries for the paths already listed are added at once.
    void Show(QMenu* openRecentMI, OpenFileHandler openFile);

private:
    void Follow(const RecentFileChange& change);
    void CreateEntry(const QString& path);

    RecentFiles& list_;
    QPointer<QMenu> menu_;
    OpenFileHandler openFile_;
    int entryCounter_ = 1; // numbers the names of the entries
};

} // namespace services
