#pragma once
// The list of recent grid files, most recent first. A file joins the list only if it exists; a
// path already listed moves to the top. Paths are compared with regard to case: on Linux
// "A.xml" and "a.xml" are two files.

#include <QString>
#include <QStringList>

#include <functional>

namespace services {

class IniFile;

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

// The list of this run, kept in section "RecentFiles" of "Settings.ini".
class RecentFiles {
public:
    using ChangeHandler = std::function<void(const RecentFileChange&)>;

    const QStringList& Paths() const { return paths_; }
    int Count() const { return int(paths_.size()); }
    QString At(int index) const { return paths_.value(index); }

    void Add(const QString& path);
    // Adds the paths of section "RecentFiles" from the last line to the first, so that the first
    // line ends up most recent. Keys are not interpreted; files that no longer exist are dropped.
    void LoadFrom(const IniFile& ini);
    // Section "RecentFiles" anew: File1 the most recent, and no section for an empty list.
    void WriteTo(IniFile& ini) const;

    // Runs after every change of the list, so that a menu shown beside it follows.
    void SetChangeHandler(ChangeHandler changed) { changed_ = std::move(changed); }

private:
    QStringList paths_;
    ChangeHandler changed_;
};

} // namespace services
