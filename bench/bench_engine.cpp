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

// Renju's forbidden-point test where its recursion runs deepest. Black's
// stones stand on the points of the 20 x 20 board with (5c + 4r) mod 8 of
// 6 or 7: every free point inside is then forbidden by two threes whose
// straight fours make further threes, on and on. The board as a manager
// sends it (a BOARD, after INFO rule 4 and INFO style roekeloos) also holds
// as many white stones, put round the lattice so that the move passes over
// one forbidden point after another; rows top to bottom, x black, o white.
const char* const Gewrocht[20] = {
    "ooooxoo.o.o.ooo.ooox", "ooxooxoxooxo.ooxoo.o", "oo.o..x..x...oxx.ooo", ".oxo.xo...x..x..oooo",
    ".x....x..x....x..xox", "..x..x....x..x....o.", "ox....x..x....x..xxx", "o.x..x....x..x....xo",
    "ox....x..x....x..xoo", "..x..x....x..x....oo", "ox....x..x....x..xxx", "..x..x....x..x....oo",
    "oo....x..x....x..xoo", "o.x..x....x..x....xo", "ox....x..x....x..xox", "..x..x....x..x....oo",
    "oo.o..x..x....xo.oxo", "oox..xo.xox..x..ooxx", "oo.o..xo.xo...xxxo.o", "ooxooxox.oo.oxo.oooo",
};

// The lattice alone, or the crafted board, laid out with black to move.
void legrenjubord(bool gewrocht) {
    richtspelin(20, Renju);
    zetstijl(1, gewrocht ? Roekeloos : Normaal);
    beginpartij(BlackToMove);
    beginopstelling();
    for (int c = 1; c <= 20; ++c)
        for (int r = 1; r <= 20; ++r) {
            const char k = gewrocht ? Gewrocht[r - 1][c - 1] : (5 * c + 4 * r) % 8 >= 6 ? 'x' : '.';
            if (k == '.') continue;
            MoveList[++MoveCount] = {c, r, k == 'x' ? EvalSet[1].BlackCode : EvalSet[1].WhiteCode};
            verwerkzet(MoveCount);
        }
    eindopstelling();
}

// Every free point of the lattice weighed once a round.
void BM_RenjuLattice(benchmark::State& state) {
    legrenjubord(false);
    for (auto _ : state) {
        neemstenenover();
        int verboden = 0;
        for (int c = 1; c <= 20; ++c)
            for (int r = 1; r <= 20; ++r)
                verboden += EvalSet[1].Occupancy[c][r] == 0 && weegpunt(c, r, true) == Verboden;
        benchmark::DoNotOptimize(verboden);
    }
    richtspelin(GameBoardSize, Freestyle);
}
BENCHMARK(BM_RenjuLattice);

// The choice of black's move on the crafted board.
void BM_RenjuCraftedMove(benchmark::State& state) {
    legrenjubord(true);
    for (auto _ : state) benchmark::DoNotOptimize(kieszet());
    richtspelin(GameBoardSize, Freestyle);
}
BENCHMARK(BM_RenjuCraftedMove);

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
