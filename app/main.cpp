// KRV1: concrete mix design for one cubic metre.
#include <QApplication>

#include "forms/main/program.h"
#include "platform/fonts.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    krv1::platform::SetUpAppearance();
    krv1::forms::Program program;
    program.start();
    return QApplication::exec();
}
