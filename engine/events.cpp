#include "events.h"

#include <chrono>
#include <thread>

namespace {

void geenberichten() {}

uint32_t steadyticks() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void threadslaap(uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace

void (*Berichtenpomp)() = geenberichten;
uint32_t (*Tikbron)() = steadyticks;
void (*Slaapbron)(uint32_t) = threadslaap;

void wacht(uint32_t ms) {
    const uint32_t t0 = Tikbron();
    uint32_t t;
    do {
        t = Tikbron();
        Berichtenpomp();
        Slaapbron(1);
    } while (static_cast<uint32_t>(t - t0) < ms);
}

void herstelbronnen() {
    Berichtenpomp = geenberichten;
    Tikbron = steadyticks;
    Slaapbron = threadslaap;
}
