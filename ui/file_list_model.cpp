#include "ui/file_list_model.h"

#include "engine/date_time.h"
#include "engine/paths.h"

#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QStyle>

#include <algorithm>
#include <array>

namespace morvane {

namespace {

// Readable on light and dark backgrounds alike.
QColor statusColor(RowStatus status)
{
    switch (status) {
    case RowStatus::Ready:
        return QColor(0x2e, 0x9d, 0x4f);
    case RowStatus::Unchanged:
    case RowStatus::NotBuilt:
        return QColor(0x80, 0x80, 0x80);
    case RowStatus::Duplicate:
    case RowStatus::Exists:
        return QColor(0xd9, 0x3f, 0x2f);
    case RowStatus::TooLong:
    case RowStatus::Empty:
        return QColor(0xc9, 0x6a, 0x00);
    }
    return QColor();
}

QIcon makeStatusIcon(RowStatus status)
{
    QStyle *style = QApplication::style();
    switch (status) {
    case RowStatus::Ready:
        return style->standardIcon(QStyle::SP_DialogApplyButton);
    case RowStatus::Unchanged:
        return style->standardIcon(QStyle::SP_MessageBoxInformation);
    case RowStatus::NotBuilt:
        return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    case RowStatus::Duplicate:
    case RowStatus::Exists:
        return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case RowStatus::TooLong:
    case RowStatus::Empty:
        return style->standardIcon(QStyle::SP_MessageBoxWarning);
    }
    return QIcon();
}

// Made once: every painted row asks for its icon.
const QIcon &statusIcon(RowStatus status)
{
    static std::array<QIcon, kRowStatusCount> icons;
    QIcon &icon = icons[size_t(status)];
    if (icon.isNull())
        icon = makeStatusIcon(status);
    return icon;
}

} // namespace

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
    const RowStatus rowStatus = status(index.row());
    if (role == StatusRole)
        return int(rowStatus);
    if (index.column() == StatusColumn) {
        switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return rowStatusText(index.row() < m_checks.rows.size() ? m_checks.rows.at(index.row()) : RowCheck());
        case Qt::DecorationRole:
            return statusIcon(rowStatus);
        case Qt::ForegroundRole:
            return statusColor(rowStatus);
        default:
            return QVariant();
        }
    }
    if (role == Qt::DecorationRole && index.column() == OriginalNameColumn) {
        if (!m_items.at(index.row()).isFolder)
            return QVariant();
        static const QIcon folderIcon = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
        return folderIcon;
    }
    if (role == Qt::ForegroundRole && index.column() == NewNameColumn && isProblem(rowStatus)
        && rowStatus != RowStatus::NotBuilt)
        return statusColor(rowStatus);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    const RenameItem &item = m_items.at(index.row());
    switch (index.column()) {
    case OriginalNameColumn:
        return item.fileName();
    case NewNameColumn:
        if (role == Qt::ToolTipRole && !item.newName.isEmpty())
            return tr("Old: %1\nNew: %2").arg(item.fileName(), item.newName);
        return item.newName;
    case FolderColumn:
        return item.folder();
    case SizeColumn:
        // "#,##0": thousands grouping of the user's locale, no decimals; a folder shows none.
        return role == Qt::ToolTipRole || item.isFolder ? QVariant() : QVariant(m_locale.toString(item.size));
    case ModifiedColumn:
        // Last written, in local time.
        return role == Qt::ToolTipRole
            ? QVariant()
            : QVariant(m_locale.toString(localFromUtc(item.modifiedUtc, m_zone), QLocale::ShortFormat));
    }
    return QVariant();
}

RowStatus FileListModel::status(int row) const
{
    return row < m_checks.rows.size() ? m_checks.rows.at(row).status : RowStatus::NotBuilt;
}

void FileListModel::setChecks(PreviewCheck check)
{
    m_checks = std::move(check);
    m_hasChecks = true;
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, ColumnCount - 1));
}

void FileListModel::refreshChecks(const PreviewCheck &check)
{
    PreviewCheck merged = check;
    for (int row = 0; row < merged.rows.size(); ++row) {
        if (status(row) == RowStatus::NotBuilt)
            merged.rows[row] = RowCheck();
    }
    m_checks = merged;
    recount();
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, ColumnCount - 1));
}

void FileListModel::recount()
{
    m_checks.counts.fill(0);
    for (const RowCheck &row : std::as_const(m_checks.rows))
        ++m_checks.counts[size_t(row.status)];
    // Rows that came after the preview count as not built.
    m_checks.counts[size_t(RowStatus::NotBuilt)] += std::max(0, m_rows - int(m_checks.rows.size()));
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
    case StatusColumn:
        return tr("Status");
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
    if (m_hasChecks)
        recount();
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
        if (first < m_checks.rows.size())
            m_checks.rows.remove(first, std::min<qsizetype>(last + 1, m_checks.rows.size()) - first);
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
    m_checks = PreviewCheck();
    m_hasChecks = false;
    endResetModel();
}

} // namespace morvane
