#include "platform/session_choice.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace orvalen {
namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

bool XServerAnswers() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

}  // namespace

bool TakeX11Path(const SessionFacts& facts, const std::function<bool()>& xServerAnswers) {
    return !facts.platformChosen && facts.waylandSession && facts.displayNamed && xServerAnswers();
}

void ChooseSession() {
    const char* sessionType = std::getenv("XDG_SESSION_TYPE");
    const SessionFacts facts{
        .platformChosen = IsSet("QT_QPA_PLATFORM"),
        .waylandSession = (sessionType && std::string_view(sessionType) == "wayland") || IsSet("WAYLAND_DISPLAY"),
        .displayNamed = IsSet("DISPLAY"),
    };
    // Before any thread exists, so changing the environment is safe.
    if (TakeX11Path(facts, XServerAnswers)) setenv("QT_QPA_PLATFORM", "xcb", 1);
}

}  // namespace orvalen
