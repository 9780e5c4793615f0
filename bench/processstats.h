#pragma once
// What a measured process reports about itself: CPU time used and peak resident memory.
#include <sys/resource.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>

namespace brankor::bench {

struct Usage {
    std::int64_t cpuMicros = 0;  ///< user + system time of the whole process
    long peakRssKb = 0;          ///< the most resident memory the process has had
    long wakeups = 0;            ///< times a thread of it slept and was woken (voluntary switches)
};

inline Usage usageNow() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    const auto micros = [](const timeval& t) {
        return static_cast<std::int64_t>(t.tv_sec) * 1000000 + t.tv_usec;
    };
    return {micros(r.ru_utime) + micros(r.ru_stime), r.ru_maxrss, r.ru_nvcsw};
}

/// What a window program drew: widgets painted, windows repainted (each window repaint paints
/// the widgets that changed in one pass), and layout passes (a widget whose size hint may have
/// changed, as a label given a new text, asks its layout to run again).
struct Drawn {
    long paints = 0;
    long windows = 0;
    long layouts = 0;
    Drawn operator-(const Drawn& o) const {
        return {paints - o.paints, windows - o.windows, layouts - o.layouts};
    }
};

/// One line for bench/run.sh: CPU time spent and wake-ups since `since`, the peak memory so far,
/// and what was drawn meanwhile.
inline void printUsageSince(const Usage& since, const Drawn& drawn) {
    const Usage now = usageNow();
    std::printf("cpu_us=%lld rss_kb=%ld wakeups=%ld paints=%ld windows=%ld layouts=%ld\n",
                static_cast<long long>(now.cpuMicros - since.cpuMicros), now.peakRssKb,
                now.wakeups - since.wakeups, drawn.paints, drawn.windows, drawn.layouts);
    std::fflush(stdout);
}

/// The shared libraries the process has mapped, read from /proc/self/maps: how many in all, and
/// how many whose file name starts with one of `prefixes`.
inline void countMappedLibraries(std::initializer_list<const char*> prefixes, int& all,
                                 int& matching) {
    all = matching = 0;
    std::FILE* maps = std::fopen("/proc/self/maps", "r");
    if (!maps) return;
    char line[4096];
    char last[4096] = "";
    while (std::fgets(line, sizeof line, maps)) {
        const char* file = std::strchr(line, '/');
        // A library's segments follow one another: count each file once.
        if (!file || !std::strstr(file, ".so") || std::strcmp(file, last) == 0) continue;
        std::snprintf(last, sizeof last, "%s", file);
        ++all;
        const char* name = std::strrchr(file, '/') + 1;
        for (const char* prefix : prefixes) {
            if (std::strncmp(name, prefix, std::strlen(prefix)) == 0) {
                ++matching;
                break;
            }
        }
    }
    std::fclose(maps);
}

/// One line for bench/run.sh: the shared libraries mapped, and how many of them are Qt Charts
/// and Qt's OpenGL modules, which a game that has not opened its diary does without.
inline void printMappedLibraries() {
    int all = 0, charts = 0;
    countMappedLibraries({"libQt6Charts", "libQt6OpenGL"}, all, charts);
    std::printf("libraries=%d charts=%d\n", all, charts);
    std::fflush(stdout);
}

/// With BENCH_SMAPS=FILE set, copies /proc/self/smaps to FILE, for a breakdown of the memory.
inline void copySmaps() {
    const char* to = std::getenv("BENCH_SMAPS");
    if (!to || !*to) return;
    // Read as a stream: /proc files report no size, so a file copy would copy nothing.
    std::ifstream smaps("/proc/self/smaps");
    std::ofstream(to) << smaps.rdbuf();
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
