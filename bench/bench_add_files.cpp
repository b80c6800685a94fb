// Adding a folder of camera files to the batch: the first stage of every run.
// Times the folder listing alone and AddFolder (listing, stat per file, the
// duplicate index) over N files on tmpfs, the median of RUNS runs.
//
//   bench_add_files [N] [RUNS]       defaults 100000 and 5
#include "file_collection.h"
#include "rename_item_list.h"

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
#include <unistd.h>

namespace {

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void Report(const char *what, int n, const std::vector<double> &seconds)
{
    const double med = Median(seconds);
    const auto [lo, hi] = std::minmax_element(seconds.begin(), seconds.end());
    std::printf("%-22s N=%-7d median %8.4f s  spread %7.4f s  %7.3f us/file\n", what, n, med, *hi - *lo,
                med * 1e6 / n);
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    if (n <= 0 || runs <= 0) {
        std::fputs("usage: bench_add_files [N] [RUNS]\n", stderr);
        return 2;
    }

    // tmpfs keeps the disk out of the figure; fall back to the system's temporary folder.
    const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                            : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/morvane-bench-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(base));
        return 1;
    }
    const QString folder = dir.path();
    const QByteArray encoded = folder.toUtf8();
    for (int i = 1; i <= n; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "%s/IMG_%06d.JPG", encoded.constData(), i);
        const int fd = ::open(name, O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0) {
            std::perror(name);
            return 1;
        }
        ::close(fd);
    }

    std::vector<double> listing, adding;
    for (int r = 0; r <= runs; ++r) {   // run 0 warms up
        QElapsedTimer timer;
        timer.start();
        const QStringList files = ListFolderFiles(folder, false, nullptr);
        const double listed = timer.nsecsElapsed() / 1e9;

        RenameItemList items;
        timer.restart();
        const int added = AddFolder(items, folder, false, nullptr);
        const double addedSeconds = timer.nsecsElapsed() / 1e9;
        if (files.size() != n || added != n) {
            std::fprintf(stderr, "listed %lld and added %d of %d files\n", qlonglong(files.size()), added, n);
            return 1;
        }
        if (r > 0) {
            listing.push_back(listed);
            adding.push_back(addedSeconds);
        }
    }
    Report("ListFolderFiles", n, listing);
    Report("AddFolder", n, adding);
    return 0;
}
