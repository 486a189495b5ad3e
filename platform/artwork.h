// The program's icons and the picture of the main window, painted in code.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace krv1::platform {

QIcon RedDiscIcon();                   // main and details windows
QIcon SpeechBubbleIcon();              // conditions window: white bubble on black
QIcon SmilingFaceIcon();               // About window: white face on red
QPixmap RoadWorksSign(int size = 40);  // yellow diamond with a digging figure
QIcon ChevronIcon();                   // a menu bar's overflow: two arrowheads right

}  // namespace krv1::platform
