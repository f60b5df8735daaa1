// Date-time values of the game clocks: a double number of days since
// 1899-12-30, the fraction being the time of day, so one second is 1/86400.
// The accumulated time of each side is exact (settled from the wall clock at
// each of its moves); the displayed clock advances by whole seconds on the
// ticks in between.
#pragma once

#include <cstdint>
#include <string>

constexpr double OneSecond = 1.0 / 86400.0;
constexpr double OneMillisecond = 1.0 / 86400000.0;

extern double BlackTime, WhiteTime;           // accumulated thinking time
extern double TurnStart;                      // when the current turn began
extern double BlackClock, WhiteClock;         // what the clock labels show
extern double TimeLimit;                      // 9 hours: 0.375 of a day
extern double SavedBlackTime, SavedWhiteTime; // copies taken when a pause begins

// The current local date and time as a date-time value, to the millisecond.
// Tests install a clock of their own.
extern double (*Nubron)();
double nu();
void herstelnubron();

// A value in the clock format "h:nn:ss.zzz": rounded to whole milliseconds,
// hours of the day without a leading zero.
std::string kloktekst(double value);

// accumulated := (Now + accumulated) - TurnStart.
double verrekentijd(double accumulated, double now, double turnStart);
