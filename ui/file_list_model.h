#pragma once

#include "batch/preflight.h"
#include "engine/rename_item_list.h"

#include <QTimeZone>

#include <QAbstractTableModel>
#include <QLocale>

namespace morvane {

// The rows of lvFiles: a view over m_items, one row per item in list
// order. The engine changes the list directly; the window then tells the
// model what changed, so 100,000 rows cost one notification, not 100,000.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        OriginalNameColumn,
        NewNameColumn,
        FolderColumn,
        SizeColumn,
        ModifiedColumn,
        StatusColumn,
        ColumnCount
    };
    // The row's RowStatus as an int, for filters and delegates.
    static constexpr int StatusRole = Qt::UserRole + 1;

    explicit FileListModel(RenameItemList &items, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Brings the rows in step with the list after the engine changed it:
    // appended items become new rows, and every shown cell is refreshed.
    void sync();
    // Item `row` was rewritten in place (a move gave it a new path).
    void rowChanged(int row);
    // Puts the items and their rows in a new order (RenameItemList::reorder);
    // selected and current rows go with their items.
    void reorder(const QList<int> &order);
    // Removes the items at these rows (any order) together with their rows.
    void removeRows(QList<int> rows);
    void clear();

    // The status of every row after a preview; rows added later have none
    // (NotBuilt) until the next one.
    void setChecks(PreviewCheck check);
    // Lets go of the statuses of the names before, which a new preview made
    // stale, so that they and the next check are not held at once; call
    // setChecks before control returns to the event loop.
    void dropStaleChecks() { m_checks.rows = {}; }
    // Statuses computed again (after rows went): rows without a preview keep NotBuilt.
    void refreshChecks(const PreviewCheck &check);
    bool hasChecks() const { return m_hasChecks; }
    RowStatus status(int row) const;
    const PreviewCheck &checks() const { return m_checks; }

private:
    void recount();

    RenameItemList &m_items;
    int m_rows = 0; // rows the view knows of; the list may briefly hold more
    QLocale m_locale;
    PreviewCheck m_checks; // one row per item once a preview ran
    bool m_hasChecks = false;
    QTimeZone m_zone = QTimeZone::systemTimeZone();
};

} // namespace morvane
