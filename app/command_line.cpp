#include "command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

#include "forms/details/report_printing.h"
#include "platform/files.h"
#include "platform/printer.h"
#include "platform/utf8_text.h"
#include "presentation/design_report.h"
#include "text/command_line_texts.h"
#include "text/design_file_texts.h"

namespace krv1::app {
namespace {

namespace c = text::command_line;
using platform::FromUtf8;

CommandLine WrongUsage(const QString& problem) {
    CommandLine line;
    line.action = CommandLine::Action::WrongUsage;
    line.problem = problem;
    return line;
}

void WriteTo(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

int Refuse(int status, const QString& message) {
    WriteTo(stderr, message.toStdString());
    WriteTo(stderr, "\n");
    return status;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    // Qt's parser for the syntax; its English help and errors are not used.
    QCommandLineParser parser;
    const QCommandLineOption report(QStringLiteral("report"));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QString(), QStringLiteral("file"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({report, output, help, version});
    parser.addPositionalArgument(QStringLiteral("file"), QString());
    if (!parser.parse(QStringList{QStringLiteral("krv1")} + arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return WrongUsage(unknown.isEmpty() ? FromUtf8(c::kMissingOutputFile)
                                            : FromUtf8(c::kUnknownOption) + unknown.join(u' '));
    }
    if (parser.isSet(help)) return CommandLine{CommandLine::Action::Help, {}, {}, {}};
    if (parser.isSet(version)) return CommandLine{CommandLine::Action::Version, {}, {}, {}};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) return WrongUsage(FromUtf8(c::kTooManyFiles));
    CommandLine line;
    line.designFile = files.value(0);
    if (parser.isSet(report)) {
        if (line.designFile.isEmpty()) return WrongUsage(FromUtf8(c::kMissingReportFile));
        line.action = CommandLine::Action::Report;
        line.pdfFile = parser.value(output);
    } else if (parser.isSet(output)) {
        return WrongUsage(FromUtf8(c::kOutputWithoutReport));
    }
    return line;
}

int WriteReport(const CommandLine& line) {
    namespace f = text::design_file;
    const auto bytes =
        platform::ReadFileOfAtMost(line.designFile, presentation::kLargestDesignBytes);
    if (const auto* failure = std::get_if<platform::ReadFailure>(&bytes)) {
        return Refuse(kFileRefused,
                      *failure == platform::ReadFailure::TooLarge
                          ? FromUtf8(f::kTooLarge)
                          : FromUtf8(f::kCannotOpen) + QFileInfo(line.designFile).fileName());
    }
    const QByteArray& text = std::get<QByteArray>(bytes);
    const presentation::DesignReading reading =
        presentation::ReadDesign(std::string_view(text.constData(), text.size()));
    if (!reading.Read) return Refuse(kFileRefused, FromUtf8(reading.Message));
    const presentation::DesignReport report = presentation::ReportOfDesign(*reading.Read);
    if (report.Refusal) return Refuse(kCalculationRefused, FromUtf8(report.Refusal->Message));

    if (!line.pdfFile.isEmpty()) {
        if (!forms::PrintReport(*platform::OpenPdfFile(line.pdfFile), report.Lines))
            return Refuse(kOutputFailed, FromUtf8(f::kWriteFailed));
        return kDone;
    }
    // One report line per output line, exactly as printed.
    for (const presentation::ReportLine& reportLine : report.Lines) {
        WriteTo(stdout, reportLine.Text);
        WriteTo(stdout, "\n");
    }
    return std::fflush(stdout) == 0 ? kDone : kOutputFailed;
}

}  // namespace krv1::app
