#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "platform/clock_timer.h"
#include "shell/form1.h"

namespace orvalen {

class FormRuntime;
class PictureSet;
class ServerPictures;

// The main window on the screen: shows the model's elements and feeds the
// pointer and both timers into the shell.
class ClockWindow final : public QWidget {
    Q_OBJECT

public:
    ClockWindow(FormRuntime& runtime, const PictureSet& pictures);
    ~ClockWindow() override;

    // Brings the screen up to the model: position, size, visibility, and a
    // repaint of exactly the elements that changed.
    void Sync();

    void SetRevealTimerEnabled(bool enabled);
    bool RevealTimerActive() const { return revealTimer_.isActive(); }

    // None while the window is drawn inside the X server.
    QPaintEngine* paintEngine() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The pointer in twips relative to a control, from the global position
    // and the model's window position, so a drag cannot jitter.
    struct ControlPoint {
        PointerTarget target;
        float x;
        float y;
    };
    QPointF DesktopPoint(const QMouseEvent& event) const;
    PointerTarget TargetAt(QPointF desktop) const;
    ControlPoint PointIn(PointerTarget target, QPointF desktop) const;
    QRect PixelRect(const ElementState& state) const;
    template <typename Canvas>
    void Compose(Canvas& canvas, QRect dirty) const;
    void DrawInServer(const QRegion& dirty);
    void QueueRemainingPictures();
    template <typename Handler>
    void Dispatch(Handler&& handler);

    FormRuntime& runtime_;
    Form1& form_;
    const PictureSet& pictures_;
    std::unique_ptr<ServerPictures> server_;
    bool restQueued_ = false;
    // What the screen shows of each element, and where, in window pixels.
    struct Shown {
        ElementState state;
        QRect rect;
    };
    std::array<Shown, ElementCount> shown_;
    ClockTimer clockTimer_;
    QTimer revealTimer_;
    PointerTarget pressed_;
    bool capturing_ = false;
};

}  // namespace orvalen
