#include "number_conversion.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "conversion_error.h"
#include "floating_chars.h"

namespace krv1 {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return !prefix.empty() && text.substr(0, prefix.size()) == prefix;
}

[[noreturn]] void Fail(ConversionFailure failure) { throw ConversionError(failure); }

// A number typed in the engineer's locale, rewritten in the plain form that
// std::from_chars reads. `magnitude` is the decimal exponent of the leading
// significant digit, used to tell overflow from underflow.
struct PlainNumber {
    std::string text;
    long magnitude = 0;
    bool allZero = true;
};

PlainNumber ToPlainNumber(std::string_view text, const NumberLocale& locale) {
    PlainNumber number;
    std::string_view rest = TrimBlanks(text);
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        if (rest.front() == '-') number.text += '-';
        rest.remove_prefix(1);
    }

    long integerDigits = 0;  // significant digits before the separator
    long leadingFractionZeros = 0;
    bool anyDigit = false;
    // Integer part: digits, grouped only in the standard way: one to three
    // digits, then groups of exactly three. "5,5" is a slip for 5.5 and
    // "2,40" for 2.40, not fifty-five or two hundred and forty.
    bool grouped = false;
    int groupDigits = 0;
    while (!rest.empty()) {
        if (IsDigit(rest.front())) {
            const char digit = rest.front();
            if (digit != '0' || !number.allZero) {
                number.allZero = false;
                ++integerDigits;
            }
            number.text += digit;
            anyDigit = true;
            ++groupDigits;
            rest.remove_prefix(1);
        } else if (anyDigit && StartsWith(rest, locale.GroupSeparator)) {
            const bool groupComplete = grouped ? groupDigits == 3 : groupDigits <= 3;
            if (!groupComplete) Fail(ConversionFailure::NotNumeric);
            grouped = true;
            groupDigits = 0;
            rest.remove_prefix(locale.GroupSeparator.size());
        } else {
            break;
        }
    }
    if (grouped && groupDigits != 3) Fail(ConversionFailure::NotNumeric);
    if (StartsWith(rest, locale.DecimalSeparator)) {
        rest.remove_prefix(locale.DecimalSeparator.size());
        number.text += '.';
        while (!rest.empty() && IsDigit(rest.front())) {
            const char digit = rest.front();
            if (number.allZero) {
                if (digit == '0') {
                    ++leadingFractionZeros;
                } else {
                    number.allZero = false;
                }
            }
            number.text += digit;
            anyDigit = true;
            rest.remove_prefix(1);
        }
    }
    if (!anyDigit) Fail(ConversionFailure::NotNumeric);

    long exponent = 0;
    if (!rest.empty() && (rest.front() == 'e' || rest.front() == 'E')) {
        rest.remove_prefix(1);
        number.text += 'e';
        bool negative = false;
        if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
            negative = rest.front() == '-';
            number.text += rest.front();
            rest.remove_prefix(1);
        }
        if (rest.empty() || !IsDigit(rest.front())) Fail(ConversionFailure::NotNumeric);
        while (!rest.empty() && IsDigit(rest.front())) {
            if (exponent < 1'000'000) exponent = exponent * 10 + (rest.front() - '0');
            number.text += rest.front();
            rest.remove_prefix(1);
        }
        if (negative) exponent = -exponent;
    }
    if (!rest.empty()) Fail(ConversionFailure::NotNumeric);

    number.magnitude =
        (integerDigits > 0 ? integerDigits - 1 : -(leadingFractionZeros + 1)) + exponent;
    return number;
}

}  // namespace

double TextToDouble(std::string_view text, const NumberLocale& locale) {
    const PlainNumber number = ToPlainNumber(text, locale);
    if (number.allZero) return 0.0;
    double value = 0;
    const char* first = number.text.data();
    const char* last = first + number.text.size();
    const auto [end, error] = ReadPlainDouble(first, last, value);
    if (error == std::errc::result_out_of_range) {
        // from_chars reports both ends of the range alike; a tiny value is
        // simply zero for any quantity of concrete, a huge one cannot be held.
        if (number.magnitude > 0) Fail(ConversionFailure::Overflow);
        return 0.0;
    }
    if (error != std::errc() || end != last) Fail(ConversionFailure::NotNumeric);
    if (!std::isfinite(value)) Fail(ConversionFailure::Overflow);
    return value;
}

int16_t TextToInteger(std::string_view text, const NumberLocale& locale) {
    return FloatToInteger(TextToDouble(text, locale));
}

double RoundHalfEven(double value) {
    // nearbyint follows the current rounding mode; the program never leaves
    // the default round-to-nearest, ties-to-even.
    return std::nearbyint(value);
}

int16_t FloatToInteger(double value) {
    const double whole = RoundHalfEven(value);
    if (!(whole >= std::numeric_limits<int16_t>::min() &&
          whole <= std::numeric_limits<int16_t>::max())) {
        Fail(ConversionFailure::Overflow);
    }
    return static_cast<int16_t>(whole);
}

float ToSingle(double value) {
    if (!(std::fabs(value) <= FLT_MAX)) Fail(ConversionFailure::Overflow);
    return static_cast<float>(value);
}

int16_t CheckedSubtract(int16_t a, int16_t b) {
    return FloatToInteger(static_cast<double>(static_cast<int>(a) - static_cast<int>(b)));
}

std::optional<double> ParsedDouble(std::string_view text, const NumberLocale& locale) {
    try {
        return TextToDouble(text, locale);
    } catch (const ConversionError&) {
        return std::nullopt;  // not a number, or beyond a double: no value
    }
}

std::optional<int16_t> WholeInteger(double value) {
    try {
        return FloatToInteger(value);
    } catch (const ConversionError&) {
        return std::nullopt;  // beyond the 16-bit cells, or not a number
    }
}

}  // namespace krv1
