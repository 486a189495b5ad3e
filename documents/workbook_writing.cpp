#include "workbook_writing.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <map>

#include "file_writing.h"

namespace krv1::documents {
namespace {

// Writes the workbook at `path` through libxlsxwriter; false when it cannot.
bool WriteXlsx(const std::string& path, const presentation::Workbook& book) {
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (!workbook) return false;
    std::map<std::string, lxw_format*> formats;
    const auto formatOf = [&](const presentation::WorkbookNumber& number) {
        const std::string code = presentation::NumberFormat(number);
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
        for (std::size_t r = 0; r < sheet.Rows.size(); ++r) {
            const presentation::WorkbookRow& row = sheet.Rows[r];
            for (std::size_t c = 0; c < row.size(); ++c) {
                const auto at = [&] { return std::pair(lxw_row_t(r), lxw_col_t(c)); };
                if (const auto* text = std::get_if<std::string>(&row[c])) {
                    worksheet_write_string(worksheet, at().first, at().second, text->c_str(),
                                           nullptr);
                } else if (const auto* number =
                               std::get_if<presentation::WorkbookNumber>(&row[c])) {
                    worksheet_write_number(worksheet, at().first, at().second, number->Value,
                                           formatOf(*number));
                }
            }
        }
        const std::vector<double> widths = presentation::ColumnWidths(sheet);
        for (std::size_t c = 0; c < widths.size(); ++c)
            worksheet_set_column(worksheet, lxw_col_t(c), lxw_col_t(c), widths[c], nullptr);
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
