#include "classic_style.h"

#include <QStyleFactory>

#include "artwork.h"

namespace krv1::platform {

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    // The Windows style rules a line under a main window's menu bar; the
    // program's windows never had one, so the bar's empty area is drawn as
    // for a bar of its own.
    if (element == CE_MenuBarEmptyArea) widget = nullptr;
    QProxyStyle::drawControl(element, option, painter, widget);
}

int ClassicStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returned) const {
    // The client area starts right below the menu bar, where the layouts'
    // twips count from: no line of space between them.
    if (hint == SH_MainWindow_SpaceBelowMenuBar) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returned);
}

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
