#include "platform/clock_window.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "common/units.h"
#include "platform/form_runtime.h"
#include "platform/picture_set.h"
#include "platform/server_pictures.h"
#include "platform/system_move.h"

namespace orvalen {
namespace {

constexpr int RevealInterval = 16;  // ms, Timer2: 300 ticks last about five seconds
constexpr auto Order = PaintOrder();

class PainterCanvas final {
public:
    PainterCanvas(QWidget& window, const PictureSet& pictures) : painter_(&window), pictures_(pictures) {}
    void Fill(QRect rect) { painter_.fillRect(rect, Qt::white); }
    // The painter is clipped to the paint event's region already.
    void Draw(PictureId id, QPoint at, QRect) { painter_.drawPixmap(at, pictures_[id]); }

private:
    QPainter painter_;
    const PictureSet& pictures_;
};

}  // namespace

ClockWindow::ClockWindow(FormRuntime& runtime, const PictureSet& pictures)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), runtime_(runtime), form_(runtime.form()),
      pictures_(pictures), server_(ServerPictures::ForWindow(pictures, *this)),
      clockTimer_([this] { Dispatch([this] { form_.Timer1_Timer(); }); }) {
    setWindowTitle(QStringLiteral("Orvalen"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Drawn by the server from its own pixmaps; Qt's buffer would only be
    // one more copy.
    if (server_) setAttribute(Qt::WA_PaintOnScreen);
    setMouseTracking(true);
    for (int i = 0; i < ElementCount; ++i) {
        const ElementState& state = form_.window.elements[static_cast<Element>(i)];
        shown_[i] = {state, PixelRect(state)};
    }

    revealTimer_.setTimerType(Qt::PreciseTimer);
    connect(&revealTimer_, &QTimer::timeout, this, [this] { Dispatch([this] { form_.Timer2_Timer(); }); });
}

ClockWindow::~ClockWindow() = default;

QPaintEngine* ClockWindow::paintEngine() const { return server_ ? nullptr : QWidget::paintEngine(); }

template <typename Handler>
void ClockWindow::Dispatch(Handler&& handler) {
    runtime_.Run(std::forward<Handler>(handler));
}

void ClockWindow::SetRevealTimerEnabled(bool enabled) {
    if (!enabled) revealTimer_.stop();
    else if (!revealTimer_.isActive()) revealTimer_.start(RevealInterval);
}

QRect ClockWindow::PixelRect(const ElementState& state) const {
    const PixelSize size = PictureSize(state.picture);
    return {TwipsToPixels(state.left), TwipsToPixels(state.top), size.width, size.height};
}

void ClockWindow::Sync() {
    const MainWindow& model = form_.window;
    QRegion changed;
    for (int i = 0; i < ElementCount; ++i) {
        const ElementState& now = model.elements[static_cast<Element>(i)];
        Shown& before = shown_[i];
        if (now == before.state) continue;
        if (before.state.visible) changed += before.rect;
        before = {now, PixelRect(now)};
        if (now.visible) changed += before.rect;
    }
    const QRect geometry(TwipsToPixels(model.Left), TwipsToPixels(model.Top), model.WidthPixels(),
                         model.HeightPixels());
    const bool shown = model.Visible && !geometry.isEmpty();
    if (shown && this->geometry() != geometry) setGeometry(geometry);
    if (shown != isVisible()) setVisible(shown);
    if (changed.isEmpty()) return;
    // The server draws at once, without the detour of a paint event, into a
    // window it shows (the first expose draws all of it); a buffer of Qt's is
    // painted when the event loop next runs, however many changes come before.
    if (!server_) update(changed);
    else if (windowHandle() && windowHandle()->isExposed()) DrawInServer(changed);
}

void ClockWindow::DrawInServer(const QRegion& dirty) {
    for (const QRect& rect : dirty) Compose(*server_, rect);
    server_->Flush();
}

// Every visible element that meets the dirty rectangle, bottom first, on white.
template <typename Canvas>
void ClockWindow::Compose(Canvas& canvas, QRect dirty) const {
    canvas.Fill(dirty);
    for (Element e : Order) {
        const Shown& shown = shown_[static_cast<int>(e)];
        if (shown.state.visible && shown.rect.intersects(dirty))
            canvas.Draw(shown.state.picture, shown.rect.topLeft(), dirty);
    }
}

void ClockWindow::paintEvent(QPaintEvent* event) {
    if (server_) {
        DrawInServer(event->region());
    } else {
        PainterCanvas canvas(*this, pictures_);
        Compose(canvas, event->rect());
    }
    QueueRemainingPictures();
}

// The pictures the first frame did not need, once that frame is on the
// screen (a paint before the window is exposed does not reach it), so that
// no later tick waits for a decode.
void ClockWindow::QueueRemainingPictures() {
    if (restQueued_ || !windowHandle() || !windowHandle()->isExposed()) return;
    restQueued_ = true;
    const auto load = [this] {
        for (PictureId id = 0; id < PictureCount; ++id) {
            if (id == picture::DialogBackground) continue;
            if (server_) server_->Pixmap(id);
            else pictures_[id];
        }
    };
    QMetaObject::invokeMethod(this, load, Qt::QueuedConnection);
}

// On X11 the global position, which stays right while the window moves
// under the pointer. Where the compositor places windows the model's window
// never moves, and the global position is only a guess of Qt's.
QPointF ClockWindow::DesktopPoint(const QMouseEvent& event) const {
    if (!CompositorPlacesWindows()) return event.globalPosition();
    const MainWindow& model = form_.window;
    return event.position() + QPointF(TwipsToPixels(model.Left), TwipsToPixels(model.Top));
}

PointerTarget ClockWindow::TargetAt(QPointF desktop) const {
    const MainWindow& model = form_.window;
    const QPoint local = desktop.toPoint() - QPoint(TwipsToPixels(model.Left), TwipsToPixels(model.Top));
    for (auto e = Order.rbegin(); e != Order.rend(); ++e) {
        const ElementState& state = model.elements[*e];
        if (state.visible && PixelRect(state).contains(local)) return *e;
    }
    return std::nullopt;
}

ClockWindow::ControlPoint ClockWindow::PointIn(PointerTarget target, QPointF desktop) const {
    const MainWindow& model = form_.window;
    double x = desktop.x() * TwipsPerPixel - model.Left;
    double y = desktop.y() * TwipsPerPixel - model.Top;
    if (target) {
        x -= model.elements[*target].left;
        y -= model.elements[*target].top;
    }
    return {target, static_cast<float>(x), static_cast<float>(y)};
}

void ClockWindow::mousePressEvent(QMouseEvent* event) {
    const QPointF desktop = DesktopPoint(*event);
    if (!capturing_) pressed_ = TargetAt(desktop);
    capturing_ = true;
    const ControlPoint p = PointIn(pressed_, desktop);
    Dispatch([&] { form_.MouseDown(p.target, p.x, p.y); });
    if (runtime_.drag().Dragging && HandDragToCompositor(windowHandle())) {
        capturing_ = false;
        Dispatch([&] { form_.MouseUp(p.target); });
    }
}

void ClockWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPointF desktop = DesktopPoint(*event);
    const ControlPoint p = PointIn(capturing_ ? pressed_ : TargetAt(desktop), desktop);
    Dispatch([&] { form_.MouseMove(p.target, p.x, p.y); });
}

void ClockWindow::mouseReleaseEvent(QMouseEvent* event) {
    const PointerTarget target = pressed_;
    if (event->buttons() == Qt::NoButton) capturing_ = false;
    Dispatch([&] { form_.MouseUp(target); });
    if (!capturing_ && TargetAt(DesktopPoint(*event)) == target) Dispatch([&] { form_.Click(target); });
}

void ClockWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    const PointerTarget target = pressed_;
    Dispatch([&] { form_.DblClick(target); });
}

}  // namespace orvalen
