#include "scan.h"

#include "board.h"

// The Score grid is stored column after column, [column][row], each column
// Stride values long, with the unused row 0 and column 0 and every entry
// beyond the board always 0. Read as one flat run, the first value equal to
// the maximum is therefore the point of the lowest column and, within it, the
// lowest row; scores are never negative, so the zero padding never wins. This
// lets the scan run as two simple passes (the maximum, then the first match)
// that vector units do eight values at a time.

namespace {

constexpr int Stride = MaxBoardSize + 1;

int vindpunt(const int32_t* v, int32_t best) {
    int i = 0;
    while (v[i] != best) ++i;
    return i;
}

int32_t gewoon(const int32_t* v, int cells, int& at) {
    int32_t best = 0;
    for (int i = 0; i < cells; ++i) best = v[i] > best ? v[i] : best;
    at = best > 0 ? vindpunt(v, best) : 0;
    return best;
}

} // namespace

int32_t hoogstescoreeenvoudig(const Scoregrid& score, int32_t& col, int32_t& row) {
    int at;
    const int32_t best = gewoon(&score[0][0], (BoardLines + 1) * Stride, at);
    if (best > 0) {
        col = at / Stride;
        row = at % Stride;
    }
    return best;
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

#include <array>
#include <utility>

namespace {

constexpr int Block = 8;
constexpr int Group = 5 * Block;

__attribute__((target("avx2"))) inline __m256i blok(const int32_t* v, int i) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(v + i));
}

__attribute__((target("avx2"))) inline unsigned gelijk(__m256i x, __m256i b) {
    return static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(_mm256_cmpeq_epi32(x, b))));
}

// The scan of the board of N lines. Its run ends with column N and starts at
// most seven values before column 1, so that it is a whole number of blocks
// of eight; those values lie in the zero column 0, which is longer. On
// the game's board that is 400 values, 50 blocks. The maximum is taken per
// group of five blocks (the last group may be shorter) and kept, so that the
// search for the first match afterwards skips whole groups. One instance per
// size keeps every bound a constant, so that the groups' maxima stay in
// registers.
template <int N>
__attribute__((target("avx2"))) int32_t breed(const Scoregrid& score, int32_t& col, int32_t& row) {
    constexpr int Length = (N * Stride + Block - 1) / Block * Block;
    constexpr int From = (N + 1) * Stride - Length;
    constexpr int Groups = (Length + Group - 1) / Group;
    static_assert(From >= 0 && From <= Stride, "the run starts in column 0 or 1");
    const int32_t* v = &score[0][0] + From;
    __m256i groupMax[Groups];
    __m256i m = _mm256_setzero_si256();
    for (int g = 0; g < Groups; ++g) {
        const int i = g * Group;
        __m256i x = blok(v, i);
        for (int j = i + Block; j < i + Group && j < Length; j += Block)
            x = _mm256_max_epi32(x, blok(v, j));
        groupMax[g] = x;
        m = _mm256_max_epi32(m, x);
    }
    __m128i h = _mm_max_epi32(_mm256_castsi256_si128(m), _mm256_extracti128_si256(m, 1));
    h = _mm_max_epi32(h, _mm_shuffle_epi32(h, 0x4E));
    h = _mm_max_epi32(h, _mm_shuffle_epi32(h, 0xB1));
    const int32_t best = _mm_cvtsi128_si32(h);
    if (best == 0) return 0;
    const __m256i b = _mm256_set1_epi32(best);
    int g = 0;
    while (!gelijk(groupMax[g], b)) ++g;
    for (int i = g * Group;; i += Block) {
        const unsigned mask = gelijk(blok(v, i), b);
        if (mask) {
            const int at = From + i + __builtin_ctz(mask);
            col = at / Stride;
            row = at % Stride;
            return best;
        }
    }
}

template <std::size_t... I>
constexpr std::array<Scanroutine, sizeof...(I)> scans(std::index_sequence<I...>) {
    return {{&breed<MinBoardSize + static_cast<int>(I)>...}};
}

// Breed[N - MinBoardSize] scans the board of N lines.
constexpr std::array<Scanroutine, MaxBoardSize - MinBoardSize + 1> Breed =
    scans(std::make_index_sequence<MaxBoardSize - MinBoardSize + 1>());

} // namespace

// The processor is asked at every call; the choice takes its scan once for
// each setup of the board and the rule (kieskeuze), not once a move.
Scanroutine scanvoor(int32_t n) {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) return Breed[n - MinBoardSize];
    return hoogstescoreeenvoudig;
}

#else

Scanroutine scanvoor(int32_t) {
    return hoogstescoreeenvoudig;
}

#endif

int32_t hoogstescore(const Scoregrid& score, int32_t& col, int32_t& row) {
    return scanvoor(BoardLines)(score, col, row);
}
