#pragma once

// The three faces of the main window. Each sets the window's size, the
// places of the elements it handles and CollapsedHeight, and hides the
// banner; none moves the window on the screen or changes a picture.

#include <string_view>

#include "face/main_window.h"

namespace orvalen {

void LayoutNormal(MainWindow& window);
void LayoutMini(MainWindow& window);
void LayoutEmblem(MainWindow& window);

// The layout a mode word selects: exactly "mini" or "emblem", anything else
// the normal face.
void LayoutForMode(MainWindow& window, std::string_view displayMode);

}  // namespace orvalen
