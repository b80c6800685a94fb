#include "ui/command_bar.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace morvane {

namespace {

// Height of the strip at 96 dpi; Qt scales it with the monitor.
constexpr int kHeight = 58;

// A command whose tip doubles as its text, since its button shows only the icon.
QAction *command(QObject *owner, const QString &tip, const char *icon)
{
    auto *action = new QAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))), tip, owner);
    action->setToolTip(tip);
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

}  // namespace

CommandActions CommandBar::createActions(QObject *owner)
{
    CommandActions a;
    a.addFiles = command(owner, tr("Add Files"), "plus");
    a.addFiles->setShortcut(QKeySequence::Open);
    a.addFolder = command(owner, tr("Add Folder..."), "folder-plus");
    a.removeSelected = command(owner, tr("Remove Selected Items"), "cross");
    a.preview = command(owner, tr("Preview Result"), "eye");
    a.preview->setShortcut(Qt::Key_F5);
    a.rename = command(owner, tr("Rename Files!"), "write");
    a.undo = command(owner, tr("Undo Last Rename"), "reply");
    a.undoHistory = new QAction(tr("Undo history..."), owner);
    a.savePreset = command(owner, tr("Save Preset"), "save");
    a.loadPreset = command(owner, tr("Load Preset"), "folder-open");
    a.loadNameList = command(owner, tr("Load Name List"), "list");
    a.settings = command(owner, tr("Settings"), "setting");
    a.about = command(owner, tr("About Program"), "info");
    return a;
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

    // A tool bar keeps the buttons reachable through its overflow menu when the window is narrow.
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(40, 40));
    bar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->addWidget(bar);
    bar->addWidget(toolButton(this, "btnAdd", 62, actions.addFiles));
    bar->addWidget(toolButton(this, "btnAddFolder", 62, actions.addFolder));
    bar->addWidget(toolButton(this, "btnRemove", 62, actions.removeSelected));
    bar->addWidget(separator(bar, 10, 3));
    bar->addWidget(toolButton(this, "btnPreview", 62, actions.preview));
    bar->addWidget(toolButton(this, "btnRename", 62, actions.rename));
    QToolButton *undo = toolButton(this, "btnUndo", 62, actions.undo);
    auto *undoMenu = new QMenu(undo);
    undoMenu->addAction(actions.undoHistory);
    undo->setMenu(undoMenu);
    undo->setPopupMode(QToolButton::MenuButtonPopup);
    bar->addWidget(undo);
    bar->addWidget(separator(bar, 3, 3));
    bar->addWidget(toolButton(this, "btnSavePreset", 66, actions.savePreset));
    bar->addWidget(toolButton(this, "btnLoadPreset", 66, actions.loadPreset));
    bar->addWidget(separator(bar, 3, 3));
    bar->addWidget(toolButton(this, "btnLoadNameList", 62, actions.loadNameList));
    auto *spring = new QWidget(bar);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spring);
    bar->addWidget(m_includeSubfoldersCheck);
    auto *gap = new QWidget(bar);
    gap->setFixedWidth(12);
    bar->addWidget(gap);
    bar->addWidget(toolButton(this, "SpeedButton1", 60, actions.settings));
    bar->addWidget(toolButton(this, "SpeedButton4", 60, actions.about));
}

} // namespace morvane
