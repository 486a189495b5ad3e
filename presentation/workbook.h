// A workbook as data: sheets of rows of cells, each a text, a figure with the
// decimals the program shows it with, or nothing. A writer puts it in a file.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace krv1::presentation {

struct WorkbookNumber {
    double Value;
    int Decimals;
    bool Grouped = false;  // thousands apart, as the pour and the baht are shown

    bool operator==(const WorkbookNumber&) const = default;
};
using WorkbookCell = std::variant<std::monostate, std::string, WorkbookNumber>;
using WorkbookRow = std::vector<WorkbookCell>;

struct WorkbookSheet {
    std::string Name;  // at most 31 characters, none of []:*?/\, unique
    std::vector<WorkbookRow> Rows;
};

struct Workbook {
    std::vector<WorkbookSheet> Sheets;
};

// Each column's width in Excel's characters: its longest text or figure,
// each Thai letter counted whole and its marks above and below not at all.
std::vector<double> ColumnWidths(const WorkbookSheet& sheet);

// The number format of a figure: its decimals, thousands grouped or not, as
// "0.00" or "#,##0.0".
std::string NumberFormat(const WorkbookNumber& number);

// The most characters a sheet's name takes, as Excel counts them.
inline constexpr std::size_t kLongestSheetName = 31;

// `wanted` as a sheet may be named: each character Excel refuses in a name
// made a hyphen, cut to 31 characters, and made unique among `taken`, to
// which it is added.
std::string SheetName(std::string_view wanted, std::vector<std::string>& taken);

}  // namespace krv1::presentation
