#pragma once
// Colours are stored as 0x00BBGGRR integers (red in the lowest byte); Qt wants QColor.

#include "game/model/game_settings.h"

#include <QColor>

namespace game {

// The selected deduction's marks on the board and in its legend: the candidates of its pattern
// in dark green, what it removes or places in crimson; both show on white and on the lit cells.
inline const QColor kDeductionPatternColour(0, 128, 64);
inline const QColor kDeductionEffectColour(200, 0, 90);

inline QColor ToQColor(Colour colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

inline Colour FromQColor(const QColor& colour) {
    return Colour(colour.red()) | Colour(colour.green()) << 8 | Colour(colour.blue()) << 16;
}

} // namespace game
