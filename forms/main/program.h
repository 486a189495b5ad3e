// The program's windows from start to end: the main window, shown maximized
// with its lists filled, and the secondary windows it opens.
#pragma once

#include "form1.h"
#include "secondary_windows.h"

namespace krv1::forms {

class Program {
public:
    // Runs the main window's Form_Load and shows it.
    void start();
    Form1& mainWindow() { return form1_; }

private:
    SecondaryWindows windows_;
    Form1 form1_{windows_};
};

}  // namespace krv1::forms
