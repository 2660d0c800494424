#pragma once

// Where the compositor places every window (Wayland), a window can neither
// stand at its own place nor move itself: a drag is handed to the
// compositor's own move instead, and the window's model stays where it was,
// since the window cannot learn where it now stands.

#include <QGuiApplication>
#include <QWindow>

namespace orvalen {

// The platform is chosen once, before the first window: asked on every
// pointer move, the answer is worked out once.
inline bool CompositorPlacesWindows() {
    static const bool places = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return places;
}

// True when the compositor took the drag over; the press is then over for
// the program, which sees no moves and no release of it.
inline bool HandDragToCompositor(QWindow* window) {
    return CompositorPlacesWindows() && window && window->startSystemMove();
}

}  // namespace orvalen
