#pragma once

#include <QWidget>

class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QToolButton;
class QPushButton;

namespace morvane {

// The window's commands, one action each, shared by the tool bar, the shortcuts and any menu.
struct CommandActions {
    QAction *addFiles = nullptr;       // Ctrl+O
    QAction *addFolder = nullptr;      // Ctrl+Shift+O
    QAction *removeSelected = nullptr; // Delete, where the window gives it to the list
    QAction *preview = nullptr;        // F5
    QAction *rename = nullptr;         // Ctrl+R
    QAction *undo = nullptr;           // Ctrl+Z
    QAction *undoHistory = nullptr;    // in the Undo button's menu
    QAction *savePreset = nullptr;
    QAction *loadPreset = nullptr;
    QAction *loadNameList = nullptr;
    QAction *settings = nullptr; // Ctrl+,
    QAction *about = nullptr;
    QAction *livePreview = nullptr;   // checkable: rebuild the preview as the rules change
    QAction *problemsOnly = nullptr;  // checkable: only rows whose preview shows a problem
    QAction *renameFolders = nullptr; // checkable: added and dropped folders are items themselves
    QAction *help = nullptr;          // F1, the pattern's keywords; no button of its own

    QList<QAction *> all() const;
    // Gives the window every shortcut but Delete, which is the list's alone, so they
    // work wherever the focus is, also when the tool bar has hidden the button.
    void addShortcutsTo(QWidget *window) const;
};

// The strip at the top of the main window: a tool button per command, the
// folder mask, the "Include subfolders" switch, and the hidden Clear button. When the window
// is too narrow, the buttons that do not fit go into an overflow menu.
class CommandBar : public QWidget {
    Q_OBJECT
public:
    // The actions with their icons, tips and shortcuts, owned by owner.
    static CommandActions createActions(QObject *owner);

    explicit CommandBar(const CommandActions &actions, QWidget *parent = nullptr);

    QCheckBox *includeSubfoldersCheck() const { return m_includeSubfoldersCheck; }
    // Which files of added and dropped folders are taken (FileMask); empty takes all.
    QLineEdit *folderMaskEdit() const { return m_folderMaskEdit; }
    QPushButton *clearButton() const { return m_clearButton; }
    // The commands whose buttons found no room, in the overflow menu.
    QList<QAction *> overflowActions() const;
    QWidget *firstFocusable() const;
    QWidget *lastFocusable() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct StripItem {
        QWidget *widget;
        QAction *action; // null for a separator
    };
    void placeStripItems();

    QCheckBox *m_includeSubfoldersCheck;
    QLineEdit *m_folderMaskEdit;
    QPushButton *m_clearButton;
    QWidget *m_strip;
    QList<StripItem> m_stripItems;
    QToolButton *m_overflowButton;
    QMenu *m_overflowMenu;
};

} // namespace morvane
