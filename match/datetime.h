// Date-time values: a double number of days since 1899-12-30, the fraction
// being the time of day, so one second is 1/86400; the current local time
// in that form, and a value's clock text.
#pragma once

#include <cstdint>
#include <string>

constexpr double OneSecond = 1.0 / 86400.0;
constexpr double OneMillisecond = 1.0 / 86400000.0;

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
