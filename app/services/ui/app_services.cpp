#include "app/services/ui/app_services.h"

#include "app/services/ui/recent_files_menu.h"
#include "app/services/ui/window_translation.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenu>
#include <QUrl>
#include <QWidget>

#include <ranges>

namespace services {

void AppServices::SetRecentFilesMenu(QMenu* openRecentMI, OpenFileHandler openFile) {
    recentMenu_ = openRecentMI;
    openFile_ = std::move(openFile);
    for (const QString& path : std::views::reverse(RecentFiles))
        CreateRecentEntry(path);
}

void AppServices::RecentFilesChanged(const RecentFileChange& change) {
    if (!recentMenu_)
        return;
    if (change.kind == RecentFileChange::Kind::MovedToTop) {
        MoveRecentEntryToTop(recentMenu_, change.movedFrom);
        return;
    }
    CreateRecentEntry(RecentFiles.first());
    if (change.droppedOldest)
        RemoveRecentEntry(recentMenu_, kMaxRecentFiles);
}

void AppServices::CreateRecentEntry(const QString& path) {
    ++RecentMenuCounter;
    const QString name = QStringLiteral("OpenRecent%1MI").arg(RecentMenuCounter + 1);
    QAction* entry = InsertRecentEntry(recentMenu_, name, path);
    QObject::connect(entry, &QAction::triggered, entry, [this, entry] {
        // The entry belongs to the menu, so the menu is still there.
        const qsizetype position = recentMenu_->actions().indexOf(entry);
        if (openFile_ && position >= 0)
            openFile_(RecentFile(int(position)));
    });
}

void AppServices::OpenUrl(const QString& url) const {
    QDesktopServices::openUrl(QUrl::fromUserInput(url));
}

QStringList AppServices::WindowSection(const QString& name) const {
    return ReadTranslationSection(TranslationsPath(), name, false);
}

void AppServices::TranslateForm(QWidget* window) const {
    if (QFileInfo::exists(TranslationsPath()))
        TranslateComponents(
            window, [this](const QString& section) { return WindowSection(section); }, Language);
}

void AppServices::TranslateMenuItems(QMenu* menu) const {
    if (QFileInfo::exists(TranslationsPath()))
        TranslateMenuEntries(menu, WindowSection(menu->objectName()), Language);
}

void AppServices::SetLanguage(const QString& code) {
    Language = code;
    SaveSettings();
    LoadQtTranslations();
    TranslateAll();
}

void AppServices::TranslateAll() {
    LoadMessages();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (type != Qt::Popup && type != Qt::ToolTip && !window->objectName().isEmpty())
            TranslateForm(window);
    }
}

int AppServices::MessageDialog(const QString& text, const QString& a1, const QString& a2,
                               int number, MessageKind kind, MessageButtons buttons,
                               QWidget* parent) const {
    return services::MessageDialog(Messages, text, a1, a2, number, kind, buttons, parent);
}

} // namespace services
