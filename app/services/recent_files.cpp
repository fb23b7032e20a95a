#include "app/services/recent_files.h"

#include <QFileInfo>

namespace services {

RecentFileChange AddRecentPath(QStringList& recentFiles, const QString& path) {
    RecentFileChange change;
    if (!QFileInfo(path).isFile())
        return change;
    const qsizetype position = recentFiles.indexOf(path);
    if (position == 0)
        return change;
    if (position > 0) {
        recentFiles.removeAt(position);
        change.kind = RecentFileChange::Kind::MovedToTop;
        change.movedFrom = int(position);
    } else {
        change.kind = RecentFileChange::Kind::Added;
    }
    recentFiles.prepend(path);
    if (recentFiles.size() > kMaxRecentFiles) {
        recentFiles.removeAt(kMaxRecentFiles);
        change.droppedOldest = true;
    }
    return change;
}

} // namespace services
