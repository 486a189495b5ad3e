#include "workbook_writing.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <map>

#include "file_writing.h"

namespace krv1::documents {
namespace {

// The format of a figure with its decimals, grouped or not: "0.00",
// "#,##0.0".
std::string NumberFormat(const presentation::WorkbookNumber& number) {
    std::string format = number.Grouped ? "#,##0" : "0";
    if (number.Decimals > 0) format.append(".").append(std::size_t(number.Decimals), '0');
    return format;
}

// A column's width in Excel's characters: its longest text or figure, each
// Thai letter counted whole and its marks above and below not at all.
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

// Writes the workbook at `path` through libxlsxwriter; false when it cannot.
bool WriteXlsx(const std::string& path, const presentation::Workbook& book) {
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (!workbook) return false;
    std::map<std::string, lxw_format*> formats;
    const auto formatOf = [&](const presentation::WorkbookNumber& number) {
        const std::string code = NumberFormat(number);
        auto& format = formats[code];
        if (!format) {
            format = workbook_add_format(workbook);
            format_set_num_format(format, code.c_str());
        }
        return format;
    };
    for (const presentation::WorkbookSheet& sheet : book.Sheets) {
        lxw_worksheet* worksheet = workbook_add_worksheet(workbook, sheet.Name.c_str());
        if (!worksheet) {
            workbook_close(workbook);
            return false;
        }
        std::vector<double> widths;
        for (std::size_t r = 0; r < sheet.Rows.size(); ++r) {
            const presentation::WorkbookRow& row = sheet.Rows[r];
            if (widths.size() < row.size()) widths.resize(row.size(), 0);
            for (std::size_t c = 0; c < row.size(); ++c) {
                const auto at = [&] { return std::pair(lxw_row_t(r), lxw_col_t(c)); };
                if (const auto* text = std::get_if<std::string>(&row[c])) {
                    worksheet_write_string(worksheet, at().first, at().second, text->c_str(),
                                           nullptr);
                    // A lone heading line spills over the empty cells beside it.
                    if (row.size() > 1) widths[c] = std::max(widths[c], TextWidth(*text));
                } else if (const auto* number =
                               std::get_if<presentation::WorkbookNumber>(&row[c])) {
                    worksheet_write_number(worksheet, at().first, at().second, number->Value,
                                           formatOf(*number));
                    widths[c] = std::max(widths[c], 12.0);
                }
            }
        }
        for (std::size_t c = 0; c < widths.size(); ++c)
            worksheet_set_column(worksheet, lxw_col_t(c), lxw_col_t(c),
                                 std::clamp(widths[c] + 2, 8.0, 80.0), nullptr);
    }
    return workbook_close(workbook) == LXW_NO_ERROR;
}

}  // namespace

std::optional<QString> WriteWorkbook(const QString& path, const presentation::Workbook& book) {
    // The library writes a file of its own by name; it is written in a
    // folder of this program's, then put in place whole, or not at all.
    QTemporaryDir folder;
    const QString scratch = folder.filePath(QStringLiteral("book.xlsx"));
    QFile written(scratch);
    if (!folder.isValid() || !WriteXlsx(scratch.toStdString(), book) ||
        !written.open(QIODevice::ReadOnly))
        return WriteFailure(path);
    return WriteWholeFile(path, written.readAll());
}

}  // namespace krv1::documents
