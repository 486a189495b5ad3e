#include "calendar_date.h"

#include <algorithm>
#include <cstdio>

#include "text/site_sheet_texts.h"

namespace krv1::presentation {

namespace s = text::site_sheet;

std::string ThaiDateLine(const CalendarDate& date) {
    const std::size_t month = static_cast<std::size_t>(std::clamp(date.Month, 1, 12)) - 1;
    return std::string(s::kDate)
        .append(std::to_string(date.Day))
        .append(" ")
        .append(s::kMonths[month])
        .append(" ")
        .append(std::to_string(date.Year + s::kBuddhistEraOffset));
}

std::string IsoDate(const CalendarDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
    return text;
}

}  // namespace krv1::presentation
