#pragma once

#include <QString>

namespace morvane {

class FileListView;
class RenameItemList;
class StatusBar;
struct OptionPanel;

// The preview's checks on screen: each row's status in the list and their
// counts in the status bar ("1 clash(es), 2 ready"), kept in step as names
// are built, rows come and go and files are renamed. Before the first
// preview, and with no rows, there are no counts.
class PreviewStatus {
public:
    PreviewStatus(const RenameItemList &items, const OptionPanel &options, FileListView &list, StatusBar &bar);

    // New names were built: every row is checked afresh.
    void namesBuilt();
    // Rows went or came: their statuses are taken again, without building names.
    void rowsChanged();
    // A batch ran: the rows now name the renamed files.
    void filesRenamed();
    // A text in place of the counts, such as why a live preview failed.
    void showInstead(const QString &text);

private:
    bool checked() const;
    void showCounts();

    const RenameItemList &m_items;
    const OptionPanel &m_options;
    FileListView &m_list;
    StatusBar &m_bar;
};

} // namespace morvane
