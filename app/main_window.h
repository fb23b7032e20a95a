#pragma once
// MainWindow: the main window. Menu bar, picture toolbar, tab strip of open grids, status bar;
// the command table and its enabled states (UpdateActions); the file commands over the tabs; the
// quit sequence that asks every grid first.

#include "game/model/history_entry.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class QLabel;
class QMenu;
class QToolBar;

namespace game {
class GridFrame;
}
namespace services {
class AppServices;
struct Settings;
} // namespace services

namespace app {

class Autosave;
class FrameServicesAdapter;
class GridTabs;

// The file and question dialogs the commands open; tests replace them.
struct ShellDialogs {
    // The New question: 101 generated grid, 100 blank grid, 2 cancel.
    std::function<int()> askNewGrid;
    // A path to open or to save to, empty when cancelled.
    std::function<QString(const QString& title, const QString& folder)> chooseOpenFile;
    std::function<QString(const QString& title, const QString& folder)> chooseSaveFile;
    // The default error box of a command that failed.
    std::function<void(const QString& text)> showError;
};

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(services::AppServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Recent files, language, and the tips window when the settings ask for it. Called once the
    // window's signals are connected, before it is shown.
    void FinishSetUp();
    // Grid files named on the command line, opened when the window is first shown in place of the
    // most recent file.
    void SetCommandLineFiles(const QStringList& paths) { commandLineFiles_ = paths; }

    ShellDialogs& Dialogs() { return dialogs_; }
    GridTabs* Tabs() const { return tabs_; }
    // The grid of the active tab, or null while no tab is open.
    game::GridFrame* ActiveGrid() const;
    game::GridFrame* Grid(int index) const;
    QAction* Action(const QString& name) const;

    // Refreshes the enabled state of the commands that need a grid.
    void UpdateActions(bool deleting);
    void ShowStatus(const QString& text);

    // File commands.
    void NewGrid();
    void Open();
    // Opens a grid file on a new tab, or shows the tab that already holds it; false (and the error
    // shown) when it cannot be read.
    bool OpenFile(const QString& path);
    void Save();
    void SaveAs();
    void Duplicate();
    // The close button of tab index; true when the tab was closed. A modified grid closes only
    // once saved or when the player chose not to save it.
    bool CloseTab(int index);

    static QString RandomTabName(int length);

signals:
    // The shell's hook for the commands of the dialogs built elsewhere.
    void configRequested();
    void tipsRequested();
    void aboutRequested();
    void newVersionRequested();
    void printRequested(game::GridFrame* grid);
    void exportRequested(game::GridFrame* grid);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildFileDialogs();
    void ShowLongHint(const QString& hint);
    void ToggleToolBar();
    void ShowHelp();
    bool CanQuit();
    bool ConfirmQuit();

    game::GridFrame* CreateTab(const QString& caption, bool whiteFill);
    // A new grid on a new, active tab: blank, or generated at the level of the settings.
    void AddNewGrid(bool generated);
    void RemoveTab(int index);
    // The grids of instances that ended without closing: the player reopens them, each on a new
    // modified tab without a file, or lets them go.
    void RestoreLeftGrids();
    // Save and Save As; true when the grid was written. A cancelled dialog, a refused overwrite
    // or a failed write (its error shown) gives false, and the grid keeps its file name.
    bool SaveGrid(game::GridFrame* grid);
    bool SaveGridAs(game::GridFrame* grid);
    // SaveGrid on the grid's file; false (and the error shown) when the write failed.
    bool WriteGridFile(game::GridFrame* grid);
    // The close question of a grid, and its save when the player asks for it; true when the grid
    // may go.
    bool ReleaseGrid(game::GridFrame* grid);
    int IndexOf(const game::GridFrame* grid) const;
    // The tab whose grid is the file at path, -1 when none.
    int IndexOfFile(const QString& path) const;
    QString Message(const QString& defaultText, int number, const QString& a1 = {}) const;
    // The settings of this run, changed in place.
    services::Settings& Settings() const;
    // "SansNom 1", "SansNom 2"... in the interface's language; each call takes the next number.
    QString UntitledCaption();

    services::AppServices& services_;
    std::unique_ptr<FrameServicesAdapter> frameServices_;
    std::unique_ptr<Autosave> autosave_;
    ShellDialogs dialogs_;
    game::PendingHistory pendingHistory_;
    GridTabs* tabs_ = nullptr;
    QToolBar* toolBarMain_ = nullptr;
    QLabel* statusText_ = nullptr;
    QMenu* openRecentMI_ = nullptr;
    QMenu* langues_ = nullptr;
    QAction* menuBarreOutils_ = nullptr;
    QAction* menuCopier_ = nullptr;
    QAction* menuColler_ = nullptr;
    QStringList commandLineFiles_;
    QList<QPointer<game::GridFrame>> pausedByMinimising_;
    // The grid a start opened because nothing else was: it gives way to grids reopened after a
    // crash while the player has not touched it.
    QPointer<game::GridFrame> startGrid_;
    bool shownOnce_ = false;
};

} // namespace app
