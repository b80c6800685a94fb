#pragma once

#include "batch/batch_executor.h"
#include "engine/file_collection.h"
#include "engine/name_context.h"
#include "engine/option_panel.h"
#include "engine/rename_item_list.h"
#include "engine/reporter.h"
#include "ui/command_bar.h"
#include "ui/dialogs.h"
#include "ui/option_binding.h"
#include "ui/remembered_settings.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

namespace morvane {

class FileAdder;
class FileListModel;
class FileListView;
class HomePageLink;
class LivePreview;
class OperationPanel;
class PreviewStatus;
class RuleFiles;
class RulePanel;
class SettingsDialog;
class StatusBar;

// What the main window is started with. Tests pin the dialogs, the clock and
// locale, and the batch's world; production leaves the defaults.
struct MainWindowSetup {
    Dialogs *dialogs = nullptr; // null: Qt's own dialogs
    QStringList arguments;      // the program's arguments, without the program path
    NameContext nameContext;
    BatchEnvironment batchEnvironment;
    QString settingsFile; // what is remembered between runs; empty: the user's own settings
};

// The main window: tool bar, rule panel, file list, operation panel and
// status bar. It owns the rename items, the imported name list and the
// option values, wires its widgets to its handlers, and runs every handler
// inside one wrapper that shows an escaping error in the application's error box.
class MainWindow : public QMainWindow, public Reporter {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowSetup setup = {}, QWidget *parent = nullptr);
    ~MainWindow() override;

    // True when the start-up command-line run asked the program to end.
    bool terminationRequested() const { return m_terminationRequested; }

    // The option values; after changing them from outside call showOptions().
    OptionPanel &options() { return m_options; }
    void showOptions();
    const RenameItemList &renameItems() const { return m_items; }
    const QStringList &importedNameList() const { return m_importedNameList; }
    QString statusText() const;
    SettingsDialog *settingsDialog() const { return m_settingsDialog; }

    // Reporter: message boxes of the four standard kinds, and progress in the status bar.
    void information(const QString &text) override;
    void warning(const QString &text) override;
    void error(const QString &text) override;
    bool confirm(const QString &text) override;
    void progress(qint64 done, qint64 total) override;

    // Dropped paths in the drop's order: folders with their files, files one by one.
    void addDroppedFiles(const QStringList &paths);

    // The preview's counts in the status bar ("1 clash(es), 2 ready").
    QString statusCounts() const;

signals:
    // A preview was built (by the button, F5, a folder add or the live preview).
    void previewBuilt();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void connectHandlers();
    void runStartupCommandLine();

    // Runs a handler; an escaping error goes to the application's error box.
    template <class Handler>
    void guarded(Handler &&handler);
    template <class Sender, class Signal>
    void runOn(Sender *sender, Signal signal, void (MainWindow::*handler)());
    void showApplicationError(const QString &message);
    BatchEnvironment batchEnvironment();

    // Handlers.
    void addFiles();
    void chooseFolderToAdd();
    void removeSelected();
    void clearList();
    void previewNames();
    void renameFiles();
    void undoLastRename();
    void showUndoHistory();
    void savePresetAs();
    void openPreset();
    void openNameList();
    void showSettings();
    void showAbout();
    void showPatternHelp();
    void chooseDestinationFolder();
    void openHomePage();

    // What they share.
    FolderListing folderListing() const;
    void updateStatusCount();
    void watchForLivePreview();
    void runLivePreview();

    std::unique_ptr<Dialogs> m_ownDialogs;
    Dialogs *m_dialogs;
    QStringList m_arguments;
    NameContext m_nameContext;
    BatchEnvironment m_batchEnvironment;
    RememberedSettings m_remembered;
    bool m_terminationRequested = false;
    bool m_placed = false; // centred on the screen when first shown

    OptionPanel m_options;
    OptionBinding m_binding; // the options outside the rule panel
    RenameItemList m_items;
    QStringList m_importedNameList;

    CommandActions m_actions;
    CommandBar *m_commandBar = nullptr;
    RulePanel *m_rulePanel = nullptr;
    FileListView *m_fileList = nullptr;
    FileListModel *m_fileModel = nullptr;
    SettingsDialog *m_settingsDialog = nullptr;
    OperationPanel *m_operationPanel = nullptr;
    StatusBar *m_statusBar = nullptr;
    HomePageLink *m_homePageLink = nullptr;
    FileAdder *m_fileAdder = nullptr;
    RuleFiles *m_ruleFiles = nullptr;
    LivePreview *m_livePreview = nullptr;
    std::unique_ptr<PreviewStatus> m_previewStatus;
};

} // namespace morvane
