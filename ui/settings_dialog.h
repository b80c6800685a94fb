#pragma once

#include "option_panel.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The settings dialog (FormSettings): counter start and digits, the conflict
// mode, regular expressions and the time-stamp switch. It holds no values of
// its own: its controls edit the window's OptionPanel, so a change counts at
// once and lasts until the program ends.
class TFormSettings : public QDialog {
    Q_OBJECT
public:
    TFormSettings(OptionPanel &options, QWidget *parent = nullptr);

    // Shows the option values in the controls (after a preset or the command line changed them).
    void showOptions();

private:
    void FormCreate();

    OptionPanel &m_options;
    QLineEdit *edtCounterStart;
    QLineEdit *edtDigits;
    QComboBox *cbConflict;
    QCheckBox *cbRegex;
    QCheckBox *chkTouchModifiedNow;
};
