#include "fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStyle>
#include <QStyleFactory>

#include "thai_qt_texts.h"

namespace krv1::platform {

void SetUpAppearance() {
    // Qt's own dialogs and menus speak Thai like the rest of the program.
    InstallThaiQtTexts();
    // The classic Windows look: flat etched frames that leave the layout's
    // back colours as they are.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
    for (const char* windowsFace : {"MS Sans Serif", "Tahoma", "Microsoft Sans Serif"})
        QFont::insertSubstitution(QString::fromLatin1(windowsFace), QString::fromLatin1(kUiFamily));
    QFont ui(QString::fromLatin1(kUiFamily));
    ui.setPointSizeF(kUiPointSize);
    QApplication::setFont(ui);
}

QFont FontFor(FontRole role) {
    QFont font = QApplication::font();
    switch (role) {
        case FontRole::Default:
            break;
        case FontRole::TitleBold12:
            font = QFont(QStringLiteral("MS Sans Serif"));
            font.setPointSizeF(12 * kUiSizeFactor);
            font.setBold(true);
            break;
        case FontRole::CaptionBold975:
            font = QFont(QStringLiteral("MS Sans Serif"));
            font.setPointSizeF(9.75 * kUiSizeFactor);
            font.setBold(true);
            break;
    }
    return font;
}

bool FontInstalled(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

}  // namespace krv1::platform
