#include "random.h"

namespace {
uint64_t State = 0x9E3779B97F4A7C15ull;

uint64_t volgende() {
    uint64_t z = (State += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
} // namespace

void zaai(uint64_t seed) {
    State = seed;
}

int32_t toeval(int32_t n) {
    if (n <= 1) return 0;
    const uint64_t range = static_cast<uint64_t>(n);
    const uint64_t limit =
        UINT64_MAX - UINT64_MAX % range; // values >= limit would favour low results
    uint64_t v;
    do v = volgende();
    while (v >= limit);
    return static_cast<int32_t>(v % range);
}
