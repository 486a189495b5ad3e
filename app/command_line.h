// What the command line asks for: the windows (with a design to open), a
// report without windows, or help, version and wrong usage.
#pragma once

#include <QString>
#include <QStringList>

#include "presentation/site_sheet.h"

namespace krv1::app {

// Exit statuses of the command line.
enum ExitStatus {
    kDone = 0,
    kWrongUsage = 1,
    kFileRefused = 2,
    kCalculationRefused = 3,
    kOutputFailed = 4
};

struct CommandLine {
    enum class Action {
        Windows,
        Report,
        Sheet,
        Trial,
        Records,
        Project,
        Help,
        Version,
        WrongUsage
    } action = Action::Windows;
    QString designFile;  // the design (or with Project, the project) to open or report on
    QString pdfFile;     // write a PDF here ("-": standard output); with Project, a workbook
    bool json = false;   // with Sheet, Trial or Records: the unrounded figures as JSON
    // With Sheet: the day printed on it, today unless --date names another.
    presentation::CalendarDate date;
    QString problem;  // with WrongUsage: what is wrong, in Thai
};

// `arguments` without the program's own name.
CommandLine ParseCommandLine(const QStringList& arguments);

// Writes the report, the site batch sheet, the trial or the strength records
// of the design file, or the project's comparison and orders, to standard
// output, or as a PDF, and returns the exit status. Needs a QGuiApplication
// for a PDF.
int WriteReport(const CommandLine& line);

}  // namespace krv1::app
