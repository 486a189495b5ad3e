// The About window: what the program is for, whom to write to, who made it.
#pragma once

#include "platform/form_window.h"

namespace krv1::forms {

class AboutWindow : public platform::FormWindow {
    Q_OBJECT
public:
    AboutWindow();
};

}  // namespace krv1::forms
