#include "project/ui/ProjectListModel.h"

#include "app/ui/Qt1251.h"

namespace brenvoll::ui {

int ProjectListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(project_.size());
}

QVariant ProjectListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || static_cast<size_t>(index.row()) >= project_.size())
        return {};
    return qs(project_.at(project::Column::TVWirt, static_cast<size_t>(index.row())));
}

void ProjectListModel::refresh() {
    beginResetModel();
    endResetModel();
}

}  // namespace brenvoll::ui
