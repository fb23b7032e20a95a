#include "app/services/ui/recent_files_menu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include <ranges>

namespace services {

namespace {

// A new entry at the top, named name and captioned with the file name of path (no folder).
QAction* InsertEntry(QMenu* menu, const QString& name, const QString& path) {
    // "&&" shows an ampersand of the file name instead of making it a shortcut letter.
    auto* entry = new QAction(QFileInfo(path).fileName().replace(u'&', QStringLiteral("&&")), menu);
    entry->setObjectName(name);
    const QList<QAction*> entries = menu->actions();
    menu->insertAction(entries.value(0), entry);
    return entry;
}

void MoveEntryToTop(QMenu* menu, int from) {
    const QList<QAction*> entries = menu->actions();
    if (from <= 0 || from >= entries.size())
        return;
    menu->removeAction(entries.at(from));
    menu->insertAction(entries.at(0), entries.at(from));
}

void RemoveEntry(QMenu* menu, int at) {
    const QList<QAction*> entries = menu->actions();
    if (at >= 0 && at < entries.size())
        delete entries.at(at);
}

} // namespace

RecentFilesMenu::RecentFilesMenu(RecentFiles& list) : list_(list) {
    list_.SetChangeHandler([this](const RecentFileChange& change) { Follow(change); });
}

void RecentFilesMenu::Show(QMenu* openRecentMI, OpenFileHandler openFile) {
    menu_ = openRecentMI;
    openFile_ = std::move(openFile);
    for (const QString& path : std::views::reverse(list_.Paths()))
        CreateEntry(path);
}

void RecentFilesMenu::Follow(const RecentFileChange& change) {
    if (!menu_)
        return;
    if (change.kind == RecentFileChange::Kind::MovedToTop) {
        MoveEntryToTop(menu_, change.movedFrom);
        return;
    }
    CreateEntry(list_.At(0));
    if (change.droppedOldest)
        RemoveEntry(menu_, kMaxRecentFiles);
}

void RecentFilesMenu::CreateEntry(const QString& path) {
    ++entryCounter_;
    const QString name = QStringLiteral("OpenRecent%1MI").arg(entryCounter_ + 1);
    QAction* entry = InsertEntry(menu_, name, path);
    QObject::connect(entry, &QAction::triggered, entry, [this, entry] {
        // The entry belongs to the menu, so the menu is still there.
        const qsizetype position = menu_->actions().indexOf(entry);
        if (openFile_ && position >= 0)
            openFile_(list_.At(int(position)));
    });
}

} // namespace services
