#pragma once
// What a measured process reports about itself: CPU time used and peak resident memory.
#include <sys/resource.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

/// What a measured program is asked to do: "startup" (0 seconds) or "idle SECONDS".
/// Returns -1 (after printing the usage) when the arguments are neither.
inline int idleSeconds(int argc, char* argv[]) {
    const bool idle = argc >= 2 && std::strcmp(argv[1], "idle") == 0;
    const int seconds = idle && argc >= 3 ? std::atoi(argv[2]) : 0;
    if (argc < 2 || (!idle && std::strcmp(argv[1], "startup") != 0) || (idle && seconds <= 0)) {
        std::fprintf(stderr, "usage: %s startup | idle SECONDS\n", argv[0]);
        return -1;
    }
    return seconds;
}

}  // namespace brankor::bench
