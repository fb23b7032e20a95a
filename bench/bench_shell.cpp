// What a player feels, measured on the real windows (offscreen platform): start-up to the main
// window shown, a move repainted with its analysis run, New with a generated grid, opening a long
// grid file, and the memory that tabs take.

#include "app/grid_tabs.h"
#include "app/main_window.h"
#include "app/services/ui/app_services.h"
#include "game/widgets/grid_frame.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kGeneratedGrid = 101;

// Resident memory of this process in kB, from /proc.
double ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble();
    return 0;
}

// A main window over a data folder of its own, with New answered "generated grid".
struct Shell {
    QTemporaryDir folder;
    std::unique_ptr<services::AppServices> services;
    std::unique_ptr<app::MainWindow> window;

    Shell() {
        qputenv("TESSARINE_DATA_DIR", folder.path().toUtf8());
        services = std::make_unique<services::AppServices>();
        services->Store().Values().ShowTipsOnStartup = false;
        services->Store().Values().QuitConfirm = false;
        window = std::make_unique<app::MainWindow>(*services);
        window->Dialogs().askNewGrid = [] { return kGeneratedGrid; };
        window->FinishSetUp();
        window->show();
        QApplication::processEvents();
    }
    ~Shell() {
        // Unsaved benchmark grids must not ask anything on the way out.
        for (int i = 0; i < window->Tabs()->count(); ++i)
            window->Grid(i)->Session().SetModified(false);
    }
};

void BM_StartupToMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        auto shell = std::make_unique<Shell>();
        benchmark::DoNotOptimize(shell->window.get());
        state.PauseTiming();
        shell.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToMainWindow)->Unit(benchmark::kMillisecond);

// The first cell, in creation order, with more than one candidate: row, col and its first
// candidate.
struct Candidate {
    int row = 0;
    int col = 0;
    int digit = 0;
};
Candidate OpenCandidate(const game::GameSession& session) {
    for (const game::BoardCell& cell : session.Cells())
        if (cell.CandidateCount() > 1)
            return {cell.Row(), cell.Col(), cell.CandidateString().front().digitValue()};
    return {};
}

// A candidate removed through the cell's selector choice, the analysis run that follows and the
// frame repainted, with state.range(0) tabs open.
void BM_MoveAnalysedAndRepainted(benchmark::State& state) {
    Shell shell;
    for (int i = 0; i < state.range(0); ++i)
        shell.window->NewGrid();
    game::GridFrame* grid = shell.window->ActiveGrid();
    game::GameSession& session = grid->Session();
    session.SetCandidateDisplay(true);
    // One move first, so that undoing the measured move stays in play mode.
    Candidate move = OpenCandidate(session);
    session.ApplyCellChoice(move.row, move.col, game::Operation::RemoveCandidate, move.digit);
    for (auto _ : state) {
        state.PauseTiming();
        move = OpenCandidate(session);
        state.ResumeTiming();
        session.ApplyCellChoice(move.row, move.col, game::Operation::RemoveCandidate, move.digit);
        benchmark::DoNotOptimize(grid->grab());
        state.PauseTiming();
        session.Undo();
        state.ResumeTiming();
    }
    if (session.CurrentMode() != game::Mode::Play)
        state.SkipWithError("the grid left play mode");
}
BENCHMARK(BM_MoveAnalysedAndRepainted)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_NewGeneratedGrid(benchmark::State& state) {
    Shell shell;
    for (auto _ : state) {
        shell.window->NewGrid();
        QApplication::processEvents();
        state.PauseTiming();
        shell.window->Grid(0)->Session().SetModified(false);
        shell.window->CloseTab(0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NewGeneratedGrid)->Unit(benchmark::kMillisecond);

// A grid file of 1000 history entries: givens, play moves and candidate removals.
void BM_OpenGridFile1000Entries(benchmark::State& state) {
    Shell shell;
    shell.window->NewGrid();
    game::GameSession& source = shell.window->ActiveGrid()->Session();
    // Candidate removals, cell after cell, until the history holds 999 entries (the save adds
    // the time marker).
    for (int d = 1; source.History().size() < 999; d = d % 9 + 1)
        for (const game::BoardCell& cell : source.Cells())
            if (cell.Digit() == 0 && source.History().size() < 999)
                source.ApplyCellChoice(cell.Row(), cell.Col(), game::Operation::RemoveCandidate, d);
    const QString path = shell.folder.path() + QStringLiteral("/long.xml");
    source.SetFileName(path);
    source.SetHasFile(true);
    if (!source.SaveGrid().isEmpty())
        state.SkipWithError("could not write the grid file");
    for (auto _ : state) {
        shell.window->OpenFile(path);
        QApplication::processEvents();
        state.PauseTiming();
        shell.window->CloseTab(shell.window->Tabs()->count() - 1);
        state.ResumeTiming();
    }
    state.counters["entries"] = double(source.History().size());
}
BENCHMARK(BM_OpenGridFile1000Entries)->Unit(benchmark::kMillisecond);

// Resident memory with state.range(0) tabs of generated grids.
void BM_ResidentMemoryWithTabs(benchmark::State& state) {
    for (auto _ : state) {
        Shell shell;
        const double before = ResidentKilobytes();
        for (int i = 0; i < state.range(0); ++i)
            shell.window->NewGrid();
        QApplication::processEvents();
        const double after = ResidentKilobytes();
        state.counters["resident_MB"] = after / 1024;
        state.counters["MB_per_tab"] = (after - before) / 1024 / double(state.range(0));
    }
}
BENCHMARK(BM_ResidentMemoryWithTabs)
    ->Arg(1)
    ->Arg(10)
    ->Arg(50)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
