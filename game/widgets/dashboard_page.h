#pragma once
// The "Tableau de bord" page of a frame: the commands (undo, erase all, restart), the candidate
// and protection switches, the play clock, the filled-cell counter, the input-mode cover with
// "Jouer ! ", and the decorations and links.

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;

namespace game {

class FrameServices;

class DashboardPage : public QWidget {
    Q_OBJECT

public:
    DashboardPage(const FrameServices& services, QWidget* parent = nullptr);

    QPushButton* BtPrecedent = nullptr;  // "Annuler         "
    QPushButton* BtEffTout = nullptr;    // "Poubelle     ", input mode only
    QPushButton* BtRefaire = nullptr;    // "Recommencer", play mode only
    QPushButton* SbCandidatOn = nullptr; // "Voir"
    QPushButton* SbCandidatOff = nullptr;
    QPushButton* SbProtectionOn = nullptr; // "Activée"
    QPushButton* SbProtectionOff = nullptr;
    QLabel* LabelTimer = nullptr;
    QLabel* LabelCases = nullptr;
    QLabel* LabelNiveau = nullptr; // the level of the puzzle being played
    QGroupBox* GbMode = nullptr;   // covers the switches, clock and counter in input mode
    QPushButton* BtJouer = nullptr;

    // Input mode shows the cover and the erase button; play mode the restart button.
    void ShowMode(bool inputMode);
};

} // namespace game
