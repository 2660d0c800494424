#pragma once

// What the measuring tools of bench/run share: the screen as the X server
// reports every drawing on it (by DAMAGE events, so that no polling steals
// time from the program measured), read back at each report, and the
// program started and stopped.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

struct Area {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    friend bool operator==(const Area&, const Area&) = default;
};

struct Frame {
    Clock::time_point seen;
    std::chrono::system_clock::time_point wallClock;  // the same moment
    Area area;
    std::vector<std::uint8_t> pixels;
    bool SameAs(const Frame& other) const { return area == other.area && pixels == other.pixels; }
};

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> Owned(Reply* reply) {
    return {reply, &std::free};
}

class Screen final {
public:
    Screen() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_)) throw std::runtime_error("cannot open the display");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present) throw std::runtime_error("the X server has no DAMAGE extension");
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        std::free(xcb_damage_query_version_reply(connection_, xcb_damage_query_version(connection_, 1, 1), nullptr));
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        // Damage of the root includes every drawing into its children.
        damage_ = xcb_generate_id(connection_);
        xcb_damage_create(connection_, damage_, root_, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(connection_);
    }
    ~Screen() { xcb_disconnect(connection_); }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    // Waits up to the deadline for events; true when the screen may have changed.
    bool Wait(Clock::time_point deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
        if (!xcb_poll_for_queued_event(connection_) && poll(&fd, 1, std::max<int>(0, left.count())) <= 0) return false;
        bool changed = false;
        while (auto event = Owned(xcb_poll_for_event(connection_))) changed |= Handle(*event);
        return changed;
    }

    // The top-level window's area as the screen shows it now.
    std::optional<Frame> Capture() {
        if (!window_) return std::nullopt;
        xcb_damage_subtract(connection_, damage_, XCB_NONE, XCB_NONE);
        const Clock::time_point seen = Clock::now();
        const auto wallClock = std::chrono::system_clock::now();
        const auto image = Owned(xcb_get_image_reply(
            connection_, xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, area_.x, area_.y, area_.width,
                                       area_.height, ~0u),
            nullptr));
        if (!image) return std::nullopt;
        const std::uint8_t* data = xcb_get_image_data(image.get());
        return Frame{seen, wallClock, area_, {data, data + xcb_get_image_data_length(image.get())}};
    }

private:
    bool Handle(const xcb_generic_event_t& event) {
        switch (event.response_type & 0x7f) {
            case XCB_MAP_NOTIFY: {
                const auto& map = reinterpret_cast<const xcb_map_notify_event_t&>(event);
                if (map.event != root_) return false;
                window_ = map.window;
                return ReadArea();
            }
            case XCB_UNMAP_NOTIFY:
                if (reinterpret_cast<const xcb_unmap_notify_event_t&>(event).window == window_) window_ = XCB_NONE;
                return true;
            case XCB_CONFIGURE_NOTIFY:
                return reinterpret_cast<const xcb_configure_notify_event_t&>(event).window == window_ && ReadArea();
            default:
                return (event.response_type & 0x7f) == damageEvent_;
        }
    }

    bool ReadArea() {
        const auto geometry =
            Owned(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window_), nullptr));
        if (!geometry) return false;
        area_ = {geometry->x, geometry->y, geometry->width, geometry->height};
        return true;
    }

    xcb_connection_t* connection_;
    xcb_window_t root_;
    xcb_damage_damage_t damage_;
    std::uint8_t damageEvent_;
    xcb_window_t window_ = XCB_NONE;
    Area area_;
};

inline pid_t Launch(char** argv) {
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        std::perror(argv[0]);
        _exit(127);
    }
    if (pid < 0) throw std::runtime_error("cannot fork");
    return pid;
}

inline void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

}  // namespace bench
