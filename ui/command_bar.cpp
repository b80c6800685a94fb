#include "ui/command_bar.h"

#include "ui/theme.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QEvent>
#include <QLineEdit>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace morvane {

namespace {

// Height of the strip at 96 dpi; Qt scales it with the monitor.
constexpr int kHeight = 58;
// The button that opens the menu of commands the strip has no room for.
constexpr int kOverflowWidth = 22;

// A command whose tip doubles as its text, since its button shows only the icon.
// A shortcut is named in the tip, as the desktop writes it.
QAction *command(QObject *owner, const QString &tip, const char *icon, const QKeySequence &shortcut = {})
{
    auto *action = new QAction(themedIcon(QLatin1String(icon)), tip, owner);
    action->setShortcut(shortcut);
    action->setToolTip(
        shortcut.isEmpty() ? tip : QStringLiteral("%1 (%2)").arg(tip, shortcut.toString(QKeySequence::NativeText)));
    return action;
}

QToolButton *toolButton(QWidget *parent, const char *name, int width, QAction *action)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true);
    button->setDefaultAction(action);
    button->setIconSize(QSize(40, 40));
    button->setFixedSize(width, 56);
    button->setAccessibleName(action->text());
    button->setAccessibleDescription(action->toolTip());
    return button;
}

// A vertical line at the left edge of a 5-pixel slot, 10 pixels clear of the top and bottom.
QWidget *separator(QWidget *parent, int spaceLeft, int spaceRight)
{
    auto *slot = new QWidget(parent);
    slot->setFixedWidth(spaceLeft + 5 + spaceRight);
    auto *layout = new QHBoxLayout(slot);
    layout->setContentsMargins(spaceLeft, 10, 4 + spaceRight, 10);
    auto *line = new QFrame(slot);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setFixedWidth(1);
    line->setObjectName(QStringLiteral("Bevel1"));
    layout->addWidget(line);
    return slot;
}

} // namespace

CommandActions CommandBar::createActions(QObject *owner)
{
    CommandActions a;
    a.addFiles = command(owner, tr("Add Files"), "plus", QKeySequence(Qt::CTRL | Qt::Key_O));
    a.addFolder = command(owner, tr("Add Folder..."), "folder-plus", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    a.removeSelected = command(owner, tr("Remove Selected Items"), "cross");
    a.preview = command(owner, tr("Preview Result"), "eye", QKeySequence(Qt::Key_F5));
    a.rename = command(owner, tr("Rename Files!"), "write", QKeySequence(Qt::CTRL | Qt::Key_R));
    a.undo = command(owner, tr("Undo Last Rename"), "reply", QKeySequence(Qt::CTRL | Qt::Key_Z));
    a.undoHistory = new QAction(tr("Undo history..."), owner);
    a.savePreset = command(owner, tr("Save Preset"), "save");
    a.loadPreset = command(owner, tr("Load Preset"), "folder-open");
    a.loadNameList = command(owner, tr("Load Name List"), "list");
    a.settings = command(owner, tr("Settings"), "setting", QKeySequence(Qt::CTRL | Qt::Key_Comma));
    a.about = command(owner, tr("About Program"), "info");
    a.livePreview = command(owner, tr("Live preview"), "live");
    a.livePreview->setCheckable(true);
    a.livePreview->setToolTip(tr("Live preview: rebuild the preview as rules, files or their order change"));
    a.problemsOnly = command(owner, tr("Show only problems"), "problems");
    a.problemsOnly->setCheckable(true);
    a.problemsOnly->setToolTip(tr("Show only rows that would not land as previewed"));
    a.renameFolders = command(owner, tr("Rename folders"), "folder-rename");
    a.renameFolders->setCheckable(true);
    a.renameFolders->setToolTip(tr("Rename folders: added and dropped folders are renamed themselves, "
                                   "not their files (with Include subfolders, every folder below them too)"));
    a.help = command(owner, tr("Help"), "info", QKeySequence(Qt::Key_F1));
    return a;
}

QList<QAction *> CommandActions::all() const
{
    return {addFiles,    addFolder,    renameFolders, removeSelected, preview,      rename,   undo,  undoHistory,
            livePreview, problemsOnly, savePreset,    loadPreset,     loadNameList, settings, about, help};
}

void CommandActions::addShortcutsTo(QWidget *window) const
{
    for (QAction *action : all()) {
        if (action != removeSelected)
            window->addAction(action);
    }
}

CommandBar::CommandBar(const CommandActions &actions, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(kHeight);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 4, 1);
    layout->setSpacing(0);

    // Reached only through undo, which empties the list as this button does.
    m_clearButton = new QPushButton(tr("Clear"), this);
    m_clearButton->setObjectName(QStringLiteral("btnClear"));
    m_clearButton->hide();

    m_includeSubfoldersCheck = new QCheckBox(tr("Include subfolders"), this);
    m_includeSubfoldersCheck->setObjectName(QStringLiteral("chkIncludeSubfolders"));
    m_includeSubfoldersCheck->setToolTip(tr("Folders added or dropped bring the files of their subfolders too"));

    m_folderMaskEdit = new QLineEdit(this);
    m_folderMaskEdit->setObjectName(QStringLiteral("edtFolderMask"));
    m_folderMaskEdit->setPlaceholderText(tr("Folder mask: *.jpg;*.png"));
    m_folderMaskEdit->setToolTip(tr("Only files of added or dropped folders that fit one of these patterns "
                                    "(separated by \";\", * any text, ? one character, letter case ignored); "
                                    "empty takes every file"));
    m_folderMaskEdit->setClearButtonEnabled(true);
    m_folderMaskEdit->setFixedWidth(150);
    m_folderMaskEdit->setAccessibleName(tr("Folder mask"));

    // The commands on the left give way from the right end when the window is narrow; what no
    // longer fits waits in the overflow menu. Settings and About on the right always stay.
    m_strip = new QWidget(this);
    m_strip->setObjectName(QStringLiteral("ToolBar1"));
    m_strip->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_strip->setFixedHeight(56);
    m_strip->installEventFilter(this);
    auto addButton = [this](const char *name, int width, QAction *action) {
        m_stripItems.append({toolButton(m_strip, name, width, action), action});
    };
    auto addSeparator = [this](int left, int right) {
        m_stripItems.append({separator(m_strip, left, right), nullptr});
    };
    addButton("btnAdd", 62, actions.addFiles);
    addButton("btnAddFolder", 62, actions.addFolder);
    addButton("btnRenameFolders", 62, actions.renameFolders);
    addButton("btnRemove", 62, actions.removeSelected);
    addSeparator(10, 3);
    addButton("btnPreview", 62, actions.preview);
    addButton("btnRename", 62, actions.rename);
    addButton("btnUndo", 62, actions.undo);
    // The history waits in the Undo button's menu.
    auto *undo = static_cast<QToolButton *>(m_stripItems.constLast().widget);
    auto *undoMenu = new QMenu(undo);
    undoMenu->addAction(actions.undoHistory);
    undo->setMenu(undoMenu);
    undo->setPopupMode(QToolButton::MenuButtonPopup);
    // Two switches: a checked one stays pressed in.
    addButton("btnLivePreview", 62, actions.livePreview);
    addButton("btnProblemsOnly", 62, actions.problemsOnly);
    addSeparator(3, 3);
    addButton("btnSavePreset", 66, actions.savePreset);
    addButton("btnLoadPreset", 66, actions.loadPreset);
    addSeparator(3, 3);
    addButton("btnLoadNameList", 62, actions.loadNameList);

    m_overflowButton = new QToolButton(m_strip);
    m_overflowButton->setObjectName(QStringLiteral("btnMoreCommands"));
    m_overflowButton->setAutoRaise(true);
    m_overflowButton->setPopupMode(QToolButton::InstantPopup);
    m_overflowButton->setIcon(themedIcon(QStringLiteral("chevron-down")));
    m_overflowButton->setIconSize(QSize(14, 14));
    m_overflowButton->setFixedSize(kOverflowWidth, 56);
    m_overflowButton->setToolTip(tr("More commands"));
    m_overflowButton->setAccessibleName(m_overflowButton->toolTip());
    m_overflowMenu = new QMenu(m_overflowButton);
    m_overflowMenu->setObjectName(QStringLiteral("menuMoreCommands"));
    m_overflowButton->setMenu(m_overflowMenu);
    m_overflowButton->hide();

    layout->addWidget(m_strip, 1);
    layout->addWidget(m_folderMaskEdit);
    layout->addSpacing(8);
    layout->addWidget(m_includeSubfoldersCheck);
    layout->addSpacing(12);
    QToolButton *settings = toolButton(this, "SpeedButton1", 60, actions.settings);
    QToolButton *about = toolButton(this, "SpeedButton4", 60, actions.about);
    layout->addWidget(settings);
    layout->addWidget(about);

    // Tab goes through the commands from left to right.
    QWidget *previous = nullptr;
    for (const StripItem &item : std::as_const(m_stripItems)) {
        if (!item.action)
            continue;
        if (previous)
            setTabOrder(previous, item.widget);
        previous = item.widget;
    }
    setTabOrder(previous, m_overflowButton);
    setTabOrder(m_overflowButton, m_folderMaskEdit);
    setTabOrder(m_folderMaskEdit, m_includeSubfoldersCheck);
    setTabOrder(m_includeSubfoldersCheck, settings);
    setTabOrder(settings, about);
}

QWidget *CommandBar::firstFocusable() const
{
    return m_stripItems.constFirst().widget;
}

QWidget *CommandBar::lastFocusable() const
{
    return findChild<QToolButton *>(QStringLiteral("SpeedButton4"));
}

QList<QAction *> CommandBar::overflowActions() const
{
    return m_overflowMenu->actions();
}

bool CommandBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_strip && event->type() == QEvent::Resize)
        placeStripItems();
    return QWidget::eventFilter(watched, event);
}

void CommandBar::placeStripItems()
{
    const int available = m_strip->width();
    int total = 0;
    for (const StripItem &item : std::as_const(m_stripItems))
        total += item.widget->width();
    const bool overflow = total > available;
    const int room = overflow ? available - kOverflowWidth : available;
    m_overflowMenu->clear();
    int x = 0;
    bool full = false;
    for (const StripItem &item : std::as_const(m_stripItems)) {
        const int w = item.widget->width();
        full = full || x + w > room;
        item.widget->setVisible(!full);
        if (full) {
            if (item.action) {
                m_overflowMenu->addAction(item.action);
                if (auto *button = qobject_cast<QToolButton *>(item.widget); button && button->menu())
                    m_overflowMenu->addActions(button->menu()->actions());
            } else if (!m_overflowMenu->isEmpty())
                m_overflowMenu->addSeparator();
            continue;
        }
        item.widget->move(x, 0);
        x += w;
    }
    m_overflowButton->setVisible(overflow);
    m_overflowButton->move(x, 0);
}

} // namespace morvane
