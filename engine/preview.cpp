#include "engine/preview.h"

#include "engine/name_builder.h"

#include <QCoreApplication>

namespace morvane {

bool buildPreview(RenameItemList &items, const OptionPanel &options, const NameContext &context,
                  const QStringList &importedNameList, Reporter &reporter)
{
    if (items.isEmpty()) {
        reporter.information(QCoreApplication::translate("Engine", "No files loaded. Add files first."));
        return false;
    }
    // Read once per run; the rest is read for every name.
    const int start = intOrDefault(options.counterStart, 1);
    const int digits = clampInt(intOrDefault(options.digits, 3), 1, 10);
    const bool keepExtension = !options.changeExt;
    const QString newExtension = trimControl(options.newExt);
    NameBuilder builder(options, context, importedNameList);
    const int total = items.count();
    for (int i = 0; i < total; ++i) {
        if (i > 0 && i % kPreviewProgressStep == 0)
            reporter.progress(i, total);
        QString newName =
            builder.buildNewName(items.at(i), options.pattern, start, digits, keepExtension, newExtension, i);
        items.setNewName(i, newName);
    }
    reporter.progress(total, total);
    return true;
}

} // namespace morvane
