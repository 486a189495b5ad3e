// The program's start-up up to the main window's first complete frame, then
// the end of the process: what hyperfine times against bare_window.
#include <QApplication>

#include "first_paint.h"
#include "forms/main/program.h"
#include "platform/fonts.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    krv1::platform::SetUpAppearance();
    krv1::forms::Program program;
    krv1::bench::EndAtFirstPaint end(program.mainWindow());
    program.start();
    return QApplication::exec();
}
