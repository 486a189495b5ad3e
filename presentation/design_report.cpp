#include "design_report.h"

namespace krv1::presentation {

DesignReport ReportOfDesign(const Design& design) {
    DesignReport report;
    const CalculationResult result = CalculateMix(design.Input, MixState{}, design.Locale);
    const MixDesign* mix = DesignOf(result);
    if (!mix) {
        report.Refusal = *ErrorOf(result);
        return report;
    }
    report.Panels = ResultPanelTexts(*mix, design.Locale);
    report.Account = DetailsValueTexts(design.Input, *mix, design.Locale);
    report.Lines = ReportLines(report.Account, design.Engineer);
    report.PanelsPlainText = ResultPanelsPlainText(*mix, design.Locale);
    report.Basis = BasisOf(*mix);
    return report;
}

std::string ReportFileName(std::string_view engineer, std::string_view isoDate) {
    std::string name = "KRV1 ";
    for (const char c : engineer) {
        const bool refused = c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' ||
                             c == '"' || c == '<' || c == '>' || c == '|' ||
                             static_cast<unsigned char>(c) < 0x20;
        if (!refused) name += c;
    }
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name.append(" ").append(isoDate).append(".pdf");
}

}  // namespace krv1::presentation
