// The program's start-up up to the main window shown and ready for input,
// then an immediate end: what hyperfine times against bare_window.
#include <QApplication>
#include <QTimer>

#include "forms/main/program.h"
#include "platform/fonts.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    krv1::platform::SetUpAppearance();
    krv1::forms::Program program;
    program.start();
    QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return QApplication::exec();
}
