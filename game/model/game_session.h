#pragma once
// GameSession: the model of one open grid, everything its frame does without a widget. It holds
// the 81 cells (in creation order, column by column), the mode, the play clock, the action
// history, the trace lines, the findings of the last analysis run and the analysis panel. Every
// change of the position goes through ApplyAction; each caller appends its own history entry.
// The view listens to the signals and reads the state back; messages come back as texts.

#include "engine/deduction.h"
#include "engine/grid_state.h"
#include "game/model/analysis_panel.h"
#include "game/model/board_cell.h"
#include "game/model/game_settings.h"
#include "game/model/history_entry.h"
#include "game/model/puzzle_solution.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace game {

// Modes of a grid: the givens are typed ("Mode Saisie"), then the grid is solved.
enum class Mode { Input, Play };

// How the digit selector opens on a cell: its page, the enabled digits of each page ("1".."9"
// characters, ascending) and the colours of the buttons.
struct SelectorSetup {
    int Page = 0; // 0 "Poser", 1 "Candidats"
    QString PlaceDigits;
    QString CandidateDigits;
    Colour PlaceColour = 0;
    Colour CandidateColour = 0;
};

class GameSession : public QObject {
    Q_OBJECT

public:
    explicit GameSession(const GameSettings& settings, QObject* parent = nullptr);

    // --- Starting a grid
    // Starts the grid: empty history but for its "S" entry, input mode, the switches from the
    // settings. With a non-empty pending history (Duplicate), adopts it, empties it, replays it
    // and takes its seconds.
    void InitBoard(PendingHistory* pending = nullptr);
    // A new generated puzzle on the started grid: its givens, then "Jouer ! ". A level 0..5 asks
    // for a practice puzzle of that rating; any other value for the usual generator.
    void StartGeneratedGrid(int level = -1);
    // New settings: the board is redrawn in the new colours; the playing time, and in play mode
    // the analysis, stay as they were.
    void RedrawInNewColours(const GameSettings& settings);

    // --- Board
    // The cells in creation order: column 1 rows 1..9, then column 2, ...
    const std::array<BoardCell, 81>& Cells() const { return cells_; }
    const BoardCell& Cell(int row, int col) const { return cells_[Index(row, col)]; }
    // The number of cells holding a digit.
    int PlacedCells() const;
    // The filled-cell counter: "/81" at first, then "n/81 cases".
    const QString& CasesLabel() const { return casesLabel_; }

    // --- Moves
    game::Mode CurrentMode() const { return mode_; }
    // "Jouer ! ": play mode, recorded, then the analysis run. Not a modification.
    void StartPlay();
    // Erase all (the question is the view's): empty cells, a history of one "S" entry.
    void EraseAll();
    // Undo: drops the last entry (and a switch to play mode it would end on), replays, keeps the
    // clock. The dropped entries wait for Redo.
    void Undo();
    // Puts back the entries the last undo, way back before the first mistake or erased digit took
    // out, each at its place, with the clock as it was then; false when there is nothing to put
    // back. A new move ends what redo can bring back; a save does not. Files hold no redo.
    bool Redo();
    bool CanRedo() const { return !redo_.empty(); }
    // Takes the digit of a cell off the board: the entries that placed it leave the history and
    // the rest is replayed, with the clock kept; Redo puts it back. In play mode only a digit
    // placed in play mode can go (false for a given); in input mode a given goes the same way.
    // False when the cell is empty or off the board.
    bool EraseDigit(int row, int col);
    // Whether the cell holds a given (a digit placed in input mode). In play mode a given is
    // locked: the selector opens on it with nothing to choose, whatever the protection.
    bool IsGiven(int row, int col) const;
    // Restart (the question is the view's): replays the givens up to the switch to play mode and
    // drops everything after it.
    void Restart();
    // Cell click: the view opens the selector as PrepareSelector says, then, unless it was
    // cancelled, hands the chosen operation and digit to ApplyCellChoice.
    // Sets the cell's digit colour for the mode and tells how the selector opens (row and
    // col 1..9).
    SelectorSetup PrepareSelector(int row, int col, bool leftButton);
    // Applies the choice (Place or RemoveCandidate, digit 1..9), records it, marks the grid
    // modified, reports cells left without candidates and, in play mode, writes to the trace
    // whether a deduction of the position before it forced it (see ReviewMove) and runs the
    // analysis. A choice off the board is ignored.
    void ApplyCellChoice(int row, int col, Operation operation, int digit);

    // --- Switches (SB_CandidatOn/Off, SB_ProtectionOn/Off)
    bool CandidateDisplayOn() const { return candidateDisplay_; }
    // Every cell shows (or hides) its candidates.
    void SetCandidateDisplay(bool on);
    bool ProtectionOn() const { return protection_; }
    void SetProtection(bool on);

    // --- Play clock (TimerPartie)
    int ElapsedSeconds() const { return elapsedSeconds_; }
    // Puts back seconds (a save with a clock of its own), and shows them in play mode.
    void RestoreElapsedSeconds(int seconds);
    bool TimerRunning() const { return timerRunning_; }
    // The clock label: "00:00:00" in input mode, refreshed by every counted second.
    const QString& TimerLabel() const { return timerLabel_; }
    // The one-second tick: counts in play mode while the clock runs and the grid is not paused.
    void TickSecond();
    // A paused grid does not count its time; nothing else changes.
    bool Paused() const { return paused_; }
    void SetPaused(bool paused);

    // --- Modified state, file, closing
    bool Modified() const { return modified_; }
    void SetModified(bool modified);
    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& fileName) { fileName_ = fileName; }
    bool HasFile() const { return hasFile_; }
    void SetHasFile(bool hasFile) { hasFile_ = hasFile; }
    // Whether closing must first ask to save.
    bool CloseNeedsQuestion() const { return modified_; }

    // --- History and grid file
    const ActionHistory& History() const { return history_; }
    // The copy Duplicate hands to the new grid.
    PendingHistory DuplicateHistory() const { return {history_, elapsedSeconds_}; }
    // The grid file SaveGrid would write now, time marker included; the grid stays as it is.
    QByteArray FileBytes() const;
    // An entry was added to the history (a move, a given, a mode switch, a save marker).
    Q_SIGNAL void historyGrew();
    // Writes the history, with a time marker, to FileName. Returns an error text, empty on
    // success; a failed save changes nothing.
    QString SaveGrid();
    // Reads FileName into the history and replays it. Returns an error text, empty on success; a
    // refused file changes nothing.
    QString LoadGrid();

    // --- Trace (MemoTrace)
    const QStringList& TraceLines() const { return trace_; }

    // --- Analysis panel
    const engine::FindingList& Findings() const { return findings_; }
    // The findings read back as deductions, on the position the last run read.
    std::vector<engine::Deduction> Deductions() const {
        return engine::GroupDeductions(findings_, analysedGrid_);
    }
    const AnalysisPanel& Panel() const { return panel_; }
    // Check marks (families 0..5) set or removed together; in play mode the analysis then runs
    // once and applies them.
    void CheckFamilies(const QList<int>& families, bool checked);
    // A family line clicked: the results grid lists its configurations.
    void SelectFamily(int family);
    // Lights up the cells of a listed configuration: acting cells in ActingColour, reference
    // cells in ReferenceColour.
    // The selected deduction's drawing makes way while the cells are lit.
    void LightFinding(int row);
    // Every cell back to a white background; the selected row's deduction drawn again.
    void ClearLighting();
    // The results grid's selected row (-1 for none): its deduction is explained and drawn on the
    // cells (DeductionPattern, DeductionEffect) until the selection, the position or the listed
    // family changes, or while a row is lit.
    void SelectListedFinding(int row);
    // The explanation of the selected row's deduction, empty without one.
    const QString& SelectedExplanation() const { return selectedExplanation_; }
    // Double-click, first half: writes the row's text to the trace and applies its configuration.
    // Returns the family to hand to RefreshAfterListedFinding, -1 when the grid had nothing.
    int ApplyListedFinding(int row);
    // Double-click, second half (after the view's pause): resets the panel, runs the analysis and
    // lists that family's new findings.
    void RefreshAfterListedFinding(int family);

    // --- Hints
    // In play mode, one more step of the easiest deduction of the position (the first of
    // Deductions()) goes to the trace and to hintGiven: 1 the technique, 2 the unit (its cells
    // lit), 3 the pattern's cells (lit), 4 the move and why it holds (its family listed and its row
    // selected, so explained and drawn); the fifth call applies it as ApplyListedFinding does and
    // returns the family to hand to RefreshAfterListedFinding (-1 for the other steps). Any change
    // of the history starts again from step 1. With no deduction, one line says so and whether the
    // board's digits still have a solution.
    int Hint();

    // --- The puzzle's solution
    // The puzzle the grid plays: its givens, solution and rating, known from "Jouer ! " on.
    const PuzzleSolution& Puzzle() const { return puzzle_; }
    // The board's digits as a puzzle, before "Jouer ! ": why it cannot be played as a puzzle, or
    // empty when it has exactly one solution.
    QString CheckBoardAsPuzzle();
    // Compares the board with the only solution: marks wrong digits and the solution's digits
    // removed from candidates until the next move, and writes the verdict and the first history
    // entry that went wrong to the trace. Nothing else changes. A puzzle without a single
    // solution only gets a trace line saying so.
    void Verify();
    // The history up to just before the first wrong move of play, replayed with the clock kept;
    // play mode stays. False (nothing done) when there is no such move.
    bool BackToFirstMistake();
    // A full board that matches the only solution, or, without one, breaks no rule.
    bool BoardSolved() const;

    // --- Text exchange
    // Places the givens of an 81-character grid text in the current mode. Returns an error text,
    // empty on success; a refused text leaves the board untouched.
    QString ImportText(const QString& text);
    // Imports pasted clipboard text into an empty board and, when that placed givens, marks the
    // grid modified. Returns an error text, empty on success.
    QString PasteGrid(const QString& clipboardText);
    // The 11-line board picture for the clipboard.
    QString CopyGrid() const;

signals:
    void traceLineAdded(const QString& line);
    void traceCleared();
    void beepRequested();
    // Digit, candidates, colours or candidate display of one cell.
    void cellChanged(int row, int col);
    void casesLabelChanged(const QString& text);
    void modeChanged(game::Mode mode);
    void candidateDisplayChanged(bool on);
    void protectionChanged(bool on);
    void timerRunningChanged(bool running);
    void timerLabelChanged(const QString& text);
    // The view shows the save indicator and FileName in its status line.
    void modifiedChanged(bool modified);
    // Texts or check marks of the family lines.
    void familyLinesChanged();
    // Rows of the results grid.
    void resultsChanged();
    // A save succeeded: the shell shows its status message and adds the file to the recent list.
    void gridSaved(const QString& fileName);
    // The player's move filled the 81st cell; solved tells whether the grid is right.
    void gridFilled(bool solved);
    // The puzzle being played changed (its level line with it).
    void puzzleChanged();
    void pausedChanged(bool paused);
    // A step of the hint ladder, for the view to show where the player looks.
    void hintGiven(const QString& text);
    // The model selected a row of the results grid (the hint's fourth step).
    void findingChosen(int row);

private:
    static int Index(int row, int col) { return (col - 1) * 9 + (row - 1); }
    BoardCell& CellAt(int row, int col) { return cells_[Index(row, col)]; }
    void NotifyCell(const BoardCell& cell) { emit cellChanged(cell.Row(), cell.Col()); }
    // Presses the two switches as the settings say.
    void ApplyDefaults();
    // Counts the cells holding a digit, refreshes the counter text and the conflict marks.
    int CountPlacedCells();
    // The position as the techniques read it, cells in creation order.
    engine::GridState TakeSnapshot() const;
    // Appends a new move to the history; it ends what redo could bring back.
    void Record(const HistoryEntry& entry);
    // The indices of the Place entries of a cell, each with whether it was made in play mode.
    std::vector<std::pair<std::size_t, bool>> PlacementsOf(int row, int col) const;
    // Takes the entries at indices (ascending) out of the history and keeps them for Redo, then
    // replays with the clock kept, runs the analysis in play mode and marks the grid modified.
    void TakeOutEntries(const std::vector<std::size_t>& indices);
    // TakeOutEntries of the entries from first to the end.
    void TakeOutFrom(std::size_t first);
    // Switches to input or play mode; record appends the switch to the history.
    void SetMode(game::Mode mode, bool record);
    // Place puts digit (1..9) in the cell and removes it from the candidates of its row, column
    // and region; RemoveCandidate removes one candidate. Writes the trace lines of play mode and
    // the "FAUX" lines. Does not touch the history. A row, column or digit out of 1..9 changes
    // nothing but the counter.
    void ApplyAction(int row, int col, Operation operation, int digit);
    // Givens take GivenColour, digits placed in play mode PlayedColour.
    Colour ModeDigitColour() const;
    void RemoveCandidateFrom(BoardCell& cell, int digit);
    void ResetAllCells();
    // Rebuilds the board from the history.
    void ReplayHistory();
    // The replay of the history with the clock kept as it was.
    void ReplayKeepingClock();
    // One entry of a replay: mode switches, placements and, withRemovals, candidate removals.
    void ReplayEntry(const HistoryEntry& entry, bool withRemovals);
    void AddTrace(const QString& line);
    void ClearTrace();
    void SetTimerRunning(bool running);
    void SetTimerLabel(const QString& text);
    void ReportDeadEnds();
    // Runs the six families on a fresh snapshot, writes the family lines and applies the checked
    // families until nothing changes; on a full grid stops the clock and resets the panel.
    void RunAnalysis();
    // Applies the findings of one family of the last run; true when one was applied.
    bool ApplyFamily(int family);
    // ApplyAction, the history entry and the modified mark for one finding.
    void ApplyFinding(const engine::Finding& finding);
    // One run up to the family lines; false when a full grid stopped it.
    bool AnalyseOnce();
    // The automatic application of one run; true when it changed something.
    bool ApplyCheckedFamiliesOnce();
    void ResetAnalysisPanel();
    void LightCells(const std::vector<engine::CellDigit>& cells, Colour colour);
    // Back to the ladder's first step, its lit cells cleared.
    void ResetHintLadder();
    // A hint step to the trace and to the view.
    void TellHint(const QString& text);
    // The hint line when the six families find nothing.
    QString NothingToHint() const;
    // The marks of a deduction on the cells (none for null), the cells that change notified.
    void DrawDeduction(const engine::Deduction* deduction);
    // No selected row any more: no explanation, no drawing.
    void ForgetSelectedFinding();
    // The board's digits, row by row.
    engine::Digits DigitsOnBoard() const;
    // Takes the puzzle of the history (its input-mode placements).
    void UpdatePuzzle();
    void ClearVerificationMarks();
    // After a move of the player in play mode: tells once when the board has become full.
    void NoticeFilledBoard();

    GameSettings settings_;
    std::array<BoardCell, 81> cells_;
    game::Mode mode_ = game::Mode::Input;
    bool candidateDisplay_ = false;
    bool protection_ = false;
    int elapsedSeconds_ = 0;
    bool timerRunning_ = false;
    QString timerLabel_;
    QString casesLabel_;
    bool modified_ = false;
    QString fileName_;
    bool hasFile_ = false;
    ActionHistory history_;
    // What each redo puts back: the entries taken out, at their indices, and the clock then.
    struct RedoStep {
        std::vector<std::pair<std::size_t, HistoryEntry>> Entries;
        int Seconds = 0;
    };
    std::vector<RedoStep> redo_;
    bool paused_ = false;
    QStringList trace_;
    engine::FindingList findings_;
    engine::GridState analysedGrid_; // the position findings_ were found on
    AnalysisPanel panel_;
    std::optional<engine::Deduction> selectedDeduction_;
    QString selectedExplanation_;
    PuzzleSolution puzzle_;
    bool marksShown_ = false;
    bool filledNoticed_ = false;
    int hintStep_ = 0; // the hint steps already told for this position
};

} // namespace game
