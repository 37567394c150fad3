#pragma once
#include <QAbstractListModel>

#include "project/ProjectLists.h"

namespace brenvoll::ui {

// TVWirt as a list model: one display line per project row, read from the logic when painted.
class ProjectListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit ProjectListModel(const project::ProjectLists& project, QObject* parent = nullptr)
        : QAbstractListModel(parent), project_(project) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The rows changed in the logic.
    void refresh();

  private:
    const project::ProjectLists& project_;
};

}  // namespace brenvoll::ui
