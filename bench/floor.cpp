// The least a program of the clock's kind can cost on X11, the floor the
// clock is measured against: one xcb window of the clock's size and place
// that sleeps in poll until just after each whole or half second of the
// wall clock, and once a second fills one 26 x 26 rectangle and copies a
// picture into it, as the clock redraws its seconds dial. Its picture
// changes every second, so its lag after the second can be measured too.

#include <xcb/xcb.h>

#include <poll.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

constexpr std::int16_t WindowLeft = 353, WindowTop = 236;
constexpr std::uint16_t WindowWidth = 283, WindowHeight = 386;
constexpr std::int16_t DialLeft = 211, DialTop = 300;  // where the clock's dial stands
constexpr std::uint16_t Dial = 26;
constexpr long HalfSecond = 500'000'000;  // ns

timespec WallClock() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

// Whole milliseconds, rounded up, to the next half second.
int MillisecondsToNextHalfSecond(const timespec& now) {
    const long left = HalfSecond - now.tv_nsec % HalfSecond;
    return static_cast<int>((left + 999'999) / 1'000'000);
}

xcb_pixmap_t FilledPixmap(xcb_connection_t* c, const xcb_screen_t& screen, std::uint32_t colour) {
    const xcb_pixmap_t pixmap = xcb_generate_id(c);
    xcb_create_pixmap(c, screen.root_depth, pixmap, screen.root, Dial, Dial);
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, pixmap, XCB_GC_FOREGROUND, &colour);
    const xcb_rectangle_t all{0, 0, Dial, Dial};
    xcb_poly_fill_rectangle(c, pixmap, gc, 1, &all);
    xcb_free_gc(c, gc);
    return pixmap;
}

}  // namespace

int main() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "floor: cannot open the display\n");
        return 1;
    }
    const xcb_screen_t& screen = *xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    const std::uint32_t values[] = {screen.white_pixel, XCB_EVENT_MASK_EXPOSURE};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen.root, WindowLeft, WindowTop, WindowWidth, WindowHeight,
                      0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen.root_visual, XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK,
                      values);
    const char title[] = "Floor";
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, sizeof title - 1,
                        title);
    const xcb_pixmap_t pictures[] = {FilledPixmap(c, screen, 0x1b2a4a), FilledPixmap(c, screen, 0xc8a04a)};
    const xcb_gcontext_t gc = xcb_generate_id(c);
    const std::uint32_t noExposures = 0;
    xcb_create_gc(c, gc, window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    xcb_map_window(c, window);
    xcb_flush(c);

    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    for (;;) {
        const int ready = poll(&fd, 1, MillisecondsToNextHalfSecond(WallClock()));
        if (ready > 0) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(c)) std::free(event);
            if (xcb_connection_has_error(c)) return 0;
            continue;
        }
        const timespec now = WallClock();
        if (now.tv_nsec >= HalfSecond) continue;
        const xcb_rectangle_t dial{DialLeft, DialTop, Dial, Dial};
        xcb_change_gc(c, gc, XCB_GC_FOREGROUND, &screen.white_pixel);
        xcb_poly_fill_rectangle(c, window, gc, 1, &dial);
        xcb_copy_area(c, pictures[now.tv_sec % 2], window, gc, 0, 0, DialLeft, DialTop, Dial, Dial);
        xcb_flush(c);
    }
}
