#include "app/move_list_model.h"

#include "app/ui_text.h"

namespace kelvara {

MoveListModel::MoveListModel(const MoveList& list, QObject* parent) : QAbstractListModel(parent), list_(list) {
    reload();
}

void MoveListModel::reload() {
    beginResetModel();
    texts_.clear();
    marks_.clear();
    texts_.reserve(list_.row_count());
    for (const MoveRow& row : list_.rows())
        texts_.append(row.has_alternatives ? from_gbk(row.text) + kAlternativesSign : from_gbk(row.text));
    endResetModel();
}

void MoveListModel::set_marks(std::vector<std::string> marks) {
    marks_ = std::move(marks);
    if (!texts_.isEmpty()) emit dataChanged(index(0), index(static_cast<int>(texts_.size()) - 1), {Qt::DisplayRole});
}

int MoveListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texts_.size());
}

QVariant MoveListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= texts_.size() || index.row() >= list_.row_count()) return {};
    switch (role) {
        case Qt::DisplayRole: {
            const auto row = static_cast<std::size_t>(index.row());
            if (row < marks_.size() && !marks_[row].empty()) return texts_[index.row()] + QString::fromStdString(marks_[row]);
            return texts_[index.row()];
        }
        case Qt::ForegroundRole: {
            const RowColour c = list_.rows()[static_cast<std::size_t>(index.row())].colour;
            return QColor(c.red, c.green, c.blue);
        }
        default: return {};
    }
}

}  // namespace kelvara
