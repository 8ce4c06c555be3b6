// Twips and pixels: the program's one conversion between them.
//
// Window geometry is laid out in twips (1/1440 inch); the toolkit places
// widgets in pixels. At 96 dots per inch 15 twips make one pixel. Every
// conversion in the program goes through these helpers, so that a control
// placed in twips and read back in twips lands on the same value.
#pragma once

#include <QRect>
#include <QSize>

#include <limits>

namespace quillmere {

inline constexpr int kTwipsPerPixel = 15;

// The nearest whole pixel, halves away from zero. Values beyond what an int
// holds are clamped; a NaN gives 0.
constexpr int TwipsToPixels(double twips) {
    const double pixels = twips / kTwipsPerPixel;
    if (!(pixels == pixels)) {
        return 0;
    }
    const double rounded = pixels < 0 ? pixels - 0.5 : pixels + 0.5;
    if (rounded <= std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    if (rounded >= std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(rounded);
}

constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

constexpr QSize TwipsSize(double width, double height) { return {TwipsToPixels(width), TwipsToPixels(height)}; }

// A control's place from its left, top, width and height in twips. Each
// value converts on its own, as a control's own setters would.
constexpr QRect TwipsRect(double left, double top, double width, double height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace quillmere
