#pragma once

#include <cstdint>

namespace orvalen {

// One set for both windows: only one of them can be dragged at a time,
// since the main window stays put while the settings dialog is shown.
struct DragValues {
    std::int16_t Dragging = 0;  // -1 while a button is held on a draggable surface
    float DragStartX = 0;       // twips, relative to the pressed control
    float DragStartY = 0;

    void Press(float x, float y) {
        DragStartX = x;
        DragStartY = y;
        Dragging = -1;
    }
    void Release() { Dragging = 0; }
};

// Moves a window by the pointer's offset from where the button went down:
// Top first, then Left, in single precision, without bounds.
template <typename Window>
void DragBy(Window& window, const DragValues& drag, float x, float y) {
    const auto moved = [](float to, float from, float current) {
        return static_cast<float>(static_cast<double>(to) - from + current);
    };
    window.Top = moved(y, drag.DragStartY, window.Top);
    window.Left = moved(x, drag.DragStartX, window.Left);
}

}  // namespace orvalen
