#include "result_texts.h"

#include "engine/number_text.h"
#include "text/main_window_texts.h"

namespace krv1::presentation {

namespace t = text::main_window;

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

}  // namespace krv1::presentation
