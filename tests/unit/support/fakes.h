#pragma once

// Test doubles for the window system: a settable clock and an event pump
// that runs scripted events.

#include <functional>
#include <string>
#include <vector>

#include "shell/shell_services.h"

namespace orvalen::testing {

// Thrown by EndAtOnce, so a test can see the program end and go on.
struct ProgramEnded {};

class FakeServices final : public ShellServices {
public:
    std::vector<LocalDateTime> readings;  // returned in turn; the last one repeats
    std::function<void()> onEvents;       // runs inside DoEvents
    std::string folder = "/nonexistent";
    int doEventsCalls = 0;
    bool revealTimerEnabled = false;
    int revealTimerStarts = 0;
    bool dialogExists = false;
    bool dialogVisible = false;
    int dialogsCreated = 0;
    struct {
        int left, top, width, height;
    } screen{0, 0, 1280, 800};  // in pixels

    void SetTime(LocalDateTime t) { readings = {t}; next_ = 0; }

    void DoEvents() override {
        ++doEventsCalls;
        if (onEvents) onEvents();
    }
    LocalDateTime Now() override {
        const LocalDateTime t = readings.at(next_);
        if (next_ + 1 < readings.size()) ++next_;
        return t;
    }
    std::string ProgramFolder() override { return folder; }
    [[noreturn]] void EndAtOnce() override { throw ProgramEnded{}; }
    void SetRevealTimerEnabled(bool enabled) override {
        if (enabled && !revealTimerEnabled) ++revealTimerStarts;
        revealTimerEnabled = enabled;
    }
    bool SettingsDialogVisible() override {
        if (!dialogExists) {
            dialogExists = true;
            ++dialogsCreated;
        }
        return dialogVisible;
    }
    void ShowSettingsDialog() override {
        dialogExists = true;
        dialogVisible = true;
    }
    bool AnyScreenShows(int left, int top, int width, int height) override {
        const auto overlaps = [](int a, int aLength, int b, int bLength) { return a < b + bLength && b < a + aLength; };
        return overlaps(left, width, screen.left, screen.width) && overlaps(top, height, screen.top, screen.height);
    }

private:
    std::size_t next_ = 0;
};

}  // namespace orvalen::testing
