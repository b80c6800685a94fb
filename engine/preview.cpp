#include "preview.h"

#include "name_builder.h"

bool BuildPreview(RenameItemList &items, const OptionPanel &options, const NameContext &context,
                  const QStringList &importedNameList, Reporter &reporter)
{
    if (items.isEmpty()) {
        reporter.information(QStringLiteral("No files loaded. Add files first."));
        return false;
    }
    // Read once per run; the rest is read for every name.
    const int start = IntOrDefault(options.counterStart, 1);
    const int digits = ClampInt(IntOrDefault(options.digits, 3), 1, 10);
    const bool keepExtension = !options.changeExt;
    const QString newExtension = TrimControl(options.newExt);
    NameBuilder builder(options, context, importedNameList);
    const int total = items.count();
    for (int i = 0; i < total; ++i) {
        if (i > 0 && i % kPreviewProgressStep == 0)
            reporter.progress(i, total);
        QString newName = builder.BuildNewName(items.at(i), options.pattern, start, digits, keepExtension,
                                               newExtension, i);
        items.setNewName(i, newName);
    }
    reporter.progress(total, total);
    return true;
}
