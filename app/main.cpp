// KRV1: concrete mix design for one cubic metre.
#include <QApplication>

#include "forms/main/form1.h"
#include "forms/main/secondary_windows.h"
#include "platform/fonts.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    krv1::platform::SetUpAppearance();
    krv1::forms::SecondaryWindows windows;
    krv1::forms::Form1 form1(windows);
    form1.load();
    form1.showForm();
    return QApplication::exec();
}
