#pragma once

// Which windowing system the clock asks Qt for. Decided before the
// application object exists, since Qt picks its platform when it is made.

#include <functional>

namespace orvalen {

struct SessionFacts {
    bool platformChosen = false;  // QT_QPA_PLATFORM is set: the user's choice wins
    bool waylandSession = false;  // XDG_SESSION_TYPE is "wayland", or WAYLAND_DISPLAY is set
    bool displayNamed = false;    // DISPLAY is set
};

// Only an X11 window can stand at its own place and move itself, so a
// Wayland session that also offers an X server (XWayland) is better used
// through that server. xServerAnswers is asked only when it matters.
bool TakeX11Path(const SessionFacts& facts, const std::function<bool()>& xServerAnswers);

// Reads the environment and asks Qt for its X11 platform when TakeX11Path
// says so.
void ChooseSession();

}  // namespace orvalen
