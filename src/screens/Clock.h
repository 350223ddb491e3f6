#pragma once

#include <chrono>
#include <functional>

// The current moment in seconds since 1970, injectable so that tests never
// wait for time to pass.
using Clock = std::function<double()>;

inline double systemNow() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}
