// What a running process costs over a window of time:
//
//   usage PID SECONDS
//
// prints one line of key=value: CPU time of all its threads in per cent of
// one core (from the kernel's nanosecond CPU clock of the process), wake-ups
// per second (voluntary context switches of all its threads), resident and
// proportional memory in KiB at the end, and its thread count.

#include <sys/types.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double CpuSeconds(clockid_t clock) {
    timespec t{};
    if (clock_gettime(clock, &t) != 0) throw std::runtime_error("the process has ended");
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The number after "key:" in a /proc file of "key: value" lines, 0 if absent.
long long Field(const std::filesystem::path& file, const std::string& key) {
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        if (line.starts_with(key + ":")) return std::atoll(line.c_str() + key.size() + 1);
    return 0;
}

struct Threads {
    long long wakeUps = 0;
    int count = 0;
};

Threads CountThreads(const std::filesystem::path& process) {
    Threads threads;
    for (const auto& task : std::filesystem::directory_iterator(process / "task")) {
        threads.wakeUps += Field(task.path() / "status", "voluntary_ctxt_switches");
        ++threads.count;
    }
    return threads;
}

}  // namespace

int main(int argc, char** argv) try {
    if (argc != 3) {
        std::fprintf(stderr, "usage: usage PID SECONDS\n");
        return 2;
    }
    const pid_t pid = static_cast<pid_t>(std::atoi(argv[1]));
    const std::filesystem::path process = std::filesystem::path("/proc") / argv[1];
    clockid_t cpuClock{};
    if (clock_getcpuclockid(pid, &cpuClock) != 0) throw std::runtime_error("no such process");

    const Clock::time_point start = Clock::now();
    const double cpuBefore = CpuSeconds(cpuClock);
    const Threads before = CountThreads(process);
    std::this_thread::sleep_for(std::chrono::duration<double>(std::atof(argv[2])));
    const double cpuAfter = CpuSeconds(cpuClock);
    const Threads after = CountThreads(process);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

    std::printf("cpu_pct=%.4f wakeups_per_s=%.3f rss_kib=%lld pss_kib=%lld threads=%d\n",
                100 * (cpuAfter - cpuBefore) / seconds, static_cast<double>(after.wakeUps - before.wakeUps) / seconds,
                Field(process / "status", "VmRSS"), Field(process / "smaps_rollup", "Pss"), after.count);
    return 0;
} catch (const std::exception& error) {
    std::fprintf(stderr, "usage: %s\n", error.what());
    return 1;
}
