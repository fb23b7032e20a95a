#include "app/services/recent_files.h"

#include <QFileInfo>

#include <algorithm>

namespace services {

RecentFileChange AddRecentPath(QStringList& recentFiles, const QString& path) {
    RecentFileChange change;
    if (!QFileInfo(path).isFile())
        return change;
    const auto found =
        std::find_if(recentFiles.cbegin(), recentFiles.cend(),
                     [&](const QString& p) { return p.compare(path, Qt::CaseInsensitive) == 0; });
    const qsizetype position = found == recentFiles.cend() ? -1 : found - recentFiles.cbegin();
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
