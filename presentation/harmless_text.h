// Whether a typed text can stand as it is on a report, a sheet and a
// terminal: valid UTF-8, at most `longest` characters (Unicode code
// points), with no control character (U+0000 to U+001F, U+007F to U+009F)
// and no bidirectional override or isolate (U+202A to U+202E, U+2066 to
// U+2069), which would break a line, retitle a terminal or turn the Thai
// around.
#pragma once

#include <cstddef>
#include <string_view>

namespace krv1::presentation {

bool HarmlessLine(std::string_view text, std::size_t longest);

}  // namespace krv1::presentation
