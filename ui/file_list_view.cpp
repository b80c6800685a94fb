#include "ui/file_list_view.h"

#include "engine/item_order.h"
#include "engine/rename_item_list.h"
#include "ui/file_list_model.h"
#include "ui/new_name_delegate.h"
#include "ui/problem_rows_filter.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QMenu>

#include <algorithm>
#include <iterator>

namespace morvane {

namespace {
constexpr int kStatusWidth = 190;
} // namespace

FileListView::FileListView(RenameItemList &items, QWidget *parent)
    : QTableView(parent), m_items(items), m_model(new FileListModel(items, this)), m_filter(new ProblemRowsFilter(this))
{
    m_filter->setSourceModel(m_model);
    setObjectName(QStringLiteral("lvFiles"));
    setAccessibleName(tr("Files"));
    setAccessibleDescription(tr("The files to rename with their new names; Delete removes the selected ones"));
    setModel(m_model);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // One fixed row height: 100,000 rows scroll without measuring any of them.
    QHeaderView *rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView *columns = horizontalHeader();
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setItemDelegateForColumn(FileListModel::NewNameColumn, new NewNameDelegate(this));
    columns->setSectionsClickable(true);
    columns->setSortIndicatorShown(false);
    connect(columns, &QHeaderView::sectionClicked, this, &FileListView::headerClicked);

    m_contextMenu = new QMenu(this);
    m_contextMenu->setObjectName(QStringLiteral("PopupMenu1"));
    m_removeSelectedAction = m_contextMenu->addAction(tr("Remove selected"));
    m_removeSelectedAction->setObjectName(QStringLiteral("miRemoveSelected"));
    m_clearListAction = m_contextMenu->addAction(tr("Clear list"));
    m_clearListAction->setObjectName(QStringLiteral("Clearlist1"));
    m_contextMenu->addSeparator();
    // Ctrl+Up and Ctrl+Down move the selected rows wherever the focus is in the list.
    m_moveUpAction = m_contextMenu->addAction(tr("Move up"));
    m_moveUpAction->setObjectName(QStringLiteral("miMoveUp"));
    m_moveUpAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
    m_moveDownAction = m_contextMenu->addAction(tr("Move down"));
    m_moveDownAction->setObjectName(QStringLiteral("miMoveDown"));
    m_moveDownAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
    for (QAction *move : {m_moveUpAction, m_moveDownAction}) {
        move->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(move);
    }
    connect(m_moveUpAction, &QAction::triggered, this, [this] { emit moveRequested(-1); });
    connect(m_moveDownAction, &QAction::triggered, this, [this] { emit moveRequested(1); });
    connect(m_removeSelectedAction, &QAction::triggered, this, &FileListView::removeRequested);
    connect(m_clearListAction, &QAction::triggered, this, [this] {
        if (hasSelectedRows())
            emit clearRequested();
    });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_contextMenu->popup(viewport()->mapToGlobal(pos)); });
    fitColumns();
}

void FileListView::setDeleteAction(QAction *action)
{
    // Habits of the desktop: Delete in the list removes the selected rows.
    action->setShortcut(QKeySequence::Delete);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, [this] {
        if (hasSelectedRows())
            emit removeRequested();
    });
}

QList<int> FileListView::selectedRowNumbers() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows.append(m_problemsOnly ? m_filter->mapToSource(index).row() : index.row());
    return rows;
}

void FileListView::setProblemsOnly(bool on)
{
    if (on == m_problemsOnly)
        return;
    m_problemsOnly = on;
    // The whole list is shown through the model itself: 100,000 rows pay nothing for the filter.
    if (on)
        m_filter->refilter();
    setModel(on ? static_cast<QAbstractItemModel *>(m_filter) : m_model);
    fitColumns();
}

void FileListView::statusesChanged()
{
    if (m_problemsOnly)
        m_filter->refilter();
}

void FileListView::showSortIndicator(int column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_sortOrder = order;
    horizontalHeader()->setSortIndicatorShown(column >= 0);
    horizontalHeader()->setSortIndicator(column, order);
}

void FileListView::headerClicked(int column)
{
    const Qt::SortOrder order =
        column == m_sortColumn && m_sortOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    emit sortRequested(column, order);
}

void FileListView::sortByColumn(int column, Qt::SortOrder order)
{
    static const SortKey keys[] = {SortKey::Name, SortKey::NewName, SortKey::Folder, SortKey::Size, SortKey::Date};
    static_assert(std::size(keys) == FileListModel::StatusColumn);
    if (column < 0 || column >= FileListModel::StatusColumn)
        return;
    m_model->reorder(sortedOrder(m_items, keys[column], order == Qt::DescendingOrder));
    showSortIndicator(column, order);
}

void FileListView::moveSelected(int step)
{
    const QList<int> rows = selectedRowNumbers();
    if (rows.isEmpty())
        return;
    m_model->reorder(movedOrder(m_items.count(), rows, step));
    clearSortIndicator();
    if (const QModelIndex current = currentIndex(); current.isValid())
        scrollTo(current);
}

void FileListView::fitColumns()
{
    if (m_model->columnCount() < FileListModel::ColumnCount)
        return;
    QHeaderView *header = horizontalHeader();
    header->resizeSection(FileListModel::OriginalNameColumn, 280);
    header->resizeSection(FileListModel::NewNameColumn, 280);
    header->resizeSection(FileListModel::SizeColumn, 90);
    header->resizeSection(FileListModel::ModifiedColumn, 130);
    header->resizeSection(FileListModel::StatusColumn, kStatusWidth);
    int fixed = 0;
    for (int column : {FileListModel::OriginalNameColumn, FileListModel::NewNameColumn, FileListModel::SizeColumn,
                       FileListModel::ModifiedColumn, FileListModel::StatusColumn})
        fixed += header->sectionSize(column);
    header->resizeSection(FileListModel::FolderColumn, std::max(150, viewport()->width() - fixed - 6));
}

bool FileListView::viewportEvent(QEvent *event)
{
    // The client width also changes when the scroll bar comes or goes.
    if (event->type() == QEvent::Resize)
        fitColumns();
    return QTableView::viewportEvent(event);
}

} // namespace morvane
