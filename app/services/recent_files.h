#pragma once
// The list of recent grid files, most recent first. A file joins the list only if it exists; a
// path already listed moves to the top. Paths are compared with regard to case: on Linux
// "A.xml" and "a.xml" are two files.

#include <QString>
#include <QStringList>

namespace services {

constexpr int kMaxRecentFiles = 10;

// What one addition did, so that a menu shown beside the list can follow it.
struct RecentFileChange {
    enum class Kind {
        None,      // already on top, or the file does not exist
        Added,     // inserted at position 0
        MovedToTop // the entry at movedFrom went to position 0
    };
    Kind kind = Kind::None;
    int movedFrom = -1;
    bool droppedOldest = false; // Added pushed the entry at position kMaxRecentFiles out
};

// Adds a path to the list following the rules above.
RecentFileChange AddRecentPath(QStringList& recentFiles, const QString& path);

} // namespace services
