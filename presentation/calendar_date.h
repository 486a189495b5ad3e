// The day a page is dated with, and how a Thai page writes it.
#pragma once

#include <string>

namespace krv1::presentation {

// A day of the Gregorian calendar.
struct CalendarDate {
    int Year = 1970;
    int Month = 1;  // 1 to 12
    int Day = 1;
    bool operator==(const CalendarDate&) const = default;
};
// "วันที่ 8 ธันวาคม 2569": the Thai month and the Buddhist-era year.
std::string ThaiDateLine(const CalendarDate& date);
// "2026-12-09", as file names carry the day.
std::string IsoDate(const CalendarDate& date);

}  // namespace krv1::presentation
