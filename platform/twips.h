// Layout units: the windows are laid out in twips (1/1440 inch), 15 twips a
// pixel at 96 dpi. On denser screens the layout grows with the logical dpi so
// that it keeps its proportions with the fonts, which Qt scales the same way.
#pragma once

#include <QRect>

namespace krv1::platform {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr double kStandardDpi = 96.0;

int TwipsToPixels(int twips, double logicalDpi = kStandardDpi);
QRect TwipsToPixels(int left, int top, int width, int height, double logicalDpi = kStandardDpi);
// The logical dpi of the primary screen, or 96 without one.
double ScreenDpi();

}  // namespace krv1::platform
