// Starts a program and prints how long after its exec the screen first
// showed the window exactly as it finally settles. Run the program with a
// frozen wall clock, so that its settled frame does not change.
//
//   first_frame QUIET_SECONDS PROGRAM [ARGUMENT...]
//
// The X server reports every drawing by a damage event; at each one the
// window's area is read back, so no polling steals time from the program.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "screen_watch.h"

namespace {

using namespace bench;
constexpr auto HardLimit = std::chrono::seconds(20);

double MillisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Every distinct picture of the window, until it has stood still for the
// quiet time.
std::vector<Frame> Record(Screen& screen, Clock::time_point start, std::chrono::milliseconds quiet) {
    std::vector<Frame> frames;
    Clock::time_point lastChange = start;
    while (Clock::now() - start < HardLimit && (frames.empty() || Clock::now() - lastChange < quiet)) {
        const Clock::time_point limit = start + HardLimit;
        if (!screen.Wait(frames.empty() ? limit : std::min(lastChange + quiet, limit))) continue;
        std::optional<Frame> frame = screen.Capture();
        if (!frame || (!frames.empty() && frame->SameAs(frames.back()))) continue;
        lastChange = frame->seen;
        frames.push_back(std::move(*frame));
    }
    return frames;
}

}  // namespace

int main(int argc, char** argv) try {
    if (argc < 3) {
        std::fprintf(stderr, "usage: first_frame QUIET_SECONDS PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const auto quiet = std::chrono::milliseconds(static_cast<int>(std::atof(argv[1]) * 1000));
    Screen screen;
    const Clock::time_point start = Clock::now();
    const pid_t pid = Launch(argv + 2);
    const std::vector<Frame> frames = Record(screen, start, quiet);
    Stop(pid);
    if (frames.empty()) throw std::runtime_error("no window appeared");
    const Frame& settled = frames.back();
    for (const Frame& frame : frames) {
        if (!frame.SameAs(settled)) continue;
        std::printf("first_frame_ms=%.2f size=%ux%u pictures=%zu\n", MillisecondsBetween(start, frame.seen),
                    settled.area.width, settled.area.height, frames.size());
        break;
    }
    return 0;
} catch (const std::exception& error) {
    std::fprintf(stderr, "first_frame: %s\n", error.what());
    return 1;
}
