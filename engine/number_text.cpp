#include "number_text.h"

#include <array>
#include <cmath>

#include "floating_chars.h"

namespace krv1 {
namespace {

std::string GeneralText(double value, int significantDigits, const NumberLocale& locale) {
    if (value == 0) return "0";  // no "-0" for a negative zero
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Inf" : "-Inf";
    std::array<char, 64> buffer{};
    const auto [end, error] =
        WriteGeneral(buffer.data(), buffer.data() + buffer.size(), value, significantDigits);
    std::string text;
    if (error != std::errc()) return text;
    for (const char* c = buffer.data(); c != end; ++c) {
        if (*c == '.') {
            text += locale.DecimalSeparator;
        } else if (*c == 'e') {
            text += 'E';
        } else {
            text += *c;
        }
    }
    return text;
}

}  // namespace

std::string IntegerText(int16_t value) { return std::to_string(value); }

std::string SingleText(float value, const NumberLocale& locale) {
    return GeneralText(static_cast<double>(value), 7, locale);
}

std::string DoubleText(double value, const NumberLocale& locale) {
    return GeneralText(value, 15, locale);
}

}  // namespace krv1
