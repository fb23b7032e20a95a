#pragma once
// Operations on the recent-files submenu, whose entry i stands for the recent file at position i.

#include <QString>

class QAction;
class QMenu;

namespace services {

// A new entry at the top, named name and captioned with the file name of path (no folder).
QAction* InsertRecentEntry(QMenu* menu, const QString& name, const QString& path);
void MoveRecentEntryToTop(QMenu* menu, int from);
void RemoveRecentEntry(QMenu* menu, int at);

} // namespace services
