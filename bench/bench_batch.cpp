// Renaming in place and undoing it: the batch's own cost over the kernel's.
// Each run renames N files on tmpfs three ways in the same folder state: a bare
// rename(2) loop over precomputed paths (the floor), executeBatch (clash check,
// journal line, item update), then undoLastBatch over its log. Prints medians of
// RUNS runs, the ratios to the floor, and the system calls per file of the
// batch and of undo, counted at the SystemCalls seam.
//
//   bench_batch [N] [RUNS]       defaults 100000 and 3
#include "bench_support.h"
#include "batch/batch_executor.h"
#include "batch/undo.h"
#include "tests/batch/system_call_stub.h"

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

using namespace morvane;

namespace {

class QuietReporter : public Reporter {
public:
    void information(const QString &) override {}
    void warning(const QString &) override {}
    void error(const QString &) override {}
    bool confirm(const QString &) override { return true; }
};

// Counts every call that passes the seam.
class CountingSystemCalls : public SystemCallStub {
public:
    qint64 calls = 0;
    int intercept(const char *) override
    {
        ++calls;
        return 0;
    }
};

QString name(const char *stem, int i)
{
    return QString::asprintf("%s%06d.jpg", stem, i);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    if (n <= 0 || runs <= 0) {
        std::fputs("usage: bench_batch [N] [RUNS]\n", stderr);
        return 2;
    }
    const QString base =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/morvane-bench-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(base));
        return 1;
    }
    const QString folder = dir.path() + QStringLiteral("/files");
    QDir().mkpath(folder);
    for (int i = 0; i < n; ++i) {
        const int fd = ::open(QFile::encodeName(folder + u'/' + name("IMG_", i)).constData(), O_WRONLY | O_CREAT, 0644);
        if (fd < 0) {
            std::perror("create");
            return 1;
        }
        ::close(fd);
    }

    std::vector<QByteArray> from, to;
    for (int i = 0; i < n; ++i) {
        from.push_back(QFile::encodeName(folder + u'/' + name("IMG_", i)));
        to.push_back(QFile::encodeName(folder + u'/' + name("photo-", i)));
    }

    std::vector<double> bare, batch, undo;
    qint64 batchCalls = 0, undoCalls = 0;
    QuietReporter reporter;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < n; ++i) {
            if (::rename(from[i].constData(), to[i].constData()) != 0) {
                std::perror("rename");
                return 1;
            }
        }
        bare.push_back(t.nsecsElapsed() / 1e9);
        for (int i = 0; i < n; ++i)
            ::rename(to[i].constData(), from[i].constData());

        RenameItemList items;
        for (int i = 0; i < n; ++i) {
            items.addFileItem(QString::fromUtf8(from[i]));
            items.setNewName(i, name("photo-", i));
        }
        CountingSystemCalls sys;
        BatchEnvironment env;
        env.appDataFolder = dir.path() + QStringLiteral("/app");
        env.sys = &sys;
        OptionPanel options;
        t.restart();
        executeBatch(items, options, reporter, env);
        batch.push_back(t.nsecsElapsed() / 1e9);
        batchCalls = sys.calls;

        sys.calls = 0;
        t.restart();
        undoLastBatch(items, reporter, env);
        undo.push_back(t.nsecsElapsed() / 1e9);
        undoCalls = sys.calls;
        if (!QFile::exists(QString::fromUtf8(from[n - 1]))) {
            std::fputs("undo did not restore the files\n", stderr);
            return 1;
        }
    }

    const double b = median(bare), e = median(batch), u = median(undo);
    std::printf("bare rename(2) loop    N=%-7d median %8.4f s  %7.3f us/file\n", n, b, b * 1e6 / n);
    std::printf("ExecuteBatch           N=%-7d median %8.4f s  %7.3f us/file  %.2fx bare  %.2f calls/file\n", n, e,
                e * 1e6 / n, e / b, double(batchCalls) / n);
    std::printf("UndoLastBatch          N=%-7d median %8.4f s  %7.3f us/file  %.2fx bare  %.2f calls/file\n", n, u,
                u * 1e6 / n, u / b, double(undoCalls) / n);
    return 0;
}
