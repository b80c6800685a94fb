// The preview of N files with and without the status of every row (duplicate
// targets, files already there, names too long), side by side in one run.
// Target: the preview with status at most 1.3 times the preview without.
//
//   bench_preview_status [N] [RUNS]      defaults 100000 and 7
#include "bench_support.h"
#include "batch/preflight.h"
#include "engine/file_collection.h"
#include "engine/preview.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace morvane;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    if (n <= 0 || runs <= 0) {
        std::fputs("usage: bench_preview_status [N] [RUNS]\n", stderr);
        return 2;
    }
    // tmpfs keeps the disk out of the figure.
    const QString base =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QTemporaryDir tmp(base + QStringLiteral("/morvane-bench-XXXXXX"));
    for (int i = 0; i < n; ++i) {
        QFile f(tmp.path() + QStringLiteral("/IMG_%1.jpg").arg(i, 6, 10, QLatin1Char('0')));
        if (!f.open(QIODevice::WriteOnly))
            return 1;
    }
    RenameItemList items;
    addFolder(items, tmp.path(), false, nullptr);
    OptionPanel options;
    options.pattern = QStringLiteral("{counter}_{name}");
    options.digits = QStringLiteral("6");
    const NameContext context;
    const QStringList noList;
    SilentReporter reporter;
    // A folder changed within the last second is listed afresh at every
    // check (a change in the same clock tick could hide); let it settle, as
    // the folders people rename have.
    QThread::sleep(2);

    std::vector<double> without, with, checkOnly, checkNoListing;
    int problems = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        buildPreview(items, options, context, noList, reporter);
        without.push_back(timer.nsecsElapsed() / 1e9);
        timer.start();
        buildPreview(items, options, context, noList, reporter);
        const PreviewCheck check = checkPreview(items, options);
        with.push_back(timer.nsecsElapsed() / 1e9);
        problems = check.problems();
        timer.start();
        checkPreview(items, options);
        checkOnly.push_back(timer.nsecsElapsed() / 1e9);
        timer.start();
        checkPreview(items, options, ExistenceTest::No);
        checkNoListing.push_back(timer.nsecsElapsed() / 1e9);
    }
    const double a = median(without), b = median(with);
    std::printf("items %d, runs %d, problem rows %d\n", items.count(), runs, problems);
    std::printf("preview without status  median %.4f s\n", a);
    std::printf("preview with status     median %.4f s\n", b);
    std::printf("status alone            median %.4f s (without the folder listing %.4f s)\n", median(checkOnly),
                median(checkNoListing));
    std::printf("ratio %.2f (target at most 1.30) %s\n", b / a, b / a <= 1.3 ? "ok" : "SLOW");
    return 0;
}
