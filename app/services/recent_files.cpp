#include "app/services/recent_files.h"

#include "app/services/ini_file.h"
#include "app/services/settings.h"

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

void RecentFiles::Add(const QString& path) {
    const RecentFileChange change = AddRecentPath(paths_, path);
    if (change.kind != RecentFileChange::Kind::None && changed_)
        changed_(change);
}

void RecentFiles::LoadFrom(const IniFile& ini) {
    const auto entries = ini.SectionEntries(kRecentFiles);
    // Reverse iterators rather than std::views::reverse, which clang 14 cannot compile over QList.
    for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry)
        Add(entry->second);
}

void RecentFiles::WriteTo(IniFile& ini) const {
    ini.EraseSection(kRecentFiles);
    for (int i = 0; i < paths_.size(); ++i)
        ini.WriteString(kRecentFiles, QStringLiteral("File") + QString::number(i + 1),
                        paths_.at(i));
}

} // namespace services
