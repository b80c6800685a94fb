#include "ui/file_list_model.h"

#include "engine/date_time.h"
#include "engine/paths.h"

#include <algorithm>

namespace morvane {

FileListModel::FileListModel(RenameItemList &items, QObject *parent)
    : QAbstractTableModel(parent), m_items(items), m_rows(items.count())
{
}

int FileListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int FileListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FileListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_items.count())
        return QVariant();
    if (role == Qt::TextAlignmentRole && (index.column() == SizeColumn || index.column() == ModifiedColumn))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    const RenameItem &item = m_items.at(index.row());
    switch (index.column()) {
    case OriginalNameColumn:
        return fileNamePart(item.originalPath);
    case NewNameColumn:
        return item.newName;
    case FolderColumn:
        return folderPart(item.originalPath);
    case SizeColumn:
        // "#,##0": thousands grouping of the user's locale, no decimals.
        return role == Qt::ToolTipRole ? QVariant() : QVariant(m_locale.toString(item.size));
    case ModifiedColumn:
        // Last written, in local time.
        return role == Qt::ToolTipRole
            ? QVariant()
            : QVariant(m_locale.toString(localFromUtc(item.modifiedUtc, m_zone), QLocale::ShortFormat));
    }
    return QVariant();
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case OriginalNameColumn:
        return tr("Original Name");
    case NewNameColumn:
        return tr("New Name (preview)");
    case FolderColumn:
        return tr("Folder");
    case SizeColumn:
        return tr("Size");
    case ModifiedColumn:
        return tr("Modified");
    }
    return QVariant();
}

Qt::ItemFlags FileListModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void FileListModel::sync()
{
    const int count = m_items.count();
    if (count > m_rows) {
        beginInsertRows(QModelIndex(), m_rows, count - 1);
        m_rows = count;
        endInsertRows();
    } else if (count < m_rows) {
        // Someone removed items behind the model's back; start over.
        beginResetModel();
        m_rows = count;
        endResetModel();
    }
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, ColumnCount - 1), {Qt::DisplayRole});
}

void FileListModel::rowChanged(int row)
{
    if (row >= 0 && row < m_rows)
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1), {Qt::DisplayRole});
}

void FileListModel::reorder(const QList<int> &order)
{
    if (order.size() != m_items.count() || m_rows != m_items.count())
        return;
    emit layoutAboutToBeChanged();
    m_items.reorder(order);
    QList<int> newRow(order.size());
    for (int i = 0; i < order.size(); ++i)
        newRow[order[i]] = i;
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &index : before)
        after.append(this->index(newRow[index.row()], index.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

void FileListModel::removeRows(QList<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // Contiguous runs go in one step each, from the last row up, so indexes stay valid.
    qsizetype i = 0;
    while (i < rows.size()) {
        const int last = rows.at(i);
        qsizetype j = i;
        while (j + 1 < rows.size() && rows.at(j + 1) == rows.at(j) - 1)
            ++j;
        const int first = rows.at(j);
        beginRemoveRows(QModelIndex(), first, last);
        QList<int> run;
        for (int r = first; r <= last; ++r)
            run.append(r);
        m_items.removeIndexes(run);
        m_rows -= last - first + 1;
        endRemoveRows();
        i = j + 1;
    }
}

void FileListModel::clear()
{
    beginResetModel();
    m_items.clear();
    m_rows = 0;
    endResetModel();
}

} // namespace morvane
