#include "platform/Clock.h"

#include <ctime>
#include <sys/time.h>

namespace {
TClock* FClock = nullptr;
} // namespace

double SystemNow() {
    timeval Tv{};
    gettimeofday(&Tv, nullptr);
    std::time_t Seconds = Tv.tv_sec;
    std::tm Local{};
    localtime_r(&Seconds, &Local);
    // Days from 1899-12-30 to 1970-01-01 are 25569; shift by the local offset.
    const double LocalSeconds = double(Seconds) + double(Local.tm_gmtoff) + Tv.tv_usec / 1e6;
    return 25569.0 + LocalSeconds / 86400.0;
}

double Now() {
    return FClock ? FClock->Now() : SystemNow();
}

void SetClock(TClock* Clock) {
    FClock = Clock;
}

TClock* InstalledClock() {
    return FClock;
}
