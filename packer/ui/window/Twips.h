// Twips (1/1440 inch) to the screen's pixels and back, at its logical dpi.
#pragma once

#include <QRect>
#include <cmath>

namespace lumafold {

inline int TwipsToPixels(double twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }
inline int PixelsToTwips(int pixels, double dpi) { return static_cast<int>(std::lround(pixels * 1440.0 / dpi)); }

inline QRect TwipsRect(int left, int top, int width, int height, double dpi) {
    return QRect(TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), TwipsToPixels(width, dpi),
                 TwipsToPixels(height, dpi));
}

} // namespace lumafold
