// The least a Qt program of the clock's kind can cost on X11: the floor's
// work (bench/floor.cpp) done the Qt way. A frameless window of the clock's
// size and place, drawn in the X server, and a precise Qt timer that fires
// just after each whole and half second of the wall clock; once a second it
// fills a 26 x 26 rectangle and copies a picture into it, through Qt's own
// connection to the server. What it costs above the floor is Qt's event loop.

#include <QApplication>
#include <QBasicTimer>
#include <QTimerEvent>
#include <QWidget>
#include <xcb/xcb.h>

#include <ctime>

namespace {

constexpr long HalfSecond = 500'000'000;  // ns
constexpr std::int16_t DialLeft = 211, DialTop = 300;  // where the clock's dial stands
constexpr std::uint16_t Dial = 26;

timespec WallClock() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

class FloorWindow final : public QWidget {
public:
    FloorWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
        setWindowTitle(QStringLiteral("Qt floor"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_PaintOnScreen);
        setGeometry(353, 236, 283, 386);
        connection_ = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
        const xcb_window_t window = static_cast<xcb_window_t>(winId());
        const xcb_screen_t& screen = *xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        picture_ = xcb_generate_id(connection_);
        xcb_create_pixmap(connection_, screen.root_depth, picture_, window, Dial, Dial);
        const std::uint32_t values[] = {0x1b2a4a, 0};
        gc_ = xcb_generate_id(connection_);
        xcb_create_gc(connection_, gc_, window, XCB_GC_FOREGROUND | XCB_GC_GRAPHICS_EXPOSURES, values);
        const xcb_rectangle_t all{0, 0, Dial, Dial};
        xcb_poly_fill_rectangle(connection_, picture_, gc_, 1, &all);
        // Aimed at the next half second, then every 500 ms from there.
        const long left = HalfSecond - WallClock().tv_nsec % HalfSecond;
        timer_.start(static_cast<int>((left + 999'999) / 1'000'000), Qt::PreciseTimer, this);
    }

    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    void paintEvent(QPaintEvent*) override {}
    void timerEvent(QTimerEvent*) override {
        if (!inPhase_) timer_.start(500, Qt::PreciseTimer, this);
        inPhase_ = true;
        if (WallClock().tv_nsec >= HalfSecond) return;
        const xcb_window_t window = static_cast<xcb_window_t>(winId());
        const std::uint32_t white = 0xffffff;
        const xcb_rectangle_t dial{DialLeft, DialTop, Dial, Dial};
        xcb_change_gc(connection_, gc_, XCB_GC_FOREGROUND, &white);
        xcb_poly_fill_rectangle(connection_, window, gc_, 1, &dial);
        xcb_copy_area(connection_, picture_, window, gc_, 0, 0, DialLeft, DialTop, Dial, Dial);
        xcb_flush(connection_);
    }

private:
    xcb_connection_t* connection_;
    xcb_pixmap_t picture_;
    xcb_gcontext_t gc_;
    QBasicTimer timer_;
    bool inPhase_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    FloorWindow window;
    window.show();
    return application.exec();
}
