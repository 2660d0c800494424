#pragma once

// What the main window's shell asks of the window system.

#include <string>

#include "common/event_pump.h"
#include "face/clock_source.h"

namespace orvalen {

class ShellServices : public EventPump, public ClockSource {
public:
    // The folder that holds the program.
    virtual std::string ProgramFolder() = 0;
    // Ends the process at once: no handler of any window runs after it.
    [[noreturn]] virtual void EndAtOnce() = 0;
    // Timer2; enabling it while it runs does not restart its interval.
    virtual void SetRevealTimerEnabled(bool enabled) = 0;
    // Creates the settings dialog hidden, loaded from the settings, when
    // none exists.
    virtual bool SettingsDialogVisible() = 0;
    // Shows the settings dialog modeless.
    virtual void ShowSettingsDialog() = 0;
    // Whether any screen shows a pixel of this rectangle, in pixels of the
    // desktop.
    virtual bool AnyScreenShows(int left, int top, int width, int height) = 0;

protected:
    ~ShellServices() = default;
};

}  // namespace orvalen
