#pragma once

// Window, control and mouse positions were designed in twips (1/1440 inch); on screen one logical
// pixel is 15 twips (96 dpi). Stored settings stay in twips.

#include <cmath>

constexpr double TwipsPerPixel = 15.0;

inline int Px(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}
constexpr double Twips(double pixel) {
    return pixel * TwipsPerPixel;
}
