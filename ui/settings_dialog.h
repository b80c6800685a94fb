#pragma once

#include "engine/option_panel.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace morvane {

// The settings dialog (m_settingsDialog): counter start and digits, the conflict
// mode, regular expressions and the time-stamp switch. It holds no values of
// its own: its controls edit the window's OptionPanel, so a change counts at
// once and lasts until the program ends.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(OptionPanel &options, QWidget *parent = nullptr);

    // Shows the option values in the controls (after a preset or the command line changed them).
    void showOptions();

private:
    void formCreate();

    OptionPanel &m_options;
    QLineEdit *edtCounterStart;
    QLineEdit *edtDigits;
    QComboBox *cbConflict;
    QCheckBox *cbRegex;
    QCheckBox *chkTouchModifiedNow;
};

} // namespace morvane
