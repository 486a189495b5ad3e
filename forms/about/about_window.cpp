#include "about_window.h"

#include <QShortcut>

#include "about_window_layout.h"
#include "platform/artwork.h"

namespace krv1::forms {

AboutWindow::AboutWindow()
    : FormWindow(kAboutWindowLayout, kAboutWindowControls, platform::SmilingFaceIcon()) {
    // Esc closes it as its frame's close box does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &AboutWindow::close);
}

}  // namespace krv1::forms
