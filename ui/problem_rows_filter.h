#pragma once

#include <QSortFilterProxyModel>

namespace morvane {

// The rows of the file list whose preview shows a problem (see isProblem);
// the list shows it in place of the whole model while the tool-bar toggle is on.
class ProblemRowsFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ProblemRowsFilter(QObject *parent = nullptr);
    // Statuses changed (a new preview): the rows are chosen again.
    void refilter() { invalidateFilter(); }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
};

} // namespace morvane
