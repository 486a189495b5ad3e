// Arbitrary texts through the number conversions and back through the
// number texts. A conversion ends in a value or a ConversionError, never in
// anything else, and what it gives must agree with itself.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/conversion_error.h"
#include "engine/number_conversion.h"
#include "engine/number_text.h"
#include "presentation/figure_text.h"

namespace {

using namespace krv1;
using presentation::DoubleText;
using presentation::SingleText;

void Require(bool condition) {
    if (!condition) std::abort();
}

void Check(std::string_view text, const NumberLocale& locale) {
    double value = 0;
    try {
        value = TextToDouble(text, locale);
    } catch (const ConversionError&) {
        try {
            TextToInteger(text, locale);
        } catch (const ConversionError&) {
            return;  // what no double holds, no integer holds either
        }
        std::abort();
    }
    Require(std::isfinite(value));
    // The text of the value reads back as (nearly) the same value.
    const double again = TextToDouble(DoubleText(value, locale), locale);
    Require(again == value || std::fabs(again - value) <= std::fabs(value) * 1e-14);
    try {
        const int16_t whole = TextToInteger(text, locale);
        Require(whole == std::nearbyint(value));
        Require(TextToInteger(IntegerText(whole), locale) == whole);
    } catch (const ConversionError& error) {
        Require(error.failure() == ConversionFailure::Overflow);
        Require(!(std::nearbyint(value) >= -32768 && std::nearbyint(value) <= 32767));
    }
    if (std::fabs(value) <= 3.4e38 && std::fabs(value) >= 1e-30) {
        // Seven significant digits: the single's text is within a few parts
        // in ten million of the single itself.
        const float single = ToSingle(value);
        const double shown = TextToDouble(SingleText(single, locale), locale);
        Require(std::fabs(shown - single) <= std::fabs(single) * 1e-6);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Check(text, NumberLocale{});
    Check(text, NumberLocale{",", "."});
    Check(text, NumberLocale{"\xD9\xAB", "\xD9\xAC"});  // Arabic separators, two bytes each
    return 0;
}
