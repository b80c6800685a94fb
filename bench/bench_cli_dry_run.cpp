// A quiet dry run prints one line per file. Times, over N files on tmpfs and
// as the median of RUNS runs: the preview alone in process (add the folder,
// build the names, format the lines), and the whole program run with its
// output read through a pipe. The ratio is what start-up and printing add.
//
//   bench_cli_dry_run [N] [RUNS]       defaults 100000 and 5
#include "bench_support.h"
#include "cli/console_run.h"
#include "engine/file_collection.h"
#include "engine/preview.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

using namespace morvane;

namespace {

double report(const char *what, int n, const std::vector<double> &seconds)
{
    const double med = median(seconds);
    const auto [lo, hi] = std::minmax_element(seconds.begin(), seconds.end());
    std::printf("%-26s N=%-7d median %8.4f s  spread %7.4f s  %7.3f us/file\n", what, n, med, *hi - *lo, med * 1e6 / n);
    return med;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    if (n <= 0 || runs <= 0) {
        std::fputs("usage: bench_cli_dry_run [N] [RUNS]\n", stderr);
        return 2;
    }
    const QString base =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/morvane-bench-XXXXXX"));
    QTemporaryDir appData;
    if (!dir.isValid() || !appData.isValid()) {
        std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(base));
        return 1;
    }
    const QString folder = dir.path();
    for (int i = 0; i < n; ++i) {
        const QByteArray path =
            QFile::encodeName(folder + QStringLiteral("/IMG_%1.JPG").arg(i, 6, 10, QLatin1Char('0')));
        const int fd = ::open(path.constData(), O_CREAT | O_WRONLY, 0644);
        if (fd < 0) {
            std::perror("create");
            return 1;
        }
        ::close(fd);
    }
    const QString pattern = QStringLiteral("{counter}_{name}");

    std::vector<double> inProcess, program;
    qsizetype lines = 0;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        RenameItemList items;
        OptionPanel options;
        options.pattern = pattern;
        SilentReporter reporter;
        addFolder(items, folder, false, nullptr);
        buildPreview(items, options, NameContext(), {}, reporter);
        QByteArray out;
        for (const RenameItem &item : items.items())
            out += (dryRunLine(item.originalPath(), item.newName) + QLatin1Char('\n')).toUtf8();
        inProcess.push_back(t.nsecsElapsed() / 1e9);

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("APPDATA"), appData.path());
        p.setProcessEnvironment(env);
        t.restart();
        p.start(QStringLiteral(MORVANE_BINARY),
                {QStringLiteral("/cli"), QStringLiteral("/quiet"), QStringLiteral("/dryrun"),
                 QStringLiteral("/pattern=") + pattern, folder});
        QByteArray got;
        while (p.state() != QProcess::NotRunning || p.bytesAvailable()) {
            p.waitForReadyRead(1000);
            got += p.readAllStandardOutput();
        }
        program.push_back(t.nsecsElapsed() / 1e9);
        if (p.exitCode() != 0 || got.count('\n') != n) {
            std::fprintf(stderr, "the run failed: status %d, %lld lines\n", p.exitCode(), (long long)got.count('\n'));
            return 1;
        }
        lines = got.count('\n');
    }
    const double a = report("preview in process", n, inProcess);
    const double b = report("morvane /quiet /dryrun", n, program);
    std::printf("lines printed %lld; program / in-process ratio %.2f\n", (long long)lines, b / a);
    return 0;
}
