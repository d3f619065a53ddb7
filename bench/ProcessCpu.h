#pragma once

#include <ctime>

namespace ladrix::bench {

// The processor time this process has used, in milliseconds: what a measured loop costs beyond
// the time it waits.
inline double processCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

} // namespace ladrix::bench
