#pragma once
// The "Analyses" page: the family check list above, the results grid of the family line last
// clicked or ticked below. Shows the session's panel state and turns clicks into its operations.

#include <QWidget>

class QLabel;
class QListWidget;
class QTableWidget;

namespace game {

class GameSession;

class AnalysisPage : public QWidget {
    Q_OBJECT

public:
    AnalysisPage(GameSession& session, QWidget* parent = nullptr);

    QListWidget* CheckListFamille = nullptr;
    QTableWidget* StringGrid = nullptr;
    // Under the grid: why the selected row's deduction holds, and the legend of its drawing.
    QLabel* LabelExplication = nullptr;
    QLabel* LabelLegende = nullptr;

    // Re-reads the family lines and their check marks.
    void ShowFamilyLines();
    // Re-reads the rows of the results grid, none selected, and selects the family line they
    // belong to.
    void ShowResults();
    // Rows and the text column grown with the frame's layout.
    void SetScale(double scale);
    // A hint step shown where explanations go, until a row is selected.
    void ShowHint(const QString& text);
    // The session chose a row (a hint): it is selected, explained and drawn.
    void ChooseRow(int row);

signals:
    // The double-click applied a configuration: the frame pauses on the new board, then calls
    // RefreshAfterListedFinding.
    void configurationApplied(int family);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A new language: the selected row is explained again in it.
    void changeEvent(QEvent* event) override;

private:
    // The grid's selected row handed to the session; its explanation and legend shown.
    void ShowSelectedFinding();

    GameSession& session_;
};

} // namespace game
