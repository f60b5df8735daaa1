// The engine's one pseudo-random generator (splitmix64). The application seeds
// it from the clock once at start-up; tests and tools seed it with a fixed
// value, so that a seed always yields the same games.
#pragma once

#include <cstdint>

void zaai(uint64_t seed);

// A uniformly distributed integer in 0..n-1, for n >= 1 (rejection sampling,
// so no value is favoured).
int32_t toeval(int32_t n);
