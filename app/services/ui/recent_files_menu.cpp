#include "app/services/ui/recent_files_menu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

namespace services {

QAction* InsertRecentEntry(QMenu* menu, const QString& name, const QString& path) {
    // "&&" shows an ampersand of the file name instead of making it a shortcut letter.
    auto* entry = new QAction(QFileInfo(path).fileName().replace(u'&', QStringLiteral("&&")), menu);
    entry->setObjectName(name);
    const QList<QAction*> entries = menu->actions();
    menu->insertAction(entries.value(0), entry);
    return entry;
}

void MoveRecentEntryToTop(QMenu* menu, int from) {
    const QList<QAction*> entries = menu->actions();
    if (from <= 0 || from >= entries.size())
        return;
    menu->removeAction(entries.at(from));
    menu->insertAction(entries.at(0), entries.at(from));
}

void RemoveRecentEntry(QMenu* menu, int at) {
    const QList<QAction*> entries = menu->actions();
    if (at >= 0 && at < entries.size())
        delete entries.at(at);
}

} // namespace services
