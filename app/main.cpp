// KRV1: concrete mix design for one cubic metre.
#include <QApplication>
#include <csignal>
#include <cstdio>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

#include "command_line.h"
#include "forms/main/program.h"
#include "platform/fonts.h"
#include "platform/utf8_text.h"
#include "text/command_line_texts.h"

namespace {

#ifdef _WIN32
// Windows hands the program its arguments in the code page of the moment;
// the wide command line keeps a Thai file name whole.
QStringList ArgumentsOf(int, char*[]) {
    QStringList arguments;
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i) arguments << QString::fromWCharArray(wide[i]);
        LocalFree(wide);
    }
    return arguments;
}
#else
QStringList ArgumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
#endif

void Print(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

// Help and version are output like any other: a full disk is a failure.
int Printed(int status) {
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? status : krv1::app::kWrongUsage;
}

// The windows need a screen; Qt would abort with an English message.
bool ScreenAvailable() {
#ifdef _WIN32
    return true;  // a Windows session always has its desktop
#endif
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[]) {
    // A file larger than the process may write fails that write, which is
    // reported and leaves the earlier file whole, instead of ending the
    // program with a core dump.
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
#ifdef _WIN32
    // The same bytes as on Linux: UTF-8 text with bare line feeds, on a
    // console told to show UTF-8. Windows has no file size signal: a write
    // past a limit simply fails, as it is then reported.
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    using krv1::app::CommandLine;
    namespace c = krv1::text::command_line;
    const CommandLine line = krv1::app::ParseCommandLine(ArgumentsOf(argc, argv));
    switch (line.action) {
        case CommandLine::Action::Help:
            Print(stdout, c::kUsage);
            return Printed(krv1::app::kDone);
        case CommandLine::Action::Version:
            Print(stdout, c::kVersion);
            Print(stdout, KRV1_VERSION "\n");
            return Printed(krv1::app::kDone);
        case CommandLine::Action::WrongUsage:
            Print(stderr, c::kWrongUsage);
            Print(stderr, line.problem.toStdString());
            Print(stderr, "\n\n");
            Print(stderr, c::kUsage);
            return krv1::app::kWrongUsage;
        case CommandLine::Action::Report:
        case CommandLine::Action::Sheet:
        case CommandLine::Action::Trial:
        case CommandLine::Action::Records:
        case CommandLine::Action::Project: {
            if (line.pdfFile.isEmpty()) {
                QCoreApplication application(argc, argv);
                return krv1::app::WriteReport(line);
            }
            // No window is opened: the PDF is drawn offscreen, with or without
            // a display, and Qt's own notes about the session are not for the
            // engineer, whose standard error holds only the Thai message.
            // Windows' own platform always has its desktop and opens no window
            // either; the static build carries no other.
#ifndef _WIN32
            qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
            QGuiApplication application(argc, argv);
            return krv1::app::WriteReport(line);
        }
        case CommandLine::Action::Windows:
            if (!ScreenAvailable()) {
                Print(stderr, c::kNoDisplay);
                Print(stderr, "\n");
                return krv1::app::kWrongUsage;
            }
            break;
    }
#ifdef _WIN32
    // Started from Explorer, the program has a console of its own, which the
    // windows have no use for; one it shares with a command prompt stays.
    DWORD processes[2];
    if (GetConsoleProcessList(processes, 2) == 1) FreeConsole();
#endif
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("KRV1"));
    QCoreApplication::setApplicationName(QStringLiteral("krv1"));
    krv1::platform::SetUpAppearance();
    krv1::forms::Program program;
    program.start();
    // A project opens in its window, a design in the main window.
    if (line.designFile.endsWith(QStringLiteral(".krv1proj"), Qt::CaseInsensitive)) {
        program.mainWindow().openProjectFile(line.designFile);
    } else if (!line.designFile.isEmpty()) {
        program.mainWindow().openDesignFile(line.designFile);
    }
    return QApplication::exec();
}
