// The program's windows from start to end: the main window, shown maximized
// with its lists filled, and the secondary windows it opens.
#pragma once

#include "main_window.h"
#include "secondary_windows.h"

namespace krv1::forms {

class Program {
public:
    // Loads the main window and shows it.
    void start();
    MainWindow& mainWindow() { return mainWindow_; }

private:
    SecondaryWindows windows_;
    MainWindow mainWindow_{windows_};
};

}  // namespace krv1::forms
