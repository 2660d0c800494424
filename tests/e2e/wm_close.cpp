// Asks a window to close the way a window manager's close button or Alt+F4
// does, with a WM_DELETE_WINDOW message: Xvfb runs no window manager. With
// --ask-window-manager, asks the window manager to close it instead, as a
// window list does (_NET_CLOSE_WINDOW), for a window manager whose keys
// xdotool cannot reach (mutter under Xwayland).
// Usage: wm_close [--ask-window-manager] WINDOW_ID

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

}  // namespace

int main(int argc, char** argv) {
    const bool askWindowManager = argc == 3 && std::strcmp(argv[1], "--ask-window-manager") == 0;
    if (argc != 2 && !askWindowManager) {
        std::fprintf(stderr, "usage: wm_close [--ask-window-manager] WINDOW_ID\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "wm_close: cannot open the display\n");
        return 1;
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(std::strtoul(argv[argc - 1], nullptr, 0));
    xcb_window_t destination = message.window;
    uint32_t mask = XCB_EVENT_MASK_NO_EVENT;
    if (askWindowManager) {
        message.type = Atom(connection, "_NET_CLOSE_WINDOW");
        message.data.data32[0] = XCB_CURRENT_TIME;
        message.data.data32[1] = 2;  // the request comes from a pager or window list
        destination = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        mask = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    } else {
        message.type = Atom(connection, "WM_PROTOCOLS");
        message.data.data32[0] = Atom(connection, "WM_DELETE_WINDOW");
        message.data.data32[1] = XCB_CURRENT_TIME;
    }
    // A checked request waits for the server to act on it: a connection
    // closed straight after a flush lost the message now and then.
    xcb_generic_error_t* error = xcb_request_check(
        connection, xcb_send_event_checked(connection, 0, destination, mask,
                                           reinterpret_cast<const char*>(&message)));
    const bool failed = error != nullptr;
    if (failed) std::fprintf(stderr, "wm_close: X error %d\n", error->error_code);
    std::free(error);
    xcb_disconnect(connection);
    return failed;
}
