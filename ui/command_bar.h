#pragma once

#include <QWidget>

class QAction;
class QCheckBox;
class QPushButton;

namespace morvane {

// The window's commands, one action each, shared by the tool bar, the shortcuts and any menu.
struct CommandActions {
    QAction *addFiles = nullptr;        // Ctrl+O
    QAction *addFolder = nullptr;
    QAction *removeSelected = nullptr;  // Delete, where the window gives it to the list
    QAction *preview = nullptr;         // F5
    QAction *rename = nullptr;
    QAction *undo = nullptr;
    QAction *undoHistory = nullptr;     // in the Undo button's menu
    QAction *savePreset = nullptr;
    QAction *loadPreset = nullptr;
    QAction *loadNameList = nullptr;
    QAction *settings = nullptr;
    QAction *about = nullptr;
};

// The strip at the top of the main window: a tool button per command, the
// "Include subfolders" switch, and the hidden Clear button.
class CommandBar : public QWidget {
    Q_OBJECT
public:
    // The actions with their icons, tips and shortcuts, owned by owner.
    static CommandActions createActions(QObject *owner);

    explicit CommandBar(const CommandActions &actions, QWidget *parent = nullptr);

    QCheckBox *includeSubfoldersCheck() const { return m_includeSubfoldersCheck; }
    QPushButton *clearButton() const { return m_clearButton; }

private:
    QCheckBox *m_includeSubfoldersCheck;
    QPushButton *m_clearButton;
};

} // namespace morvane
