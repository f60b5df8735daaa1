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

int32_t hoogstescoreeenvoudig(const EvalRecord& s, int32_t& col, int32_t& row) {
    int at;
    const int32_t best = gewoon(&s.Score[0][0], at);
    if (best > 0) {
        col = at / (BoardSize + 1);
        row = at % (BoardSize + 1);
    }
    return best;
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace {

__attribute__((target("avx2"))) inline __m256i blok(const int32_t* v, int i) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(v + i));
}

__attribute__((target("avx2"))) inline unsigned gelijk(__m256i x, __m256i b) {
    return static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(_mm256_cmpeq_epi32(x, b))));
}

// The maximum is taken per group of 40 values and kept, so that the search
// for the first match afterwards skips whole groups.
__attribute__((target("avx2"))) int32_t breed(const int32_t* v, int& at) {
    constexpr int Group = 40, Groups = Cells / Group;
    static_assert(Cells % Group == 0, "the grid is read in groups of five blocks of eight");
    __m256i groupMax[Groups];
    __m256i m = _mm256_setzero_si256();
    for (int g = 0; g < Groups; ++g) {
        const int i = g * Group;
        const __m256i x = _mm256_max_epi32(_mm256_max_epi32(blok(v, i), blok(v, i + 8)),
                                           _mm256_max_epi32(blok(v, i + 16), blok(v, i + 24)));
        groupMax[g] = _mm256_max_epi32(x, blok(v, i + 32));
        m = _mm256_max_epi32(m, groupMax[g]);
    }
    __m128i h = _mm_max_epi32(_mm256_castsi256_si128(m), _mm256_extracti128_si256(m, 1));
    h = _mm_max_epi32(h, _mm_shuffle_epi32(h, 0x4E));
    h = _mm_max_epi32(h, _mm_shuffle_epi32(h, 0xB1));
    const int32_t best = _mm_cvtsi128_si32(h);
    at = 0;
    if (best == 0) return 0;
    const __m256i b = _mm256_set1_epi32(best);
    int g = 0;
    while (!gelijk(groupMax[g], b)) ++g;
    for (int i = g * Group;; i += 8) {
        const unsigned mask = gelijk(blok(v, i), b);
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
    return hoogstescoreeenvoudig(s, col, row);
}

#endif
