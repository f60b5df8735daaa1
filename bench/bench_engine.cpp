// Cost of the engine's work per move: the update of both sets, the choice,
// and the two together as a computer-against-computer game plays them.
#include <benchmark/benchmark.h>

#include "board.h"
#include "choice.h"
#include "random.h"
#include "record.h"
#include "reset.h"
#include "rules.h"
#include "setup.h"
#include "style.h"
#include "update.h"

namespace {

// Plays seeded computer games, counting moves; the state is what a real
// game leaves, so the update and the choice see realistic positions.
void speelzetten(benchmark::State& state) {
    zetstijl(1, Normaal);
    zetstijl(2, Normaal);
    zaai(1);
    long moves = 0, game = 0;
    beginpartij(BlackToMove);
    for (auto _ : state) {
        if (!speelcomputerzet()) {
            beginpartij(++game % 2 == 0 ? BlackToMove : WhiteToMove);
            continue;
        }
        ++moves;
    }
    state.counters["moves"] = static_cast<double>(moves);
}

void BM_FullMove(benchmark::State& state) {
    speelzetten(state);
}
BENCHMARK(BM_FullMove);

// The same on the tournament boards of 15 and 20 lines.
void BM_FullMoveOnBoard(benchmark::State& state) {
    zetbordgrootte(static_cast<int32_t>(state.range(0)));
    speelzetten(state);
    zetbordgrootte(GameBoardSize);
}
BENCHMARK(BM_FullMoveOnBoard)->Arg(15)->Arg(20);

// The same under the tournaments' other rules, whose choice passes its
// points through the rule: exactly five (1) and renju (2), whose forbidden
// points are found by a search that recurses.
void BM_FullMoveUnderRule(benchmark::State& state) {
    zetspelregel(static_cast<int32_t>(state.range(0)));
    speelzetten(state);
    zetspelregel(Freestyle);
}
BENCHMARK(BM_FullMoveUnderRule)->Arg(ExactFive)->Arg(Renju);

// A recorded game of 60 moves is applied again and again: the update alone.
void BM_Update(benchmark::State& state) {
    zetstijl(1, Normaal);
    zetstijl(2, Normaal);
    zaai(3);
    beginpartij(BlackToMove);
    MoveRecord game[MaxMoves + 1];
    int length = 0;
    while (length < 60 && speelcomputerzet()) game[++length] = MoveList[MoveCount];
    int n = length + 1;
    for (auto _ : state) {
        if (n > length) {
            state.PauseTiming();
            beginpartij(BlackToMove);
            n = 1;
            state.ResumeTiming();
        }
        MoveList[n] = game[n];
        MoveCount = n;
        verwerkzet(n);
        GameState = BlackToMove;
        ++n;
    }
}
BENCHMARK(BM_Update);

// The choice in a middle-game position.
void BM_Choice(benchmark::State& state) {
    zetstijl(1, Normaal);
    zetstijl(2, Normaal);
    zaai(5);
    beginpartij(BlackToMove);
    while (MoveCount < 30 && speelcomputerzet()) {}
    for (auto _ : state) benchmark::DoNotOptimize(kieszet());
}
BENCHMARK(BM_Choice);

void BM_Reset(benchmark::State& state) {
    for (auto _ : state) nieuwepartij();
}
BENCHMARK(BM_Reset);

} // namespace

// The engine is set up once, as a program does at its start.
int main(int argc, char** argv) {
    beginengine();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
