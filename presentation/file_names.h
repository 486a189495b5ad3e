// The names the program proposes for what it saves: the engineer's name
// (if any) and the ISO date, without the characters file systems refuse, so
// that a day's designs of one engineer are told apart.
#pragma once

#include <string>
#include <string_view>

namespace krv1::presentation {

// "KRV1 สมชาย 2026-12-09.pdf"
std::string ReportFileName(std::string_view engineer, std::string_view isoDate);
// "KRV1 สมชาย 2026-12-09.krv1"
std::string DesignFileName(std::string_view engineer, std::string_view isoDate);

}  // namespace krv1::presentation
