#include "geometry.h"

#include <algorithm>
#include <cmath>

#include "board.h"

double MarginX, MarginY;
double PitchX, PitchY;
int32_t StoneRadius;
int32_t LinesWidth, LinesHeight;

int32_t rondaf(double v) {
    return static_cast<int32_t>(std::nearbyint(v));
}

namespace {

// q = n / d rounded to the nearest integer, halves to even, for n >= 0.
int64_t deelrond(int64_t n, int64_t d) {
    const int64_t q = n / d, r = n % d;
    if (2 * r > d || (2 * r == d && (q & 1))) return q + 1;
    return q;
}

} // namespace

int32_t schaalmaat(int32_t design, double f) {
    return f == 1.0 ? design : rondaf(design * f);
}

Bordrechthoek bordlaag(int32_t clientWidth, int32_t clientHeight, double f) {
    Bordrechthoek b;
    b.height = clientHeight - schaalmaat(BoardTop, f);
    // H * 1751 / 1860 to the nearest integer; a correctly rounded division
    // lands on a half exactly when the true quotient is one, so the integer
    // rounding gives the same result.
    b.width = b.height > 0
                  ? static_cast<int32_t>(deelrond(int64_t{b.height} * AspectWidth, AspectHeight))
                  : -static_cast<int32_t>(deelrond(-int64_t{b.height} * AspectWidth, AspectHeight));
    b.top = schaalmaat(BoardTop, f);
    const int32_t centred = (clientWidth - b.width) / 2;
    const int32_t least = schaalmaat(BoardLeftMin, f);
    b.left = centred > least ? centred : least;
    return b;
}

// margin + (size - 2 margin) (index - 1) / 18, as 64-bit-mantissa arithmetic
// gives it. The margin is a double, so it is exactly mant / 2^k. For
// indices from 1 on, the true value is never closer to a half than
// 1 / (18 * 2^k) unless it is exactly a half, while the two roundings of the
// extended evaluation (the division and the addition) stay far below that;
// and when it is exactly a half, the quotient is a short binary fraction
// that the extended format holds exactly. So the extended result rounds as
// the true rational value does, which integers compute exactly.
int32_t rasterpunt(int32_t size, double margin, int32_t index) {
    // The plain double route, for values outside what the exact route covers.
    const auto plain = [&] { return rondaf(margin + (size - 2 * margin) * (index - 1) / 18.0); };
    if (index < 1 || size < 0 || !(margin >= 0) || margin > 1e6) return plain();
    int exponent;
    const double fraction = std::frexp(margin, &exponent); // margin = fraction * 2^exponent
    int k = 53 - exponent;
    uint64_t mant = static_cast<uint64_t>(std::ldexp(fraction, 53));
    while (k > 0 && mant != 0 && (mant & 1) == 0) mant >>= 1, --k;
    if (k < 0) { // a whole number beyond 2^53: no fraction at all
        mant <<= -k;
        k = 0;
    }
    // With the margin at 0.08 of the size, size * 2^k stays below 2^57, so
    // 64 bits hold every product below for the grid's 19 lines; anything
    // else takes the plain route.
    if (k > 57 || index > GameBoardSize || static_cast<uint64_t>(size) > (UINT64_MAX / 36) >> k)
        return plain();
    // Everything times 2^k: the margin is mant, the size size << k.
    const uint64_t scaledSize = static_cast<uint64_t>(size) << k;
    if (scaledSize < 2 * mant) return plain();
    const uint64_t a = (scaledSize - 2 * mant) * static_cast<uint64_t>(index - 1);
    const uint64_t s = mant + a / 18; // the value times 2^k is s + (a % 18) / 18
    const uint64_t rest = a % 18;
    const uint64_t whole = s >> k;
    const uint64_t frac = s & ((uint64_t{1} << k) - 1);
    // Compare frac + rest / 18 with 2^k / 2, everything times 36.
    const uint64_t lhs = frac * 36 + rest * 2, half = (uint64_t{1} << k) * 18;
    const bool up = lhs > half || (lhs == half && (whole & 1));
    return static_cast<int32_t>(whole + (up ? 1 : 0));
}

int32_t kolomx(int32_t c) {
    return rasterpunt(LinesWidth, MarginX, c);
}
int32_t rijy(int32_t r) {
    return rasterpunt(LinesHeight, MarginY, r);
}

void berekengeometrie(int32_t width, int32_t height) {
    LinesWidth = width;
    LinesHeight = height;
    MarginX = MarginFraction * width;
    MarginY = MarginFraction * height;
    PitchX = (kolomx(GameBoardSize) - kolomx(1)) / double(GameBoardSize - 1);
    PitchY = (rijy(GameBoardSize) - rijy(1)) / double(GameBoardSize - 1);
    StoneRadius = rondaf(PitchX / 2) - 1;
}

int32_t minimumbreedte(int32_t height, double f) {
    return static_cast<int32_t>(deelrond(int64_t{height} * AspectWidth, AspectHeight)) +
           schaalmaat(MinWidthExtra, f);
}

double kiesfactor(int32_t areaWidth, int32_t areaHeight, int32_t frameWidth, int32_t frameHeight) {
    // The window at f thousandths: its client height and its outer width
    // once the size handler has widened it, each against the work area.
    auto past = [&](int32_t thousandths) {
        const double f = thousandths / 1000.0;
        const int32_t outer = schaalmaat(DesignHeight, f) + frameHeight;
        const int32_t width =
            std::max(schaalmaat(DesignWidth, f) + frameWidth, minimumbreedte(outer, f));
        return outer <= areaHeight && width <= areaWidth;
    };
    const auto least = static_cast<int32_t>(MinWindowFactor * 1000);
    int32_t f = 1000;
    while (f > least && !past(f)) --f;
    return f / 1000.0;
}
