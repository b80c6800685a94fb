#include "ui/command_bar.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QHBoxLayout>
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

// A checkable command shown by its text: a state reads better in words than as an icon.
QToolButton *textToggle(QWidget *parent, const char *name, QAction *action)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFixedHeight(56);
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
    a.savePreset = command(owner, tr("Save Preset"), "save");
    a.loadPreset = command(owner, tr("Load Preset"), "folder-open");
    a.loadNameList = command(owner, tr("Load Name List"), "list");
    a.settings = command(owner, tr("Settings"), "setting");
    a.about = command(owner, tr("About Program"), "info");
    a.livePreview = command(owner, tr("Live preview"), "eye");
    a.livePreview->setCheckable(true);
    a.livePreview->setToolTip(tr("Live preview: rebuild the preview as rules, files or their order change"));
    a.problemsOnly = command(owner, tr("Show only problems"), "cross");
    a.problemsOnly->setCheckable(true);
    a.problemsOnly->setToolTip(tr("Show only rows that would not land as previewed"));
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

    m_folderMaskEdit = new QLineEdit(this);
    m_folderMaskEdit->setObjectName(QStringLiteral("edtFolderMask"));
    m_folderMaskEdit->setPlaceholderText(tr("Folder mask: *.jpg;*.png"));
    m_folderMaskEdit->setToolTip(tr("Only files of added or dropped folders that fit one of these patterns "
                                    "(separated by \";\", * any text, ? one character, letter case ignored); "
                                    "empty takes every file"));
    m_folderMaskEdit->setClearButtonEnabled(true);
    m_folderMaskEdit->setFixedWidth(170);

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
    bar->addWidget(toolButton(this, "btnUndo", 62, actions.undo));
    bar->addWidget(textToggle(this, "btnLivePreview", actions.livePreview));
    bar->addWidget(textToggle(this, "btnProblemsOnly", actions.problemsOnly));
    bar->addWidget(separator(bar, 3, 3));
    bar->addWidget(toolButton(this, "btnSavePreset", 66, actions.savePreset));
    bar->addWidget(toolButton(this, "btnLoadPreset", 66, actions.loadPreset));
    bar->addWidget(separator(bar, 3, 3));
    bar->addWidget(toolButton(this, "btnLoadNameList", 62, actions.loadNameList));
    auto *spring = new QWidget(bar);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spring);
    bar->addWidget(m_folderMaskEdit);
    auto *maskGap = new QWidget(bar);
    maskGap->setFixedWidth(8);
    bar->addWidget(maskGap);
    bar->addWidget(m_includeSubfoldersCheck);
    auto *gap = new QWidget(bar);
    gap->setFixedWidth(12);
    bar->addWidget(gap);
    bar->addWidget(toolButton(this, "SpeedButton1", 60, actions.settings));
    bar->addWidget(toolButton(this, "SpeedButton4", 60, actions.about));
}

} // namespace morvane
