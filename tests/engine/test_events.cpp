// The waiting routine and the generator.
#include <vector>

#include "helpers.h"

namespace {

uint32_t FakeTicks;
std::vector<uint32_t> Sleeps;

uint32_t nepklok() {
    return FakeTicks;
}
void nepslaap(uint32_t ms) {
    Sleeps.push_back(ms);
    FakeTicks += ms;
}

TEST(Wacht, DispatchesAtLeastOnceEvenForZero) {
    herstelbronnen();
    Berichtenpomp = telbericht;
    Tikbron = nepklok;
    Slaapbron = nepslaap;
    Dispatches = 0;
    wacht(0);
    EXPECT_EQ(Dispatches, 1);
    herstelbronnen();
}

TEST(Wacht, WaitsTheFullTimeAcrossAWrapOfTheCounter) {
    herstelbronnen();
    Berichtenpomp = telbericht;
    Tikbron = nepklok;
    Slaapbron = nepslaap;
    for (uint32_t start : {0u, 0xFFFFFF00u, 0xFFFFFFFFu}) {
        FakeTicks = start;
        Dispatches = 0;
        Sleeps.clear();
        wacht(800);
        EXPECT_EQ(static_cast<uint32_t>(FakeTicks - start), 801u) << start;
        EXPECT_EQ(Dispatches, 801);
        for (uint32_t s : Sleeps) EXPECT_EQ(s, 1u);
    }
    herstelbronnen();
}

TEST(Wacht, RealClockWaitsAtLeastTheTime) {
    herstelbronnen();
    const uint32_t t0 = Tikbron();
    wacht(20);
    EXPECT_GE(static_cast<uint32_t>(Tikbron() - t0), 20u);
}

TEST(Generator, StaysInRangeAndRepeatsForASeed) {
    zaai(42);
    std::vector<int32_t> first;
    int counts[9] = {};
    for (int i = 0; i < 9000; ++i) {
        const int32_t v = toeval(9);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 9);
        ++counts[v];
        if (i < 50) first.push_back(v);
    }
    for (int c : counts) EXPECT_NEAR(c, 1000, 150);
    zaai(42);
    for (int32_t v : first) EXPECT_EQ(toeval(9), v);
    EXPECT_EQ(toeval(1), 0);
    EXPECT_EQ(toeval(0), 0);
}

} // namespace
