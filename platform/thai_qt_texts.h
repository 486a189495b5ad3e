// Qt's own dialog and menu texts in Thai, from text/qt_texts.h.
#pragma once

namespace krv1::platform {

// Installs the Thai texts into the running application; once is enough.
void InstallThaiQtTexts();

}  // namespace krv1::platform
