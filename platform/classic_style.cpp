#include "classic_style.h"

#include <QStyleFactory>

#include "artwork.h"

namespace krv1::platform {

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

QIcon ClassicStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    // Every menu bar asks for its overflow arrow when it is made. Qt keeps
    // that one as PNG files, and reading the first image of a run loads every
    // image-format plugin to ask which of them reads it: some 2 ms and 0.3 MB
    // of the start for an arrow that shows only on a window too narrow for
    // its menus. Painted here, no image is read at start.
    if (icon == SP_ToolBarHorizontalExtensionButton) return ChevronIcon();
    return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace krv1::platform
