#include "game/widgets/grid_frame.h"

#include "game/widgets/analysis_page.h"
#include "game/widgets/board_geometry.h"
#include "game/widgets/cell_widget.h"
#include "game/widgets/colour.h"
#include "game/widgets/coordinate_ruler.h"
#include "game/widgets/dashboard_page.h"
#include "game/widgets/digit_selector.h"
#include "game/widgets/frame_services.h"
#include "game/widgets/modal_seam.h"
#include "game/widgets/scaled_layout.h"
#include "game/widgets/task_dialog.h"

#include "game/model/move_review.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <iterator>

namespace game {

namespace {

constexpr int kStatusStripHeight = 18;
// Saved-file results of the close question's command links.
constexpr int kSaveResult = 100;
constexpr int kCloseResult = 101;
constexpr int kLinkResult = 102;

QWidget* FilledRect(const char* name, QRect geometry, const QColor& colour, QWidget* parent) {
    auto* shape = new QWidget(parent);
    shape->setObjectName(QLatin1String(name));
    shape->setGeometry(geometry);
    shape->setAutoFillBackground(true);
    QPalette palette = shape->palette();
    palette.setColor(QPalette::Window, colour);
    shape->setPalette(palette);
    return shape;
}

// The digit a key stands for, 0 for none. The top row is known by its place (key codes 10..18 of
// X11 and Wayland), whatever the layout and Shift; the keypad by its digits. Without a key code
// (other platforms, synthetic events), the digits and the unshifted French keyboard's symbols.
int DigitOfKey(const QKeyEvent& event) {
    const int key = event.key();
    const bool digitKey = key >= Qt::Key_1 && key <= Qt::Key_9;
    if (digitKey && event.modifiers().testFlag(Qt::KeypadModifier))
        return key - Qt::Key_0;
    constexpr quint32 kTopRowOne = 10;
    const quint32 code = event.nativeScanCode();
    if (code != 0)
        return code >= kTopRowOne && code < kTopRowOne + 9 ? int(code - kTopRowOne) + 1 : 0;
    if (digitKey)
        return key - Qt::Key_0;
    static constexpr int kFrenchTopRow[9] = {
        Qt::Key_Ampersand,  Qt::Key_Eacute,     Qt::Key_QuoteDbl,
        Qt::Key_Apostrophe, Qt::Key_ParenLeft,  Qt::Key_Minus,
        Qt::Key_Egrave,     Qt::Key_Underscore, Qt::Key_Ccedilla};
    const auto* found = std::find(std::begin(kFrenchTopRow), std::end(kFrenchTopRow), key);
    return found == std::end(kFrenchTopRow) || event.modifiers().testFlag(Qt::KeypadModifier)
               ? 0
               : int(found - std::begin(kFrenchTopRow)) + 1;
}

} // namespace

GridFrame::GridFrame(const FrameServices& services, QWidget* parent)
    : QWidget(parent), services_(services), session_(services.Settings()) {
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setMinimumSize(kDesignSize.width(), 470);
    setFocusPolicy(Qt::StrongFocus);

    BuildBoard();
    BuildPages();
    // A click on a button leaves the keyboard on the board; Tab still reaches the buttons.
    for (auto* button : dashboard_->findChildren<QAbstractButton*>())
        button->setFocusPolicy(Qt::TabFocus);
    BuildStatusStrip();
    clock_ = new QTimer(this);
    clock_->setObjectName(QStringLiteral("TimerPartie"));
    clock_->setInterval(1000);
    Connect();
    setProperty("translationSection", QStringLiteral("Framefille"));
    services_.TranslateWindow(this);
}

void GridFrame::BuildBoard() {
    // The inactive-caption colour of the desktop this board was designed on.
    FilledRect("Shape1", kBoardBackground, QColor(191, 205, 219), this);
    const char* separators[4] = {"Shape2", "Shape3", "Shape4", "Shape5"};
    for (int i = 0; i < 4; ++i)
        FilledRect(separators[i], kBoxSeparators[i], Qt::black, this);

    auto* columns = new CoordinateRuler(Qt::Horizontal, this);
    columns->setObjectName(QStringLiteral("Label1"));
    columns->setGeometry(20, 3, 420, 18);
    auto* rows = new CoordinateRuler(Qt::Vertical, this);
    rows->setObjectName(QStringLiteral("Label2"));
    rows->setGeometry(3, 22, 16, 420);

    // Created column by column, the order every walk over the cells follows.
    for (int col = 1; col <= 9; ++col) {
        for (int row = 1; row <= 9; ++row) {
            auto* cell = new CellWidget(this);
            const QString name =
                QStringLiteral("L%1C%2R%3").arg(row).arg(col).arg(engine::RegionOf(row, col));
            cell->setObjectName(name);
            cell->setStatusTip(name);
            cell->move(CellRect(row, col).topLeft());
            cell->Show(session_.Cell(row, col));
            connect(cell, &CellWidget::MouseReleased, this,
                    [this, cell](Qt::MouseButton button) { CellReleased(cell, button); });
            // Hovering an empty cell tells where each of its lost candidates went.
            connect(cell, &CellWidget::Hovered, this, [this, cell, row, col] {
                cell->setToolTip(ProvenanceText(session_.History(), row, col));
            });
            cells_[(col - 1) * 9 + (row - 1)] = cell;
        }
    }
    // A paused grid hides its cells under a plain panel; a click on it resumes.
    pausePanel_ = new QPushButton(this);
    pausePanel_->setObjectName(QStringLiteral("PausePanel"));
    pausePanel_->setFlat(true);
    pausePanel_->setAutoFillBackground(true);
    pausePanel_->setGeometry(kBoardBackground);
    pausePanel_->hide();
    connect(pausePanel_, &QPushButton::clicked, this, [this] { session_.SetPaused(false); });
}

void GridFrame::ShowPaused(bool paused) {
    for (CellWidget* cell : cells_)
        cell->setVisible(!paused);
    pausePanel_->setText(
        services_.MessageText(QStringLiteral("Pause — appuyez sur F3 pour reprendre"), 114));
    pausePanel_->setVisible(paused);
    pausePanel_->raise();
}

void GridFrame::BuildPages() {
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setGeometry(445, 19, 340, 423);

    dashboard_ = new DashboardPage(services_, pages_);
    pages_->addTab(dashboard_, QStringLiteral("Tableau de bord"));

    memoTrace_ = new QPlainTextEdit;
    memoTrace_->setObjectName(QStringLiteral("MemoTrace"));
    memoTrace_->setReadOnly(true);
    memoTrace_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memoTrace_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoTrace_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette yellow = memoTrace_->palette();
    yellow.setColor(QPalette::Base, ToQColor(14548991));
    memoTrace_->setPalette(yellow);
    auto* tracer = new QWidget;
    tracer->setObjectName(QStringLiteral("TabSheet2"));
    memoTrace_->setParent(tracer);
    memoTrace_->setGeometry(0, 0, 334, 396);
    pages_->addTab(tracer, QStringLiteral("Traceur"));

    analysis_ = new AnalysisPage(session_, pages_);
    pages_->addTab(analysis_, QStringLiteral("Analyses"));
}

void GridFrame::BuildStatusStrip() {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Panel1"));
    statusStrip_ = strip;
    auto picture = [strip](const char* name, const QString& resource) {
        auto* label = new QLabel(strip);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(4, 2, 13, 13);
        label->setPixmap(QIcon(resource).pixmap(13, 13));
        return label;
    };
    saveDisabledImg_ = picture("Save2DiskDisabledImg", QStringLiteral(":/pictures/save_off.svg"));
    saveImg_ = picture("Save2DiskImg", QStringLiteral(":/pictures/save_on.svg"));
    saveImg_->hide();
    lbStatus_ = new QLabel(strip);
    lbStatus_->setObjectName(QStringLiteral("LbStatus"));
    lbStatus_->setGeometry(22, 1, 760, 16);
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    arial.setPixelSize(11);
    lbStatus_->setFont(arial);
}

void GridFrame::Connect() {
    connect(&session_, &GameSession::cellChanged, this, [this](int row, int col) {
        Case(row, col)->Show(session_.Cell(row, col));
        ShowOverlay(row, col);
    });
    // A replay or an automatic solve writes hundreds of lines at once: they reach the memo in
    // one append when the event loop comes back, rather than one layout per line.
    connect(&session_, &GameSession::traceLineAdded, this, [this](const QString& line) {
        if (pendingTrace_.isEmpty())
            QTimer::singleShot(0, this, &GridFrame::FlushTrace);
        pendingTrace_ << line;
    });
    connect(&session_, &GameSession::traceCleared, this, [this] {
        pendingTrace_.clear();
        memoTrace_->clear();
    });
    connect(&session_, &GameSession::beepRequested, this, [] { QApplication::beep(); });
    connect(&session_, &GameSession::casesLabelChanged, dashboard_->LabelCases, &QLabel::setText);
    connect(&session_, &GameSession::timerLabelChanged, dashboard_->LabelTimer, &QLabel::setText);
    connect(&session_, &GameSession::modeChanged, this,
            [this](Mode mode) { dashboard_->ShowMode(mode == Mode::Input); });
    connect(&session_, &GameSession::candidateDisplayChanged, this, [this](bool on) {
        (on ? dashboard_->SbCandidatOn : dashboard_->SbCandidatOff)->setChecked(true);
    });
    connect(&session_, &GameSession::protectionChanged, this, [this](bool on) {
        (on ? dashboard_->SbProtectionOn : dashboard_->SbProtectionOff)->setChecked(true);
    });
    connect(&session_, &GameSession::timerRunningChanged, this,
            [this](bool running) { running ? clock_->start() : clock_->stop(); });
    connect(clock_, &QTimer::timeout, &session_, &GameSession::TickSecond);
    connect(&session_, &GameSession::pausedChanged, this, &GridFrame::ShowPaused);
    connect(&session_, &GameSession::modifiedChanged, this, [this](bool modified) {
        ShowSaveIndicator(modified);
        lbStatus_->setText(session_.FileName());
    });
    // Save As may give the grid a new name without changing its modified state.
    connect(&session_, &GameSession::gridSaved, lbStatus_, &QLabel::setText);
    connect(&session_, &GameSession::familyLinesChanged, analysis_, &AnalysisPage::ShowFamilyLines);
    connect(&session_, &GameSession::resultsChanged, analysis_, &AnalysisPage::ShowResults);
    connect(&session_, &GameSession::hintGiven, analysis_, &AnalysisPage::ShowHint);
    connect(&session_, &GameSession::findingChosen, analysis_, &AnalysisPage::ChooseRow);
    connect(analysis_, &AnalysisPage::configurationApplied, this,
            &GridFrame::ApplyListedFindingPause);

    connect(dashboard_->BtJouer, &QPushButton::clicked, this, &GridFrame::StartPlay);
    connect(&session_, &GameSession::puzzleChanged, this, &GridFrame::ShowLevel);
    // Told once the move that filled the board is over, not in the middle of it.
    connect(&session_, &GameSession::gridFilled, this, &GridFrame::AnnounceFilledBoard,
            Qt::QueuedConnection);
    connect(dashboard_->BtPrecedent, &QPushButton::clicked, &session_, &GameSession::Undo);
    connect(dashboard_->BtEffTout, &QPushButton::clicked, this, &GridFrame::EraseAll);
    connect(dashboard_->BtRefaire, &QPushButton::clicked, this, &GridFrame::Restart);
    connect(dashboard_->SbCandidatOn, &QPushButton::clicked, this,
            [this] { session_.SetCandidateDisplay(true); });
    connect(dashboard_->SbCandidatOff, &QPushButton::clicked, this,
            [this] { session_.SetCandidateDisplay(false); });
    connect(dashboard_->SbProtectionOn, &QPushButton::clicked, this,
            [this] { session_.SetProtection(true); });
    connect(dashboard_->SbProtectionOff, &QPushButton::clicked, this,
            [this] { session_.SetProtection(false); });
}

void GridFrame::FlushTrace() {
    if (pendingTrace_.isEmpty())
        return;
    memoTrace_->appendPlainText(pendingTrace_.join(QLatin1Char('\n')));
    pendingTrace_.clear();
}

void GridFrame::InitBoard(PendingHistory* pending) {
    session_.InitBoard(pending);
    cursorRow_ = cursorCol_ = 1;
    chosenDigit_ = 0;
    ShowAll();
}

void GridFrame::ShowAll() {
    for (int col = 1; col <= 9; ++col) {
        for (int row = 1; row <= 9; ++row) {
            Case(row, col)->Show(session_.Cell(row, col));
            ShowOverlay(row, col);
        }
    }
    dashboard_->ShowMode(session_.CurrentMode() == Mode::Input);
    dashboard_->LabelCases->setText(session_.CasesLabel());
    dashboard_->LabelTimer->setText(session_.TimerLabel());
    (session_.CandidateDisplayOn() ? dashboard_->SbCandidatOn : dashboard_->SbCandidatOff)
        ->setChecked(true);
    (session_.ProtectionOn() ? dashboard_->SbProtectionOn : dashboard_->SbProtectionOff)
        ->setChecked(true);
    session_.TimerRunning() ? clock_->start() : clock_->stop();
    pendingTrace_.clear();
    memoTrace_->setPlainText(session_.TraceLines().join(QLatin1Char('\n')));
    analysis_->ShowFamilyLines();
    analysis_->ShowResults();
    ShowSaveIndicator(session_.Modified());
    ShowLevel();
}

CellWidget* GridFrame::Case(int row, int col) const {
    return cells_[(col - 1) * 9 + (row - 1)];
}

QImage GridFrame::BoardImage() {
    // Rendering delivers the resize a hidden frame has pending: it must not grow the board again.
    const QScopedValueRollback designed(pictureTaken_, true);
    LayOut(1, {});
    QImage board(kBoardWithRulers.size(), QImage::Format_RGB32);
    render(&board, QPoint(), QRegion(kBoardWithRulers),
           QWidget::DrawWindowBackground | QWidget::DrawChildren);
    LayOut(scale_, offset_);
    return board;
}

void GridFrame::CellReleased(CellWidget* cell, Qt::MouseButton button) {
    const int row = cell->State().Row();
    const int col = cell->State().Col();
    MoveCursor(row, col);
    const SelectorSetup setup = session_.PrepareSelector(row, col, button == Qt::LeftButton);

    DigitSelector selector(this);
    services_.TranslateWindow(&selector);
    selector.setWindowTitle(services_.MessageText(QStringLiteral("Sélecteur"), 44));
    selector.SetButtonsColour(ToQColor(setup.PlaceColour), DigitSelector::kPlaceTag);
    selector.EnableButtons(setup.PlaceDigits, DigitSelector::kPlaceTag);
    selector.EnableButtons(setup.CandidateDigits, DigitSelector::kCandidateTag);
    selector.ShowPage(setup.Page);
    selector.SetButtonsColour(ToQColor(setup.CandidateColour), DigitSelector::kCandidateTag);
    const bool chosen = RunModal(selector) == QDialog::Accepted;
    repaint();
    if (chosen) {
        session_.ApplyCellChoice(row, col, selector.ChosenOperation(), selector.Digit());
        ChooseCursorDigit();
    }
}

void GridFrame::MoveCursor(int row, int col) {
    const int oldRow = cursorRow_;
    const int oldCol = cursorCol_;
    cursorRow_ = std::clamp(row, 1, 9);
    cursorCol_ = std::clamp(col, 1, 9);
    ShowOverlay(oldRow, oldCol);
    ShowOverlay(cursorRow_, cursorCol_);
    ChooseCursorDigit();
}

void GridFrame::ChooseCursorDigit() {
    const int digit = session_.Cell(cursorRow_, cursorCol_).Digit();
    if (digit != 0)
        ChooseDigit(digit);
}

void GridFrame::ChooseDigit(int digit) {
    if (digit == chosenDigit_)
        return;
    chosenDigit_ = digit;
    for (int col = 1; col <= 9; ++col)
        for (int row = 1; row <= 9; ++row)
            ShowOverlay(row, col);
}

void GridFrame::ShowOverlay(int row, int col) {
    Case(row, col)->SetOverlay(
        {row == cursorRow_ && col == cursorCol_, LightFor(session_.Cell(row, col), chosenDigit_)});
}

void GridFrame::PlayDigitKey(int digit, bool removeCandidate) {
    const SelectorSetup setup = session_.PrepareSelector(cursorRow_, cursorCol_, !removeCandidate);
    const QString& allowed = removeCandidate ? setup.CandidateDigits : setup.PlaceDigits;
    if (allowed.contains(QChar(u'0' + digit))) {
        session_.ApplyCellChoice(cursorRow_, cursorCol_,
                                 removeCandidate ? Operation::RemoveCandidate : Operation::Place,
                                 digit);
        ChooseCursorDigit();
    } else if (!removeCandidate && session_.Cell(cursorRow_, cursorCol_).Digit() != 0) {
        ChooseDigit(digit);
    } else {
        QApplication::beep();
    }
}

void GridFrame::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    if (modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::MetaModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        MoveCursor(cursorRow_, cursorCol_ - 1);
        return;
    case Qt::Key_Right:
        MoveCursor(cursorRow_, cursorCol_ + 1);
        return;
    case Qt::Key_Up:
        MoveCursor(cursorRow_ - 1, cursorCol_);
        return;
    case Qt::Key_Down:
        MoveCursor(cursorRow_ + 1, cursorCol_);
        return;
    case Qt::Key_Home:
        MoveCursor(control ? 1 : cursorRow_, 1);
        return;
    case Qt::Key_End:
        MoveCursor(control ? 9 : cursorRow_, 9);
        return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        // A digit placed in play mode leaves the board (Redo brings it back); a given stays.
        if (!session_.EraseDigit(cursorRow_, cursorCol_))
            QApplication::beep();
        return;
    case Qt::Key_Escape:
        if (chosenDigit_ != 0) {
            ChooseDigit(0);
            return;
        }
        break;
    default:
        if (const int digit = DigitOfKey(*event); digit != 0) {
            PlayDigitKey(digit, control);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void GridFrame::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    setFocus();
}

void GridFrame::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible())
        setFocus();
}

void GridFrame::EraseAll() {
    if (services_.Confirm(services_.MessageText(
            QStringLiteral("Confirmez l'effacement total de la grille ?"), 80)))
        session_.EraseAll();
}

void GridFrame::Restart() {
    if (services_.Confirm(services_.MessageText(QStringLiteral("Recommencer la grille ?"), 81)))
        session_.Restart();
}

bool GridFrame::AskWithOneLink(const QString& title, const QString& text, const QString& cancel,
                               const QString& link, const QString& note) {
    TaskDialog question(QStringLiteral("Tessarine"), title, text, this);
    question.SetMainIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    question.SetCancelText(cancel);
    question.AddCommandLink(link, note, kLinkResult);
    return question.Run() == kLinkResult;
}

void GridFrame::StartPlay() {
    const QString problem = session_.CheckBoardAsPuzzle();
    if (!problem.isEmpty() &&
        !AskWithOneLink(
            problem,
            services_.MessageText(
                QStringLiteral("Corrigez la grille, ou jouez-la telle qu'elle est."), 107),
            services_.MessageText(QStringLiteral("Corriger la grille"), 108),
            services_.MessageText(QStringLiteral("Jouer quand même"), 91),
            services_.MessageText(QStringLiteral("Vérifier ne pourra rien comparer."), 109)))
        return;
    session_.StartPlay();
}

void GridFrame::ShowLevel() {
    dashboard_->LabelNiveau->setText(
        session_.CurrentMode() == Mode::Play ? LevelLine(session_.Puzzle().Rating()) : QString());
}

void GridFrame::Verify() {
    if (session_.CurrentMode() == Mode::Play)
        session_.Verify();
}

void GridFrame::Hint() {
    // The hint speaks where explanations are read.
    pages_->setCurrentWidget(analysis_);
    if (const int family = session_.Hint(); family >= 0)
        ApplyListedFindingPause(family);
}

void GridFrame::BackToFirstMistake() {
    if (session_.CurrentMode() == Mode::Play && !session_.BackToFirstMistake())
        services_.Inform(services_.MessageText(
            QStringLiteral("Aucune erreur à défaire : chaque coup joué suit la solution."), 110));
}

void GridFrame::AnnounceFilledBoard(bool solved) {
    if (solved) {
        services_.Inform(services_.MessageText(QStringLiteral("Bravo ! Grille résolue en %1."), 102)
                             .arg(session_.TimerLabel()));
        return;
    }
    if (AskWithOneLink(
            services_.MessageText(QStringLiteral("La grille est pleine, mais elle a des erreurs."),
                                  103),
            services_.MessageText(
                QStringLiteral("Vérifier montre les chiffres faux et la première erreur."), 111),
            services_.MessageText(QStringLiteral("Continuer"), 112),
            services_.MessageText(QStringLiteral("Vérifier"), 113), {}))
        session_.Verify();
}

void GridFrame::ApplyListedFindingPause(int family) {
    // Let the player see the board change before the panel moves on.
    repaint();
    QEventLoop pause;
    QTimer::singleShot(200, &pause, &QEventLoop::quit);
    pause.exec(QEventLoop::ExcludeUserInputEvents);
    session_.RefreshAfterListedFinding(family);
}

void GridFrame::ShowSaveIndicator(bool modified) {
    saveImg_->setVisible(modified);
    saveDisabledImg_->setVisible(!modified);
}

void GridFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The status strip stays at the bottom of the tab, however high the tab is.
    statusStrip_->setGeometry(0, height() - kStatusStripHeight, width(), kStatusStripHeight);
    // Above it the board and the pages grow as one, never below their designed size, at the
    // top and in the middle of the width.
    const QSize room(width(), height() - kStatusStripHeight);
    scale_ = std::max(1.0, std::min(room.width() / double(kLaidOutSize.width()),
                                    room.height() / double(kLaidOutSize.height())));
    offset_ = QPoint(std::max(0, (room.width() - qRound(kLaidOutSize.width() * scale_)) / 2), 0);
    if (!pictureTaken_)
        LayOut(scale_, offset_);
}

void GridFrame::LayOut(double scale, QPoint offset) {
    LayOutScaled(this, scale, offset, statusStrip_);
    analysis_->SetScale(scale);
}

GridFrame::CloseChoice GridFrame::CanClose() {
    if (!session_.CloseNeedsQuestion())
        return CloseChoice::Discard;
    const QString modified = services_.MessageText(
        QStringLiteral("La grille '%1' a été modifiée depuis sa création ou son chargement"), 75);
    TaskDialog question(QStringLiteral("Tessarine"),
                        services_.MessageText(QStringLiteral("Action demandée"), 74),
                        modified.arg(session_.FileName()), this);
    question.SetCancelText(services_.MessageText(QStringLiteral("&Annuler"), 4));
    question.SetMainIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    question.AddCommandLink(
        services_.MessageText(QStringLiteral("Enregistrer"), 76),
        services_.MessageText(QStringLiteral("Enregistrer la grille avant de fermer cet onglet. "
                                             "Vous pourrez ainsi charger à nouveau cette grille "
                                             "dans Tessarine."),
                              77),
        kSaveResult);
    question.AddCommandLink(
        services_.MessageText(QStringLiteral("Fermer"), 78),
        services_.MessageText(
            QStringLiteral("Fermer l'onglet sans enregistrer. Les modifications seront perdues."),
            79),
        kCloseResult);
    switch (question.Run()) {
    case kSaveResult:
        return CloseChoice::Save;
    case kCloseResult:
        return CloseChoice::Discard;
    default:
        return CloseChoice::Keep;
    }
}

void GridFrame::CopyGrid() {
    QApplication::clipboard()->setText(session_.CopyGrid());
}

void GridFrame::PasteGrid() {
    const QString error = session_.PasteGrid(QApplication::clipboard()->text());
    if (!error.isEmpty())
        services_.Inform(error);
}

} // namespace game
