#include "preview.h"

#include "name_builder.h"

bool BuildPreview(RenameItemList &items, const OptionPanel &options, const NameContext &context,
                  const QStringList &importedNameList, Reporter &reporter)
{
    if (items.isEmpty()) {
        reporter.information(QStringLiteral("No files loaded. Add files first."));
        return false;
    }
    const int start = IntOrDefault(options.counterStart, 1);
    const int digits = ClampInt(IntOrDefault(options.digits, 3), 1, 10);
    const bool keepExtension = !options.changeExt;
    const QString newExtension = TrimControl(options.newExt);
    NameBuilder builder(options, context, importedNameList);
    for (int i = 0; i < items.count(); ++i)
        items.setNewName(i, builder.BuildNewName(items.at(i), options.pattern, FormatCounter(start, i, digits),
                                                 keepExtension, newExtension, i));
    return true;
}
