// The conditions window: the design conditions and material constants the
// method rests on, as one fixed text.
#pragma once

#include "platform/form_window.h"

namespace krv1::forms {

class ConditionsWindow : public platform::FormWindow {
    Q_OBJECT
public:
    ConditionsWindow();
    // The joined conditions text.
    static QString conditionsText();

protected:
    void fillOnLoad() override;
    QWidget* firstFocus() const override;

private:
    void fitTextToBox();
};

}  // namespace krv1::forms
