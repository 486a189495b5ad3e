// The records' table as the window edits it: a row a test, the date, the
// three specimens and the note as typed. Low tests are drawn in red and a
// row the figures refuse is marked.
#pragma once

#include <QAbstractTableModel>
#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include "presentation/strength_records.h"

namespace krv1::forms {

class RecordsTable : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecordsTable(QObject* parent);

    void setTests(const std::vector<presentation::StrengthTest>& tests);
    const std::vector<presentation::StrengthTest>& tests() const { return tests_; }
    // Rows counted from 1, as the figures count them.
    void mark(std::set<std::size_t> lowRows, std::size_t refusedRow);

    // Cells from a spreadsheet, from this cell on, rows added as needed.
    // False when a cell was refused; the others are taken.
    bool paste(int row, int column, const std::vector<std::vector<std::string>>& cells);
    void addRow();
    void removeTestRows(std::set<int> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // After every change the engineer makes.
    void edited();
    // A typed cell that was not taken.
    void refused();

private:
    bool take(int row, int column, const std::string& text);

    std::vector<presentation::StrengthTest> tests_;
    std::set<std::size_t> lowRows_;
    std::size_t refusedRow_ = 0;
};

}  // namespace krv1::forms
