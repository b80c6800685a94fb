#include "engine/preview.h"

#include "engine/metadata_keywords.h"
#include "engine/name_builder.h"
#include "engine/name_store.h"

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
    const int total = items.count();
    // Files whose names need their metadata are read ahead on other threads.
    NameContext readingContext = context;
    std::unique_ptr<MetadataReadAhead> readAhead;
    if (hasMetadataKeywords(options.pattern)) {
        QStringList files;
        files.reserve(total);
        for (int i = 0; i < total; ++i) {
            if (!items.at(i).isFolder)
                files.append(items.at(i).originalPath());
        }
        readAhead = MetadataReadAhead::start(options.pattern, files);
        readingContext.metadataReadAhead = readAhead.get();
    }
    NameBuilder builder(options, readingContext, importedNameList);
    NameStore names; // the new names packed together: they are kept for the whole batch
    for (int i = 0; i < total; ++i) {
        if (i > 0 && i % kPreviewProgressStep == 0)
            reporter.progress(i, total);
        const QString newName =
            builder.buildNewName(items.at(i), options.pattern, start, digits, keepExtension, newExtension, i);
        items.setNewName(i, names.store(newName));
    }
    reporter.progress(total, total);
    return true;
}

} // namespace morvane
