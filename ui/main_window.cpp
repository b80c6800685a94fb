#include "ui/main_window.h"

#include "batch/batch_texts.h"
#include "batch/preflight.h"
#include "batch/undo.h"
#include "batch/undo_history.h"
#include "cli/command_line.h"
#include "engine/morvane_error.h"
#include "engine/preview.h"
#include "ui/app_texts.h"
#include "ui/file_adder.h"
#include "ui/file_list_model.h"
#include "ui/file_list_view.h"
#include "ui/home_page_link.h"
#include "ui/live_preview.h"
#include "ui/operation_panel.h"
#include "ui/preview_status.h"
#include "ui/remembered_settings.h"
#include "ui/rule_files.h"
#include "ui/rule_panel.h"
#include "ui/settings_dialog.h"
#include "ui/status_bar.h"
#include "ui/theme.h"
#include "ui/undo_history_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace morvane {

MainWindow::MainWindow(MainWindowSetup setup, QWidget *parent)
    : QMainWindow(parent), m_dialogs(setup.dialogs), m_arguments(std::move(setup.arguments)),
      m_nameContext(std::move(setup.nameContext)), m_batchEnvironment(std::move(setup.batchEnvironment)),
      m_remembered(std::move(setup.settingsFile)), m_binding(m_options)
{
    // The user's choice, unless a test gave the batch its own surroundings.
    if (!m_batchEnvironment.sys && m_batchEnvironment.appDataFolder.isEmpty()
        && m_remembered.onError() == OnError::Skip)
        m_batchEnvironment.onError = OnError::Skip;
    initUiResources();
    if (!m_dialogs) {
        m_ownDialogs = std::make_unique<QtDialogs>();
        m_dialogs = m_ownDialogs.get();
    }
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(applicationTitle() + u' ' + versionText());
    m_actions = CommandBar::createActions(this);
    m_actions.addShortcutsTo(this);
    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_commandBar = new CommandBar(m_actions, central);
    column->addWidget(m_commandBar);

    m_rulePanel = new RulePanel(m_options, central);
    column->addWidget(m_rulePanel);

    m_fileList = new FileListView(m_items, central);
    m_fileModel = m_fileList->fileModel();
    m_fileList->setDeleteAction(m_actions.removeSelected);
    column->addWidget(m_fileList, 1);
    m_operationPanel = new OperationPanel(central);
    column->addWidget(m_operationPanel);
    setCentralWidget(central);
    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);
    m_homePageLink = new HomePageLink(this);
    m_fileAdder = new FileAdder(m_items, *m_fileModel, *m_dialogs, *this, this);
    m_ruleFiles = new RuleFiles(*m_dialogs, this);
    m_previewStatus = std::make_unique<PreviewStatus>(m_items, m_options, *m_fileList, *m_statusBar);

    m_binding.bind({{m_commandBar->includeSubfoldersCheck(), "includeSubfolders"},
                    {m_operationPanel->batchModeCombo(), "batchMode"},
                    {m_operationPanel->destinationEdit(), "destination"}});
    m_settingsDialog = new SettingsDialog(m_options, this);
    m_remembered.keepFolderMask(m_commandBar->folderMaskEdit());
    m_remembered.keepRenameFolders(m_actions.renameFolders);
    connectHandlers();
    watchForLivePreview();
    resize(1252, 645);
    showOptions();
    m_fileList->fitColumns();
    m_fileAdder->acceptDropsOn(this);
    connect(m_fileAdder, &FileAdder::filesDropped, this, &MainWindow::addDroppedFiles);
    runStartupCommandLine();
}

MainWindow::~MainWindow() = default;

template <class Sender, class Signal>
void MainWindow::runOn(Sender *sender, Signal signal, void (MainWindow::*handler)())
{
    connect(sender, signal, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
}

void MainWindow::connectHandlers()
{
    runOn(m_actions.addFiles, &QAction::triggered, &MainWindow::addFiles);
    runOn(m_actions.addFolder, &QAction::triggered, &MainWindow::chooseFolderToAdd);
    runOn(m_actions.preview, &QAction::triggered, &MainWindow::previewNames);
    runOn(m_actions.rename, &QAction::triggered, &MainWindow::renameFiles);
    runOn(m_actions.undo, &QAction::triggered, &MainWindow::undoLastRename);
    runOn(m_actions.undoHistory, &QAction::triggered, &MainWindow::showUndoHistory);
    m_remembered.keepOnError(m_settingsDialog->onErrorCombo(), &m_batchEnvironment.onError);
    runOn(m_actions.savePreset, &QAction::triggered, &MainWindow::savePresetAs);
    runOn(m_actions.loadPreset, &QAction::triggered, &MainWindow::openPreset);
    runOn(m_actions.loadNameList, &QAction::triggered, &MainWindow::openNameList);
    runOn(m_actions.settings, &QAction::triggered, &MainWindow::showSettings);
    runOn(m_actions.about, &QAction::triggered, &MainWindow::showAbout);
    runOn(m_actions.help, &QAction::triggered, &MainWindow::showPatternHelp);
    runOn(m_rulePanel, &RulePanel::patternHelpRequested, &MainWindow::showPatternHelp);
    runOn(m_operationPanel, &OperationPanel::destinationFolderRequested, &MainWindow::chooseDestinationFolder);
    runOn(m_homePageLink, &HomePageLink::clicked, &MainWindow::openHomePage);

    runOn(m_fileList, &FileListView::removeRequested, &MainWindow::removeSelected);
    runOn(m_fileList, &FileListView::clearRequested, &MainWindow::clearList);
    // The hidden Clear button, which undo stands for, empties the list whatever is selected.
    runOn(m_commandBar->clearButton(), &QPushButton::clicked, &MainWindow::clearList);
    connect(m_actions.problemsOnly, &QAction::toggled, m_fileList, &FileListView::setProblemsOnly);

    connect(m_fileList, &FileListView::sortRequested, this,
            [this](int column, Qt::SortOrder order) { guarded([&] { m_fileList->sortByColumn(column, order); }); });
    connect(m_fileList, &FileListView::moveRequested, this,
            [this](int step) { guarded([&] { m_fileList->moveSelected(step); }); });
    m_settingsDialog->mirrorRenameFolders(m_actions.renameFolders);
}

// ---------------------------------------------------------------- live preview

void MainWindow::watchForLivePreview()
{
    // The remembered state is set before the watcher follows the switch: a start is no change.
    m_remembered.keepLivePreview(m_actions.livePreview);
    m_livePreview = new LivePreview(m_actions.livePreview, this);
    connect(m_livePreview, &LivePreview::due, this, &MainWindow::runLivePreview);
    // Every option widget of the window and of the settings dialog, and the list's rows.
    m_livePreview->watchWidgets(m_rulePanel);
    m_livePreview->watchWidgets(m_operationPanel);
    m_livePreview->watchWidgets(m_settingsDialog);
    m_livePreview->watchRows(m_fileModel);
}

// A live rebuild never opens a box: with no files there is nothing to show,
// and an error (a regular expression half typed) goes to the status bar.
void MainWindow::runLivePreview()
{
    if (m_items.isEmpty())
        return;
    try {
        previewNames();
    } catch (const MorvaneError &e) {
        m_statusBar->endProgress();
        m_fileModel->sync();
        m_previewStatus->showInstead(e.message());
    }
}

void MainWindow::runStartupCommandLine()
{
    guarded([this] {
        CommandLineContext context{m_options,
                                   m_items,
                                   m_importedNameList,
                                   *this,
                                   m_nameContext,
                                   batchEnvironment(),
                                   m_actions.renameFolders->isChecked()};
        // The command line may change options and add files even when the run fails.
        struct Refresh {
            MainWindow *window;
            ~Refresh() { window->showOptions(); }
        } refresh{this};
        m_terminationRequested = processCommandLine(m_arguments, context, m_commandBar->folderMaskEdit()->text());
        if (!m_items.isEmpty())
            updateStatusCount();
    });
}

void MainWindow::showOptions()
{
    m_rulePanel->showOptions();
    m_binding.showOptions();
    m_settingsDialog->showOptions();
}

QString MainWindow::statusText() const
{
    return m_statusBar->text();
}

// ---------------------------------------------------------------- errors and long work

template <class Handler>
void MainWindow::guarded(Handler &&handler)
{
    std::optional<QString> failure;
    try {
        handler();
    } catch (const MorvaneError &e) {
        failure = e.message();
    } catch (const std::exception &e) {
        failure = QString::fromLocal8Bit(e.what());
    } catch (...) {
        failure = MainWindow::tr("An unexpected error stopped the operation");
    }
    m_statusBar->endProgress();
    // What the handler did before an error stays done, and the list shows it.
    m_fileModel->sync();
    if (failure)
        showApplicationError(*failure);
}

void MainWindow::showApplicationError(const QString &message)
{
    m_dialogs->message(this, Dialogs::Box::AppError, applicationTitle(), withFullStop(message));
}

void MainWindow::information(const QString &text)
{
    m_dialogs->message(this, Dialogs::Box::Information, tr("Information"), text);
}

void MainWindow::warning(const QString &text)
{
    m_dialogs->message(this, Dialogs::Box::Warning, tr("Warning"), text);
}

void MainWindow::error(const QString &text)
{
    m_dialogs->message(this, Dialogs::Box::Error, tr("Error"), text);
}

bool MainWindow::confirm(const QString &text)
{
    return m_dialogs->message(this, Dialogs::Box::Confirm, tr("Confirm"), text);
}

void MainWindow::progress(qint64 done, qint64 total)
{
    m_statusBar->showProgress(done, total);
}

BatchEnvironment MainWindow::batchEnvironment()
{
    BatchEnvironment env = m_batchEnvironment;
    env.itemUpdated = [this](int index) { m_fileModel->rowChanged(index); };
    env.clearList = [this] { clearList(); };
    return env;
}

// ---------------------------------------------------------------- window events

void MainWindow::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        fitOnScreen(this); // a small screen gets a window that fits it, the list taking what is left
    }
    QMainWindow::showEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_homePageLink->placeOver(statusBar()->geometry());
    m_fileList->fitColumns();
}

// ---------------------------------------------------------------- handlers

void MainWindow::addFiles()
{
    const std::optional<AddedFiles> added = m_fileAdder->addChosenFiles();
    if (!added)
        return;
    updateStatusCount();
    m_fileAdder->report(*added);
}

void MainWindow::chooseFolderToAdd()
{
    const QString folder = m_fileAdder->chooseFolder();
    if (folder.isEmpty())
        return;
    const AddedFiles added = m_fileAdder->addFolder(folder, folderListing());
    if (added.folderListed)
        previewNames();
    updateStatusCount();
    m_fileAdder->report(added);
}

void MainWindow::addDroppedFiles(const QStringList &paths)
{
    guarded([this, &paths] {
        const AddedFiles added = m_fileAdder->addDropped(paths, folderListing());
        updateStatusCount();
        m_fileAdder->report(added);
    });
}

FolderListing MainWindow::folderListing() const
{
    FolderListing listing(m_options.includeSubfolders);
    listing.mask = FileMask(m_commandBar->folderMaskEdit()->text());
    listing.folderItems = m_actions.renameFolders->isChecked();
    return listing;
}

void MainWindow::removeSelected()
{
    m_fileModel->removeRows(m_fileList->selectedRowNumbers());
    updateStatusCount();
}

void MainWindow::clearList()
{
    m_fileModel->clear();
    m_fileList->clearSortIndicator();
    updateStatusCount();
}

void MainWindow::updateStatusCount()
{
    m_statusBar->setText(tr("Files: %1").arg(m_nameContext.locale.toString(m_items.count())));
    m_previewStatus->rowsChanged();
}

QString MainWindow::statusCounts() const
{
    return m_statusBar->counts();
}

void MainWindow::previewNames()
{
    m_livePreview->cancel();
    const bool built = buildPreview(m_items, m_options, m_nameContext, m_importedNameList, *this);
    m_fileModel->sync();
    if (!built)
        return;
    m_previewStatus->namesBuilt();
    emit previewBuilt();
}

void MainWindow::renameFiles()
{
    if (m_items.isEmpty()) {
        information(tr("Nothing to rename. Add files and build a preview first."));
        return;
    }
    // Rows without a preview or with names too long stop here, before the question.
    if (!preflightNames(m_items, m_options)) {
        warning(batchText::buildPreviewFirst());
        return;
    }
    if (!confirm(batchConfirmationText(checkPreview(m_items, m_options), m_options)))
        return;
    executeBatch(m_items, m_options, *this, batchEnvironment());
    m_previewStatus->filesRenamed();
}

void MainWindow::undoLastRename()
{
    undoLastBatch(m_items, *this, batchEnvironment());
}

void MainWindow::showUndoHistory()
{
    const BatchEnvironment env = batchEnvironment();
    const QList<UndoHistoryEntry> entries =
        listUndoHistory(env.appDataFolder.isEmpty() ? appDataFolder() : env.appDataFolder);
    if (entries.isEmpty()) {
        information(tr("No undo log found in AppData."));
        return;
    }
    UndoHistoryDialog dialog(entries, this);
    m_dialogs->showModal(&dialog);
    const int chosen = dialog.chosen();
    if (chosen < 0)
        return;
    if (confirm(tr("Undo the %1 newest batch(es), newest first?").arg(chosen + 1)))
        undoHistoryThrough(chosen, m_items, *this, env);
}

void MainWindow::savePresetAs()
{
    m_ruleFiles->savePresetAs(m_options);
}

void MainWindow::openPreset()
{
    // The destination widgets keep their state: only a pick by the user changes it.
    if (m_ruleFiles->openPreset(m_options))
        showOptions();
}

void MainWindow::openNameList()
{
    if (m_ruleFiles->openNameList(m_importedNameList))
        previewNames();
}

void MainWindow::showSettings()
{
    m_dialogs->showModal(m_settingsDialog);
}

void MainWindow::showAbout()
{
    information(aboutText(m_nameContext.localNow().date()));
}

void MainWindow::showPatternHelp()
{
    information(patternHelpText());
}

void MainWindow::chooseDestinationFolder()
{
    QLineEdit *destination = m_operationPanel->destinationEdit();
    QString start = destination->text();
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::currentPath();
    const QString folder = m_dialogs->pickFolder(this, tr("Select destination folder"), start);
    if (!folder.isEmpty())
        destination->setText(QFileInfo(folder).absoluteFilePath());
}

void MainWindow::openHomePage()
{
    m_dialogs->openUrl(QUrl(homepageUrl()));
}

} // namespace morvane
