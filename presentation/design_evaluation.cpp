#include "design_evaluation.h"

#include "page_heading.h"

namespace krv1::presentation {
namespace {

RecordsEvaluation WeighRecords(const Design& design, const CalendarDate& day) {
    if (!design.Records) return NoRecords{};
    RecordsResult result = AnalyseRecords(*design.Records, design.Input, design.Locale);
    if (auto* refusal = std::get_if<RecordsRefusal>(&result)) return std::move(*refusal);
    RecordsShown shown{*design.Records, std::move(std::get<RecordsFigures>(result)), {}, {}};
    shown.Rows = RecordsRows(shown.Records, shown.Figures, design.Locale);
    shown.PageHeading = PageHeadingLines(NamesOf(design, day), design.Input);
    return shown;
}

TrialEvaluation TryDesign(const MixInput& input, const MixDesign& mix, const TrialInputs& boxes,
                          const NumberLocale& separators, const Materials& materials) {
    TrialResult result = RunTrial(input, mix, boxes, separators, materials);
    if (auto* refusal = std::get_if<TrialRefusal>(&result)) return std::move(*refusal);
    TrialShown shown{std::move(std::get<TrialOutcome>(result)), {}, {}, {}, {}};
    shown.Rows = TrialRows(input, mix, boxes, shown.Outcome, separators);
    shown.Panels = TrialPanelTexts(mix, shown.Outcome, separators);
    shown.Placeholders = TrialPlaceholders(input, shown.Outcome, separators);
    return shown;
}

CalculatedMix ShowMix(const Design& design, const MixInput& input, const MixDesign& mix,
                      const Materials& materials, const CalendarDate& day) {
    const NumberLocale& locale = design.Locale;
    const TrialInputs boxes = design.Trial.value_or(TrialInputs{});
    CalculatedMix shown{input,
                        mix,
                        locale,
                        ResultPanelTexts(mix, locale),
                        ResultPanelsPlainText(mix, locale),
                        DetailsValueTexts(input, mix, locale, materials.SandAbsorption),
                        MarginNotice(input, locale),
                        MaterialsNotice(design.Materials, materials),
                        MaterialNotes(design.Materials),
                        {},
                        SiteSheetSourceOf(input, mix, design.Engineer, locale, day),
                        {},
                        boxes,
                        TryDesign(input, mix, boxes, locale, materials)};
    shown.Account.MaterialLines = MaterialsReportLines(design.Materials, materials, mix, locale);
    shown.Lines = ReportLines(shown.Account, NamesOf(design, day));
    if (auto* trial = std::get_if<TrialShown>(&shown.Trial))
        trial->PageHeading = PageHeadingLines(NamesOf(design, day), design.Input);
    shown.Sheet = ComputeSiteSheet(shown.SheetSource.Basis, design.Site, locale);
    return shown;
}

}  // namespace

ReportNames NamesOf(const Design& design, const CalendarDate& day) {
    return ReportNames{design.Engineer, design.Project, day};
}

DesignEvaluation EvaluateDesign(const Design& design, const CalendarDate& day) {
    DesignEvaluation evaluation{CalculationError{}, WeighRecords(design, day)};
    MixInput input = design.Input;
    input.Margin.reset();
    if (design.Records && design.Records->UseMargin) {
        if (const auto* refused = std::get_if<RecordsRefusal>(&evaluation.Records)) {
            evaluation.Mix = *refused;
            return evaluation;
        }
        input = WithRecordsMargin(design.Input, *design.Records,
                                  std::get<RecordsShown>(evaluation.Records).Figures);
    }
    const MaterialsReading materials = ReadMaterials(design.Materials, design.Locale);
    if (const auto* refused = std::get_if<MaterialsRefusal>(&materials)) {
        evaluation.Mix = *refused;
        return evaluation;
    }
    // Every evaluation works the method's sheet afresh: no figure of an
    // earlier calculation reaches this one.
    const Materials& read = std::get<Materials>(materials);
    const CalculationResult result = CalculateMix(input, MixState{}, design.Locale, read);
    if (const CalculationError* error = ErrorOf(result)) {
        evaluation.Mix = *error;
        return evaluation;
    }
    evaluation.Mix = ShowMix(design, input, *DesignOf(result), read, day);
    return evaluation;
}

std::string RefusalMessage(const MixEvaluation& mix) {
    if (const auto* error = std::get_if<CalculationError>(&mix)) return error->Message;
    if (const auto* refusal = std::get_if<RecordsRefusal>(&mix)) return refusal->Message;
    if (const auto* refusal = std::get_if<MaterialsRefusal>(&mix)) return refusal->Message;
    return {};
}

}  // namespace krv1::presentation
