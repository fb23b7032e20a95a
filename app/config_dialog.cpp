#include "app/config_dialog.h"

#include "app/colour_swatch.h"
#include "app/services/ui/app_services.h"
#include "app/services/ui/kind_token.h"
#include "game/widgets/colour.h"
#include "game/widgets/modal_seam.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSpinBox>
#include <QStyle>

#include <algorithm>
#include <span>

namespace app {

namespace {

using services::Settings;

struct SwatchPlace {
    const char* labelName;
    const char* labelText;
    QPoint labelAt;
    const char* swatchName;
    QPoint swatchAt;
    services::Colour Settings::*field;
};

constexpr SwatchPlace kSwatches[] = {
    {"LbChiffre", "Chiffres :", {8, 24}, "ShapeChiffre", {88, 16}, &Settings::PlayedColour},
    {"LbDevoile", "Dévoilés :", {8, 56}, "ShapeDevoile", {88, 48}, &Settings::GivenColour},
    {"LbCandidat", "Candidats :", {8, 88}, "ShapeCandidat", {88, 80}, &Settings::CandidateColour},
    {"LbJouable", "Jouables :", {160, 32}, "ShapeJouable", {240, 24}, &Settings::ActingColour},
    {"LbReference",
     "Références :",
     {160, 72},
     "ShapeReference",
     {240, 67},
     &Settings::ReferenceColour},
};

struct CheckPlace {
    const char* name;
    const char* text;
    int top;
    bool Settings::*field;
};

constexpr CheckPlace kPreferenceBoxes[] = {
    {"CbCandidatsOnOff", "Candidats visibles par défaut", 34, &Settings::ShowCandidates},
    {"CbProtectionOnOFF", "Mode protégé actif par défaut", 58, &Settings::Protection},
};

// The "Lb" boxes are check boxes all the same: the names key the translation file.
constexpr CheckPlace kEnvironmentBoxes[] = {
    {"LbShowTipsOnStartup", "Afficher les astuces au démarrage", 32, &Settings::ShowTipsOnStartup},
    {"LbSavePosWin", "Sauvegarder la position des fenêtres en quittant", 56, &Settings::SavePosWin},
    {"CBReopenLastFile", "Rouvrir le dernier fichier utilisé", 80, &Settings::ReopenLastFile},
    {"CbQuitConfirm", "Confirmer la fermeture de l'application", 104, &Settings::QuitConfirm},
};

QFont GroupFont() {
    QFont font(QStringLiteral("Segoe UI"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(9);
    return font;
}

QGroupBox* AddGroup(QWidget* parent, const char* name, const char* title, const QRect& geometry) {
    auto* group = new QGroupBox(QString::fromUtf8(title), parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(geometry);
    group->setFont(GroupFont());
    return group;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text,
                       QStyle::StandardPixmap glyph, const QRect& geometry) {
    auto* button = new QPushButton(parent->style()->standardIcon(glyph), text, parent);
    button->setObjectName(QLatin1String(name));
    // Translated as a push button with a picture, the kind the translation file knows it by.
    button->setProperty(services::kKindTokenProperty, QStringLiteral("TBitBtn"));
    button->setGeometry(geometry);
    return button;
}

// The boxes with the fields they edit.
QList<std::pair<QCheckBox*, bool Settings::*>> AddCheckBoxes(QWidget* group,
                                                             std::span<const CheckPlace> places) {
    QList<std::pair<QCheckBox*, bool Settings::*>> added;
    for (const CheckPlace& place : places) {
        auto* box = new QCheckBox(QString::fromUtf8(place.text), group);
        box->setObjectName(QLatin1String(place.name));
        box->setGeometry(24, place.top, group->width() - 32, 19);
        added.append({box, place.field});
    }
    return added;
}

std::optional<QColor> RunColorDialog1(const QColor& initial, QWidget* parent) {
    QColorDialog colorDialog1(initial, parent);
    colorDialog1.setObjectName(QStringLiteral("ColorDialog1"));
    if (game::RunModal(colorDialog1) != QDialog::Accepted)
        return std::nullopt;
    return colorDialog1.selectedColor();
}

} // namespace

ConfigDialog::ConfigDialog(services::AppServices& services, QWidget* parent)
    : QDialog(parent), services_(services), chooseColour_(RunColorDialog1) {
    setObjectName(QStringLiteral("FrmConfig"));
    setWindowTitle(QStringLiteral("Configuration de l'application"));
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setStyleHint(QFont::SansSerif);
    windowFont.setPointSize(8);
    setFont(windowFont);
    setFixedSize(kClientSize);

    BuildPreferences();
    BuildEnvironment();
    BuildButtons();
}

ConfigDialog::~ConfigDialog() {
    services_.Placement().Save(this, false);
}

void ConfigDialog::BuildPreferences() {
    QGroupBox* group =
        AddGroup(this, "GBPreference", "Préférences pour les grilles", QRect(8, 16, 353, 225));
    checkBoxes_ += AddCheckBoxes(group, kPreferenceBoxes);
    BuildColours(group);
}

void ConfigDialog::BuildColours(QWidget* parent) {
    QGroupBox* group = AddGroup(parent, "GBCouleur", "Couleurs", QRect(16, 88, 321, 121));
    for (const SwatchPlace& place : kSwatches) {
        auto* label = new QLabel(QString::fromUtf8(place.labelText), group);
        label->setObjectName(QLatin1String(place.labelName));
        label->move(place.labelAt);
        auto* swatch = new ColourSwatch(group);
        swatch->setObjectName(QLatin1String(place.swatchName));
        swatch->setProperty(services::kKindTokenProperty, QStringLiteral("TShape"));
        swatch->move(place.swatchAt);
        connect(swatch, &ColourSwatch::pressed, this,
                [this, swatch] { ChooseDigitColour(swatch); });
        swatches_.append({swatch, place.field});
    }
}

void ConfigDialog::BuildEnvironment() {
    QGroupBox* group = AddGroup(this, "GBEnvironnement", "Environnement", QRect(8, 248, 353, 169));
    checkBoxes_ += AddCheckBoxes(group, kEnvironmentBoxes);
    BuildSplashTime(group);
}

void ConfigDialog::BuildSplashTime(QWidget* parent) {
    // The edit box and its up-down control are one spin box; its edit keeps the edit's name.
    upDown1_ = new QSpinBox(parent);
    upDown1_->setObjectName(QStringLiteral("UpDown1"));
    upDown1_->setProperty(services::kKindTokenProperty, QStringLiteral("TUpDown"));
    upDown1_->setRange(kSplashMin, kSplashMax);
    upDown1_->setSingleStep(1);
    upDown1_->setGeometry(24, 128, 40, 22);
    if (auto* edit = upDown1_->findChild<QLineEdit*>()) {
        edit->setObjectName(QStringLiteral("EdTimeSplash"));
        edit->setProperty(services::kKindTokenProperty, QStringLiteral("TEdit"));
    }
    auto* duration = new QLabel(
        QStringLiteral("Durée d'affichage de la fenêtre de présentation (en '')"), parent);
    duration->setObjectName(QStringLiteral("LBSplashDur"));
    duration->setWordWrap(true);
    duration->setGeometry(72, 124, parent->width() - 80, 32);
}

void ConfigDialog::BuildButtons() {
    QPushButton* ok = AddButton(this, "BtOk", QStringLiteral("OK"), QStyle::SP_DialogOkButton,
                                QRect(192, 432, 75, 25));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* cancel = AddButton(this, "BtCancel", QStringLiteral("Annuler"),
                                    QStyle::SP_DialogCancelButton, QRect(272, 432, 75, 25));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ConfigDialog::ChooseDigitColour(ColourSwatch* swatch) {
    const std::optional<QColor> chosen = chooseColour_(game::ToQColor(swatch->FillColour()), this);
    if (chosen && chosen->isValid())
        swatch->SetFillColour(game::FromQColor(*chosen));
}

void ConfigDialog::FillFrom(const Settings& settings) {
    for (const auto& [box, field] : checkBoxes_)
        box->setChecked(settings.*field);
    for (const auto& [swatch, field] : swatches_)
        swatch->SetFillColour(settings.*field);
    upDown1_->setValue(std::clamp(settings.TimeSplash, kSplashMin, kSplashMax));
}

void ConfigDialog::WriteTo(Settings& settings) const {
    for (const auto& [box, field] : checkBoxes_)
        settings.*field = box->isChecked();
    for (const auto& [swatch, field] : swatches_)
        settings.*field = swatch->FillColour();
    // The spin box only ever holds a value within its range, whatever was typed.
    settings.TimeSplash = upDown1_->value();
}

void ConfigDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (placed_)
        return;
    placed_ = true;
    if (const QScreen* shownOn = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(shownOn->availableGeometry().center());
        move(frame.topLeft());
    }
    services_.Placement().Restore(this, false);
}

} // namespace app
