#include "details_values.h"

#include "engine/conversion_error.h"
#include "engine/moisture.h"
#include "engine/number_text.h"
#include "text/details_texts.h"

namespace krv1::forms {

namespace d = text::details;

namespace {

std::string operator+(std::string text, std::string_view suffix) {
    return text.append(suffix);
}

}  // namespace

std::vector<ValueText> DetailsValueTexts(const CalculationRecord& record,
                                         const NumberLocale& locale) {
    const MixInput& in = record.Input;
    const MixState& s = record.State;
    const auto& results = record.ResultTexts;

    // Surface moisture and excess water are worked out here afresh, from the
    // moisture text the calculation accepted, and shown unrounded.
    std::string surfaceText;
    std::string excessText;
    try {
        const double surface = SurfaceMoisture(in.SandMoistureText, locale);
        const double excess =
            ExcessWater(RoundedSand(s), SurfaceMoisture(in.SandMoistureText, locale));
        surfaceText = DoubleText(surface, locale);
        excessText = DoubleText(excess, locale);
    } catch (const ConversionError&) {
        // Unreachable for a record of a successful calculation, whose moisture
        // text was converted already; the two values then stay blank.
    }

    const std::string admixture(in.Admixture == AdmixtureChoice::WithAdmixture
                                    ? d::kWithAdmixture
                                    : d::kWithoutAdmixture);
    return {
        {"Label3", in.RequiredStrength + d::kKsc},
        {"Label5", IntegerText(s.F) + d::kKsc},
        {"Label7", in.SlumpText + d::kCm},
        {"Label11", in.AggregateText + d::kCm},
        {"Label12", admixture},
        {"Label77", admixture + d::kEquals},
        {"Label9", IntegerText(s.W) + d::kLitrePerCubicMetre},
        {"Label14", SingleText(s.WA, locale)},
        {"Label16", IntegerText(s.Weight) + d::kKgShort},
        {"Label18", IntegerText(s.VOLUM) + d::kLitre},
        {"Label20", in.AggregateText + d::kCm},
        {"Label22", IntegerText(s.P) + d::kLitre},
        {"Label24", IntegerText(s.SAND) + d::kLitre},
        {"Label26", IntegerText(s.WSAND) + d::kKgShort},
        {"Label28", IntegerText(s.VGRAVEL) + d::kLitre},
        {"Label30", IntegerText(s.WGRAVEL) + d::kKgShort},
        {"Label32", IntegerText(s.VYA) + d::kCc},
        {"Label38", IntegerText(s.Weight) + d::kKg},
        {"Label39", IntegerText(s.W) + d::kLitre},
        {"Label40", IntegerText(s.WSAND) + d::kKg},
        {"Label41", IntegerText(s.WGRAVEL) + d::kKg},
        {"Label42", IntegerText(s.VYA) + d::kCc},
        {"Label47", results[0]},
        {"Label46", results[1]},
        {"Label45", results[2]},
        {"Label44", results[3]},
        {"Label43", results[4]},
        {"Label72", results[5]},
        {"Label73", results[6]},
        {"Label74", results[7]},
        {"Label75", results[8]},
        {"Label76", results[9]},
        {"Label61", in.SandMoistureText + d::kPercent},
        {"Label62", std::string(d::kSandAbsorption)},
        {"Label63", surfaceText + d::kPercent},
        {"Label57", results[2]},
        {"Label64", excessText + d::kKg},
        {"Label65", SingleText(s.V5, locale) + d::kKg},
        {"Label66", SingleText(s.V8, locale) + d::kLitre},
    };
}

}  // namespace krv1::forms
