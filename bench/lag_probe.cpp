// Starts a program and prints how long after each true second of the wall
// clock its window changes on the screen: the median and the worst delay
// of the changes seen, in milliseconds.
//
//   lag_probe SECONDS PROGRAM [ARGUMENT...]
//
// The window's changes are watched for SECONDS, after two seconds to settle.
// Each is stamped by the real-time clock when the X server reports the
// drawing, and its delay is the time since the last whole second.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "screen_watch.h"

namespace {

using namespace bench;
using Milliseconds = std::chrono::duration<double, std::milli>;
constexpr auto Settle = std::chrono::seconds(2);

// The delays of the window's changes from start + Settle for the given time.
std::vector<double> Delays(Screen& screen, Clock::time_point start, std::chrono::seconds watch) {
    std::vector<double> delays;
    std::optional<Frame> last;
    const Clock::time_point from = start + Settle, until = from + watch;
    while (Clock::now() < until) {
        if (!screen.Wait(until)) continue;
        std::optional<Frame> frame = screen.Capture();
        if (!frame || (last && frame->SameAs(*last))) continue;
        if (last && frame->seen >= from) {
            const auto wall = frame->wallClock.time_since_epoch();
            delays.push_back(Milliseconds(wall - std::chrono::floor<std::chrono::seconds>(wall)).count());
        }
        last = std::move(frame);
    }
    return delays;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) try {
    if (argc < 3) {
        std::fprintf(stderr, "usage: lag_probe SECONDS PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const std::chrono::seconds watch(std::atoi(argv[1]));
    Screen screen;
    const Clock::time_point start = Clock::now();
    const pid_t pid = Launch(argv + 2);
    const std::vector<double> delays = Delays(screen, start, watch);
    Stop(pid);
    if (delays.empty()) throw std::runtime_error("the window never changed");
    std::printf("lag_median_ms=%.2f lag_worst_ms=%.2f changes=%zu\n", Median(delays),
                *std::max_element(delays.begin(), delays.end()), delays.size());
    return 0;
} catch (const std::exception& error) {
    std::fprintf(stderr, "lag_probe: %s\n", error.what());
    return 1;
}
