#pragma once
// DigitSelector: the small floating window that a click on a cell opens. Page "Poser" places a
// digit, page "Candidats" removes a candidate; the pressed button names both (P5, C3).

#include "game/model/history_entry.h"

#include <QDialog>

#include <array>

class QPushButton;
class QTabWidget;

namespace game {

class DigitSelector : public QDialog {
    Q_OBJECT

public:
    // Tags of the two button sets.
    static constexpr int kPlaceTag = 1;
    static constexpr int kCandidateTag = 2;

    explicit DigitSelector(QWidget* parent = nullptr);

    // Font colour of every button of the set.
    void SetButtonsColour(const QColor& colour, int tag);
    // Enables exactly the buttons of the set whose digit occurs in digits ("259").
    void EnableButtons(const QString& digits, int tag);
    // 0: "Poser", 1: "Candidats".
    void ShowPage(int index);

    // After an accepted exec: Place or RemoveCandidate, and the digit 1..9.
    Operation ChosenOperation() const { return operation_; }
    int Digit() const { return digit_; }

protected:
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QPushButton* AddDigitButton(QWidget* page, Operation operation, int d);
    const std::array<QPushButton*, 9>& Buttons(int tag) const;
    void SetTransparency(int alpha);

    QTabWidget* pages_ = nullptr;
    std::array<QPushButton*, 9> placeButtons_{};
    std::array<QPushButton*, 9> candidateButtons_{};
    Operation operation_ = Operation::Place;
    int digit_ = 0;
    int transparency_ = 255;
};

} // namespace game
