// From a folder to a preview: N files on tmpfs listed with listFolderFiles,
// each added with addFileItem (one statx, the duplicate index), then
// buildPreview with "{counter}_{name}_{parent}". Prints the median of RUNS
// runs per step as items per second, the add step beside a bare statx loop
// (its floor), and the peak memory of the process.
//
//   bench_preview [N] [RUNS]       defaults 100000 and 5
#include "bench_support.h"
#include "engine/file_collection.h"
#include "engine/name_builder.h"
#include "engine/preview.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace morvane;

namespace {

void report(const char *what, int n, const std::vector<double> &seconds)
{
    const double med = median(seconds);
    const auto [lo, hi] = std::minmax_element(seconds.begin(), seconds.end());
    std::printf("%-16s N=%-7d median %7.4f s  spread %7.4f s  %10.0f items/s\n", what, n, med, *hi - *lo, n / med);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    if (n <= 0 || runs <= 0) {
        std::fputs("usage: bench_preview [N] [RUNS]\n", stderr);
        return 2;
    }

    // tmpfs keeps the disk out of the figure; else the system's temporary folder.
    const QString base =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/morvane-bench-XXXXXX"));
    if (!dir.isValid() || !QDir(dir.path()).mkdir(QStringLiteral("Holiday 2024"))) {
        std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(base));
        return 1;
    }
    const QString folder = dir.path() + QStringLiteral("/Holiday 2024");
    const QByteArray encoded = QFile::encodeName(folder);
    for (int i = 1; i <= n; ++i) {
        char name[4096];
        std::snprintf(name, sizeof name, "%s/IMG_%06d beach.JPG", encoded.constData(), i);
        const int fd = ::open(name, O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0) {
            std::perror(name);
            return 1;
        }
        ::close(fd);
    }
    const long baseline = peakMegabytes();

    OptionPanel options;
    options.pattern = QStringLiteral("{counter}_{name}_{parent}");
    options.digits = QStringLiteral("6");
    NameContext context;
    context.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    context.timeZone = QTimeZone("Europe/Berlin");
    SilentReporter reporter;

    // The floor of the add step: one bare statx per file over ready-made byte paths.
    std::vector<QByteArray> rawPaths;
    for (const QString &path : listFolderFiles(folder, false, nullptr))
        rawPaths.push_back(QFile::encodeName(path));

    std::vector<double> floor, listing, adding, preview;
    for (int r = 0; r <= runs; ++r) { // run 0 warms up
        QElapsedTimer timer;
        timer.start();
        for (const QByteArray &raw : rawPaths) {
            struct statx sx;
            statx(AT_FDCWD, raw.constData(), AT_STATX_SYNC_AS_STAT, STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_BTIME,
                  &sx);
        }
        const double floorSeconds = timer.nsecsElapsed() / 1e9;

        timer.restart();
        const QStringList files = listFolderFiles(folder, false, nullptr);
        const double listed = timer.nsecsElapsed() / 1e9;

        RenameItemList items;
        timer.restart();
        for (const QString &path : files)
            items.addFileItem(path);
        const double added = timer.nsecsElapsed() / 1e9;

        timer.restart();
        buildPreview(items, options, context, {}, reporter);
        const double previewed = timer.nsecsElapsed() / 1e9;

        const RenameItem &last = items.isEmpty() ? RenameItem() : items.at(items.count() - 1);
        const QString expected = formatCounter(1, n - 1, 6) + u'_' + last.originalName().toString()
            + QStringLiteral("_Holiday 2024") + last.ext().toString();
        if (files.size() != n || items.count() != n || last.newName != expected) {
            std::fprintf(stderr, "listed %lld, added %d of %d files; last name %s\n", qlonglong(files.size()),
                         items.count(), n, qPrintable(last.newName));
            return 1;
        }
        if (r > 0) {
            floor.push_back(floorSeconds);
            listing.push_back(listed);
            adding.push_back(added);
            preview.push_back(previewed);
        }
    }
    report("ListFolderFiles", n, listing);
    report("bare statx loop", n, floor);
    report("AddFileItem", n, adding);
    std::printf("AddFileItem / bare statx: %.2fx\n", median(adding) / median(floor));
    report("BuildPreview", n, preview);
    std::printf("peak memory %ld MB (%ld MB before the first run)\n", peakMegabytes(), baseline);
    return 0;
}
