#include "workbook.h"

#include <algorithm>
#include <cctype>

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

double TextWidth(std::string_view text) {
    double width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) == 0x80) continue;  // a continuation byte
        // Thai marks above and below, U+0E31 and U+0E34..0E3A, U+0E47..0E4E.
        if (byte == 0xE0 && i + 2 < text.size()) {
            const unsigned point = ((byte & 0x0F) << 12) |
                                   ((static_cast<unsigned char>(text[i + 1]) & 0x3F) << 6) |
                                   (static_cast<unsigned char>(text[i + 2]) & 0x3F);
            if (point == 0x0E31 || (point >= 0x0E34 && point <= 0x0E3A) ||
                (point >= 0x0E47 && point <= 0x0E4E))
                continue;
        }
        width += 1;
    }
    return width;
}

// Room for any figure the program shows, grouped and with its decimals.
constexpr double kFigureWidth = 12;
constexpr double kNarrowest = 8;
constexpr double kWidest = 80;
constexpr double kMargin = 2;

}  // namespace

std::vector<double> ColumnWidths(const WorkbookSheet& sheet) {
    std::vector<double> widths;
    for (const WorkbookRow& row : sheet.Rows) {
        if (widths.size() < row.size()) widths.resize(row.size(), 0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            // A lone heading line spills over the empty cells beside it.
            if (const auto* text = std::get_if<std::string>(&row[c]); text && row.size() > 1)
                widths[c] = std::max(widths[c], TextWidth(*text));
            if (std::holds_alternative<WorkbookNumber>(row[c]))
                widths[c] = std::max(widths[c], kFigureWidth);
        }
    }
    for (double& width : widths) width = std::clamp(width + kMargin, kNarrowest, kWidest);
    return widths;
}

std::string NumberFormat(const WorkbookNumber& number) {
    std::string format = number.Grouped ? "#,##0" : "0";
    if (number.Decimals > 0) format.append(".").append(std::size_t(number.Decimals), '0');
    return format;
}

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
