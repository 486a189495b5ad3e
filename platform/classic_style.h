// The widget style of every window: Qt's classic Windows look, with flat
// etched frames that leave the layouts' back colours as they are.
#pragma once

#include <QProxyStyle>

namespace krv1::platform {

class ClassicStyle : public QProxyStyle {
public:
    ClassicStyle();
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override;
};

}  // namespace krv1::platform
