#include "command_line.h"

#include <QCommandLineParser>
#include <QDate>
#include <cstdio>
#include <optional>

#include "documents/design_loading.h"
#include "documents/file_writing.h"
#include "documents/page_printing.h"
#include "documents/project_loading.h"
#include "documents/workbook_writing.h"
#include "platform/utf8_text.h"
#include "presentation/design_evaluation.h"
#include "presentation/project_pages.h"
#include "presentation/project_report.h"
#include "presentation/project_workbook.h"
#include "text/command_line_texts.h"
#include "text/design_file_texts.h"
#include "text/strength_records_texts.h"

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

// What the parser refused, named as it was typed: an unknown option, a
// value given to an option that takes none, or an option left without its
// value at the end.
QString ParseFailure(const QStringList& arguments, const QCommandLineParser& parser,
                     const QStringList& flags) {
    const QStringList unknown = parser.unknownOptionNames();
    for (const QString& argument : arguments) {
        if (argument == QStringLiteral("--")) break;
        if (!argument.startsWith(u'-') || argument == QStringLiteral("-")) continue;
        const QString typed = argument.section(u'=', 0, 0);
        const QString name = typed.mid(typed.startsWith(QStringLiteral("--")) ? 2 : 1);
        if (unknown.contains(name)) return FromUtf8(c::kUnknownOption) + typed;
        if (flags.contains(name) && argument.contains(u'='))
            return FromUtf8(c::kTakesNoValue) + typed;
    }
    // Compacted short options ("-xq") are reported one by one.
    if (!unknown.isEmpty()) return FromUtf8(c::kUnknownOption) + u'-' + unknown.first();
    const QString last = arguments.value(arguments.size() - 1);
    if (last == QStringLiteral("--date")) return FromUtf8(c::kMissingDate);
    return FromUtf8(c::kMissingOutputFile);
}

// A day written YYYY-MM-DD, as ISO 8601 and the file names write it.
std::optional<presentation::CalendarDate> DateOf(const QString& text) {
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid() || text.size() != 10) return std::nullopt;
    return presentation::CalendarDate{date.year(), date.month(), date.day()};
}

// The figures and the verdict of the file's strength records, against its
// design's required strength.
int WriteRecords(const CommandLine& line, const presentation::Design& design,
                 const presentation::RecordsEvaluation& weighed) {
    if (std::holds_alternative<presentation::NoRecords>(weighed))
        return Refuse(kFileRefused, FromUtf8(text::records::kNoRecords));
    if (const auto* refusal = std::get_if<presentation::RecordsRefusal>(&weighed))
        return Refuse(kFileRefused, FromUtf8(refusal->Message));
    const auto& records = std::get<presentation::RecordsShown>(weighed);
    if (line.pdfFile.isEmpty()) {
        WriteTo(stdout, line.json ? presentation::RecordsJson(records.Figures)
                                  : presentation::SheetText(records.Rows));
        return StandardOutputWritten();
    }
    if (const auto failure = documents::WritePdf(
            line.pdfFile,
            presentation::RecordsPage(records.Records, records.Figures, design.Locale,
                                      documents::PageFaceMetrics(), records.PageHeading)))
        return Refuse(kOutputFailed, *failure);
    return kDone;
}

// The site batch sheet from the file's settings, with the defaults for keys
// it lacks: one file gives one sheet everywhere. A setting out of range is
// the file's to mend.
int WriteSheet(const CommandLine& line, const presentation::Design& design,
               const presentation::CalculatedMix& calculated,
               std::optional<presentation::PrintedPage>& page) {
    const presentation::SiteSheet& sheet = calculated.Sheet;
    if (!sheet.OutOfRange.empty())
        return Refuse(kFileRefused, FromUtf8(presentation::RangeMessage(sheet.OutOfRange.front())));
    const presentation::SiteSheetSource& source = calculated.SheetSource;
    if (line.pdfFile.isEmpty()) {
        WriteTo(stdout, line.json ? presentation::SiteSheetJson(sheet)
                                  : presentation::SiteSheetPlainText(sheet, source, design.Site));
        return StandardOutputWritten();
    }
    page = presentation::SiteSheetPage(sheet, source, design.Site, documents::PageFaceMetrics());
    return kDone;
}

// An input refused is the file's fault; a refused adjusted mix is the
// calculation's, and nothing reaches standard output.
int WriteTrial(const CommandLine& line, const presentation::CalculatedMix& calculated,
               std::optional<presentation::PrintedPage>& page) {
    if (const auto* refusal = std::get_if<presentation::TrialRefusal>(&calculated.Trial))
        return Refuse(kFileRefused, FromUtf8(refusal->Message));
    const auto& trial = std::get<presentation::TrialShown>(calculated.Trial);
    if (const CalculationError* refused = ErrorOf(trial.Outcome.Adjusted))
        return Refuse(kCalculationRefused, FromUtf8(refused->Message));
    if (line.pdfFile.isEmpty()) {
        WriteTo(stdout, line.json ? presentation::TrialJson(trial.Outcome)
                                  : presentation::SheetText(trial.Rows));
        return StandardOutputWritten();
    }
    page = presentation::TrialPage(trial.Rows, trial.Outcome.Chart, calculated.Locale,
                                   documents::PageFaceMetrics(), trial.PageHeading);
    return kDone;
}

// The project's comparison and orders as text, its figures as JSON, or its
// workbook. A setting out of range is the file's to mend; an element
// refused is shown as such and fails nothing.
int WriteProject(const CommandLine& line) {
    const auto loaded = documents::LoadProjectFile(line.designFile);
    if (const QString* refusal = std::get_if<QString>(&loaded))
        return Refuse(kFileRefused, *refusal);
    const presentation::Project& project = std::get<presentation::Project>(loaded);
    const presentation::ProjectResult result = presentation::EvaluateProject(project, line.date);
    if (const auto* refusal = std::get_if<presentation::ProjectSettingRefusal>(&result))
        return Refuse(kFileRefused, FromUtf8(refusal->Message));
    const auto& evaluation = std::get<presentation::ProjectEvaluation>(result);
    if (line.pdfFile.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) {
        if (const auto failure = documents::WriteWorkbook(
                line.pdfFile, presentation::ProjectWorkbook(project, evaluation, line.date)))
            return Refuse(kOutputFailed, *failure);
        return kDone;
    }
    if (!line.pdfFile.isEmpty()) {
        if (const auto failure = documents::WritePdf(
                line.pdfFile, presentation::ProjectPages(project, evaluation, line.date,
                                                         documents::PageFaceMetrics())))
            return Refuse(kOutputFailed, *failure);
        return kDone;
    }
    WriteTo(stdout, line.json ? presentation::ProjectJson(evaluation)
                              : presentation::ProjectText(project, evaluation, line.date));
    return StandardOutputWritten();
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    // Qt's parser for the syntax; its English help and errors are not used.
    QCommandLineParser parser;
    const QCommandLineOption report(QStringLiteral("report"));
    const QCommandLineOption sheet(QStringLiteral("sheet"));
    const QCommandLineOption trial(QStringLiteral("trial"));
    const QCommandLineOption records(QStringLiteral("records"));
    const QCommandLineOption project(QStringLiteral("project"));
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QString(), QStringLiteral("file"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption date(QStringLiteral("date"), QString(), QStringLiteral("day"));
    parser.addOptions({report, sheet, trial, records, project, json, output, help, version, date});
    parser.addPositionalArgument(QStringLiteral("file"), QString());
    if (!parser.parse(QStringList{QStringLiteral("krv1")} + arguments)) {
        QStringList flags;
        for (const QCommandLineOption* flag :
             {&report, &sheet, &trial, &records, &project, &json, &help, &version})
            flags += flag->names();
        return WrongUsage(ParseFailure(arguments, parser, flags));
    }
    if (parser.isSet(help)) return CommandLine{CommandLine::Action::Help, {}, {}, {}};
    if (parser.isSet(version)) return CommandLine{CommandLine::Action::Version, {}, {}, {}};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) return WrongUsage(FromUtf8(c::kTooManyFiles));
    CommandLine line;
    line.designFile = files.value(0);
    const int outputs = int(parser.isSet(report)) + int(parser.isSet(sheet)) +
                        int(parser.isSet(trial)) + int(parser.isSet(records)) +
                        int(parser.isSet(project));
    if (outputs > 1) return WrongUsage(FromUtf8(c::kReportOrSheet));
    if (outputs == 1) {
        if (line.designFile.isEmpty()) return WrongUsage(FromUtf8(c::kMissingReportFile));
        line.action = parser.isSet(report)    ? CommandLine::Action::Report
                      : parser.isSet(sheet)   ? CommandLine::Action::Sheet
                      : parser.isSet(trial)   ? CommandLine::Action::Trial
                      : parser.isSet(project) ? CommandLine::Action::Project
                                              : CommandLine::Action::Records;
        line.pdfFile = parser.value(output);
        // "-o -" is standard output; an empty name is no file at all.
        if (parser.isSet(output) && line.pdfFile.isEmpty())
            return WrongUsage(FromUtf8(c::kMissingOutputFile));
        line.json = parser.isSet(json);
        if (line.json && (line.action == CommandLine::Action::Report || !line.pdfFile.isEmpty()))
            return WrongUsage(FromUtf8(c::kJsonWithSheet));
        // A project is written as a workbook or as PDF pages.
        if (line.action == CommandLine::Action::Project && !line.pdfFile.isEmpty() &&
            !line.pdfFile.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive) &&
            !line.pdfFile.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) &&
            line.pdfFile != QStringLiteral("-"))
            return WrongUsage(FromUtf8(c::kProjectOutput) + line.pdfFile);
        // Every page is dated: the report, the sheet, the trial and the records.
        if (parser.isSet(date)) {
            const auto day = DateOf(parser.value(date));
            if (!day) return WrongUsage(FromUtf8(c::kBadDate) + parser.value(date));
            line.date = *day;
        } else {
            line.date = documents::PrintingDay();
        }
    } else if (parser.isSet(date)) {
        return WrongUsage(FromUtf8(c::kDateWithSheet));
    } else if (parser.isSet(output)) {
        return WrongUsage(FromUtf8(c::kOutputWithoutReport));
    } else if (parser.isSet(json)) {
        return WrongUsage(FromUtf8(c::kJsonWithSheet));
    }
    return line;
}

int WriteReport(const CommandLine& line) {
    if (line.action == CommandLine::Action::Project) return WriteProject(line);
    const auto loaded = documents::LoadDesignFile(line.designFile);
    if (const QString* refusal = std::get_if<QString>(&loaded))
        return Refuse(kFileRefused, *refusal);
    const presentation::Design& design = std::get<presentation::Design>(loaded);
    const presentation::DesignEvaluation evaluation =
        presentation::EvaluateDesign(design, line.date);
    if (line.action == CommandLine::Action::Records)
        return WriteRecords(line, design, evaluation.Records);
    // Records the design takes its margin from are the file's to mend.
    if (const auto* refusal = std::get_if<presentation::RecordsRefusal>(&evaluation.Mix))
        return Refuse(kFileRefused, FromUtf8(refusal->Message));
    // A material refused is a box the calculation cannot take, as a main one.
    if (const auto* calculated = evaluation.calculated(); !calculated)
        return Refuse(kCalculationRefused, FromUtf8(presentation::RefusalMessage(evaluation.Mix)));
    const presentation::CalculatedMix& calculated = *evaluation.calculated();

    std::optional<presentation::PrintedPage> page;
    if (line.action == CommandLine::Action::Sheet) {
        const int status = WriteSheet(line, design, calculated, page);
        if (!page) return status;
    } else if (line.action == CommandLine::Action::Trial) {
        const int status = WriteTrial(line, calculated, page);
        if (!page) return status;
    } else {
        page = presentation::PrintedPage{presentation::kReportPointSize, calculated.Lines, {}};
    }
    if (!line.pdfFile.isEmpty()) {
        if (const auto failure = documents::WritePdf(line.pdfFile, *page))
            return Refuse(kOutputFailed, *failure);
        return kDone;
    }
    // The account's lines, one an output line, exactly as printed; the
    // page's own (the day, the specimen, the signatures) are the PDF's.
    const std::size_t accountLines = presentation::ReportAccountLines(calculated.Account);
    for (std::size_t i = 0; i < accountLines; ++i) {
        WriteTo(stdout, page->Lines[i].Text);
        WriteTo(stdout, "\n");
    }
    return StandardOutputWritten();
}

}  // namespace krv1::app
