#pragma once
// Twips, the unit the stored window positions and sizes are given in: 1440 per
// inch, so 15 per pixel at 96 dpi. Qt's logical pixels are 96-dpi pixels on
// every screen (high-dpi scaling maps them), so the ratio is fixed.
#include <cmath>

namespace tervalo::rtf::Twips {

inline constexpr int kPerPixel = 15;

// Twips to logical pixels, to the nearest pixel.
inline int toPixels(double twips) { return static_cast<int>(std::lround(twips / kPerPixel)); }
inline int toTwips(int pixels) { return pixels * kPerPixel; }

}  // namespace tervalo::rtf::Twips
