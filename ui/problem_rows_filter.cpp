#include "ui/problem_rows_filter.h"

#include "batch/preflight.h"
#include "ui/file_list_model.h"

namespace morvane {

ProblemRowsFilter::ProblemRowsFilter(QObject *parent) : QSortFilterProxyModel(parent)
{
    // Filtered again on each preview, not on every changed cell of 100,000 rows.
    setDynamicSortFilter(false);
}

bool ProblemRowsFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    return isProblem(RowStatus(index.data(FileListModel::StatusRole).toInt()));
}

} // namespace morvane
