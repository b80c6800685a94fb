#pragma once

#include "batch/undo_history.h"

#include <QDialog>

class QTreeWidget;

namespace morvane {

// The batches that can still be undone, newest first: time, file count,
// folders and mode. Undoing a batch undoes every newer one first, since a
// batch may build on the one before.
class UndoHistoryDialog : public QDialog {
    Q_OBJECT
public:
    UndoHistoryDialog(const QList<UndoHistoryEntry> &entries, QWidget *parent = nullptr);

    // The row whose batch (and every newer one) is to be undone; -1 when closed without a choice.
    int chosen() const { return m_chosen; }
    QTreeWidget *list() const { return m_list; }
    void undoThroughSelected();

private:
    QTreeWidget *m_list;
    int m_chosen = -1;
};

} // namespace morvane
