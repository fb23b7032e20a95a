#include "game/widgets/dashboard_page.h"

#include "game/widgets/frame_services.h"
#include "game/widgets/link_label.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace game {

namespace {

template <typename Widget> Widget* Make(const char* name, QWidget* parent, QRect geometry) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

QGroupBox* Group(const char* name, const QString& title, QWidget* parent, QRect geometry) {
    auto* group = Make<QGroupBox>(name, parent, geometry);
    group->setTitle(title);
    return group;
}

// kind is the token under which the translation file finds the button: "TBitBtn" for a push
// button with a picture, "TSpeedButton" for a flat one.
QPushButton* Button(const char* name, const QString& caption, const char* kind, QWidget* parent,
                    QRect geometry) {
    auto* button = Make<QPushButton>(name, parent, geometry);
    button->setText(caption);
    button->setProperty("kindToken", QLatin1String(kind));
    return button;
}

// Two flat buttons of which exactly one is down; Tag 1 means "on", Tag 0 "off".
void SwitchPair(QPushButton* on, QPushButton* off) {
    auto* group = new QButtonGroup(on->parent());
    for (auto [button, tag] : {std::pair{on, 1}, std::pair{off, 0}}) {
        button->setCheckable(true);
        button->setProperty("Tag", tag);
        group->addButton(button);
    }
    off->setChecked(true);
}

QLabel* Picture(const char* name, const QString& resource, QWidget* parent, QRect geometry) {
    auto* label = Make<QLabel>(name, parent, geometry);
    label->setPixmap(QIcon(resource).pixmap(geometry.size()));
    // Drawn anew when the frame grows.
    label->setProperty("drawing", resource);
    return label;
}

LinkLabel* Link(const char* name, const QString& text, QWidget* parent, QRect geometry) {
    auto* label = Make<LinkLabel>(name, parent, geometry);
    QFont small = label->font();
    small.setPixelSize(11);
    label->setFont(small);
    label->setText(text);
    label->setAlignment(Qt::AlignCenter);
    // The inactive-caption text colour of the desktop this design comes from.
    label->setStyleSheet(QStringLiteral("color: rgb(67, 78, 84);"));
    return label;
}

} // namespace

DashboardPage::DashboardPage(const FrameServices& services, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet1"));
    setAutoFillBackground(true);
    QPalette page = palette();
    page.setColor(QPalette::Window, Qt::white);
    setPalette(page);

    auto* commands = Group("GroupBox3", QStringLiteral("Commandes"), this, {9, 6, 157, 112});
    BtPrecedent = Button("Bt_PRECEDENT", QStringLiteral("Annuler         "), "TBitBtn", commands,
                         {10, 22, 137, 36});
    BtPrecedent->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    BtEffTout = Button("BT_EFF_TOUT", QStringLiteral("Poubelle     "), "TBitBtn", commands,
                       {10, 66, 137, 36});
    BtEffTout->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    BtRefaire =
        Button("BT_REFAIRE", QStringLiteral("Recommencer"), "TBitBtn", commands, {10, 66, 137, 36});
    BtRefaire->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));

    auto* candidats = Group("GroupBox5", QStringLiteral("Candidats"), this, {9, 124, 157, 58});
    SbCandidatOn = Button("SB_CandidatOn", QStringLiteral("Voir"), "TSpeedButton", candidats,
                          {10, 22, 66, 26});
    SbCandidatOff = Button("SB_CandidatOff", QStringLiteral("Cacher"), "TSpeedButton", candidats,
                           {81, 22, 66, 26});
    SwitchPair(SbCandidatOn, SbCandidatOff);

    auto* protection = Group("GroupBox4", QStringLiteral("Protection"), this, {9, 188, 157, 58});
    SbProtectionOn = Button("SB_ProtectionOn", QStringLiteral("Activée"), "TSpeedButton",
                            protection, {10, 22, 66, 26});
    SbProtectionOff = Button("SB_ProtectionOff", QStringLiteral("Désactivée"), "TSpeedButton",
                             protection, {81, 22, 66, 26});
    SwitchPair(SbProtectionOn, SbProtectionOff);

    auto* timer = Group("GBTimer", QStringLiteral("Temps passé"), this, {9, 252, 157, 70});
    Picture("Image1", QStringLiteral(":/pictures/timer.svg"), timer, {10, 26, 32, 32});
    LabelTimer = Make<QLabel>("LabelTimer", timer, {48, 22, 104, 40});
    QFont clock(QStringLiteral("Times New Roman"));
    clock.setStyleHint(QFont::Serif);
    clock.setPixelSize(27);
    LabelTimer->setFont(clock);
    LabelTimer->setText(QStringLiteral("00:00:00"));

    auto* cases =
        Group("GBCaseAtrouver", QStringLiteral("Cases découvertes"), this, {9, 328, 157, 64});
    Picture("Image2", QStringLiteral(":/pictures/counter.svg"), cases, {10, 24, 32, 32});
    LabelCases = Make<QLabel>("LabelCases", cases, {48, 24, 106, 32});
    QFont counter = LabelCases->font();
    counter.setPixelSize(15);
    counter.setBold(true);
    LabelCases->setFont(counter);
    LabelCases->setText(QStringLiteral("/81"));

    GbMode = Group("GBMode", QStringLiteral("Mode Saisie"), this, {9, 124, 157, 268});
    GbMode->setAutoFillBackground(true);
    auto* hint = Make<QLabel>("LabelSaisie", GbMode, {10, 24, 137, 150});
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    hint->setText(QStringLiteral("Saisissez les chiffres de la grille, puis commencez la partie."));
    BtJouer = Button("BtJouer", QStringLiteral("Jouer ! "), "TBitBtn", GbMode, {18, 196, 121, 48});
    QFont jouer = BtJouer->font();
    jouer.setPixelSize(18);
    jouer.setBold(true);
    BtJouer->setFont(jouer);

    // The picture leaves its last lines to the level of the puzzle being played.
    Picture("Image4", QStringLiteral(":/pictures/dashboard.svg"), this, {172, 6, 156, 266});
    LabelNiveau = Make<QLabel>("LabelNiveau", this, {166, 276, 168, 22});
    LabelNiveau->setAlignment(Qt::AlignCenter);
    QFont level = LabelNiveau->font();
    level.setBold(true);
    level.setPixelSize(13);
    LabelNiveau->setFont(level);
    LabelNiveau->setStyleSheet(QStringLiteral("color: #1F4E8C;"));
    auto* title = Make<QLabel>("Label6", this, {172, 302, 156, 24});
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    title->setFont(bold);
    title->setAlignment(Qt::AlignCenter);
    title->setText(QStringLiteral("Tessarine"));
    auto* version = Make<QLabel>("LabelVersion", this, {172, 326, 156, 18});
    version->setAlignment(Qt::AlignCenter);
    version->setText(QStringLiteral("Version : ") + services.VersionText());

    auto* site = Link("Label4", services.SiteAddress(), this, {166, 350, 168, 18});
    connect(site, &LinkLabel::clicked, this, [&services, site] { services.OpenUrl(site->text()); });
    auto* author = Link("Label5", services.AuthorName(), this, {166, 370, 168, 18});
    connect(author, &LinkLabel::clicked, this,
            [&services] { services.OpenUrl(QStringLiteral("mailto:") + services.AuthorMail()); });
}

void DashboardPage::ShowMode(bool inputMode) {
    GbMode->setVisible(inputMode);
    BtEffTout->setVisible(inputMode);
    BtRefaire->setVisible(!inputMode);
}

} // namespace game
