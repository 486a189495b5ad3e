#include "command_line.h"

#include <QCommandLineParser>
#include <cstdio>

#include "documents/design_loading.h"
#include "documents/file_writing.h"
#include "platform/utf8_text.h"
#include "presentation/design_report.h"
#include "presentation/site_sheet.h"
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

// Standard output, like any file, is written whole or said to have failed.
int StandardOutputWritten() {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return kDone;
    return Refuse(kOutputFailed, FromUtf8(text::design_file::kWriteFailed) + QStringLiteral("-"));
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    // Qt's parser for the syntax; its English help and errors are not used.
    QCommandLineParser parser;
    const QCommandLineOption report(QStringLiteral("report"));
    const QCommandLineOption sheet(QStringLiteral("sheet"));
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QString(), QStringLiteral("file"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({report, sheet, json, output, help, version});
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
    if (parser.isSet(report) && parser.isSet(sheet)) return WrongUsage(FromUtf8(c::kReportOrSheet));
    if (parser.isSet(report) || parser.isSet(sheet)) {
        if (line.designFile.isEmpty()) return WrongUsage(FromUtf8(c::kMissingReportFile));
        line.action =
            parser.isSet(report) ? CommandLine::Action::Report : CommandLine::Action::Sheet;
        line.pdfFile = parser.value(output);
        // "-o -" is standard output; an empty name is no file at all.
        if (parser.isSet(output) && line.pdfFile.isEmpty())
            return WrongUsage(FromUtf8(c::kMissingOutputFile));
        line.json = parser.isSet(json);
        if (line.json && (line.action != CommandLine::Action::Sheet || !line.pdfFile.isEmpty()))
            return WrongUsage(FromUtf8(c::kJsonWithSheet));
    } else if (parser.isSet(output)) {
        return WrongUsage(FromUtf8(c::kOutputWithoutReport));
    } else if (parser.isSet(json)) {
        return WrongUsage(FromUtf8(c::kJsonWithSheet));
    }
    return line;
}

int WriteReport(const CommandLine& line) {
    const auto loaded = documents::LoadDesignFile(line.designFile);
    if (const QString* refusal = std::get_if<QString>(&loaded))
        return Refuse(kFileRefused, *refusal);
    const presentation::Design& design = std::get<presentation::Design>(loaded);
    const presentation::DesignReport report = presentation::ReportOfDesign(design);
    if (report.Refusal) return Refuse(kCalculationRefused, FromUtf8(report.Refusal->Message));

    std::vector<presentation::ReportLine> page = report.Lines;
    if (line.action == CommandLine::Action::Sheet) {
        // The file's settings, with the defaults for keys it lacks: one file
        // gives one sheet everywhere.
        const presentation::SiteSheet sheet =
            presentation::ComputeSiteSheet(report.Basis, design.Site, design.Locale);
        if (!sheet.OutOfRange.empty())
            return Refuse(kFileRefused,
                          FromUtf8(presentation::RangeMessage(sheet.OutOfRange.front())));
        const auto lines = presentation::SiteDesignLines(report.Account, design.Engineer,
                                                         design.Input.SandMoistureText);
        if (line.pdfFile.isEmpty()) {
            WriteTo(stdout, line.json ? presentation::SiteSheetJson(sheet)
                                      : presentation::SiteSheetPlainText(sheet, report.Basis, lines,
                                                                         design.Locale));
            return StandardOutputWritten();
        }
        page = presentation::SiteSheetPage(sheet, report.Basis, lines, design.Locale);
    }
    if (!line.pdfFile.isEmpty()) {
        if (const auto failure = documents::WritePdf(line.pdfFile, page))
            return Refuse(kOutputFailed, *failure);
        return kDone;
    }
    // One report line per output line, exactly as printed.
    for (const presentation::ReportLine& reportLine : page) {
        WriteTo(stdout, reportLine.Text);
        WriteTo(stdout, "\n");
    }
    return StandardOutputWritten();
}

}  // namespace krv1::app
