// A batch killed at a random moment can be undone: every original name comes
// back with its own contents, and nothing else is left behind.

#include "batch_test_support.h"
#include "batch/undo.h"
#include "engine/paths.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace morvane;

namespace {
constexpr int kFiles = 2000;
constexpr int kTrials = 20;

// Every fifth name holds what the undo log must quote: quotes, the log's own
// separator, line breaks, and the characters Windows forbids.
QString name(int i)
{
    const QString plain = QStringLiteral("f%1").arg(i, 4, 10, QLatin1Char('0'));
    return plain + (i % 5 == 0 ? QStringLiteral(" What is \"love\"?\",\"<a>|\t\r\n.dat") : QStringLiteral(".dat"));
}

QByteArray content(int i)
{
    return "contents of file " + QByteArray::number(i);
}

// "path/" of every folder and "path=contents" of every file below root, relative to it.
QStringList treeOf(const QString &root, const QString &prefix = QString())
{
    QStringList entries;
    const QDir dir(root);
    for (const QFileInfo &fi : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString path = prefix + fi.fileName();
        if (fi.isDir()) {
            entries << path + u'/';
            entries << treeOf(fi.filePath(), path + u'/');
        } else {
            entries << path + u'=' + QString::fromUtf8(readFile(fi.filePath()));
        }
    }
    return entries;
}
} // namespace

class TestKill : public QObject {
    Q_OBJECT

private slots:
    void killedBatchIsUndone()
    {
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("seed %u", seed);
        QRandomGenerator random(seed);
        qint64 batchMicros = 0;
        int interrupted = 0;
        for (int trial = 0; trial < kTrials; ++trial) {
            const int mode = trial % 2 == 0 ? 0 : 2;
            // tmpfs when there is one: thousands of files per trial, and the kill does not care.
            QTemporaryDir tmp(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                  ? QStringLiteral("/dev/shm/morvane-kill-XXXXXX")
                                  : QDir::tempPath() + QStringLiteral("/morvane-kill-XXXXXX"));
            QVERIFY(tmp.isValid());
            const QString src = tmp.path() + "/src \"q\"\n";
            const QString dst = tmp.path() + "/dst\t\"x\",\"y\"";
            const QString app = tmp.path() + "/app";
            QDir().mkpath(src);
            for (int i = 0; i < kFiles; ++i)
                writeFile(src + u'/' + name(i), content(i));

            QProcess driver;
            driver.start(QStringLiteral(MORVANE_KILL_DRIVER), {src, dst, app, QString::number(mode)});
            QVERIFY(driver.waitForStarted());
            QVERIFY(driver.waitForReadyRead(30000));
            QElapsedTimer timer;
            timer.start();
            if (trial < 2) {
                // The first run of each mode goes to its end and times the batch.
                QVERIFY(driver.waitForFinished(30000));
                QCOMPARE(driver.exitCode(), 0);
                batchMicros = qMax(batchMicros, timer.nsecsElapsed() / 1000);
            } else {
                QThread::usleep(random.bounded(quint32(batchMicros) + 1));
                driver.kill();
                QVERIFY(driver.waitForFinished(30000));
            }

            int moved = 0;
            for (int i = 0; i < kFiles; ++i)
                moved += QFile::exists(src + u'/' + name(i)) ? 0 : 1;
            if (trial >= 2 && moved > 0 && moved < kFiles)
                ++interrupted;

            RenameItemList items;
            RecordingReporter reporter;
            BatchEnvironment env;
            env.appDataFolder = app;
            undoLastBatch(items, reporter, env);

            const QDir srcDir(src);
            const QStringList names =
                srcDir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
            QCOMPARE(names.size(), kFiles);
            for (int i = 0; i < kFiles; ++i) {
                QCOMPARE(names.at(i), name(i));
                QCOMPARE(readFile(src + u'/' + name(i)), content(i));
            }
            QCOMPARE(snapshot(dst), QString());
            qInfo("trial %d, mode %d: %d of %d files were renamed when the batch ended", trial, mode, moved, kFiles);
        }
        // Random moments within the batch's own time stop it midway nearly always.
        QVERIFY(interrupted >= 1);
    }

    // A tree of 500 folders with two files each, every folder an item: the
    // deepest are renamed first. Killed at any moment, undo brings back the
    // tree exactly, every file in its own folder; run to its end, every
    // folder has its new name.
    void killedFolderTreeIsUndone()
    {
        constexpr int kTreeTrials = 8;
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("seed %u", seed);
        QRandomGenerator random(seed);
        qint64 batchMicros = 0;
        int interrupted = 0;
        for (int trial = 0; trial < kTreeTrials; ++trial) {
            QTemporaryDir tmp(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                  ? QStringLiteral("/dev/shm/morvane-kill-XXXXXX")
                                  : QDir::tempPath() + QStringLiteral("/morvane-kill-XXXXXX"));
            QVERIFY(tmp.isValid());
            const QString src = tmp.path() + "/src";
            const QString app = tmp.path() + "/app";
            // 20 top folders, each with 4 folders of 5 folders: 500 folders.
            int folders = 0;
            auto fill = [&](const QString &folder) {
                ++folders;
                for (int f = 0; f < 2; ++f)
                    writeFile(folder + QStringLiteral("/file %1.dat").arg(f),
                              (folder + u'#' + QString::number(f)).toUtf8());
            };
            for (int t = 0; t < 20; ++t) {
                const QString top = src + QStringLiteral("/t%1.d").arg(t, 2, 10, QLatin1Char('0'));
                fill(top);
                for (int m = 0; m < 4; ++m) {
                    const QString mid = top + QStringLiteral("/m%1").arg(m);
                    fill(mid);
                    for (int l = 0; l < 5; ++l)
                        fill(mid + QStringLiteral("/l%1").arg(l));
                }
            }
            QCOMPARE(folders, 500);
            const QStringList before = treeOf(src);

            QProcess driver;
            driver.start(QStringLiteral(MORVANE_KILL_DRIVER),
                         {src, src, app, QStringLiteral("0"), QStringLiteral("folders")});
            QVERIFY(driver.waitForStarted());
            QVERIFY(driver.waitForReadyRead(30000));
            QElapsedTimer timer;
            timer.start();
            if (trial == 0) {
                QVERIFY(driver.waitForFinished(30000));
                QCOMPARE(driver.exitCode(), 0);
                batchMicros = timer.nsecsElapsed() / 1000;
                QStringList renamed = before;
                const QRegularExpression folderName(QStringLiteral("(^|/)([tml])"));
                for (QString &entry : renamed) {
                    const qsizetype equals = entry.indexOf(u'='); // the contents keep the old path
                    entry = entry.left(equals).replace(folderName, QStringLiteral("\\1r\\2"))
                        + (equals < 0 ? QString() : entry.mid(equals));
                }
                QCOMPARE(treeOf(src), renamed);
            } else {
                QThread::usleep(random.bounded(quint32(batchMicros) + 1));
                driver.kill();
                QVERIFY(driver.waitForFinished(30000));
                const QStringList now = treeOf(src);
                int moved = 0;
                for (const QString &entry : now)
                    moved += entry.endsWith(u'/') && fileNamePart(entry.chopped(1)).startsWith(u'r') ? 1 : 0;
                interrupted += moved > 0 && moved < folders ? 1 : 0;
                qInfo("trial %d: %d of %d folders were renamed when the batch ended", trial, moved, folders);
            }

            RenameItemList items;
            RecordingReporter reporter;
            BatchEnvironment env;
            env.appDataFolder = app;
            undoLastBatch(items, reporter, env);
            QCOMPARE(treeOf(src), before);
        }
        QVERIFY(interrupted >= 1);
    }

    // Swaps and rotations go through temporary names: a kill between any two
    // steps still leaves a journal that brings every file back, and no
    // temporary name behind. A run to its end lands every file at its new name.
    void killedSwapsAreUndone_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("shuffle");
        for (const int mode : {0, 2}) {
            for (const char *shuffle : {"swap", "rotate"})
                // clang-format off
                QTest::addRow("mode %d, %s", mode, shuffle) << mode << QString::fromLatin1(shuffle);
            // clang-format on
        }
    }
    void killedSwapsAreUndone()
    {
        QFETCH(int, mode);
        QFETCH(QString, shuffle);
        constexpr int kSwapFiles = 1000;
        constexpr int kSwapTrials = 6;
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("seed %u", seed);
        QRandomGenerator random(seed);
        qint64 batchMicros = 0;
        for (int trial = 0; trial < kSwapTrials; ++trial) {
            QTemporaryDir tmp(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                  ? QStringLiteral("/dev/shm/morvane-kill-XXXXXX")
                                  : QDir::tempPath() + QStringLiteral("/morvane-kill-XXXXXX"));
            QVERIFY(tmp.isValid());
            const QString src = tmp.path() + "/src";
            const QString app = tmp.path() + "/app";
            QDir().mkpath(src);
            for (int i = 0; i < kSwapFiles; ++i)
                writeFile(src + u'/' + name(i), content(i));

            QProcess driver;
            // Moving into the files' own folder: the same cycles as renaming in place.
            driver.start(QStringLiteral(MORVANE_KILL_DRIVER), {src, src, app, QString::number(mode), shuffle});
            QVERIFY(driver.waitForStarted());
            QVERIFY(driver.waitForReadyRead(30000));
            QElapsedTimer timer;
            timer.start();
            if (trial == 0) {
                QVERIFY(driver.waitForFinished(30000));
                QCOMPARE(driver.exitCode(), 0);
                batchMicros = timer.nsecsElapsed() / 1000;
                for (int i = 0; i < kSwapFiles; ++i) {
                    const int from = shuffle == u"rotate" ? (i + kSwapFiles - 1) % kSwapFiles
                        : i % 2 == 0                      ? i + 1
                                                          : i - 1;
                    QCOMPARE(readFile(src + u'/' + name(i)), content(from));
                }
            } else {
                QThread::usleep(random.bounded(quint32(batchMicros) + 1));
                driver.kill();
                QVERIFY(driver.waitForFinished(30000));
            }

            RenameItemList items;
            RecordingReporter reporter;
            BatchEnvironment env;
            env.appDataFolder = app;
            undoLastBatch(items, reporter, env);
            const QStringList names =
                QDir(src).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
            QCOMPARE(names.size(), kSwapFiles);
            for (int i = 0; i < kSwapFiles; ++i) {
                QCOMPARE(names.at(i), name(i));
                QCOMPARE(readFile(src + u'/' + name(i)), content(i));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestKill)
#include "test_kill.moc"
