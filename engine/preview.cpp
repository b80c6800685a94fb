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
        const TRenameItem item = items.at(i);
        items.setNewName(i, builder.BuildNewName(item, options.pattern, FormatCounter(start, i, digits),
                                                 keepExtension, newExtension, i));
    }
    reporter.progress(total, total);
    return true;
}
