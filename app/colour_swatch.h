#pragma once
// A colour swatch of the configuration dialog: a rounded square filled with its colour. It reports
// a press of any mouse button; the dialog decides what to do with it.

#include "game/model/game_settings.h"

#include <QWidget>

namespace app {

class ColourSwatch : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kSize{33, 25};

    explicit ColourSwatch(QWidget* parent = nullptr);

    // The fill colour, 0x00BBGGRR.
    game::Colour FillColour() const { return colour_; }
    void SetFillColour(game::Colour colour);

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    game::Colour colour_ = game::kWhite;
};

} // namespace app
