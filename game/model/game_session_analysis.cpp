// The analysis side of a grid: the run after every move, the automatic application of the checked
// families, and the panel that lists, lights up and applies single configurations.
//
// A run that applied something starts another run on a fresh snapshot; every applied finding
// places a digit or removes an open candidate, so the repetition ends. It is a loop rather than
// the nested calls it stands for, so a long solve cannot deepen the stack.
#include "game/model/game_session.h"

#include "engine/families.h"
#include "game/model/deduction_explanation.h"

namespace game {

void GameSession::RunAnalysis() {
    while (AnalyseOnce() && ApplyCheckedFamiliesOnce()) {
    }
}

bool GameSession::AnalyseOnce() {
    ForgetSelectedFinding();
    panel_.ClearRows();
    emit resultsChanged();
    engine::ClearFindings(findings_);
    if (CountPlacedCells() == 81) {
        SetTimerRunning(false);
        ResetAnalysisPanel();
        return false;
    }
    analysedGrid_ = TakeSnapshot();
    const engine::FamilyCounts counts = engine::RunFamilies(analysedGrid_, findings_);
    for (int family = 0; family < engine::kFamilyCount; ++family)
        panel_.SetFamilyLine(family,
                             QString::fromStdString(engine::FamilyLine(family, counts[family])));
    emit familyLinesChanged();
    return true;
}

bool GameSession::ApplyCheckedFamiliesOnce() {
    bool changed = false;
    for (int family = 0; family < engine::kFamilyCount; ++family)
        if (panel_.IsChecked(family) && ApplyFamily(family))
            changed = true;
    if (CountPlacedCells() == 81)
        ResetAnalysisPanel();
    return changed;
}

bool GameSession::ApplyFamily(int family) {
    bool applied = false;
    for (const engine::Finding& finding : findings_) {
        if (finding.Family != family)
            continue;
        if (finding.Trace == 'O')
            AddTrace(QString::fromStdString(finding.Text));
        if (finding.Action != 'V') {
            ApplyFinding(finding);
            applied = true;
        }
    }
    return applied;
}

void GameSession::ApplyFinding(const engine::Finding& finding) {
    // The engine names its actions by the grid file's letters, "P" and "C".
    const auto operation = static_cast<Operation>(finding.Action);
    const int digit = finding.Digit - '0';
    ApplyAction(finding.Row, finding.Col, operation, digit);
    Record(HistoryEntry{finding.Row, finding.Col, std::uint8_t(digit), operation});
    SetModified(true);
}

void GameSession::ResetAnalysisPanel() {
    ForgetSelectedFinding();
    panel_.Reset();
    engine::ClearFindings(findings_);
    emit familyLinesChanged();
    emit resultsChanged();
}

void GameSession::SelectFamily(int family) {
    ForgetSelectedFinding();
    panel_.ListFamily(family, findings_);
    emit resultsChanged();
}

void GameSession::CheckFamilies(const QList<int>& families, bool checked) {
    for (int family : families)
        panel_.SetChecked(family, checked);
    emit familyLinesChanged();
    if (mode_ == Mode::Play) {
        RunAnalysis();
        NoticeFilledBoard();
    }
}

namespace {

// The listed row a click on the results grid designates; null when the grid shows nothing there.
const ListedFinding* ClickedRow(const AnalysisPanel& panel, int row) {
    const std::vector<ListedFinding>& rows = panel.Rows();
    if (rows.empty() || rows.front().Text.isEmpty() || row < 0 || row >= int(rows.size()))
        return nullptr;
    return &rows[std::size_t(row)];
}

bool SameConfiguration(const engine::Finding& finding, const ListedFinding& listed) {
    return finding.Family == listed.Family && finding.Seq == listed.Seq;
}

} // namespace

void GameSession::LightFinding(int row) {
    const ListedFinding* listed = ClickedRow(panel_, row);
    if (listed == nullptr)
        return;
    DrawDeduction(nullptr);
    for (const engine::Finding& finding : findings_) {
        if (!SameConfiguration(finding, *listed))
            continue;
        BoardCell& cell = CellAt(finding.Row, finding.Col);
        cell.BackgroundColour =
            finding.Action == 'V' ? settings_.ReferenceColour : settings_.ActingColour;
        NotifyCell(cell);
    }
}

void GameSession::ClearLighting() {
    for (BoardCell& cell : cells_) {
        if (cell.BackgroundColour == kWhite)
            continue;
        cell.BackgroundColour = kWhite;
        NotifyCell(cell);
    }
    DrawDeduction(selectedDeduction_ ? &*selectedDeduction_ : nullptr);
}

void GameSession::SelectListedFinding(int row) {
    ForgetSelectedFinding();
    const ListedFinding* listed = ClickedRow(panel_, row);
    if (listed == nullptr)
        return;
    for (engine::Deduction& deduction : Deductions())
        if (deduction.Family == listed->Family && deduction.Seq == listed->Seq)
            selectedDeduction_ = std::move(deduction);
    if (!selectedDeduction_)
        return;
    selectedExplanation_ = ExplainDeduction(*selectedDeduction_);
    DrawDeduction(&*selectedDeduction_);
}

void GameSession::ForgetSelectedFinding() {
    selectedDeduction_.reset();
    selectedExplanation_.clear();
    DrawDeduction(nullptr);
}

void GameSession::DrawDeduction(const engine::Deduction* deduction) {
    std::array<std::pair<engine::CandidateSet, engine::CandidateSet>, 81> marks{};
    if (deduction != nullptr) {
        for (const engine::CellDigit& cell : deduction->PatternCells)
            marks[Index(cell.Row, cell.Col)].first =
                Cell(cell.Row, cell.Col).Candidates() & deduction->PatternDigits;
        for (const engine::CellDigit& effect : deduction->Effects)
            marks[Index(effect.Row, effect.Col)].second |= engine::DigitBit(effect.Digit);
    }
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        BoardCell& cell = cells_[i];
        if (std::pair(cell.DeductionPattern, cell.DeductionEffect) == marks[i])
            continue;
        std::tie(cell.DeductionPattern, cell.DeductionEffect) = marks[i];
        NotifyCell(cell);
    }
}

int GameSession::ApplyListedFinding(int row) {
    const ListedFinding* clicked = ClickedRow(panel_, row);
    if (clicked == nullptr)
        return -1;
    const ListedFinding listed = *clicked;
    AddTrace(listed.Text);
    for (const engine::Finding& finding : findings_)
        if (SameConfiguration(finding, listed) && finding.Action != 'V')
            ApplyFinding(finding);
    return listed.Family;
}

void GameSession::RefreshAfterListedFinding(int family) {
    ResetAnalysisPanel();
    RunAnalysis();
    SelectFamily(family);
    NoticeFilledBoard();
}

} // namespace game
