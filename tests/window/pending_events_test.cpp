// On X11 under GLib's main loop, the tick lets pending events run only when
// the loop's sources report any; these checks hold that report to what the
// loop would run: posted events, X events read by Qt's reader thread, and
// due timers.

#include "platform/pending_events.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <chrono>
#include <thread>

namespace orvalen {
namespace {

using namespace std::chrono_literals;

// Runs the loop until it has nothing left, as between two ticks.
void Settle() {
    QElapsedTimer since;
    since.start();
    while (since.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// Counts the client messages that reach the program.
class ClientMessages final : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) ++count;
        return false;
    }
    int count = 0;
};

class PendingEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QLatin1String("xcb"));
        window.setGeometry(10, 10, 40, 40);
        window.show();
        Settle();
    }
    QWidget window;
};

TEST_F(PendingEventsTest, NothingWhenTheLoopHasRunEverything) { EXPECT_FALSE(EventsMayBePending()); }

TEST_F(PendingEventsTest, APostedEvent) {
    bool ran = false;
    QMetaObject::invokeMethod(&window, [&] { ran = true; }, Qt::QueuedConnection);
    EXPECT_TRUE(EventsMayBePending());
    QCoreApplication::processEvents();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(EventsMayBePending());
}

TEST_F(PendingEventsTest, AnXEventFromAnotherClient) {
    ClientMessages messages;
    qApp->installNativeEventFilter(&messages);
    xcb_connection_t* other = xcb_connect(nullptr, nullptr);
    ASSERT_EQ(xcb_connection_has_error(other), 0);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window.winId());
    xcb_send_event(other, 0, message.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(other);
    // Not the loop but Qt's reader thread takes the event in.
    std::this_thread::sleep_for(200ms);
    EXPECT_TRUE(EventsMayBePending());
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.count, 1);
    xcb_disconnect(other);
    qApp->removeNativeEventFilter(&messages);
}

TEST_F(PendingEventsTest, ADueTimer) {
    bool fired = false;
    QTimer::singleShot(1, &window, [&] { fired = true; });
    std::this_thread::sleep_for(20ms);
    EXPECT_TRUE(EventsMayBePending());
    QCoreApplication::processEvents();
    EXPECT_TRUE(fired);
}

}  // namespace
}  // namespace orvalen
