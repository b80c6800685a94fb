#include "ui/rule_files.h"

#include "engine/name_list.h"
#include "presets/preset_reader.h"
#include "presets/preset_writer.h"
#include "ui/dialogs.h"

#include <QWidget>

namespace morvane {

RuleFiles::RuleFiles(Dialogs &dialogs, QWidget *window) : QObject(window), m_dialogs(dialogs), m_window(window)
{
}

bool RuleFiles::savePresetAs(const OptionPanel &options)
{
    FileDialogSpec spec;
    spec.filter = tr("Preset JSON (*.json)");
    spec.defaultSuffix = QStringLiteral("json");
    const QString fileName = m_dialogs.saveFile(m_window, spec);
    if (fileName.isEmpty())
        return false;
    savePreset(fileName, options);
    return true;
}

bool RuleFiles::openPreset(OptionPanel &options)
{
    FileDialogSpec spec;
    spec.filter = tr("Preset JSON (*.json)");
    const QString fileName = m_dialogs.openFile(m_window, spec);
    if (fileName.isEmpty())
        return false;
    loadPreset(fileName, options);
    return true;
}

bool RuleFiles::openNameList(QStringList &names)
{
    FileDialogSpec spec;
    spec.filter = tr("Name list (*.txt *.csv);;All files (*)");
    spec.selectedFilter = tr("Name list (*.txt *.csv)");
    const QString fileName = m_dialogs.openFile(m_window, spec);
    if (fileName.isEmpty())
        return false;
    loadNameList(fileName, names);
    return true;
}

} // namespace morvane
