#pragma once

#include "engine/option_panel.h"
#include "ui/option_binding.h"

#include <QScrollArea>

class QCheckBox;
class QLineEdit;

namespace morvane {

// The rename rules of the main window: find and replace, pattern, new
// extension, case, insert, remove, trims and number padding. Its widgets
// edit a bound OptionPanel, which stays the truth. The widgets keep their
// 96-dpi places; a window narrower than them scrolls them sideways.
class RulePanel : public QScrollArea {
    Q_OBJECT
public:
    explicit RulePanel(OptionPanel &options, QWidget *parent = nullptr);

    // Shows the option values (after a preset or the command line changed them).
    void showOptions();

signals:
    // The "?" beside the pattern was clicked.
    void patternHelpRequested();

private:
    void updateNewExtensionEdit();

    OptionBinding m_binding;
    QCheckBox *m_newExtensionCheck = nullptr;
    QLineEdit *m_newExtensionEdit = nullptr;
};

} // namespace morvane
