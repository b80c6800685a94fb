// Runs one batch over every file of a folder so that a test can kill it midway.
//   batch_kill_driver <folder> <destination> <appdata> <batch mode>
// Item i gets the new name g<i>.dat; every tenth item repeats the name of the
// item before it, so auto-numbering happens along the way. Prints "go" just
// before the batch starts.

#include "batch/batch_executor.h"

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
    if (args.size() != 5)
        return 2;
    RenameItemList items;
    const QDir folder(args.at(1));
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name))
        items.addFileItem(folder.filePath(name));
    for (int i = 0; i < items.count(); ++i) {
        const int n = i % 10 == 1 ? i - 1 : i;
        items.setNewName(i, QStringLiteral("g%1.dat").arg(n, 4, 10, QLatin1Char('0')));
    }
    OptionPanel options;
    options.batchMode = BatchMode(args.at(4).toInt());
    options.destination = args.at(2);
    options.conflict = ConflictMode(2);
    BatchEnvironment env;
    env.appDataFolder = args.at(3);
    SilentReporter reporter;
    std::fputs("go\n", stdout);
    std::fflush(stdout);
    executeBatch(items, options, reporter, env);
    return 0;
}
