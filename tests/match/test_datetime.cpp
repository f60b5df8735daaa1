// Clock values, their text and the settlement of a move's time.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "clocks.h"
#include "datetime.h"

namespace {

TEST(Kloktekst, ZeroAndTheLimitAndMilliseconds) {
    EXPECT_EQ(kloktekst(0.0), "0:00:00.000");
    EXPECT_EQ(kloktekst(0.375), "9:00:00.000");
    EXPECT_EQ(kloktekst(0.375 + 417 * OneMillisecond), "9:00:00.417");
    EXPECT_EQ(kloktekst(3.25 * OneSecond), "0:00:03.250");
    EXPECT_EQ(kloktekst(12 * 3600 * OneSecond + 34 * 60 * OneSecond + 5 * OneSecond),
              "12:34:05.000");
}

TEST(Kloktekst, RoundsToWholeMilliseconds) {
    EXPECT_EQ(kloktekst(999.6 * OneMillisecond), "0:00:01.000");
    EXPECT_EQ(kloktekst(1.4 * OneMillisecond), "0:00:00.001");
    // A value made of whole seconds added one by one stays exact on display.
    double clock = 0;
    for (int i = 0; i < 3600; ++i) clock += OneSecond;
    EXPECT_EQ(kloktekst(clock), "1:00:00.000");
}

TEST(Kloktekst, ShowsTheTimeOfDayOfAnyValue) {
    EXPECT_EQ(kloktekst(1.0 + 2 * OneSecond), "0:00:02.000");
    EXPECT_EQ(kloktekst(-OneSecond), "23:59:59.000") << "a clock set back shows no minus sign";
}

TEST(Klok, LossOnTimeNeedsMoreThanTheLimit) {
    TimeLimit = 0.375;
    double white = 0.375 - 0.4 * OneSecond; // 8:59:59.600
    EXPECT_EQ(kloktekst(white), "8:59:59.600");
    EXPECT_FALSE(overdetijd(white));
    white += OneSecond;
    EXPECT_EQ(kloktekst(white), "9:00:00.600");
    EXPECT_TRUE(overdetijd(white));
    EXPECT_FALSE(overdetijd(0.375)) << "exactly nine hours does not lose";
}

TEST(Klok, SettlementAddsTheTurnToTheAccumulatedTime) {
    const double start = 46000.5;
    const double previous = 10 * OneSecond;
    const double settled = verrekentijd(previous, start + 3.25 * OneSecond, start);
    EXPECT_EQ(kloktekst(settled), "0:00:13.250");
}

TEST(Klok, NowIsTheLocalDayCountToTheMillisecond) {
    const double a = nu();
    const std::time_t t = std::time(nullptr);
    // Days since 1899-12-30 in UTC (the test runs with TZ=UTC).
    const double expected = static_cast<double>(t) / 86400.0 + 25569.0;
    EXPECT_NEAR(a, expected, 2.0 / 86400.0);
    Nubron = [] { return 42.5; };
    EXPECT_EQ(nu(), 42.5);
    herstelnubron();
    EXPECT_NEAR(nu(), expected, 2.0 / 86400.0);
}

} // namespace
