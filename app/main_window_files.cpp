// MainWindow's file commands: tabs created by New, Open and Duplicate; Save and Save As; closing
// a tab.

#include "app/main_window.h"

#include "app/autosave.h"
#include "app/frame_services_adapter.h"
#include "app/grid_tabs.h"
#include "app/services/ui/app_services.h"
#include "engine/generator.h"
#include "engine/practice_puzzles.h"
#include "game/model/puzzle_solution.h"
#include "game/widgets/grid_frame.h"
#include "game/widgets/modal_seam.h"
#include "game/widgets/task_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QVBoxLayout>

namespace app {

namespace {

constexpr int kGeneratedGrid = 101;
constexpr int kBlankGrid = 100;
// The message that refuses to save a grid onto the file of another tab.
constexpr int kFileOpenInAnotherTab = 84;
// The question on the grids left by an instance that ended without closing, and how it names a
// grid that had no file.
constexpr int kLeftGrids = 120;
constexpr int kNeverSaved = 121;

// The folder of path, with its trailing separator.
QString FolderOf(const QString& path) {
    return QFileInfo(path).absolutePath() + QLatin1Char('/');
}

// What two spellings of one file have in common: the path with links resolved, or the absolute
// path of a file that is not there. Compared case-sensitively, as the file system does.
QString SameFileKey(const QString& path) {
    const QFileInfo file(path);
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(file.absoluteFilePath()) : canonical;
}

// The file name without folder and without extension (from the last "." on).
QString CaptionOf(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString ChooseFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title,
                   const QString& folder, const QString& filter) {
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(mode);
    dialog.setDefaultSuffix(QStringLiteral("xml"));
    // Save As asks its own overwrite question; Open reports a missing file itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (game::RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

void MainWindow::BuildFileDialogs() {
    dialogs_.askNewGrid = [this] {
        game::TaskDialog question(
            QStringLiteral("Tessarine"), Message(QStringLiteral("Quelle grille voulez-vous ?"), 68),
            Message(QStringLiteral("Vous avez le choix entre deux types de grilles."), 69), this);
        question.SetMainIcon(QIcon(QStringLiteral(":/pictures/tessarine.svg")));
        question.SetCancelText(Message(QStringLiteral("&Annuler"), 4));
        question.AddCommandLink(
            Message(QStringLiteral("Grille Tessarine"), 70),
            Message(QStringLiteral("Le programme génère automatiquement une grille jouable"), 71),
            kGeneratedGrid);
        QStringList levels{Message(QStringLiteral("Comme d'habitude"), 105)};
        for (int level = 0; level < engine::kPracticeLevels; ++level)
            levels << Message(QStringLiteral("Niveau %1 : %2"), 106)
                          .arg(level)
                          .arg(game::LevelName({engine::Verdict::Rated, level}));
        const int chosen = Settings().GeneratedGridLevel;
        question.AddChoice(Message(QStringLiteral("Niveau de la grille générée :"), 104), levels,
                           chosen >= 0 && chosen < engine::kPracticeLevels ? chosen + 1 : 0);
        question.AddCommandLink(
            Message(QStringLiteral("Grille vierge"), 72),
            Message(QStringLiteral("Vous devrez saisir la grille avant de pouvoir la jouer. Cette "
                                   "option doit être choisie si vous souhaitez recopier la grille "
                                   "d'un magazine."),
                    73),
            kBlankGrid);
        const int answer = question.Run();
        if (answer == kGeneratedGrid)
            Settings().GeneratedGridLevel = question.ChoiceIndex() - 1;
        return answer;
    };
    const QString filter = Message(QStringLiteral("Fichiers XML"), 24) + QStringLiteral(" (*.xml)");
    dialogs_.chooseOpenFile = [this, filter](const QString& title, const QString& folder) {
        return ChooseFile(this, QFileDialog::AcceptOpen, title, folder, filter);
    };
    dialogs_.chooseSaveFile = [this, filter](const QString& title, const QString& folder) {
        return ChooseFile(this, QFileDialog::AcceptSave, title, folder, filter);
    };
}

QString MainWindow::UntitledCaption() {
    return Message(QStringLiteral("SansNom"), 82) + QLatin1Char(' ') + services_.NextGridNumber();
}

QString MainWindow::RandomTabName(int length) {
    QString name;
    for (int i = 0; i < length; ++i)
        name += QChar(engine::ProgramRandom().Range(65, 90));
    return name;
}

game::GridFrame* MainWindow::Grid(int index) const {
    QWidget* page = tabs_->widget(index);
    return page == nullptr
               ? nullptr
               : page->findChild<game::GridFrame*>(page->objectName(), Qt::FindDirectChildrenOnly);
}

game::GridFrame* MainWindow::ActiveGrid() const {
    return Grid(tabs_->currentIndex());
}

int MainWindow::IndexOf(const game::GridFrame* grid) const {
    for (int i = 0; i < tabs_->count(); ++i)
        if (Grid(i) == grid)
            return i;
    return -1;
}

game::GridFrame* MainWindow::CreateTab(const QString& caption, bool whiteFill) {
    auto* tab = new QWidget;
    tab->setObjectName(RandomTabName(6));
    const int index = tabs_->addTab(tab, caption + CaptionPadding());
    if (whiteFill)
        tabs_->Tabs()->SetActiveColours(index, Qt::white, Qt::white);
    auto* grid = new game::GridFrame(*frameServices_, tab);
    grid->setObjectName(tab->objectName());
    auto* fill = new QVBoxLayout(tab);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(grid);
    autosave_->Watch(grid->Session());
    connect(&grid->Session(), &game::GameSession::gridSaved, this, [this](const QString& path) {
        ShowStatus(
            Message(QStringLiteral("Le fichier %s a été enregistré avec succès."), 22, path));
        services_.Recent().Add(path);
    });
    return grid;
}

void MainWindow::NewGrid() {
    const int answer = dialogs_.askNewGrid();
    if (answer != game::TaskDialog::kCancel)
        AddNewGrid(answer == kGeneratedGrid);
}

void MainWindow::AddNewGrid(bool generated) {
    game::GridFrame* grid = CreateTab(UntitledCaption(), true);
    grid->InitBoard();
    if (generated)
        grid->Session().StartGeneratedGrid(Settings().GeneratedGridLevel);
    tabs_->setCurrentIndex(IndexOf(grid));
    UpdateActions(false);
}

void MainWindow::Open() {
    const QString folder =
        QDir(Settings().RecentOpenFileDir).exists() ? Settings().RecentOpenFileDir : QString();
    const QString path =
        dialogs_.chooseOpenFile(Message(QStringLiteral("Ouvrir un fichier ..."), 26), folder);
    if (path.isEmpty())
        return;
    if (OpenFile(path))
        Settings().RecentOpenFileDir = FolderOf(path);
}

int MainWindow::IndexOfFile(const QString& path) const {
    const QString key = SameFileKey(path);
    for (int i = 0; i < tabs_->count(); ++i) {
        const game::GameSession& session = Grid(i)->Session();
        if (session.HasFile() && SameFileKey(session.FileName()) == key)
            return i;
    }
    return -1;
}

bool MainWindow::OpenFile(const QString& path) {
    // A second tab on the same file would let one save silently overwrite the other.
    if (const int open = IndexOfFile(path); open >= 0) {
        tabs_->setCurrentIndex(open);
        return true;
    }
    if (!QFileInfo(path).isFile()) {
        dialogs_.showError(Message(QStringLiteral("Fichier non trouvé :"), 27) +
                           QStringLiteral("\r\n") + path);
        return false;
    }
    game::GridFrame* grid = CreateTab(CaptionOf(path), true);
    grid->InitBoard();
    grid->Session().SetHasFile(true);
    grid->Session().SetFileName(path);
    const QString error = grid->Session().LoadGrid();
    if (!error.isEmpty()) {
        // The half-built tab goes; nothing else has changed.
        RemoveTab(IndexOf(grid));
        dialogs_.showError(error);
        return false;
    }
    services_.Recent().Add(path);
    UpdateActions(false);
    tabs_->setCurrentIndex(IndexOf(grid));
    return true;
}

void MainWindow::Save() {
    if (auto* grid = ActiveGrid())
        SaveGrid(grid);
}

void MainWindow::SaveAs() {
    if (auto* grid = ActiveGrid())
        SaveGridAs(grid);
}

bool MainWindow::SaveGrid(game::GridFrame* grid) {
    return grid->Session().HasFile() ? WriteGridFile(grid) : SaveGridAs(grid);
}

bool MainWindow::WriteGridFile(game::GridFrame* grid) {
    const QString error = grid->Session().SaveGrid();
    if (!error.isEmpty())
        dialogs_.showError(error);
    return error.isEmpty();
}

bool MainWindow::SaveGridAs(game::GridFrame* grid) {
    QString folder = services_.Store().ReadEntry(QStringLiteral("RecentDirectories"),
                                                 QStringLiteral("RecentSaveFileAsDir"),
                                                 services_.Store().DataFolder());
    if (!QDir(folder).exists())
        folder = services_.Store().DataFolder();
    const QString path =
        dialogs_.chooseSaveFile(Message(QStringLiteral("Enregistrer sous..."), 23), folder);
    if (path.isEmpty())
        return false;
    // Two tabs on one file would each overwrite the other's saves without a word.
    if (const int open = IndexOfFile(path); open >= 0 && Grid(open) != grid) {
        dialogs_.showError(Message(QStringLiteral("Le fichier %s est déjà ouvert dans un autre "
                                                  "onglet : fermez cet onglet avant d'enregistrer "
                                                  "sous ce nom."),
                                   kFileOpenInAnotherTab, path));
        return false;
    }
    if (QFileInfo::exists(path) &&
        services_.MessageDialog(
            QStringLiteral("Le fichier [%s] existe déjà.\r\nVoulez-vous l'écraser ?"),
            QFileInfo(path).fileName(), {}, 25, services::MessageKind::Information,
            services::ButtonYes | services::ButtonNo, this) == services::ResultNo)
        return false;
    game::GameSession& session = grid->Session();
    const QString oldName = session.FileName();
    const bool hadFile = session.HasFile();
    session.SetFileName(path);
    session.SetHasFile(true);
    if (!WriteGridFile(grid)) {
        // The grid stays bound to what it was, so the next Save asks for a name again.
        session.SetFileName(oldName);
        session.SetHasFile(hadFile);
        return false;
    }
    tabs_->setTabText(IndexOf(grid), CaptionOf(path) + CaptionPadding());
    services_.Store().WriteEntry(QStringLiteral("RecentDirectories"),
                                 QStringLiteral("RecentSaveFileAsDir"), FolderOf(path));
    return true;
}

void MainWindow::Duplicate() {
    game::GridFrame* source = ActiveGrid();
    if (source == nullptr)
        return;
    pendingHistory_ = source->Session().DuplicateHistory();
    game::GridFrame* copy = CreateTab(UntitledCaption(), false);
    copy->InitBoard(&pendingHistory_);
}

bool MainWindow::ReleaseGrid(game::GridFrame* grid) {
    switch (grid->CanClose()) {
    case game::GridFrame::CloseChoice::Save:
        return SaveGrid(grid);
    case game::GridFrame::CloseChoice::Discard:
        return true;
    case game::GridFrame::CloseChoice::Keep:
        break;
    }
    return false;
}

bool MainWindow::CloseTab(int index) {
    game::GridFrame* grid = Grid(index);
    if (grid == nullptr || !ReleaseGrid(grid))
        return false;
    UpdateActions(true);
    RemoveTab(index);
    return true;
}

void MainWindow::RemoveTab(int index) {
    QWidget* tab = tabs_->widget(index);
    tabs_->removeTab(index);
    delete tab;
}

void MainWindow::RestoreLeftGrids() {
    LeftAutosaves left(services_.Store().DataFolder());
    const QList<KeptGrid>& grids = left.Grids();
    QString names;
    for (const KeptGrid& kept : grids)
        names +=
            QStringLiteral("\n  ") +
            (kept.fileName.isEmpty() ? Message(QStringLiteral("(jamais enregistrée)"), kNeverSaved)
                                     : kept.fileName);
    if (!grids.isEmpty() &&
        services_.MessageDialog(
            QStringLiteral("Tessarine s'est fermé sans enregistrer %s "
                           "grille(s) :%s\n\nLes rouvrir ? Non les efface."),
            QString::number(grids.size()), names, kLeftGrids, services::MessageKind::Confirmation,
            services::ButtonYes | services::ButtonNo, this) == services::ResultYes) {
        for (const KeptGrid& kept : grids) {
            game::GridFrame* grid = CreateTab(
                kept.fileName.isEmpty() ? UntitledCaption() : CaptionOf(kept.fileName), true);
            grid->InitBoard();
            game::GameSession& session = grid->Session();
            session.SetFileName(kept.path);
            const QString error = session.LoadGrid();
            session.SetFileName({});
            if (!error.isEmpty()) {
                RemoveTab(IndexOf(grid));
                dialogs_.showError(error);
                continue;
            }
            session.SetModified(true);
            tabs_->setCurrentIndex(IndexOf(grid));
        }
        if (startGrid_ && tabs_->count() > 1 && !startGrid_->Session().Modified())
            RemoveTab(IndexOf(startGrid_));
        UpdateActions(false);
    }
    left.Discard();
}

} // namespace app
