// The About window: what the program is for, whom to write to, who made it.
#pragma once

#include "platform/form_window.h"

namespace krv1::forms {

class Form4 : public platform::FormWindow {
    Q_OBJECT
public:
    Form4();
};

}  // namespace krv1::forms
