#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

namespace morvane {

class Dialogs;
struct OptionPanel;

// The files behind the rules, each picked in a file dialog: presets saved
// and opened, and name lists opened. Each call returns false when the user
// cancelled the dialog; a file that cannot be read or written throws
// MorvaneError.
class RuleFiles : public QObject {
    Q_OBJECT
public:
    RuleFiles(Dialogs &dialogs, QWidget *window);

    bool savePresetAs(const OptionPanel &options);
    // The preset's values replace those it holds; the others stay.
    bool openPreset(OptionPanel &options);
    bool openNameList(QStringList &names);

private:
    Dialogs &m_dialogs;
    QWidget *m_window;
};

} // namespace morvane
