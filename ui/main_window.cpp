#include "ui/main_window.h"

#include "batch/batch_texts.h"
#include "batch/preflight.h"
#include "batch/undo.h"
#include "batch/undo_history.h"
#include "cli/command_line.h"
#include "engine/file_collection.h"
#include "engine/item_order.h"
#include "engine/morvane_error.h"
#include "engine/name_list.h"
#include "engine/preview.h"
#include "presets/preset_reader.h"
#include "presets/preset_writer.h"
#include "ui/app_texts.h"
#include "ui/command_bar.h"
#include "ui/file_list_model.h"
#include "ui/file_list_view.h"
#include "ui/home_page_link.h"
#include "ui/operation_panel.h"
#include "ui/rule_panel.h"
#include "ui/settings_dialog.h"
#include "ui/status_bar.h"
#include "ui/theme.h"
#include "ui/undo_history_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

#include <optional>

namespace morvane {

namespace {

// The local paths among dropped URLs, each taken whole however long.
QStringList localPaths(const QMimeData *mime)
{
    QStringList paths;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

const QString kFolderMaskKey = QStringLiteral("folderMask");
const QString kRenameFoldersKey = QStringLiteral("renameFolders");

} // namespace

MainWindow::MainWindow(MainWindowSetup setup, QWidget *parent)
    : QMainWindow(parent), m_dialogs(setup.dialogs), m_arguments(std::move(setup.arguments)),
      m_nameContext(std::move(setup.nameContext)), m_batchEnvironment(std::move(setup.batchEnvironment)),
      m_settingsFile(std::move(setup.settingsFile)), m_binding(m_options)
{
    // The user's choice, unless a test gave the batch its own surroundings.
    if (!m_batchEnvironment.sys && m_batchEnvironment.appDataFolder.isEmpty()
        && openSettings()->value(QStringLiteral("batch/onError")).toString() == QLatin1String("skip"))
        m_batchEnvironment.onError = OnError::Skip;
    initUiResources();
    if (!m_dialogs) {
        m_ownDialogs = std::make_unique<QtDialogs>();
        m_dialogs = m_ownDialogs.get();
    }
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(applicationTitle() + u' ' + versionText());
    m_actions = CommandBar::createActions(this);
    // Shortcuts work wherever the focus is in the window, also when the tool bar has hidden the button;
    // Delete is the list's alone.
    for (QAction *action : m_actions.all()) {
        if (action != m_actions.removeSelected)
            addAction(action);
    }
    m_liveTimer = new QTimer(this);
    m_liveTimer->setObjectName(QStringLiteral("livePreviewTimer"));
    m_liveTimer->setSingleShot(true);
    m_liveTimer->setInterval(kLivePreviewDelayMs);

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

    m_binding.bind({{m_commandBar->includeSubfoldersCheck(), "includeSubfolders"},
                    {m_operationPanel->batchModeCombo(), "batchMode"},
                    {m_operationPanel->destinationEdit(), "destination"}});
    m_settingsDialog = new SettingsDialog(m_options, this);
    m_commandBar->folderMaskEdit()->setText(openSettings()->value(kFolderMaskKey).toString());
    m_actions.renameFolders->setChecked(openSettings()->value(kRenameFoldersKey, false).toBool());
    connectHandlers();
    watchForLivePreview();
    resize(1252, 645);
    showOptions();
    m_fileList->fitColumns();
    setAcceptDrops(true);
    runStartupCommandLine();
}

MainWindow::~MainWindow() = default;

std::unique_ptr<QSettings> MainWindow::openSettings() const
{
    if (!m_settingsFile.isEmpty())
        return std::make_unique<QSettings>(m_settingsFile, QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Quenzel"), QStringLiteral("Morvane"));
}

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
    // Remembered between runs, unlike the options: it is how this user wants failures met.
    QComboBox *onError = m_settingsDialog->onErrorCombo();
    onError->setCurrentIndex(m_batchEnvironment.onError == OnError::Skip ? 1 : 0);
    connect(onError, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_batchEnvironment.onError = index == 1 ? OnError::Skip : OnError::Stop;
        openSettings()->setValue(QStringLiteral("batch/onError"),
                                 index == 1 ? QStringLiteral("skip") : QStringLiteral("stop"));
    });
    runOn(m_actions.savePreset, &QAction::triggered, &MainWindow::savePresetAs);
    runOn(m_actions.loadPreset, &QAction::triggered, &MainWindow::openPreset);
    runOn(m_actions.loadNameList, &QAction::triggered, &MainWindow::openNameList);
    runOn(m_actions.settings, &QAction::triggered, &MainWindow::showSettings);
    runOn(m_actions.about, &QAction::triggered, &MainWindow::showAbout);
    runOn(m_actions.help, &QAction::triggered, &MainWindow::showPatternHelp);
    runOn(m_rulePanel, &RulePanel::patternHelpRequested, &MainWindow::showPatternHelp);
    runOn(m_operationPanel, &OperationPanel::destinationFolderRequested, &MainWindow::chooseDestinationFolder);
    runOn(m_homePageLink, &HomePageLink::clicked, &MainWindow::openHomePage);

    // The tool bar and Delete leave list and status alone when nothing is selected; the list's
    // menu entry refreshes the count even then. Its "Clear list" needs a selected row, while
    // the hidden Clear button, which undo stands for, always empties the list.
    connect(m_actions.removeSelected, &QAction::triggered, this, [this] {
        guarded([this] {
            if (m_fileList->hasSelectedRows())
                removeSelected();
        });
    });
    runOn(m_fileList->removeSelectedAction(), &QAction::triggered, &MainWindow::removeSelected);
    connect(m_fileList->clearListAction(), &QAction::triggered, this, [this] {
        guarded([this] {
            if (m_fileList->hasSelectedRows())
                clearList();
        });
    });
    runOn(m_commandBar->clearButton(), &QPushButton::clicked, &MainWindow::clearList);
    connect(m_actions.problemsOnly, &QAction::toggled, m_fileList, &FileListView::setProblemsOnly);

    connect(m_fileList, &FileListView::sortRequested, this,
            [this](int column, Qt::SortOrder order) { guarded([&] { sortByColumn(column, order); }); });
    connect(m_fileList->moveUpAction(), &QAction::triggered, this, [this] { guarded([this] { moveSelected(-1); }); });
    connect(m_fileList->moveDownAction(), &QAction::triggered, this, [this] { guarded([this] { moveSelected(1); }); });
    // "Rename folders": one switch in the tool bar and in the settings, remembered for the next start.
    QCheckBox *renameFolders = m_settingsDialog->renameFoldersCheck();
    renameFolders->setChecked(m_actions.renameFolders->isChecked());
    connect(m_actions.renameFolders, &QAction::toggled, renameFolders, &QCheckBox::setChecked);
    connect(renameFolders, &QCheckBox::toggled, m_actions.renameFolders, &QAction::setChecked);
    connect(m_actions.renameFolders, &QAction::toggled, this,
            [this](bool on) { openSettings()->setValue(kRenameFoldersKey, on); });
    // The mask is remembered as it is typed, so it is there at the next start.
    connect(m_commandBar->folderMaskEdit(), &QLineEdit::textChanged, this,
            [this](const QString &text) { openSettings()->setValue(kFolderMaskKey, text); });
}

// ---------------------------------------------------------------- live preview

void MainWindow::watchForLivePreview()
{
    m_actions.livePreview->setChecked(openSettings()->value(QStringLiteral("livePreview"), false).toBool());
    connect(m_actions.livePreview, &QAction::toggled, this, &MainWindow::setLivePreview);
    connect(m_liveTimer, &QTimer::timeout, this, &MainWindow::runLivePreview);
    // Every option widget of the window and of the settings dialog, whatever its kind.
    for (QWidget *panel : {static_cast<QWidget *>(m_rulePanel), static_cast<QWidget *>(m_operationPanel),
                           static_cast<QWidget *>(m_settingsDialog)}) {
        for (QLineEdit *edit : panel->findChildren<QLineEdit *>())
            connect(edit, &QLineEdit::textChanged, this, &MainWindow::scheduleLivePreview);
        for (QCheckBox *check : panel->findChildren<QCheckBox *>())
            connect(check, &QCheckBox::toggled, this, &MainWindow::scheduleLivePreview);
        for (QComboBox *combo : panel->findChildren<QComboBox *>())
            connect(combo, &QComboBox::currentIndexChanged, this, &MainWindow::scheduleLivePreview);
    }
    // The list: rows added or removed, or put in another order.
    connect(m_fileModel, &QAbstractItemModel::rowsInserted, this, &MainWindow::scheduleLivePreview);
    connect(m_fileModel, &QAbstractItemModel::rowsRemoved, this, &MainWindow::scheduleLivePreview);
    connect(m_fileModel, &QAbstractItemModel::layoutChanged, this, &MainWindow::scheduleLivePreview);
    connect(m_fileModel, &QAbstractItemModel::modelReset, this, &MainWindow::scheduleLivePreview);
}

void MainWindow::setLivePreview(bool on)
{
    openSettings()->setValue(QStringLiteral("livePreview"), on);
    if (on)
        scheduleLivePreview();
    else
        m_liveTimer->stop();
}

// Each change starts the wait again, so a burst of typing costs one rebuild after it.
void MainWindow::scheduleLivePreview()
{
    if (m_actions.livePreview->isChecked())
        m_liveTimer->start();
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
        m_statusBar->setCounts(e.message());
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
        if (QScreen *screen = this->screen()) {
            // A small screen gets a window that fits it, the list taking what is left.
            const QRect available = screen->availableGeometry();
            const QSize frame = frameGeometry().size() - size();
            resize(size().boundedTo(available.size() - frame));
            QRect area = frameGeometry();
            area.moveCenter(available.center());
            move(area.topLeft());
        }
    }
    QMainWindow::showEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_homePageLink->placeOver(statusBar()->geometry());
    m_fileList->fitColumns();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QMainWindow::dragEnterEvent(event);
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QStringList paths = localPaths(event->mimeData());
    event->acceptProposedAction();
    addDroppedFiles(paths);
}

// ---------------------------------------------------------------- handlers

void MainWindow::addFiles()
{
    FileDialogSpec spec;
    spec.title = tr("Select files to add");
    // "*" rather than "*.*": on Linux "*.*" would hide names without a dot.
    spec.filter = tr("All files (*)");
    const QStringList paths = m_dialogs->openFiles(this, spec);
    if (paths.isEmpty())
        return;
    QStringList skipped;
    for (const QString &path : paths) {
        if (isExactLocalPath(path))
            m_items.addFileItem(path);
        else
            skipped.append(path);
    }
    m_fileModel->sync();
    updateStatusCount();
    reportSkippedNames(skipped);
}

void MainWindow::chooseFolderToAdd()
{
    const QString folder = m_dialogs->pickFolder(this, tr("Select folder"), QString());
    if (folder.isEmpty())
        return;
    QStringList skipped, unreadable;
    addFolderItems(folder, true, &skipped, &unreadable);
    updateStatusCount();
    reportSkippedNames(skipped);
    reportUnreadable(unreadable);
}

void MainWindow::addFolderItems(const QString &path, bool rebuildPreview, QStringList *skipped, QStringList *unreadable)
{
    FolderListing listing(m_options.includeSubfolders);
    listing.mask = FileMask(m_commandBar->folderMaskEdit()->text());
    listing.unreadable = unreadable;
    listing.folderItems = m_actions.renameFolders->isChecked();
    const int added = addFolder(m_items, path, listing, skipped);
    m_fileModel->sync();
    if (added >= 0 && rebuildPreview)
        previewNames();
}

void MainWindow::addDroppedFiles(const QStringList &paths)
{
    guarded([this, &paths] {
        QStringList skipped, unreadable;
        for (const QString &path : paths) {
            if (!isExactLocalPath(path)) {
                skipped.append(path);
            } else if (isExistingFolder(path)) {
                addFolderItems(path, false, &skipped, &unreadable);
            } else {
                m_items.addFileItem(path); // a vanished path adds nothing
            }
        }
        m_fileModel->sync();
        updateStatusCount();
        reportSkippedNames(skipped);
        reportUnreadable(unreadable);
    });
}

void MainWindow::reportUnreadable(const QStringList &unreadable)
{
    if (unreadable.isEmpty())
        return;
    constexpr int kShown = 10;
    QStringList shown = unreadable.mid(0, kShown);
    if (unreadable.size() > kShown)
        shown.append(tr("... and %1 more").arg(unreadable.size() - kShown));
    warning(tr("These folders could not be read, so their files were not added:\n\n%1").arg(shown.join(u'\n')));
}

void MainWindow::reportSkippedNames(const QStringList &skipped)
{
    if (skipped.isEmpty())
        return;
    constexpr int kShown = 10;
    QStringList shown = skipped.mid(0, kShown);
    if (skipped.size() > kShown)
        shown.append(tr("... and %n more", nullptr, int(skipped.size() - kShown)));
    warning(tr("%n file name(s) are not valid UTF-8 and cannot be renamed safely, so they were skipped:\n\n%1", nullptr,
               int(skipped.size()))
                .arg(shown.join(u'\n')));
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
    if (m_fileModel->hasChecks() && !m_items.isEmpty()) {
        // Rows went or came: their statuses are taken again, without building names.
        m_fileModel->refreshChecks(checkPreview(m_items, m_options));
        m_fileList->statusesChanged();
    }
    showPreviewStatus();
}

void MainWindow::showPreviewStatus()
{
    m_statusBar->setCounts(m_fileModel->hasChecks() && !m_items.isEmpty() ? rowStatusCountText(m_fileModel->checks())
                                                                          : QString());
}

QString MainWindow::statusCounts() const
{
    return m_statusBar->counts();
}

void MainWindow::sortByColumn(int column, Qt::SortOrder order)
{
    // The status column has no order of its own: "Only problems" picks those rows out.
    static const SortKey keys[] = {SortKey::Name, SortKey::NewName, SortKey::Folder, SortKey::Size, SortKey::Date};
    static_assert(std::size(keys) == FileListModel::StatusColumn);
    if (column < 0 || column >= FileListModel::StatusColumn)
        return;
    // Items and rows move together; built names go with their items until the next preview.
    m_fileModel->reorder(sortedOrder(m_items, keys[column], order == Qt::DescendingOrder));
    m_fileList->showSortIndicator(column, order);
}

void MainWindow::moveSelected(int step)
{
    const QList<int> rows = m_fileList->selectedRowNumbers();
    if (rows.isEmpty())
        return;
    m_fileModel->reorder(movedOrder(m_items.count(), rows, step));
    m_fileList->clearSortIndicator(); // the order is the user's own now
    if (const QModelIndex current = m_fileList->currentIndex(); current.isValid())
        m_fileList->scrollTo(current);
}

void MainWindow::previewNames()
{
    m_liveTimer->stop();
    const bool built = buildPreview(m_items, m_options, m_nameContext, m_importedNameList, *this);
    m_fileModel->sync();
    if (!built)
        return;
    m_fileModel->setChecks(checkPreview(m_items, m_options));
    m_fileList->statusesChanged();
    showPreviewStatus();
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
    // The rows now name the renamed files: their statuses follow.
    if (m_fileModel->hasChecks() && !m_items.isEmpty())
        m_fileModel->refreshChecks(checkPreview(m_items, m_options));
    showPreviewStatus();
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
    FileDialogSpec spec;
    spec.filter = tr("Preset JSON (*.json)");
    spec.defaultSuffix = QStringLiteral("json");
    const QString fileName = m_dialogs->saveFile(this, spec);
    if (fileName.isEmpty())
        return;
    savePreset(fileName, m_options);
}

void MainWindow::openPreset()
{
    FileDialogSpec spec;
    spec.filter = tr("Preset JSON (*.json)");
    const QString fileName = m_dialogs->openFile(this, spec);
    if (fileName.isEmpty())
        return;
    loadPreset(fileName, m_options);
    // The destination widgets keep their state: only a pick by the user changes it.
    showOptions();
}

void MainWindow::openNameList()
{
    FileDialogSpec spec;
    spec.filter = tr("Name list (*.txt *.csv);;All files (*)");
    spec.selectedFilter = tr("Name list (*.txt *.csv)");
    const QString fileName = m_dialogs->openFile(this, spec);
    if (fileName.isEmpty())
        return;
    loadNameList(fileName, m_importedNameList);
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
