#include "records_table.h"

#include <QBrush>
#include <QColor>

#include "platform/utf8_text.h"
#include "presentation/design_file.h"
#include "text/strength_records_texts.h"

namespace krv1::forms {

namespace r = text::records;
using presentation::RecordCells;

RecordsTable::RecordsTable(QObject* parent) : QAbstractTableModel(parent) {}

void RecordsTable::setTests(const std::vector<presentation::StrengthTest>& tests) {
    beginResetModel();
    tests_ = tests;
    endResetModel();
}

void RecordsTable::mark(std::set<std::size_t> lowRows, std::size_t refusedRow) {
    lowRows_ = std::move(lowRows);
    refusedRow_ = refusedRow;
    if (!tests_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::ForegroundRole, Qt::BackgroundRole});
}

int RecordsTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(tests_.size());
}

int RecordsTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(presentation::kRecordColumns);
}

QVariant RecordsTable::data(const QModelIndex& index, int role) const {
    const auto row = static_cast<std::size_t>(index.row());
    if (!index.isValid() || row >= tests_.size()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return platform::FromUtf8(presentation::CellsOf(tests_[row])[index.column()]);
        case Qt::ForegroundRole:
            if (lowRows_.count(row + 1)) return QBrush(QColor(192, 0, 0));
            break;
        case Qt::BackgroundRole:
            if (refusedRow_ == row + 1) return QBrush(QColor(255, 200, 200));
            break;
        default:
            break;
    }
    return {};
}

QVariant RecordsTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal)
        return platform::FromUtf8(r::kColumns.at(static_cast<std::size_t>(section)));
    return section + 1;
}

Qt::ItemFlags RecordsTable::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool RecordsTable::take(int row, int column, const std::string& text) {
    // Every cell is kept in the file: short and harmless.
    if (!presentation::HarmlessRecordCell(text)) return false;
    RecordCells cells = presentation::CellsOf(tests_[static_cast<std::size_t>(row)]);
    cells[static_cast<std::size_t>(column)] = text;
    tests_[static_cast<std::size_t>(row)] = presentation::TestOf(cells);
    return true;
}

bool RecordsTable::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const std::string text = value.toString().toStdString();
    if (text == presentation::CellsOf(tests_[static_cast<std::size_t>(
                    index.row())])[static_cast<std::size_t>(index.column())])
        return true;
    if (!take(index.row(), index.column(), text)) {
        emit refused();
        return false;
    }
    emit dataChanged(index, index);
    emit edited();
    return true;
}

bool RecordsTable::paste(int row, int column, const std::vector<std::vector<std::string>>& cells) {
    const int needed = row + static_cast<int>(cells.size());
    if (needed > rowCount()) {
        beginInsertRows({}, rowCount(), needed - 1);
        tests_.resize(static_cast<std::size_t>(needed));
        endInsertRows();
    }
    bool allTaken = true;
    for (std::size_t i = 0; i < cells.size(); ++i)
        for (std::size_t j = 0; j < cells[i].size(); ++j) {
            const int at = column + static_cast<int>(j);
            if (at < columnCount()) allTaken &= take(row + static_cast<int>(i), at, cells[i][j]);
        }
    emit dataChanged(index(row, 0), index(rowCount() - 1, columnCount() - 1));
    emit edited();
    return allTaken;
}

void RecordsTable::addRow() {
    beginInsertRows({}, rowCount(), rowCount());
    tests_.emplace_back();
    endInsertRows();
    emit edited();
}

void RecordsTable::removeTestRows(std::set<int> rows) {
    if (rows.empty()) return;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (*row < 0 || *row >= rowCount()) continue;
        beginRemoveRows({}, *row, *row);
        tests_.erase(tests_.begin() + *row);
        endRemoveRows();
    }
    emit edited();
}

}  // namespace krv1::forms
