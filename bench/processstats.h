#pragma once
// What a measured process reports about itself: CPU time used and peak resident memory.
#include <sys/resource.h>

#include <cstdint>
#include <cstdio>

namespace brankor::bench {

struct Usage {
    std::int64_t cpuMicros = 0;  ///< user + system time of the whole process
    long peakRssKb = 0;          ///< the most resident memory the process has had
};

inline Usage usageNow() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    const auto micros = [](const timeval& t) {
        return static_cast<std::int64_t>(t.tv_sec) * 1000000 + t.tv_usec;
    };
    return {micros(r.ru_utime) + micros(r.ru_stime), r.ru_maxrss};
}

/// One line for bench/run.sh: CPU time spent since `since`, and the peak memory so far.
inline void printUsageSince(const Usage& since) {
    const Usage now = usageNow();
    std::printf("cpu_us=%lld rss_kb=%ld\n", static_cast<long long>(now.cpuMicros - since.cpuMicros),
                now.peakRssKb);
    std::fflush(stdout);
}

}  // namespace brankor::bench
