// The yardstick for start-up: a bare Qt Widgets window with one Thai label,
// the program's title, built with the same compiler and flags, shown
// maximized as the main window is (the same pixels to fill and keep) and
// timed to its first complete frame, as startup_probe is.
#include <QApplication>
#include <QLabel>

#include "first_paint.h"
#include "text/main_window_texts.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const std::string_view title = krv1::text::main_window::kProgramTitle;
    QLabel label(QString::fromUtf8(title.data(), qsizetype(title.size())));
    krv1::bench::EndAtFirstPaint end(label);
    label.showMaximized();
    return QApplication::exec();
}
