// The conditions window: the design conditions and material constants the
// method rests on, as one fixed text.
#pragma once

#include "platform/form_window.h"

namespace krv1::forms {

class Form2 : public platform::FormWindow {
    Q_OBJECT
public:
    Form2();
    // The joined conditions text.
    static QString ConditionsText();

protected:
    void Form_Load() override;
    QWidget* firstFocus() const override;

private:
    void Command1_Click();
    void FitTextToBox();
};

}  // namespace krv1::forms
