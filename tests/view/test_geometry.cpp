// Layer layout, grid positions, the stone radius and the minimum width.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "geometry.h"

namespace {

void layout(int clientWidth, int clientHeight) {
    const Bordrechthoek b = bordlaag(clientWidth, clientHeight);
    berekengeometrie(b.width, b.height);
}

TEST(Geometry, ClientHeight630) {
    const Bordrechthoek b = bordlaag(892, 630);
    EXPECT_EQ(b.height, 600);
    EXPECT_EQ(b.width, 565);
    EXPECT_EQ(b.top, 30);
    berekengeometrie(b.width, b.height);
    EXPECT_DOUBLE_EQ(MarginX, 45.2);
    EXPECT_DOUBLE_EQ(MarginY, 48.0);
    const int columns[19] = {45,  72,  98,  124, 151, 177, 203, 230, 256, 282,
                             309, 335, 362, 388, 414, 441, 467, 493, 520};
    for (int c = 1; c <= 19; ++c) EXPECT_EQ(kolomx(c), columns[c - 1]) << c;
    for (int r = 1; r <= 19; ++r) EXPECT_EQ(rijy(r), 48 + 28 * (r - 1)) << r;
    EXPECT_NEAR(PitchX, 26.389, 0.001);
    EXPECT_DOUBLE_EQ(PitchY, 28.0);
    EXPECT_EQ(StoneRadius, 12);
    EXPECT_EQ(StoneRadius / 2, 6); // the number font size
}

TEST(Geometry, ColumnTenOfAnOddWidthRoundsTheHalfToEven) {
    // 282.5 exactly in extended precision; plain double arithmetic lands just
    // above the half and would give 283.
    EXPECT_EQ(rasterpunt(565, 0.08 * 565, 10), 282);
    const double m = 0.08 * 565;
    EXPECT_EQ(std::nearbyint(m + (565 - 2 * m) * 9 / 18), 283) << "the double route differs";
}

TEST(Geometry, ClientHeight712HasAWholePitch) {
    layout(1000, 712);
    EXPECT_EQ(LinesWidth, 642);
    EXPECT_EQ(LinesHeight, 682);
    EXPECT_DOUBLE_EQ(PitchX, 30.0);
    EXPECT_EQ(kolomx(1), 51);
}

TEST(Geometry, ClientHeight900) {
    layout(1200, 900);
    EXPECT_EQ(LinesHeight, 870);
    EXPECT_EQ(LinesWidth, 819);
    EXPECT_EQ(kolomx(1), 66);
    EXPECT_EQ(kolomx(19), 753);
    EXPECT_EQ(rijy(1), 70);
    EXPECT_EQ(rijy(19), 800);
    EXPECT_NEAR(PitchX, 38.167, 0.001);
    EXPECT_NEAR(PitchY, 40.556, 0.001);
    EXPECT_EQ(StoneRadius, 18);
    EXPECT_EQ(StoneRadius / 2, 9);
}

TEST(Geometry, LeftEdgeIsCentredButNeverLeftOf280) {
    EXPECT_EQ(bordlaag(892, 630).left, 280);
    EXPECT_EQ(bordlaag(1600, 630).left, (1600 - 565) / 2);
    EXPECT_EQ(bordlaag(1600, 630).left, 517);
}

TEST(Geometry, MinimumWidthAtTheDesignHeight) {
    EXPECT_EQ(minimumbreedte(738), 945);
    EXPECT_EQ(minimumbreedte(1860), 1751 + 250);
}

#if defined(__x86_64__) || defined(__i386__)
static_assert(LDBL_MANT_DIG == 64, "x87 extended precision expected here");

// The integer route against the extended-precision expression itself, for
// every layer size a screen can have and every grid index.
TEST(Geometry, IntegerRouteEqualsExtendedPrecisionForEverySize) {
    int checked = 0;
    for (int size = 1; size <= 4000; ++size) {
        const double margin = 0.08 * size;
        for (int i = 1; i <= 19; ++i) {
            const long double m = margin;
            const long double v = m + (static_cast<long double>(size) - 2 * m) * (i - 1) / 18;
            ASSERT_EQ(rasterpunt(size, margin, i), static_cast<int32_t>(std::nearbyintl(v)))
                << "size " << size << " index " << i;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 4000 * 19);
}
#endif

TEST(Geometry, LayerWidthRoundsLikeTheFloatingDivision) {
    for (int h = 1; h <= 5000; ++h)
        ASSERT_EQ(bordlaag(0, h + 30).width,
                  static_cast<int32_t>(std::nearbyint(h * 1751 / 1860.0)))
            << h;
}

TEST(Geometry, RoundingSendsHalvesToEven) {
    EXPECT_EQ(rondaf(10.5), 10);
    EXPECT_EQ(rondaf(11.5), 12);
    EXPECT_EQ(rondaf(0.35 * 30.0), 10);
    EXPECT_EQ(rondaf(26.389 / 2), 13);
}

// The window's factor for a work area and a frame: the largest, in
// thousandths, at which the client height and the width the minimum-width
// rule gives fit; 1 where the design fits, never below 0.6.
TEST(Vensterfactor, LargestFactorAtWhichTheFrameFits) {
    const struct {
        int width, height, frameWidth, frameHeight;
        double f;
        const char* screen;
    } rows[] = {
        {1600, 1000, 8, 36, 1.0, "1600 x 1000: the design size"},
        {1366, 768, 2, 25, 1.0, "1366 x 768 with no panel and openbox's frame"},
        {1366, 728, 8, 36, 0.938, "1366 x 768 less a 40-pixel panel"},
        {1366, 728, 2, 25, 0.953, "the same with openbox's frame"},
        {1024, 728, 8, 36, 0.938, "1024 x 768 less a panel"},
        {1280, 693, 8, 36, 0.890, "1920 x 1040 at 150 %"},
        {1280, 700, 8, 36, 0.900, "2560 x 1400 at 200 %"},
        {900, 1000, 8, 36, 0.917, "narrow: the widened width binds"},
        {800, 400, 8, 36, 0.6, "too small: the floor"},
    };
    for (const auto& r : rows)
        EXPECT_DOUBLE_EQ(kiesfactor(r.width, r.height, r.frameWidth, r.frameHeight), r.f)
            << r.screen;
}

} // namespace
