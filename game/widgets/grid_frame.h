#pragma once
// GridFrame: one open grid on its tab. The board of 81 cells, the dashboard, the tracer and the
// analysis panel, all showing one GameSession; clicks and keys become the session's operations,
// and the questions the rules ask (erase all, restart, save before closing) are asked here.
//
// The board has a cursor: the arrow keys, Home and End move it, a click moves it to the cell; a
// digit key places that digit in its cell as the selector's "Poser" page would, Ctrl+digit
// removes that candidate as its "Candidats" page would. The chosen digit (the cursor landing on
// a digit, or a digit key on a filled cell) lights the cells that hold it and those where it is
// a candidate; Escape clears it.

#include "game/model/game_session.h"

#include <QImage>
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
    // What the board and the pages cover of it; a larger tab grows them as one, the board square.
    static constexpr QSize kLaidOutSize{795, 447};

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
    // "Indice": one more step of the easiest deduction; the fifth carries it out as a
    // double-click on it in the analysis panel does.
    void Hint();
    // The board's digits to the clipboard, and back.
    void CopyGrid();
    void PasteGrid();

    // The board with its row and column numbers at their designed size, as a picture takes it,
    // however large the frame is shown.
    QImage BoardImage();
    CellWidget* Case(int row, int col) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The board takes the keyboard when its grid is shown, and back when its window comes back
    // from a dialog.
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildBoard();
    void BuildPages();
    void BuildStatusStrip();
    // Every piece above the status strip at scale, the board's corner at offset.
    void LayOut(double scale, QPoint offset);
    // The board's cells, or the pause panel in their place.
    void ShowPaused(bool paused);
    void Connect();
    void CellReleased(CellWidget* cell, Qt::MouseButton button);
    // Moves the cursor, kept on the board; landing on a digit chooses it.
    void MoveCursor(int row, int col);
    // The cursor's digit, when its cell holds one, becomes the chosen digit.
    void ChooseCursorDigit();
    // 0 lights nothing.
    void ChooseDigit(int digit);
    void ShowOverlay(int row, int col);
    // A digit key: the move the selector's page would allow, else a beep; on a filled cell a
    // digit it cannot place is chosen instead.
    void PlayDigitKey(int digit, bool removeCandidate);
    void EraseAll();
    void Restart();
    // "Jouer ! ": a typed-in grid that is not a proper puzzle is played only if the player says so.
    void StartPlay();
    void AnnounceFilledBoard(bool solved);
    // A warning put as a task dialog: Cancel (the default) or one command link; true for the link.
    bool AskWithOneLink(const QString& title, const QString& text, const QString& cancel,
                        const QString& link, const QString& note);
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
    double scale_ = 1;
    QPoint offset_;
    bool pictureTaken_ = false; // the pieces stay at their designed size meanwhile
    int cursorRow_ = 1;
    int cursorCol_ = 1;
    int chosenDigit_ = 0;
};

} // namespace game
