#include "about_window.h"

#include <QShortcut>

#include "about_window_layout.h"
#include "platform/artwork.h"
#include "platform/controls.h"
#include "platform/utf8_text.h"
#include "text/reference_texts.h"

namespace krv1::forms {

AboutWindow::AboutWindow()
    : FormWindow(kAboutWindowLayout, kAboutWindowControls, platform::SmilingFaceIcon()) {
    // Esc closes it as its frame's close box does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &AboutWindow::close);
    namespace r = text::reference;
    control<platform::FormLabel>(about_controls::kContact)
        ->setCaption(platform::FromUtf8(r::kAboutVersion) + QStringLiteral(KRV1_VERSION) +
                     platform::FromUtf8(r::kAboutBuilt) + QStringLiteral(KRV1_BUILD_DATE) +
                     platform::FromUtf8(r::kAboutLicence));
}

}  // namespace krv1::forms
