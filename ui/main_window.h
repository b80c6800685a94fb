#pragma once

#include "batch/batch_executor.h"
#include "ui/dialogs.h"
#include "engine/name_context.h"
#include "engine/option_panel.h"
#include "engine/rename_item_list.h"
#include "engine/reporter.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QStringList>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QToolButton;

namespace morvane {

class FileListModel;
class SettingsDialog;

// What the main window is started with. Tests pin the dialogs, the clock and
// locale, and the batch's world; production leaves the defaults.
struct MainWindowSetup {
    Dialogs *dialogs = nullptr;        // null: Qt's own dialogs
    QStringList arguments;             // the program's arguments, without the program path
    NameContext nameContext;
    BatchEnvironment batchEnvironment;
};

// The main window (FormMain). It owns the item list m_items, the
// imported name list and the option values; every handler runs inside one
// wrapper that shows an escaping error in the application's error box.
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

    // Dropped paths in the drop's order: folders through addFolder, files through addFileItem.
    void addDroppedFiles(const QStringList &paths);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createToolBar(QWidget *panel);
    void createOptionsPanel(QWidget *panel);
    void createFileList();
    void createOperationPanel(QWidget *panel);
    void connectOptions();
    void formCreate();
    void processCommandLine();

    // Runs a handler; an escaping error goes to the application's error box.
    template <class Handler> void guarded(Handler &&handler);
    void showApplicationError(const QString &message);
    void endLongWork();
    BatchEnvironment batchEnvironment();

    // Handlers.
    void formResize();
    void resizeListColumns();
    void btnAddClick();
    void btnAddFolderClick();
    void btnRemoveClick();
    void miRemoveSelectedClick();
    void btnClearClick();
    void clearlist1Click();
    void btnPreviewClick();
    void btnRenameClick();
    void btnUndoClick();
    void btnSavePresetClick();
    void btnLoadPresetClick();
    void btnLoadNameListClick();
    void speedButton1Click();
    void speedButton4Click();
    void button1Click();
    void button2Click();
    void cbBatchModeChange();
    void chkNewExtClick();
    void lbHomepageURLClick();

    // The operations behind them.
    void addFolder(const QString &path, bool includeSubfolders, bool rebuildPreview, QStringList *skipped);
    void buildPreview();
    void updateStatusCount();
    void setStatusText(const QString &text);
    void reportSkippedNames(const QStringList &skipped);
    QList<int> selectedRows() const;

    std::unique_ptr<Dialogs> m_ownDialogs;
    Dialogs *m_dialogs;
    QStringList m_arguments;
    NameContext m_nameContext;
    BatchEnvironment m_batchEnvironment;
    bool m_terminationRequested = false;
    bool m_placed = false;   // centred on the screen when first shown

    OptionPanel m_options;
    RenameItemList m_items;
    QStringList m_importedNameList;
    FileListModel *m_model = nullptr;
    SettingsDialog *m_settingsDialog = nullptr;

    // Long work: status text before it began, and the clock that spaces repaints.
    QElapsedTimer m_progressClock;
    QString m_statusBeforeProgress;

    // Controls, named as the window names them.
    QToolButton *btnAdd, *btnAddFolder, *btnRemove, *btnPreview, *btnRename, *btnUndo;
    QToolButton *btnSavePreset, *btnLoadPreset, *btnLoadNameList, *SpeedButton1, *SpeedButton4;
    QPushButton *btnClear;
    QCheckBox *chkIncludeSubfolders;
    QLineEdit *edtFind, *edtReplace, *edtPattern, *edtNewExt, *edtInsertText, *edtInsertPos;
    QLineEdit *edtRemoveFirst, *edtRemoveLast, *edtRemoveFromPos, *edtRemoveTillPos;
    QLineEdit *edtCropBefore, *edtCropAfter, *edtCharactersToRemove, *edtPadNumbers, *edtDestination;
    QPushButton *Button1, *Button2;
    QCheckBox *chkNewExt, *chkCollapseDoubleSpaces;
    QComboBox *cbCase, *cbBatchMode;
    QLabel *lblDestination, *StatusText, *lbHomepageURL;
    QTableView *lvFiles;
    QMenu *PopupMenu1;
};

} // namespace morvane
