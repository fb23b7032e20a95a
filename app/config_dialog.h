#pragma once
// ConfigDialog ("FrmConfig"): the modal dialog in which the user edits the preferences for new
// grids, the five display colours and the environment options. It shows values handed to it and
// gives them back on request; its caller takes them over on OK only. Its position is restored
// when it is shown and stored when it is destroyed (both only while SavePosWin is on).

#include "app/services/settings.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QSpinBox;

namespace services {
class AppServices;
}

namespace app {

class ColourSwatch;

class ConfigDialog : public QDialog {
    Q_OBJECT

public:
    // Shows the colour chooser starting at initial; empty when it was cancelled.
    using ColourChooser =
        std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;

    static constexpr QSize kClientSize{370, 477};
    static constexpr int kSplashMin = 1;
    static constexpr int kSplashMax = 6;

    explicit ConfigDialog(services::AppServices& services, QWidget* parent = nullptr);
    // FormDestroy: stores the dialog's position.
    ~ConfigDialog() override;

    // The platform's colour dialog unless replaced (tests answer in its place).
    void SetColourChooser(ColourChooser chooser) { chooseColour_ = std::move(chooser); }

    // Shows the edited fields of settings; a splash time outside 1..6 shows clamped.
    void FillFrom(const services::Settings& settings);
    // Writes the controls' values into the edited fields of settings, and no other.
    void WriteTo(services::Settings& settings) const;

protected:
    // FormShow: centred on the screen, or where it was last closed.
    void showEvent(QShowEvent* event) override;

private:
    void BuildPreferences();
    void BuildColours(QWidget* parent);
    void BuildEnvironment();
    void BuildSplashTime(QWidget* parent);
    void BuildButtons();
    // The one handler of the five swatches.
    void ChooseDigitColour(ColourSwatch* swatch);

    services::AppServices& services_;
    ColourChooser chooseColour_;
    bool placed_ = false;
    // Every control with the field it edits.
    QList<std::pair<QCheckBox*, bool services::Settings::*>> checkBoxes_;
    QList<std::pair<ColourSwatch*, services::Colour services::Settings::*>> swatches_;
    QSpinBox* upDown1_ = nullptr;
};

} // namespace app
