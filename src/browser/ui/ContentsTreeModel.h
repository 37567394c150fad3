#pragma once
// The contents tree as a complete, read-only model over the catalog's nodes; an item's id is its AbsIndex.
#include <QAbstractItemModel>
#include <vector>

namespace brenvoll::store {
class CatalogStore;
}

namespace brenvoll::ui {

class ContentsTreeModel : public QAbstractItemModel {
    Q_OBJECT
  public:
    explicit ContentsTreeModel(const store::CatalogStore& store, QObject* parent = nullptr);

    // The store's nodes were (re)filled.
    void reload();
    QModelIndex indexOfNode(int absIndex) const;
    static int nodeOf(const QModelIndex& index) { return static_cast<int>(index.internalId()); }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    const std::vector<int>& childrenOf(const QModelIndex& parent) const;

    const store::CatalogStore& store_;
    std::vector<int> topLevel_;
    std::vector<int> rowInParent_;  // by AbsIndex
};

}  // namespace brenvoll::ui
