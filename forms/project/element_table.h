// The project window's tables: the elements as the engineer names and
// supplies them, and the comparison of their figures, both from the texts
// the presentation layer gives.
#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <vector>

#include "presentation/project_report.h"

namespace krv1::forms {

class ElementTable : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ElementTable(QObject* parent);

    void setRows(std::vector<presentation::ElementListRow> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // A name typed that the engineer's rule takes.
    void renamed(int row, const QString& name);
    void supplied(int row, presentation::Supply supply);

private:
    std::vector<presentation::ElementListRow> rows_;
};

// The supply column's editor: a list of the two ways concrete comes.
class SupplyDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

// The comparison: a row a figure (its caption and unit down the side), a
// column an element (its number and name across the top).
class ComparisonTable : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ComparisonTable(QObject* parent);

    void setTexts(presentation::ComparisonTexts texts);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    presentation::ComparisonTexts texts_;
};

}  // namespace krv1::forms
