#include "workbook.h"

#include <algorithm>

namespace krv1::presentation {
namespace {

// Code points of a UTF-8 text, each kept as its bytes. Excel counts a name
// in UTF-16 units; every Thai letter and mark is one.
std::vector<std::string> CodePoints(std::string_view text) {
    std::vector<std::string> points;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        points.emplace_back(text.substr(i, length));
        i += length;
    }
    return points;
}

std::string Joined(const std::vector<std::string>& points, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < std::min(count, points.size()); ++i) text += points[i];
    return text;
}

}  // namespace

std::string SheetName(std::string_view wanted, std::vector<std::string>& taken) {
    std::vector<std::string> points = CodePoints(wanted);
    for (std::string& point : points)
        if (point.size() == 1 &&
            std::string_view("[]:*?/\\").find(point[0]) != std::string_view::npos)
            point = "-";
    // Excel refuses a name that begins or ends with an apostrophe, or is empty.
    if (!points.empty() && points.front() == "'") points.front() = "-";
    if (points.empty()) points.emplace_back("-");
    std::string name = Joined(points, kLongestSheetName);
    for (int n = 2; std::find_if(taken.begin(), taken.end(),
                                 [&](const std::string& other) {
                                     // Excel takes names alike whatever the case of Latin letters.
                                     return std::equal(
                                         other.begin(), other.end(), name.begin(), name.end(),
                                         [](char a, char b) {
                                             return std::tolower(static_cast<unsigned char>(a)) ==
                                                    std::tolower(static_cast<unsigned char>(b));
                                         });
                                 }) != taken.end();
         ++n) {
        const std::string suffix = " (" + std::to_string(n) + ")";
        name = Joined(points, kLongestSheetName - suffix.size()) + suffix;
    }
    if (name.back() == '\'') name.back() = '-';
    taken.push_back(name);
    return name;
}

}  // namespace krv1::presentation
