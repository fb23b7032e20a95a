#pragma once
// The state of the analysis panel: the six lines of the family check list with their check marks,
// and the rows of the results grid, which lists the configurations of the family line last
// clicked.

#include "engine/families.h"
#include "engine/grid_state.h"

#include <QString>

#include <array>
#include <vector>

namespace game {

// One row of the results grid: a configuration's explanation and the keys that find its findings.
struct ListedFinding {
    QString Text;
    int Row = 0;
    int Col = 0;
    int Family = 0;
    int Seq = 0;
    char Action = 'V';
};

class AnalysisPanel {
public:
    AnalysisPanel() { Reset(); }

    const QString& FamilyLine(int family) const { return lines_[family]; }
    void SetFamilyLine(int family, const QString& text) { lines_[family] = text; }
    bool IsChecked(int family) const { return checked_[family]; }
    void SetChecked(int family, bool checked) { checked_[family] = checked; }

    // The family line last clicked, -1 before any click.
    int SelectedFamily() const { return selected_; }
    // The results grid; no row stands for the grid's one empty row.
    const std::vector<ListedFinding>& Rows() const { return rows_; }
    void ClearRows() { rows_.clear(); }
    // Selects the family line and lists the findings that stand for its configurations.
    void ListFamily(int family, const engine::FindingList& findings);

    // The resting texts, no check mark, an empty results grid.
    void Reset();

private:
    std::array<QString, engine::kFamilyCount> lines_;
    std::array<bool, engine::kFamilyCount> checked_{};
    int selected_ = -1;
    std::vector<ListedFinding> rows_;
};

} // namespace game
