#include "datetime.h"

#include <QDateTime>
#include <cmath>
#include <cstdio>

namespace {

double lokaletijd() {
    static const QDate Epoch(1899, 12, 30);
    const QDateTime now = QDateTime::currentDateTime();
    return static_cast<double>(Epoch.daysTo(now.date())) +
           now.time().msecsSinceStartOfDay() / 86400000.0;
}

} // namespace

double (*Nubron)() = lokaletijd;

double nu() {
    return Nubron();
}

void herstelnubron() {
    Nubron = lokaletijd;
}

std::string kloktekst(double value) {
    constexpr long long Day = 86400000;
    long long ms = std::llround(value * 86400000.0) % Day;
    if (ms < 0) ms += Day; // the time of day, also for a value before midnight
    char text[16];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld.%03lld", ms / 3600000, ms / 60000 % 60,
                  ms / 1000 % 60, ms % 1000);
    return text;
}

double verrekentijd(double accumulated, double now, double turnStart) {
    return now + accumulated - turnStart;
}
