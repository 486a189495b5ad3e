#include "result_texts.h"

#include <algorithm>

#include "engine/number_text.h"
#include "figure_text.h"
#include "text/main_window_texts.h"

namespace krv1::presentation {

namespace t = text::main_window;

namespace {

// The row captions end in " =" on screen, the units begin with blanks.
std::string_view WithoutEquals(std::string_view caption) {
    if (caption.ends_with(" =")) caption.remove_suffix(2);
    return caption;
}

std::string_view WithoutLeadingBlanks(std::string_view unit) {
    return unit.substr(std::min(unit.find_first_not_of(' '), unit.size()));
}

void AppendPanel(std::string& text, std::string_view caption, const BatchQuantities& batch,
                 const NumberLocale& locale) {
    const struct {
        std::string_view caption;
        double quantity;
        std::string_view unit;
    } rows[] = {{t::kCementRow, batch.Cement, t::kKg6},
                {t::kWaterRow, batch.Water, t::kLitre5},
                {t::kSandRow, batch.Sand, t::kKg6},
                {t::kStoneRow, batch.Stone, t::kKg6},
                {t::kAdmixtureRow, batch.Admixture, t::kCc5}};
    text.append(caption);
    for (const auto& row : rows) {
        text.append("\n").append(WithoutEquals(row.caption)).append("\t");
        text.append(DoubleText(row.quantity, locale)).append("\t");
        text.append(WithoutLeadingBlanks(row.unit));
    }
}

}  // namespace

ResultTexts ResultPanelTexts(const MixDesign& design, const NumberLocale& locale) {
    const auto with = [&](double value, std::string_view unit) {
        return DoubleText(value, locale) + std::string(unit);
    };
    const BatchQuantities& r = design.Rounded;
    const BatchQuantities& a = design.Adjusted;
    // Sand carries seven blanks before its unit in the first panel and six in
    // the second; the water of the first panel is the table water itself.
    return ResultTexts{
        {with(r.Cement, t::kKg6), IntegerText(design.State.W) + std::string(t::kLitre5),
         with(r.Sand, t::kKg7), with(r.Stone, t::kKg7), with(r.Admixture, t::kCc5)},
        {with(a.Cement, t::kKg6), with(a.Water, t::kLitre5), with(a.Sand, t::kKg6),
         with(a.Stone, t::kKg7), with(a.Admixture, t::kCc5)},
    };
}

std::string ResultPanelsPlainText(const MixDesign& design, const NumberLocale& locale) {
    std::string text;
    AppendPanel(text, t::kBeforeCorrectionFrame, design.Rounded, locale);
    text.append("\n");
    AppendPanel(text, t::kAfterCorrectionFrame, design.Adjusted, locale);
    return text;
}

}  // namespace krv1::presentation
