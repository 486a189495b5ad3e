// Floating-point text conversions in the C locale. std::from_chars and
// std::to_chars where the standard library has them for doubles; the
// WebAssembly build's libc++ 14 has neither, and there fast_float reads and
// snprintf("%.*g") writes exactly what the standard calls would. One of the two
// is chosen at compile time; both builds are checked against the same known
// answers.
#pragma once

#include <charconv>
#include <system_error>
#include <version>

#if !defined(__cpp_lib_to_chars)
#include <fast_float/fast_float.h>

#include <cstdio>
#endif

namespace krv1 {

struct ReadDouble {
    const char* end;
    std::errc error;
};

// Reads a plain decimal ("-12.5e3"): no blanks, no "+", "." as the point.
inline ReadDouble ReadPlainDouble(const char* first, const char* last, double& value) {
#if defined(__cpp_lib_to_chars)
    const auto [end, error] = std::from_chars(first, last, value);
    return {end, error};
#else
    const auto [end, error] = fast_float::from_chars(first, last, value);
    return {end, error};
#endif
}

// The shortest form with at most `significantDigits` digits, as "%.*g" writes.
inline std::to_chars_result WriteGeneral(char* first, char* last, double value,
                                         int significantDigits) {
#if defined(__cpp_lib_to_chars)
    return std::to_chars(first, last, value, std::chars_format::general, significantDigits);
#else
    const int length = std::snprintf(first, static_cast<std::size_t>(last - first), "%.*g",
                                     significantDigits, value);
    if (length < 0 || length >= last - first) return {last, std::errc::value_too_large};
    return {first + length, std::errc()};
#endif
}

}  // namespace krv1
