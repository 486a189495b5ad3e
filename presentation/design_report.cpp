#include "design_report.h"

namespace krv1::presentation {

DesignReport ReportOfDesign(const Design& design) {
    DesignReport report;
    const InputWithRecords margined =
        WithRecordsMargin(design.Input, design.Records, design.Locale);
    if (const auto* refused = std::get_if<RecordsRefusal>(&margined)) {
        report.RecordsProblem = *refused;
        report.Refusal = CalculationError{std::nullopt, refused->Message};
        return report;
    }
    report.Input = std::get<MixInput>(margined);
    const MixInput& input = report.Input;
    const CalculationResult result = CalculateMix(input, MixState{}, design.Locale);
    const MixDesign* mix = DesignOf(result);
    if (!mix) {
        report.Refusal = *ErrorOf(result);
        return report;
    }
    report.Panels = ResultPanelTexts(*mix, design.Locale);
    report.Account = DetailsValueTexts(input, *mix, design.Locale);
    report.Lines = ReportLines(report.Account, design.Engineer);
    report.PanelsPlainText = ResultPanelsPlainText(*mix, design.Locale);
    report.Design = *mix;
    report.Basis = BasisOf(input, *mix);
    return report;
}

namespace {

// The name without the characters that Windows, macOS or Linux refuse in a
// file name, and without control characters.
std::string FileNameSafe(std::string_view name) {
    std::string safe;
    for (const char c : name) {
        const bool refused = c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' ||
                             c == '"' || c == '<' || c == '>' || c == '|' ||
                             static_cast<unsigned char>(c) < 0x20;
        if (!refused) safe += c;
    }
    return safe;
}

}  // namespace

namespace {

std::string NameOfEngineerAndDay(std::string_view engineer, std::string_view isoDate) {
    std::string name = "KRV1 " + FileNameSafe(engineer);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name.append(" ").append(isoDate);
}

}  // namespace

std::string ReportFileName(std::string_view engineer, std::string_view isoDate) {
    return NameOfEngineerAndDay(engineer, isoDate) + ".pdf";
}

std::string DesignFileName(std::string_view engineer, std::string_view isoDate) {
    return NameOfEngineerAndDay(engineer, isoDate) + ".krv1";
}

}  // namespace krv1::presentation
