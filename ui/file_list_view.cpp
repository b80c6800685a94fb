#include "ui/file_list_view.h"

#include "ui/file_list_model.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QMenu>

#include <algorithm>

namespace morvane {

FileListView::FileListView(RenameItemList &items, QWidget *parent)
    : QTableView(parent), m_model(new FileListModel(items, this))
{
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

    m_contextMenu = new QMenu(this);
    m_contextMenu->setObjectName(QStringLiteral("PopupMenu1"));
    m_removeSelectedAction = m_contextMenu->addAction(tr("Remove selected"));
    m_removeSelectedAction->setObjectName(QStringLiteral("miRemoveSelected"));
    m_clearListAction = m_contextMenu->addAction(tr("Clear list"));
    m_clearListAction->setObjectName(QStringLiteral("Clearlist1"));
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
}

QList<int> FileListView::selectedRowNumbers() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows.append(index.row());
    return rows;
}

void FileListView::fitColumns()
{
    if (m_model->columnCount() < 4)
        return;
    QHeaderView *header = horizontalHeader();
    header->resizeSection(FileListModel::OriginalNameColumn, 280);
    header->resizeSection(FileListModel::NewNameColumn, 280);
    header->resizeSection(FileListModel::SizeColumn, 90);
    const int fixed = header->sectionSize(0) + header->sectionSize(1) + header->sectionSize(3);
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
