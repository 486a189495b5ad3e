#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace krv1::platform {

int TwipsToPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

QRect TwipsToPixels(int left, int top, int width, int height, double logicalDpi) {
    return QRect(TwipsToPixels(left, logicalDpi), TwipsToPixels(top, logicalDpi),
                 TwipsToPixels(width, logicalDpi), TwipsToPixels(height, logicalDpi));
}

double ScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : kStandardDpi;
}

}  // namespace krv1::platform
