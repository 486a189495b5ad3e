#include "fonts.h"

#include <QApplication>
#include <QFontDatabase>

#include "classic_style.h"
#include "thai_qt_texts.h"

namespace krv1::platform {
namespace {

// The factor of the layouts' sizes the interface is drawn at: Loma's, or 1
// with the face the layouts were drawn for.
double uiSizeFactor = kUiSizeFactor;

}  // namespace

void SetUpAppearance() {
    // Qt's own dialogs and menus speak Thai like the rest of the program.
    InstallThaiQtTexts();
    QApplication::setStyle(new ClassicStyle);
#ifdef _WIN32
    // Windows has the layouts' own face, with its Thai by the system's font
    // linking, at the layouts' own sizes; without it (Wine) Loma stands in as
    // on Linux.
    if (FontInstalled(QStringLiteral("MS Sans Serif"))) {
        uiSizeFactor = 1.0;
        QFont ui(QStringLiteral("MS Sans Serif"));
        ui.setPointSizeF(8.0);
        QApplication::setFont(ui);
        return;
    }
#endif
    for (const char* windowsFace : {"MS Sans Serif", "Tahoma", "Microsoft Sans Serif"})
        QFont::insertSubstitution(QString::fromLatin1(windowsFace), QString::fromLatin1(kUiFamily));
    QFont ui(QString::fromLatin1(kUiFamily));
    ui.setPointSizeF(kUiPointSize);
    ui.setHintingPreference(QFont::PreferNoHinting);
    QApplication::setFont(ui);
}

QFont FontFor(FontRole role) {
    // The bold roles are the interface face itself, not "MS Sans Serif"
    // through its substitution, which would cost a second fallback search.
    QFont font = QApplication::font();
    switch (role) {
        case FontRole::Default:
            return font;
        case FontRole::TitleBold12:
            font.setPointSizeF(12 * uiSizeFactor);
            break;
        case FontRole::CaptionBold975:
            font.setPointSizeF(9.75 * uiSizeFactor);
            break;
    }
    font.setBold(true);
    return font;
}

bool FontInstalled(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

}  // namespace krv1::platform
