#pragma once

#include "engine/option_panel.h"
#include "ui/option_binding.h"

#include <QDialog>

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace morvane {

// The settings dialog: counter start and digits, the conflict
// mode, regular expressions, the time-stamp switch and the light or dark look
// (which the theme controller remembers on its own). It holds no values of
// its own: its controls edit the window's OptionPanel, so a change counts at
// once and lasts until the program ends.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(OptionPanel &options, QWidget *parent = nullptr);

    // Shows the option values in the controls (after a preset or the command line changed them).
    void showOptions();
    // "When a file cannot be renamed": 0 stop, 1 skip it and go on. Remembered
    // by the window between runs, so not an option of the presets.
    QComboBox *onErrorCombo() const { return m_onErrorCombo; }
    // "Rename folders": the same switch as the tool bar's, remembered by the window.
    QCheckBox *renameFoldersCheck() const { return m_renameFoldersCheck; }
    // Keeps the check box and the tool bar's switch showing the same state.
    void mirrorRenameFolders(QAction *renameFolders);

private:
    OptionBinding m_binding;
    QLineEdit *m_counterStartEdit;
    QLineEdit *m_digitsEdit;
    QComboBox *m_conflictCombo;
    QCheckBox *m_regexCheck;
    QCheckBox *m_touchModifiedCheck;
    QCheckBox *m_renameFoldersCheck;
    QComboBox *m_themeCombo;
    QComboBox *m_onErrorCombo;
};

} // namespace morvane
