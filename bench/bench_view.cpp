// Cost of drawing: a full redraw of a board with 361 stones against one
// whole-layer copy of the same size, one stone placement, and the literal
// redraw that composes every stone through whole-layer copies.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "board.h"
#include "flags.h"
#include "form.h"
#include "geometry.h"
#include "update.h"

namespace {

TForm1* venster() {
    static TForm1* form = [] {
        auto* f = new TForm1;
        f->FormCreate();
        f->resize(1200, 900); // client height 900
        f->show();
        QApplication::processEvents();
        // A full board: every point, colours alternating.
        nieuwepartij();
        MoveCount = 0;
        for (int c = 1; c <= 19; ++c)
            for (int r = 1; r <= 19; ++r) {
                ++MoveCount;
                MoveList[MoveCount] = {c, r,
                                       (c + r) % 2 ? EvalSet[1].BlackCode : EvalSet[1].WhiteCode};
            }
        GameState = Draw;
        f->tekenbord();
        return f;
    }();
    return form;
}

void BM_FullRedraw361(benchmark::State& state) {
    TForm1* f = venster();
    for (auto _ : state) f->tekenbord();
}
BENCHMARK(BM_FullRedraw361)->Unit(benchmark::kMicrosecond);

void BM_LayerCopy(benchmark::State& state) {
    TForm1* f = venster();
    for (auto _ : state) {
        f->Bord2->Picture = f->Bord->Picture.copy();
        benchmark::DoNotOptimize(f->Bord2->Picture.constBits());
    }
}
BENCHMARK(BM_LayerCopy)->Unit(benchmark::kMicrosecond);

void BM_OneStone(benchmark::State& state) {
    TForm1* f = venster();
    SoundOn = false;
    for (auto _ : state) f->tekensteen(MoveCount);
}
BENCHMARK(BM_OneStone)->Unit(benchmark::kMicrosecond);

void BM_LiteralRedraw361(benchmark::State& state) {
    TForm1* f = venster();
    SoundOn = false;
    for (auto _ : state) {
        f->tekenleegbord();
        for (int32_t i = 1; i <= MoveCount; ++i) f->tekensteen(i);
    }
}
BENCHMARK(BM_LiteralRedraw361)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
