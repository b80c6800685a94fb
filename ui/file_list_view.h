#pragma once

#include <QList>
#include <QTableView>

class QAction;
class QMenu;

namespace morvane {

class FileListModel;
class ProblemRowsFilter;
class RenameItemList;

// The window's file list: one row per rename item, whole rows selected,
// several at once, columns fitted to the width, and a context menu with
// "Remove selected", "Clear list", "Move up" (Ctrl+Up) and "Move down"
// (Ctrl+Down). A click on a column header asks for the list sorted by that
// column, a second click on it for the other direction. The actions and the
// header only signal; the window decides when to carry out a sort or a move,
// which the view then does to its items and rows together.
class FileListView : public QTableView {
    Q_OBJECT
public:
    explicit FileListView(RenameItemList &items, QWidget *parent = nullptr);

    FileListModel *fileModel() const { return m_model; }
    QMenu *contextMenu() const { return m_contextMenu; }
    QAction *removeSelectedAction() const { return m_removeSelectedAction; }
    QAction *clearListAction() const { return m_clearListAction; }
    QAction *moveUpAction() const { return m_moveUpAction; }
    QAction *moveDownAction() const { return m_moveDownAction; }

    // The sort indicator: the column the list is sorted by and its direction,
    // or none (-1) once the order is the user's own.
    void showSortIndicator(int column, Qt::SortOrder order);
    void clearSortIndicator() { showSortIndicator(-1, Qt::AscendingOrder); }

    // Makes Delete in the list trigger this action, which then asks to remove the selected rows.
    void setDeleteAction(QAction *action);

    // Shows only the rows whose preview shows a problem, or all rows again.
    void setProblemsOnly(bool on);
    bool problemsOnly() const { return m_problemsOnly; }
    // After a new preview: the rows shown follow the new statuses.
    void statusesChanged();

    // Selected rows of the model (not of the filtered view), in no particular order.
    QList<int> selectedRowNumbers() const;
    bool hasSelectedRows() const { return !selectedRowNumbers().isEmpty(); }

    // Sorts items and rows by a column (not the status column, which has no
    // order of its own) and shows the indicator; built names go with their
    // items until the next preview.
    void sortByColumn(int column, Qt::SortOrder order);
    // Moves the selected rows one place up (-1) or down (1); the order is the user's own then.
    void moveSelected(int step);

    // Fixed widths for the name and size columns; the folder column takes the rest of the client width.
    void fitColumns();

signals:
    void sortRequested(int column, Qt::SortOrder order);
    // The Delete action (tool bar, key) asks only with rows selected; the
    // menu's "Remove selected" always asks, so the count is refreshed even then.
    void removeRequested();
    // The menu's "Clear list", with a row selected.
    void clearRequested();
    // Ctrl+Up (-1) or Ctrl+Down (1).
    void moveRequested(int step);

protected:
    bool viewportEvent(QEvent *event) override;

private:
    void headerClicked(int column);

    RenameItemList &m_items;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    FileListModel *m_model;
    ProblemRowsFilter *m_filter;
    bool m_problemsOnly = false;
    QMenu *m_contextMenu;
    QAction *m_removeSelectedAction;
    QAction *m_clearListAction;
    QAction *m_moveUpAction;
    QAction *m_moveDownAction;
};

} // namespace morvane
