#include "element_table.h"

#include <QBrush>
#include <QComboBox>

#include "platform/utf8_text.h"
#include "presentation/design_file.h"

namespace krv1::forms {

using platform::FromUtf8;

namespace {

constexpr int kNameColumn = 0;
constexpr int kSupplyColumn = 1;
constexpr int kRefusalColumn = 7;
constexpr presentation::Supply kSupplies[] = {presentation::Supply::Site,
                                              presentation::Supply::Ready};

}  // namespace

ElementTable::ElementTable(QObject* parent) : QAbstractTableModel(parent) {}

void ElementTable::setRows(std::vector<presentation::ElementListRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int ElementTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int ElementTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(presentation::kElementListColumns);
}

QVariant ElementTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const std::string& text = rows_[std::size_t(index.row())][std::size_t(index.column())];
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::ToolTipRole)
        return FromUtf8(text);
    // A refused element is told on its row, in red.
    if (role == Qt::ForegroundRole && !rows_[std::size_t(index.row())][kRefusalColumn].empty())
        return QBrush(QColor(192, 0, 0));
    if (role == Qt::TextAlignmentRole && index.column() >= 3 && index.column() < kRefusalColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ElementTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return FromUtf8(presentation::ElementListHeader()[std::size_t(section)]);
}

Qt::ItemFlags ElementTable::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == kNameColumn || index.column() == kSupplyColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ElementTable::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid()) return false;
    if (index.column() == kNameColumn) {
        // The engineer's rule: a name a file and a page can hold.
        const QString name = value.toString();
        if (name.trimmed().isEmpty() || !presentation::HarmlessEngineerName(name.toStdString()))
            return false;
        emit renamed(index.row(), name);
        return true;
    }
    if (index.column() == kSupplyColumn) {
        const int choice = value.toInt();
        if (choice < 0 || choice >= int(std::size(kSupplies))) return false;
        emit supplied(index.row(), kSupplies[choice]);
        return true;
    }
    return false;
}

QWidget* SupplyDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex&) const {
    auto* list = new QComboBox(parent);
    for (presentation::Supply supply : kSupplies)
        list->addItem(FromUtf8(presentation::SupplyName(supply)));
    return list;
}

void SupplyDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* list = static_cast<QComboBox*>(editor);
    list->setCurrentIndex(list->findText(index.data().toString()));
}

void SupplyDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    model->setData(index, static_cast<QComboBox*>(editor)->currentIndex(), Qt::EditRole);
}

ComparisonTable::ComparisonTable(QObject* parent) : QAbstractTableModel(parent) {}

void ComparisonTable::setTexts(presentation::ComparisonTexts texts) {
    beginResetModel();
    texts_ = std::move(texts);
    endResetModel();
}

int ComparisonTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(texts_.RowHeads.size());
}

int ComparisonTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(texts_.ColumnHeads.size());
}

QVariant ComparisonTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return FromUtf8(texts_.Cells[std::size_t(index.row())][std::size_t(index.column())]);
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ComparisonTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    return FromUtf8(orientation == Qt::Vertical ? texts_.RowHeads[std::size_t(section)]
                                                : texts_.ColumnHeads[std::size_t(section)]);
}

}  // namespace krv1::forms
