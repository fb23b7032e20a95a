#include "app/main_window.h"

#include "app/autosave.h"
#include "app/core/site.h"
#include "app/frame_services_adapter.h"
#include "app/grid_tabs.h"
#include "app/help_window.h"
#include "app/services/ui/app_services.h"
#include "app/services/ui/language_menu.h"
#include "app/services/ui/window_translation.h"
#include "game/widgets/grid_frame.h"
#include "game/widgets/modal_seam.h"

#include <QCloseEvent>
#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <utility>

namespace app {

namespace {

constexpr QSize kClientSize{800, 660};

// The disabled picture: the normal one in grey, lightened.
QPixmap Greyed(const QPixmap& normal) {
    QImage image = normal.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 2);
        }
    }
    return QPixmap::fromImage(image);
}

QIcon Picture(const char* name) {
    const QIcon drawing(QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(name)));
    QIcon icon;
    for (int size : {16, 88}) {
        const QPixmap normal = drawing.pixmap(size, size);
        icon.addPixmap(normal, QIcon::Normal);
        icon.addPixmap(Greyed(normal), QIcon::Disabled);
    }
    return icon;
}

// The long part of a hint "short|long", or the whole hint.
QString LongHint(const QString& hint) {
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

} // namespace

MainWindow::MainWindow(services::AppServices& services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      services_(services), frameServices_(std::make_unique<FrameServicesAdapter>(services)),
      autosave_(std::make_unique<Autosave>(services.Store().DataFolder())) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Tessarine"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/tessarine.svg")));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    dialogs_.showError = [this](const QString& text) {
        QMessageBox error(QMessageBox::Critical, QStringLiteral("Tessarine"), text, QMessageBox::Ok,
                          this);
        game::RunModal(error);
    };

    BuildActions();
    BuildMenus();
    BuildToolBar();
    tabs_ = new GridTabs(this);
    setCentralWidget(tabs_);
    connect(tabs_, &QTabWidget::tabCloseRequested, this, [this](int index) { CloseTab(index); });
    BuildStatusBar();
    BuildFileDialogs();

    // The designed size, the menu bar on top of the client area, is the smallest: the grids grow
    // with the window.
    const QSize designed(kClientSize.width(),
                         kClientSize.height() + menuBar()->sizeHint().height());
    setMinimumSize(designed);
    resize(designed);
    move(265, 186);
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::Action(const QString& name) const {
    return findChild<QAction*>(name);
}

void MainWindow::BuildActions() {
    struct Command {
        const char* name;
        const char* caption;
        const char* category;
        QKeySequence shortcut;
        const char* hint;
        const char* picture;
    };
    const Command commands[] = {
        {"ActionNouveau", "&Nouveau", "Fichier", QKeySequence(Qt::CTRL | Qt::Key_N),
         "Nouveau fichier", "nouveau"},
        {"ActionOuvrir", "&Ouvrir", "Fichier", QKeySequence(Qt::CTRL | Qt::Key_O), "Ouvrir",
         "ouvrir"},
        {"ActionEnregistrer", "&Enregistrer", "Fichier", QKeySequence(Qt::CTRL | Qt::Key_S),
         "Enregistrer", "enregistrer"},
        {"ActionEnregSous", "Enregistrer &sous...", "Fichier", {}, "Enregistrer sous", nullptr},
        {"ActionFermer", "Fermer l'onglet", "Fichier", QKeySequence(Qt::CTRL | Qt::Key_W),
         "Fermer l'onglet", nullptr},
        {"ActionImprime", "Imprimer", "Fichier", QKeySequence(Qt::CTRL | Qt::Key_P), "Imprimer",
         "imprime"},
        {"ActionQuitter", "Quitter", "Fichier", QKeySequence(Qt::CTRL | Qt::Key_F4), "Quitter",
         nullptr},
        {"ActionConfig", "Configurer", "Fichier", {}, "Configurer", "config"},
        {"ActionAnnuler", "Annuler", "Edition", QKeySequence(Qt::CTRL | Qt::Key_Z),
         "Annuler|Annuler le dernier coup", nullptr},
        {"ActionRefaire", "Rétablir", "Edition", QKeySequence(Qt::CTRL | Qt::Key_Y),
         "Rétablir|Rétablir le coup annulé", nullptr},
        {"EditCopier", "&Copier", "Edition", QKeySequence(Qt::CTRL | Qt::Key_C),
         "Copier|Copier la grille dans le presse-papiers", nullptr},
        {"EditColler", "Co&ller", "Edition", QKeySequence(Qt::CTRL | Qt::Key_V),
         "Coller|Coller le presse-papiers dans la grille", nullptr},
        {"ActionAide", "Aide du programme", "Aide", QKeySequence(Qt::Key_F1), "Aide", "aide"},
        {"ActionAPropos", "À propos de...", "Aide", {}, "À propos de...", nullptr},
        {"ActionAstuce", "ActionAstuce", "Aide", {}, "", nullptr},
        {"BrowseURL1", "Site web de l'auteur", "Aide", {}, "Site web de l'auteur", nullptr},
        {"ActionDupliquer", "Dupliquer", "Outils", QKeySequence(Qt::Key_F2), "", "dupliquer"},
        {"ActionGrilleToJPG", "Grille vers JPEG", "Outils", {}, "", nullptr},
        {"ActionIndice", "Indice", "Outils", QKeySequence(Qt::CTRL | Qt::Key_I),
         "Indice|Une étape de plus vers la déduction la plus simple", "indice"},
        {"ActionVerifier", "Vérifier", "Outils", QKeySequence(Qt::CTRL | Qt::Key_E),
         "Vérifier|Comparer la grille avec sa solution", "verifier"},
        {"ActionAvantErreur", "Revenir avant la première erreur", "Outils",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
         "Revenir avant la première erreur|Défaire les coups depuis la première erreur", nullptr},
        {"ActionPause", "Pause", "Outils", QKeySequence(Qt::Key_F3),
         "Pause|Arrêter le chrono et cacher la grille", nullptr},
    };
    for (const Command& command : commands) {
        auto* action = new QAction(QString::fromUtf8(command.caption), this);
        action->setObjectName(QLatin1String(command.name));
        action->setProperty("Category", QString::fromUtf8(command.category));
        action->setShortcut(command.shortcut);
        action->setShortcutContext(Qt::ApplicationShortcut);
        action->setStatusTip(LongHint(QString::fromUtf8(command.hint)));
        if (command.picture != nullptr)
            action->setIcon(Picture(command.picture));
        addAction(action);
    }
    // Further keys: the desktop's own, and the usual alternatives. The desktop's Close may be
    // Ctrl+F4, which quits here.
    const std::pair<const char*, QList<QKeySequence>> moreKeys[] = {
        {"ActionAnnuler", QKeySequence::keyBindings(QKeySequence::Undo)},
        {"ActionRefaire", QKeySequence::keyBindings(QKeySequence::Redo)
                              << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        {"ActionQuitter", QKeySequence::keyBindings(QKeySequence::Quit)
                              << QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"ActionPause", {QKeySequence(Qt::Key_Pause)}},
    };
    for (const auto& [name, keys] : moreKeys) {
        QAction* action = Action(QLatin1String(name));
        QList<QKeySequence> all{action->shortcut()};
        for (const QKeySequence& key : keys)
            if (!all.contains(key))
                all << key;
        action->setShortcuts(all);
    }
    const auto on = [this](const char* name, auto handler) {
        connect(Action(QLatin1String(name)), &QAction::triggered, this, handler);
    };
    // A command of the grid shown, none without a tab.
    const auto onGrid = [this, &on](const char* name, auto command) {
        on(name, [this, command] {
            if (auto* grid = ActiveGrid())
                command(*grid);
        });
    };
    on("ActionNouveau", [this] { NewGrid(); });
    on("ActionOuvrir", [this] { Open(); });
    on("ActionEnregistrer", [this] { Save(); });
    on("ActionEnregSous", [this] { SaveAs(); });
    onGrid("ActionImprime", [this](game::GridFrame& grid) { emit printRequested(&grid); });
    on("ActionFermer", [this] {
        if (tabs_->count() > 0)
            CloseTab(tabs_->currentIndex());
    });
    on("ActionQuitter", [this] { close(); });
    onGrid("ActionAnnuler", [](game::GridFrame& grid) { grid.Session().Undo(); });
    onGrid("ActionRefaire", [](game::GridFrame& grid) { grid.Session().Redo(); });
    onGrid("ActionPause",
           [](game::GridFrame& grid) { grid.Session().SetPaused(!grid.Session().Paused()); });
    on("ActionConfig", [this] { emit configRequested(); });
    onGrid("EditCopier", [](game::GridFrame& grid) { grid.CopyGrid(); });
    onGrid("EditColler", [](game::GridFrame& grid) { grid.PasteGrid(); });
    on("ActionAide", [this] { ShowHelp(); });
    on("ActionAPropos", [this] { emit aboutRequested(); });
    on("ActionAstuce", [this] { emit tipsRequested(); });
    on("BrowseURL1", [this] { services_.OpenUrl(SiteAddress()); });
    on("ActionDupliquer", [this] { Duplicate(); });
    onGrid("ActionVerifier", [](game::GridFrame& grid) { grid.Verify(); });
    onGrid("ActionIndice", [](game::GridFrame& grid) { grid.Hint(); });
    onGrid("ActionAvantErreur", [](game::GridFrame& grid) { grid.BackToFirstMistake(); });
    onGrid("ActionGrilleToJPG", [this](game::GridFrame& grid) { emit exportRequested(&grid); });
}

void MainWindow::BuildMenus() {
    auto menu = [this](const char* name, const QString& title) {
        QMenu* added = menuBar()->addMenu(title);
        added->setObjectName(QLatin1String(name));
        return added;
    };
    // A menu entry of its own that runs an action: it shows the action's caption and shortcut but
    // has its own enabled state.
    auto entry = [this](QMenu* into, const char* name, const char* action,
                        const QString& caption = {}) {
        QAction* command = Action(QLatin1String(action));
        auto* item =
            into->addAction(command->icon(), caption.isEmpty() ? command->text() : caption);
        item->setObjectName(QLatin1String(name));
        item->setShortcut(command->shortcut());
        item->setShortcutContext(Qt::WidgetShortcut);
        item->setStatusTip(command->statusTip());
        connect(item, &QAction::triggered, command, &QAction::trigger);
        connect(command, &QAction::changed, item, [item, command, caption] {
            if (caption.isEmpty())
                item->setText(command->text());
        });
        return item;
    };

    QMenu* fichier = menu("Menu_Fichier", QStringLiteral("&Fichier"));
    fichier->addAction(Action(QStringLiteral("ActionNouveau")));
    fichier->addAction(Action(QStringLiteral("ActionOuvrir")));
    fichier->addAction(Action(QStringLiteral("ActionEnregistrer")));
    fichier->addAction(Action(QStringLiteral("ActionEnregSous")));
    fichier->addAction(Action(QStringLiteral("ActionFermer")));
    fichier->addSeparator();
    fichier->addAction(Action(QStringLiteral("ActionImprime")));
    fichier->addSeparator();
    openRecentMI_ = fichier->addMenu(QStringLiteral("Fichiers récents"));
    openRecentMI_->setObjectName(QStringLiteral("OpenRecentMI"));
    openRecentMI_->menuAction()->setObjectName(QStringLiteral("OpenRecentMI"));
    fichier->addSeparator();
    fichier->addAction(Action(QStringLiteral("ActionQuitter")));

    QMenu* edition = menu("Menu_Edition", QStringLiteral("&Édition"));
    edition->addAction(Action(QStringLiteral("ActionAnnuler")));
    edition->addAction(Action(QStringLiteral("ActionRefaire")));
    edition->addSeparator();
    menuCopier_ = entry(edition, "MenuCopier", "EditCopier");
    menuColler_ = entry(edition, "MenuColler", "EditColler");

    langues_ = menu("Langues", QStringLiteral("Langues"));
    langues_->menuAction()->setVisible(false);

    QMenu* outils = menu("MenuOutils", QStringLiteral("Outils"));
    outils->addAction(Action(QStringLiteral("ActionConfig")));
    menuBarreOutils_ = outils->addAction(QStringLiteral("Barre d'outils"));
    menuBarreOutils_->setObjectName(QStringLiteral("Menu_BarreOutils"));
    menuBarreOutils_->setCheckable(true);
    menuBarreOutils_->setStatusTip(QStringLiteral("Affiche ou cache la barre d'outils"));
    connect(menuBarreOutils_, &QAction::triggered, this, &MainWindow::ToggleToolBar);
    outils->addAction(Action(QStringLiteral("ActionDupliquer")));
    outils->addAction(Action(QStringLiteral("ActionGrilleToJPG")));
    outils->addSeparator();
    outils->addAction(Action(QStringLiteral("ActionIndice")));
    outils->addAction(Action(QStringLiteral("ActionVerifier")));
    outils->addAction(Action(QStringLiteral("ActionAvantErreur")));
    outils->addSeparator();
    outils->addAction(Action(QStringLiteral("ActionPause")));

    QMenu* aide = menu("Menu_aide", QStringLiteral("&Aide"));
    aide->addAction(Action(QStringLiteral("ActionAide")));
    entry(aide, "Astuce", "ActionAstuce", QStringLiteral("Astuce"));
    aide->addSeparator();
    QAction* nouvelleVersion = aide->addAction(QStringLiteral("Nouvelle version"));
    nouvelleVersion->setObjectName(QStringLiteral("MenuNouvelleVersion"));
    nouvelleVersion->setStatusTip(QStringLiteral("Rechercher une nouvelle version sur le net"));
    connect(nouvelleVersion, &QAction::triggered, this, [this] { emit newVersionRequested(); });
    aide->addSeparator();
    entry(aide, "MenuSiteWeb", "BrowseURL1");
    entry(aide, "AProposde1", "ActionAPropos");
}

void MainWindow::BuildToolBar() {
    toolBarMain_ = addToolBar(QStringLiteral("ToolBarMain"));
    toolBarMain_->setObjectName(QStringLiteral("ToolBarMain"));
    toolBarMain_->setMovable(false);
    toolBarMain_->setFloatable(false);
    // Nine commands share the 800-pixel window: 84-pixel buttons with 76-pixel pictures.
    toolBarMain_->setIconSize(QSize(76, 76));
    toolBarMain_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBarMain_->setFixedHeight(120);
    toolBarMain_->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    for (const char* name :
         {"ActionNouveau", "ActionOuvrir", "ActionEnregistrer", "ActionConfig", "ActionImprime",
          "ActionDupliquer", "ActionIndice", "ActionVerifier", "ActionAide"}) {
        toolBarMain_->addAction(Action(QLatin1String(name)));
        auto* button =
            qobject_cast<QToolButton*>(toolBarMain_->widgetForAction(Action(QLatin1String(name))));
        button->setFixedSize(84, 106);
        // No tooltips: hints go to the status bar.
        button->installEventFilter(this);
    }
}

void MainWindow::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setFixedHeight(22);
    bar->setSizeGripEnabled(false);
    statusText_ = new QLabel(bar);
    statusText_->setObjectName(QStringLiteral("StatusPanel"));
    statusText_->setMinimumWidth(200);
    bar->addWidget(statusText_, 1);
}

void MainWindow::FinishSetUp() {
    services_.RecentMenu().Show(openRecentMI_, [this](const QString& path) { OpenFile(path); });
    services_.Recent().LoadFrom(services_.Store().LoadFile());
    services::FillLanguageMenu(services_, langues_, [this](QAction* entry) {
        services::ChooseLanguageEntry(services_, langues_, entry);
    });
    services_.SetLanguage(Settings().Language);
    services::TranslateMenuItems(services_.Translation(), langues_);
    if (Settings().ShowTipsOnStartup)
        emit tipsRequested();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    // Size, place and maximised state as the player left them, once the window was ever closed;
    // on the screen, where its border is known.
    if (!services_.Store()
             .ReadEntry(services::kWindowPositions, objectName() + QLatin1String("State"), {})
             .isEmpty())
        services_.Placement().Restore(this, true);
    menuBarreOutils_->setChecked(Settings().ToolBar);
    toolBarMain_->setVisible(Settings().ToolBar);
    // Asked once the window is on the screen, over it.
    QMetaObject::invokeMethod(
        this, [this] { RestoreLeftGrids(); }, Qt::QueuedConnection);
    if (!commandLineFiles_.isEmpty()) {
        for (const QString& path : std::as_const(commandLineFiles_))
            OpenFile(path);
    } else if (Settings().ReopenLastFile && services_.Recent().Count() > 0) {
        OpenFile(services_.Recent().At(0));
    }
    // Never an empty window: a first start, or nothing to reopen, begins with a grid to play.
    if (tabs_->count() == 0) {
        AddNewGrid(true);
        startGrid_ = ActiveGrid();
    }
    UpdateActions(false);
    // The tips window opened before the main window: it comes back in front of it.
    for (QDialog* tips : findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
        if (tips->isVisible())
            QTimer::singleShot(0, tips, [tips] {
                tips->raise();
                tips->activateWindow();
            });
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // Minimised, every grid stops its clock and hides its board; restored, the grids this paused
    // play on (a grid the player paused stays paused).
    if (isMinimized()) {
        for (int i = 0; i < tabs_->count(); ++i)
            if (game::GameSession& session = Grid(i)->Session(); !session.Paused()) {
                session.SetPaused(true);
                pausedByMinimising_ << Grid(i);
            }
    } else {
        for (const QPointer<game::GridFrame>& grid : std::as_const(pausedByMinimising_))
            if (grid)
                grid->Session().SetPaused(false);
        pausedByMinimising_.clear();
    }
}

void MainWindow::UpdateActions(bool deleting) {
    const int tabs = tabs_->count();
    const bool enabled = deleting ? tabs > 1 : tabs > 0;
    for (const char* name :
         {"ActionEnregistrer", "ActionEnregSous", "ActionFermer", "ActionImprime",
          "ActionDupliquer", "ActionGrilleToJPG", "ActionIndice", "ActionVerifier",
          "ActionAvantErreur", "ActionAnnuler", "ActionRefaire", "ActionPause"})
        Action(QLatin1String(name))->setEnabled(enabled);
    menuCopier_->setEnabled(enabled);
    menuColler_->setEnabled(enabled);
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ShowLongHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip)
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::ShowLongHint(const QString& hint) {
    statusText_->setText(QStringLiteral("  ") + LongHint(hint));
    statusText_->repaint();
}

void MainWindow::ShowStatus(const QString& text) {
    statusText_->setText(QStringLiteral("  ") + text);
    statusText_->repaint();
}

void MainWindow::ToggleToolBar() {
    Settings().ToolBar = menuBarreOutils_->isChecked();
    toolBarMain_->setVisible(Settings().ToolBar);
}

void MainWindow::ShowHelp() {
    OpenHelp(*this, services_.Translation(), dialogs_.showError);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (CanQuit() && ConfirmQuit()) {
        services_.Placement().Save(this, true);
        event->accept();
    } else
        event->ignore();
}

bool MainWindow::CanQuit() {
    for (int i = 0; i < tabs_->count(); ++i) {
        // The grid asked about is the one the player sees.
        if (Grid(i)->Session().CloseNeedsQuestion())
            tabs_->setCurrentIndex(i);
        if (!ReleaseGrid(Grid(i)))
            return false;
    }
    return true;
}

bool MainWindow::ConfirmQuit() {
    if (!Settings().QuitConfirm)
        return true;
    return services_.MessageDialog(QStringLiteral("Voulez-vous vraiment quitter ?"), {}, {}, 18,
                                   services::MessageKind::Confirmation,
                                   services::ButtonYes | services::ButtonNo,
                                   this) != services::ResultNo;
}

QString MainWindow::Message(const QString& defaultText, int number, const QString& a1) const {
    return services_.Translation().GetMessageText(defaultText, number, a1);
}

services::Settings& MainWindow::Settings() const {
    return services_.Store().Values();
}

} // namespace app
