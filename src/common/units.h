#pragma once

// Geometry of the model is in twips, 15 to a pixel, as the form runtime the
// clock was designed for measures it. Every conversion to a whole number goes
// through RoundHalfEven, so 12.5 becomes 12 and 13.5 becomes 14 everywhere.

#include <cmath>

namespace orvalen {

inline constexpr int TwipsPerPixel = 15;

// Nearest whole number, an exact half to the even neighbour. Independent of
// the floating-point environment's current rounding mode.
inline double RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5) return floor + 1;
    if (fraction < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

// The nearest whole pixel of a length or position given in twips.
inline int TwipsToPixels(double twips) {
    return static_cast<int>(RoundHalfEven(twips / TwipsPerPixel));
}

inline constexpr double PixelsToTwips(int pixels) {
    return static_cast<double>(pixels) * TwipsPerPixel;
}

}  // namespace orvalen
