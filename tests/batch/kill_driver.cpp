// Runs one batch over every file of a folder so that a test can kill it midway.
//   batch_kill_driver <folder> <destination> <appdata> <batch mode> [swap|rotate]
// Item i gets the new name g<i>.dat; every tenth item repeats the name of the
// item before it, so auto-numbering happens along the way. With "swap" items
// trade names in pairs, with "rotate" item i takes the name of item i + 1 and
// the last the first's: every file goes through the batch's temporary names
// or waits for another. With "folders" the items are the folders of the
// tree below <folder> (not their files), each renamed to "r" and its name.
// Prints "go" just before the batch starts.

#include "batch/batch_executor.h"
#include "engine/file_collection.h"
#include "engine/paths.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

using namespace morvane;

namespace {
class SilentReporter : public Reporter {
public:
    void information(const QString &) override {}
    void warning(const QString &) override {}
    void error(const QString &) override {}
    bool confirm(const QString &) override { return true; }
};
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5 && args.size() != 6)
        return 2;
    const QString shuffle = args.value(5);
    RenameItemList items;
    const QDir folder(args.at(1));
    if (shuffle == u"folders") {
        FolderListing listing(true);
        listing.folderItems = true;
        for (const QString &name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            addFolder(items, folder.filePath(name), listing, nullptr);
    } else {
        for (const QString &name : folder.entryList(QDir::Files, QDir::Name))
            items.addFileItem(folder.filePath(name));
    }
    const int count = items.count();
    for (int i = 0; i < count; ++i) {
        if (shuffle == u"folders") {
            items.setNewName(i, u'r' + items.at(i).originalName().toString());
        } else if (shuffle == u"swap") {
            const int other = i % 2 == 0 ? qMin(i + 1, count - 1) : i - 1;
            items.setNewName(i, fileNamePart(items.at(other).originalPath()));
        } else if (shuffle == u"rotate") {
            items.setNewName(i, fileNamePart(items.at((i + 1) % count).originalPath()));
        } else {
            const int n = i % 10 == 1 ? i - 1 : i;
            items.setNewName(i, QStringLiteral("g%1.dat").arg(n, 4, 10, QLatin1Char('0')));
        }
    }
    OptionPanel options;
    options.batchMode = BatchMode(args.at(4).toInt());
    options.destination = args.at(2);
    options.conflict = ConflictMode::AutoNumber;
    BatchEnvironment env;
    env.appDataFolder = args.at(3);
    SilentReporter reporter;
    std::fputs("go\n", stdout);
    std::fflush(stdout);
    executeBatch(items, options, reporter, env);
    return 0;
}
