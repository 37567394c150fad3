#include "browser/ui/ContentsTreeModel.h"

#include "app/ui/Qt1251.h"
#include "store/CatalogStore.h"

namespace brenvoll::ui {

ContentsTreeModel::ContentsTreeModel(const store::CatalogStore& store, QObject* parent)
    : QAbstractItemModel(parent), store_(store) {}

void ContentsTreeModel::reload() {
    beginResetModel();
    const auto& nodes = store_.nodes();
    topLevel_.clear();
    rowInParent_.assign(nodes.size(), 0);
    for (size_t k = 0; k < nodes.size(); ++k) {
        if (nodes[k].parent < 0) {
            rowInParent_[k] = static_cast<int>(topLevel_.size());
            topLevel_.push_back(static_cast<int>(k));
        }
        const auto& children = nodes[k].children;
        for (size_t r = 0; r < children.size(); ++r)
            rowInParent_[static_cast<size_t>(children[r])] = static_cast<int>(r);
    }
    endResetModel();
}

const std::vector<int>& ContentsTreeModel::childrenOf(const QModelIndex& parent) const {
    if (!parent.isValid()) return topLevel_;
    return store_.nodes()[static_cast<size_t>(nodeOf(parent))].children;
}

QModelIndex ContentsTreeModel::indexOfNode(int absIndex) const {
    if (absIndex < 0 || static_cast<size_t>(absIndex) >= rowInParent_.size()) return {};
    return createIndex(rowInParent_[static_cast<size_t>(absIndex)], 0, static_cast<quintptr>(absIndex));
}

QModelIndex ContentsTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    const auto& children = childrenOf(parent);
    if (static_cast<size_t>(row) >= children.size()) return {};
    return createIndex(row, 0, static_cast<quintptr>(children[static_cast<size_t>(row)]));
}

QModelIndex ContentsTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid()) return {};
    const int parentNode = store_.nodes()[static_cast<size_t>(nodeOf(child))].parent;
    return parentNode < 0 ? QModelIndex() : indexOfNode(parentNode);
}

int ContentsTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    return static_cast<int>(childrenOf(parent).size());
}

int ContentsTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool ContentsTreeModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant ContentsTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return qs(store_.nodes()[static_cast<size_t>(nodeOf(index))].text);
}

Qt::ItemFlags ContentsTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace brenvoll::ui
