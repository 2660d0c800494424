#pragma once

// The model of the main window: its place on the screen, its size and the
// elements it owns.

#include <cstdint>

#include "face/surface.h"

namespace orvalen {

class MainWindow final {
public:
    MainWindow();

    // Screen position of the client area's top-left corner, in twips, as set.
    float Left = DesignWindowLeft;
    float Top = DesignWindowTop;
    bool Visible = false;
    Surface elements;
    // The height without the reveal strip, whole twips.
    std::int16_t CollapsedHeight = 0;

    // The window keeps its size in whole pixels: a size set in twips becomes
    // the nearest pixel and reads back as that many pixels in twips.
    void SetWidth(double twips);
    void SetHeight(double twips);
    double Width() const;
    double Height() const;
    int WidthPixels() const { return widthPixels_; }
    int HeightPixels() const { return heightPixels_; }

private:
    int widthPixels_;
    int heightPixels_;
};

}  // namespace orvalen
