#pragma once
// GridFrame: one open grid on its tab. The board of 81 cells, the dashboard, the tracer and the
// analysis panel, all showing one GameSession; clicks become the session's operations, and the
// questions the rules ask (erase all, restart, save before closing) are asked here.

#include "game/model/game_session.h"

#include <QStringList>
#include <QWidget>

#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;

namespace game {

class AnalysisPage;
class DashboardPage;
class FrameServices;
class CellWidget;

class GridFrame : public QWidget {
    Q_OBJECT

public:
    // The frame's designed size; the board keeps its place when the tab is smaller.
    static constexpr QSize kDesignSize{795, 537};

    // The player's answer to the close question.
    enum class CloseChoice {
        Save,    // "Enregistrer": save first, close only once saved
        Discard, // "Fermer", or nothing to save: close as it is
        Keep,    // the question dismissed: the grid stays open
    };
    Q_ENUM(CloseChoice)

    GridFrame(const FrameServices& services, QWidget* parent = nullptr);

    GameSession& Session() { return session_; }
    const GameSession& Session() const { return session_; }

    // Starts the grid; a pending history (Duplicate) is adopted and emptied.
    void InitBoard(PendingHistory* pending = nullptr);
    // Asks about a modified grid before it closes; Discard without a question when nothing would
    // be lost. Saving is the caller's.
    CloseChoice CanClose();
    // "Vérifier": the board against the solution, marks and trace lines.
    void Verify();
    // Back to just before the first mistake, when there is one; tells the player when there is
    // none.
    void BackToFirstMistake();
    // The board's digits to the clipboard, and back.
    void CopyGrid();
    void PasteGrid();

    // The board area with its row and column numbers, as a player sees it.
    QRect BoardArea() const;
    CellWidget* Case(int row, int col) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildBoard();
    void BuildPages();
    void BuildStatusStrip();
    // The board's cells, or the pause panel in their place.
    void ShowPaused(bool paused);
    void Connect();
    void CellReleased(CellWidget* cell, Qt::MouseButton button);
    void EraseAll();
    void Restart();
    // "Jouer ! ": a typed-in grid that is not a proper puzzle is played only if the player says so.
    void StartPlay();
    void AnnounceFilledBoard(bool solved);
    void ShowLevel();
    void ApplyListedFindingPause(int family);
    void ShowSaveIndicator(bool modified);
    void ShowAll();
    void FlushTrace();

    const FrameServices& services_;
    GameSession session_;
    std::array<CellWidget*, 81> cells_{};
    QTabWidget* pages_ = nullptr;
    DashboardPage* dashboard_ = nullptr;
    AnalysisPage* analysis_ = nullptr;
    QPlainTextEdit* memoTrace_ = nullptr;
    QStringList pendingTrace_; // trace lines not yet in the memo
    QWidget* statusStrip_ = nullptr;
    QLabel* saveImg_ = nullptr;
    QLabel* saveDisabledImg_ = nullptr;
    QLabel* lbStatus_ = nullptr;
    QTimer* clock_ = nullptr;
    QPushButton* pausePanel_ = nullptr;
};

} // namespace game
