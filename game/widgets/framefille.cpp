#include "game/widgets/framefille.h"

#include "game/widgets/analysis_page.h"
#include "game/widgets/board_geometry.h"
#include "game/widgets/colour.h"
#include "game/widgets/coordinate_ruler.h"
#include "game/widgets/dashboard_page.h"
#include "game/widgets/frame_services.h"
#include "game/widgets/frm_selecteur.h"
#include "game/widgets/modal_seam.h"
#include "game/widgets/sudo_case.h"
#include "game/widgets/task_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>

namespace game {

namespace {

constexpr int kStatusStripHeight = 18;
// Saved-file results of the close question's command links.
constexpr int kSaveResult = 100;
constexpr int kCloseResult = 101;

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

} // namespace

TFramefille::TFramefille(const FrameServices& services, QWidget* parent)
    : QWidget(parent), services_(services), session_(services.Settings()) {
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setMinimumSize(kDesignSize.width(), 470);

    BuildBoard();
    BuildPages();
    BuildStatusStrip();
    timerPartie_ = new QTimer(this);
    timerPartie_->setObjectName(QStringLiteral("TimerPartie"));
    timerPartie_->setInterval(1000);
    Connect();
    setProperty("translationSection", QStringLiteral("Framefille"));
    services_.TranslateWindow(this);
}

void TFramefille::BuildBoard() {
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
    for (int colonne = 1; colonne <= 9; ++colonne) {
        for (int ligne = 1; ligne <= 9; ++ligne) {
            auto* cell = new TSudoCase(this);
            const QString name = QStringLiteral("L%1C%2R%3")
                                     .arg(ligne)
                                     .arg(colonne)
                                     .arg(engine::RegionOf(ligne, colonne));
            cell->setObjectName(name);
            cell->setStatusTip(name);
            cell->move(CaseRect(ligne, colonne).topLeft());
            cell->Show(session_.Cell(ligne, colonne));
            connect(cell, &TSudoCase::MouseReleased, this,
                    [this, cell](Qt::MouseButton button) { CellMouseUp(cell, button); });
            cases_[(colonne - 1) * 9 + (ligne - 1)] = cell;
        }
    }
}

void TFramefille::BuildPages() {
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

void TFramefille::BuildStatusStrip() {
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

void TFramefille::Connect() {
    connect(&session_, &GameSession::cellChanged, this, [this](int ligne, int colonne) {
        Case(ligne, colonne)->Show(session_.Cell(ligne, colonne));
    });
    // A replay or an automatic solve writes hundreds of lines at once: they reach the memo in
    // one append when the event loop comes back, rather than one layout per line.
    connect(&session_, &GameSession::traceLineAdded, this, [this](const QString& line) {
        if (pendingTrace_.isEmpty())
            QTimer::singleShot(0, this, &TFramefille::FlushTrace);
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
            [this](char mode) { dashboard_->ShowMode(mode == mode::Input); });
    connect(&session_, &GameSession::candidateDisplayChanged, this, [this](bool on) {
        (on ? dashboard_->SbCandidatOn : dashboard_->SbCandidatOff)->setChecked(true);
    });
    connect(&session_, &GameSession::protectionChanged, this, [this](bool on) {
        (on ? dashboard_->SbProtectionOn : dashboard_->SbProtectionOff)->setChecked(true);
    });
    connect(&session_, &GameSession::timerRunningChanged, this,
            [this](bool running) { running ? timerPartie_->start() : timerPartie_->stop(); });
    connect(timerPartie_, &QTimer::timeout, &session_, &GameSession::TimerPartieTimer);
    connect(&session_, &GameSession::modifiedChanged, this, [this](bool modified) {
        ShowSaveIndicator(modified);
        lbStatus_->setText(session_.FileName());
    });
    // Save As may give the grid a new name without changing its modified state.
    connect(&session_, &GameSession::gridSaved, lbStatus_, &QLabel::setText);
    connect(&session_, &GameSession::familyLinesChanged, analysis_, &AnalysisPage::ShowFamilyLines);
    connect(&session_, &GameSession::resultsChanged, analysis_, &AnalysisPage::ShowResults);
    connect(analysis_, &AnalysisPage::configurationApplied, this,
            &TFramefille::ApplyListedFindingPause);

    connect(dashboard_->BtJouer, &QPushButton::clicked, &session_, &GameSession::BtJouerClick);
    connect(dashboard_->BtPrecedent, &QPushButton::clicked, &session_,
            &GameSession::Bt_PRECEDENTClick);
    connect(dashboard_->BtEffTout, &QPushButton::clicked, this, &TFramefille::BT_EFF_TOUTClick);
    connect(dashboard_->BtRefaire, &QPushButton::clicked, this, &TFramefille::BT_REFAIREClick);
    connect(dashboard_->SbCandidatOn, &QPushButton::clicked, this,
            [this] { session_.SetCandidateDisplay(true); });
    connect(dashboard_->SbCandidatOff, &QPushButton::clicked, this,
            [this] { session_.SetCandidateDisplay(false); });
    connect(dashboard_->SbProtectionOn, &QPushButton::clicked, this,
            [this] { session_.SetProtection(true); });
    connect(dashboard_->SbProtectionOff, &QPushButton::clicked, this,
            [this] { session_.SetProtection(false); });
}

void TFramefille::FlushTrace() {
    if (pendingTrace_.isEmpty())
        return;
    memoTrace_->appendPlainText(pendingTrace_.join(QLatin1Char('\n')));
    pendingTrace_.clear();
}

void TFramefille::InitBoard(PendingHistory* pending) {
    session_.InitBoard(pending);
    ShowAll();
}

void TFramefille::ShowAll() {
    for (int colonne = 1; colonne <= 9; ++colonne)
        for (int ligne = 1; ligne <= 9; ++ligne)
            Case(ligne, colonne)->Show(session_.Cell(ligne, colonne));
    dashboard_->ShowMode(session_.Mode() == mode::Input);
    dashboard_->LabelCases->setText(session_.CasesLabel());
    dashboard_->LabelTimer->setText(session_.TimerLabel());
    (session_.CandidateDisplayOn() ? dashboard_->SbCandidatOn : dashboard_->SbCandidatOff)
        ->setChecked(true);
    (session_.ProtectionOn() ? dashboard_->SbProtectionOn : dashboard_->SbProtectionOff)
        ->setChecked(true);
    session_.TimerRunning() ? timerPartie_->start() : timerPartie_->stop();
    pendingTrace_.clear();
    memoTrace_->setPlainText(session_.TraceLines().join(QLatin1Char('\n')));
    analysis_->ShowFamilyLines();
    analysis_->ShowResults();
    ShowSaveIndicator(session_.Modified());
}

TSudoCase* TFramefille::Case(int ligne, int colonne) const {
    return cases_[(colonne - 1) * 9 + (ligne - 1)];
}

QRect TFramefille::BoardArea() const {
    return kBoardWithRulers;
}

void TFramefille::CellMouseUp(TSudoCase* cell, Qt::MouseButton button) {
    const int ligne = cell->State().Ligne();
    const int colonne = cell->State().Colonne();
    const SelectorSetup setup = session_.PrepareSelector(ligne, colonne, button == Qt::LeftButton);

    TFrmSelecteur selector(this);
    services_.TranslateWindow(&selector);
    selector.setWindowTitle(services_.MessageText(QStringLiteral("Sélecteur"), 44));
    selector.SetButtonsColour(ToQColor(setup.PlaceColour), TFrmSelecteur::kPlaceTag);
    selector.EnableButtons(setup.PlaceDigits, TFrmSelecteur::kPlaceTag);
    selector.EnableButtons(setup.CandidateDigits, TFrmSelecteur::kCandidateTag);
    selector.ShowPage(setup.Page);
    selector.SetButtonsColour(ToQColor(setup.CandidateColour), TFrmSelecteur::kCandidateTag);
    const bool chosen = RunModal(selector) == QDialog::Accepted;
    repaint();
    if (chosen)
        session_.ApplyCellChoice(ligne, colonne, selector.Operation(), selector.Digit());
}

void TFramefille::BT_EFF_TOUTClick() {
    if (services_.Confirm(services_.MessageText(
            QStringLiteral("Confirmez l'effacement total de la grille ?"), 80)))
        session_.BT_EFF_TOUTClick();
}

void TFramefille::BT_REFAIREClick() {
    if (services_.Confirm(services_.MessageText(QStringLiteral("Recommencer la grille ?"), 81)))
        session_.BT_REFAIREClick();
}

void TFramefille::ApplyListedFindingPause(int family) {
    // Let the player see the board change before the panel moves on.
    repaint();
    QEventLoop pause;
    QTimer::singleShot(200, &pause, &QEventLoop::quit);
    pause.exec(QEventLoop::ExcludeUserInputEvents);
    session_.RefreshAfterListedFinding(family);
}

void TFramefille::ShowSaveIndicator(bool modified) {
    saveImg_->setVisible(modified);
    saveDisabledImg_->setVisible(!modified);
}

void TFramefille::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The status strip stays at the bottom of the tab, however high the tab is.
    statusStrip_->setGeometry(0, height() - kStatusStripHeight, width(), kStatusStripHeight);
}

TFramefille::CloseChoice TFramefille::CanClose() {
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

void TFramefille::CopyGrid() {
    QApplication::clipboard()->setText(session_.CopyGrid());
}

void TFramefille::PasteGrid() {
    const QString error = session_.PasteGrid(QApplication::clipboard()->text());
    if (!error.isEmpty())
        services_.Inform(error);
}

} // namespace game
