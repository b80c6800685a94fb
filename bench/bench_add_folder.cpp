// Adding a folder in natural order against adding it in the file system's
// (hash) order: N files on tmpfs named as cameras number them without
// leading zeros ("IMG_1 beach.JPG" ... "IMG_N beach.JPG"), each run adds the
// whole folder with addFolder both ways, alternating which goes first.
// Prints the medians of RUNS runs side by side and their ratio.
//
//   bench_add_folder [N] [RUNS]       defaults 100000 and 5
#include "bench_support.h"
#include "engine/file_collection.h"
#include "engine/natural_order.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

using namespace morvane;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    if (n <= 0 || runs <= 0) {
        std::fputs("usage: bench_add_folder [N] [RUNS]\n", stderr);
        return 2;
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    const QString base =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/morvane-bench-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(base));
        return 1;
    }
    const QByteArray encoded = QFile::encodeName(dir.path());
    for (int i = 1; i <= n; ++i) {
        char name[4096];
        std::snprintf(name, sizeof name, "%s/IMG_%d beach.JPG", encoded.constData(), i);
        const int fd = ::open(name, O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0) {
            std::perror(name);
            return 1;
        }
        ::close(fd);
    }

    FolderListing natural, unsorted;
    unsorted.naturalOrder = false;
    auto timeAdd = [&](const FolderListing &listing, RenameItemList &items) {
        QElapsedTimer timer;
        timer.start();
        addFolder(items, dir.path(), listing, nullptr);
        return timer.nsecsElapsed() / 1e9;
    };

    std::vector<double> sortedSeconds, unsortedSeconds;
    for (int r = 0; r <= runs; ++r) { // run 0 warms up
        RenameItemList a, b;
        double s, u;
        if (r % 2) {
            s = timeAdd(natural, a);
            u = timeAdd(unsorted, b);
        } else {
            u = timeAdd(unsorted, b);
            s = timeAdd(natural, a);
        }
        if (a.count() != n || b.count() != n || a.at(0).originalName().toString() != u"IMG_1 beach"
            || a.at(n - 1).originalName().toString() != QStringLiteral("IMG_%1 beach").arg(n)) {
            std::fprintf(stderr, "added %d and %d of %d files, first %s\n", a.count(), b.count(), n,
                         qPrintable(a.isEmpty() ? QString() : a.at(0).originalName().toString()));
            return 1;
        }
        if (r > 0) {
            sortedSeconds.push_back(s);
            unsortedSeconds.push_back(u);
        }
    }
    const double ms = median(sortedSeconds), mu = median(unsortedSeconds);
    std::printf("addFolder N=%d, %d runs, medians (fast keys: %s)\n", n, runs,
                naturalOrderHasFastKeys() ? "yes" : "no");
    std::printf("  file system order  %7.4f s\n", mu);
    std::printf("  natural order      %7.4f s\n", ms);
    std::printf("  natural / unsorted %7.2fx (target at most 1.3x)\n", ms / mu);
    std::printf("peak memory %ld MB\n", peakMegabytes());
    return 0;
}
