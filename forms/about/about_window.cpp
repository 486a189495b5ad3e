#include "about_window.h"

#include "about_window_layout.h"
#include "platform/artwork.h"

namespace krv1::forms {

AboutWindow::AboutWindow()
    : FormWindow(kAboutWindowLayout, kAboutWindowControls, platform::SmilingFaceIcon()) {}

}  // namespace krv1::forms
