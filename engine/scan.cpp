#include "scan.h"

#include "board.h"

// The Score grid is stored column after column, [column][row], with the
// unused row 0 and column 0 always 0. Read as one flat run of 400 values, the
// first value equal to the maximum is therefore the point of the lowest
// column and, within it, the lowest row; scores are never negative, so the
// zero padding never wins. This lets the scan run as two simple passes (the
// maximum, then the first match) that vector units do eight values at a time.

namespace {

constexpr int Cells = (BoardSize + 1) * (BoardSize + 1);

int vindpunt(const int32_t* v, int32_t best) {
    int i = 0;
    while (v[i] != best) ++i;
    return i;
}

int32_t gewoon(const int32_t* v, int& at) {
    int32_t best = 0;
    for (int i = 0; i < Cells; ++i) best = v[i] > best ? v[i] : best;
    at = best > 0 ? vindpunt(v, best) : 0;
    return best;
}

} // namespace

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace {

__attribute__((target("avx2"))) inline __m256i blok(const int32_t* v, int i) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(v + i));
}

__attribute__((target("avx2"))) int32_t breed(const int32_t* v, int& at) {
    static_assert(Cells % 8 == 0, "the grid is read in blocks of eight");
    static_assert(Cells % 40 == 0, "the maximum pass takes five blocks a round");
    __m256i m = _mm256_setzero_si256(), n = _mm256_setzero_si256();
    for (int i = 0; i < Cells; i += 40) {
        m = _mm256_max_epi32(m, _mm256_max_epi32(blok(v, i), blok(v, i + 8)));
        n = _mm256_max_epi32(n, _mm256_max_epi32(blok(v, i + 16), blok(v, i + 24)));
        m = _mm256_max_epi32(m, blok(v, i + 32));
    }
    m = _mm256_max_epi32(m, n);
    __m128i h = _mm_max_epi32(_mm256_castsi256_si128(m), _mm256_extracti128_si256(m, 1));
    h = _mm_max_epi32(h, _mm_shuffle_epi32(h, 0x4E));
    h = _mm_max_epi32(h, _mm_shuffle_epi32(h, 0xB1));
    const int32_t best = _mm_cvtsi128_si32(h);
    at = 0;
    if (best == 0) return 0;
    const __m256i b = _mm256_set1_epi32(best);
    for (int i = 0;; i += 8) {
        const __m256i x = blok(v, i);
        const unsigned mask = static_cast<unsigned>(
            _mm256_movemask_ps(_mm256_castsi256_ps(_mm256_cmpeq_epi32(x, b))));
        if (mask) {
            at = i + __builtin_ctz(mask);
            return best;
        }
    }
}

const bool HasAvx2 = __builtin_cpu_supports("avx2");

} // namespace

int32_t hoogstescore(const EvalRecord& s, int32_t& col, int32_t& row) {
    int at;
    const int32_t best = HasAvx2 ? breed(&s.Score[0][0], at) : gewoon(&s.Score[0][0], at);
    if (best > 0) {
        col = at / (BoardSize + 1);
        row = at % (BoardSize + 1);
    }
    return best;
}

#else

int32_t hoogstescore(const EvalRecord& s, int32_t& col, int32_t& row) {
    int at;
    const int32_t best = gewoon(&s.Score[0][0], at);
    if (best > 0) {
        col = at / (BoardSize + 1);
        row = at % (BoardSize + 1);
    }
    return best;
}

#endif
