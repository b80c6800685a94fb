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
// "Remove selected" and "Clear list". The actions only signal; the window
// decides what they do.
class FileListView : public QTableView {
    Q_OBJECT
public:
    explicit FileListView(RenameItemList &items, QWidget *parent = nullptr);

    FileListModel *fileModel() const { return m_model; }
    QMenu *contextMenu() const { return m_contextMenu; }
    QAction *removeSelectedAction() const { return m_removeSelectedAction; }
    QAction *clearListAction() const { return m_clearListAction; }

    // Makes Delete in the list trigger this action.
    void setDeleteAction(QAction *action);

    // Shows only the rows whose preview shows a problem, or all rows again.
    void setProblemsOnly(bool on);
    bool problemsOnly() const { return m_problemsOnly; }
    // After a new preview: the rows shown follow the new statuses.
    void statusesChanged();

    // Selected rows of the model (not of the filtered view), in no particular order.
    QList<int> selectedRowNumbers() const;
    bool hasSelectedRows() const { return !selectedRowNumbers().isEmpty(); }

    // Fixed widths for the name and size columns; the folder column takes the rest of the client width.
    void fitColumns();

protected:
    bool viewportEvent(QEvent *event) override;

private:
    FileListModel *m_model;
    ProblemRowsFilter *m_filter;
    bool m_problemsOnly = false;
    QMenu *m_contextMenu;
    QAction *m_removeSelectedAction;
    QAction *m_clearListAction;
};

} // namespace morvane
