// Cost of drawing: a full redraw of a board with 361 stones against one
// whole-layer copy of the same size, one stone placement (with markers and
// with move numbers), and the plain redraw that composes every stone
// through whole-layer copies.
#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "board.h"
#include "drawing.h"
#include "form.h"
#include "geometry.h"
#include "persteen.h"
#include "reset.h"

namespace {

TForm1* venster() {
    static TForm1* form = [] {
        auto* f = new TForm1;
        f->FormCreate();
        f->schaalvenster(1.0); // the design scale, whatever the screen
        f->show();
        f->resize(1200, 900); // client height 900
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
        QApplication::processEvents();
        return f;
    }();
    return form;
}

void BM_FullRedraw361(benchmark::State& state) {
    TForm1* f = venster();
    for (auto _ : state) f->tekenbord();
    state.counters["layer_height"] = LinesHeight;
}
BENCHMARK(BM_FullRedraw361)->Unit(benchmark::kMicrosecond);

// The full redraw as it reaches the screen: drawing, then the repaint of
// what changed (the three layers).
void BM_FullRedraw361Shown(benchmark::State& state) {
    TForm1* f = venster();
    for (auto _ : state) {
        f->tekenbord();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FullRedraw361Shown)->Unit(benchmark::kMicrosecond);

// One whole-layer copy: the stones layer's picture drawn into a buffer of
// its size, as a blit does.
void BM_LayerCopy(benchmark::State& state) {
    TForm1* f = venster();
    const QImage& layer = f->Bord->Picture;
    QImage buffer(layer.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&buffer);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, layer);
        p.end();
        benchmark::DoNotOptimize(buffer.constBits());
    }
}
BENCHMARK(BM_LayerCopy)->Unit(benchmark::kMicrosecond);

void BM_OneStone(benchmark::State& state) {
    TForm1* f = venster();
    for (auto _ : state) f->tekensteen(MoveCount);
}
BENCHMARK(BM_OneStone)->Unit(benchmark::kMicrosecond);

void BM_OneStoneShown(benchmark::State& state) {
    TForm1* f = venster();
    for (auto _ : state) {
        f->tekensteen(MoveCount);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OneStoneShown)->Unit(benchmark::kMicrosecond);

// The same with move numbers instead of markers: two texts a stone, its
// own and its predecessor's.
void BM_FullRedraw361Numbers(benchmark::State& state) {
    TForm1* f = venster();
    f->Nummers->setChecked(true);
    for (auto _ : state) f->tekenbord();
    f->Nummers->setChecked(false);
}
BENCHMARK(BM_FullRedraw361Numbers)->Unit(benchmark::kMicrosecond);

void BM_OneStoneNumbers(benchmark::State& state) {
    TForm1* f = venster();
    f->Nummers->setChecked(true);
    for (auto _ : state) f->tekensteen(MoveCount);
    f->Nummers->setChecked(false);
}
BENCHMARK(BM_OneStoneNumbers)->Unit(benchmark::kMicrosecond);

void BM_PerStoneRedraw361(benchmark::State& state) {
    venster();
    for (auto _ : state) tekenbordpersteen();
}
BENCHMARK(BM_PerStoneRedraw361)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
