#include "figure_text.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "engine/floating_chars.h"
#include "text/site_sheet_texts.h"

namespace krv1::presentation {
namespace {

// The digits of |value| with `decimals` places, a tie rounded away from zero
// as the method's tables are, where printf would round it to even. The exact
// binary value is written out far enough to see a true tie and the rounding
// is done on those digits. printf writes its C locale's point (a comma under
// de_DE once Qt has called setlocale), so the digits are taken from either
// end of what it wrote, never by looking for ".". (std::to_chars would not
// depend on the locale, but the web module's C++ library has none for
// doubles.)
std::pair<std::string, std::string> RoundedDigits(double magnitude, int decimals) {
    constexpr int kExactDecimals = 80;
    std::array<char, 512> exact{};
    std::snprintf(exact.data(), exact.size(), "%.*f", kExactDecimals, magnitude);
    const std::string_view printed(exact.data());
    const std::string whole(printed.substr(0, printed.find_first_not_of("0123456789")));
    const std::string_view allDecimals = printed.substr(printed.size() - kExactDecimals);
    std::string kept = whole + std::string(allDecimals.substr(0, decimals));
    if (allDecimals[decimals] >= '5') {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0 && kept[i] == '9'; --i) kept[i] = '0';
        if (i < 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[i];
        }
    }
    return {kept.substr(0, kept.size() - decimals), kept.substr(kept.size() - decimals)};
}

// The shortest digits with at most `significant` of them, in plain or
// exponent form, as "%g" chooses.
std::pair<std::string, std::string> ShortestDigits(double magnitude, int significant,
                                                   std::string& exponent) {
    std::array<char, 64> buffer{};
    const auto [end, error] =
        WriteGeneral(buffer.data(), buffer.data() + buffer.size(), magnitude, significant);
    if (error != std::errc()) return {};
    std::string_view written(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    if (const std::size_t e = written.find('e'); e != std::string_view::npos) {
        exponent = "E" + std::string(written.substr(e + 1));
        written = written.substr(0, e);
    }
    const std::size_t wholeEnd = written.find_first_not_of("0123456789");
    if (wholeEnd == std::string_view::npos) return {std::string(written), {}};
    return {std::string(written.substr(0, wholeEnd)), std::string(written.substr(wholeEnd + 1))};
}

}  // namespace

std::string FigureText(double value, FigureDigits digits, const NumberLocale& separators) {
    // A sheet's figure is never infinite: one that would be waits instead.
    if (!std::isfinite(value) && digits.Rule == FigureDigits::Kind::Decimals)
        return std::string(text::site_sheet::kWaiting);
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Inf" : "-Inf";
    const double magnitude = std::fabs(value);
    std::string exponent;
    auto [whole, fraction] = digits.Rule == FigureDigits::Kind::Decimals
                                 ? RoundedDigits(magnitude, digits.Count)
                                 : ShortestDigits(magnitude, digits.Count, exponent);
    if (digits.Grouped)
        for (int i = static_cast<int>(whole.size()) - 3; i > 0; i -= 3)
            whole.insert(static_cast<std::size_t>(i), separators.GroupSeparator);
    // No "-0": a negative zero, or a negative value that rounds to zero.
    const bool zero =
        (whole + fraction).find_first_not_of("0" + separators.GroupSeparator) == std::string::npos;
    std::string text = value < 0 && !zero ? "-" : "";
    text += whole;
    if (!fraction.empty()) text.append(separators.DecimalSeparator).append(fraction);
    return text + exponent;
}

}  // namespace krv1::presentation
