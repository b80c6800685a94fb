// A batch killed at a random moment, then the undo of it killed at a random
// moment, then undo run again: every file of the batch is back under its own
// name with its own contents, in every batch mode, with clashes resolved by
// Overwrite and by Auto-number. Files that stood at a target are back too,
// unless Overwrite replaced them. Nothing is lost. Sources that are links
// come back as links.
//
// The batch and the first undo run in a child process (this program started
// again with "--drive"), which the test kills.

#include "batch_test_support.h"
#include "engine/morvane_error.h"
#include "batch/undo.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace morvane;

namespace {

constexpr int kFiles = 2000;
constexpr int kTrialsPerCase = 3;

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

// Every thirteenth file is a link (relative, to a file outside both folders).
bool isLink(int i)
{
    return i % 13 == 5;
}

// Item i gets the new name g<i>.dat; every tenth item takes the name of the
// item before it, and strangers stand at every seventh new name.
bool hasStranger(int i)
{
    return i % 7 == 3;
}

class SilentReporter : public Reporter {
public:
    void information(const QString &) override {}
    void warning(const QString &) override {}
    void error(const QString &) override {}
    bool confirm(const QString &) override { return true; }
};

// The child: "--drive batch|undo <src> <dst> <app> <mode> <conflict>".
int drive(const QStringList &args)
{
    const QString action = args.at(2);
    const QString src = args.at(3);
    BatchEnvironment env;
    env.appDataFolder = args.at(5);
    SilentReporter reporter;
    RenameItemList items;
    if (action == u"batch") {
        for (int i = 0; i < kFiles; ++i) {
            items.addFileItem(src + u'/' + name(i));
            const int n = i % 10 == 1 ? i - 1 : i;
            items.setNewName(i, QStringLiteral("g%1.dat").arg(n, 4, 10, QLatin1Char('0')));
        }
    }
    OptionPanel options;
    options.destination = args.at(4);
    options.batchMode = BatchMode(args.at(6).toInt());
    options.conflict = ConflictMode(args.at(7).toInt());
    std::fputs("go\n", stdout);
    std::fflush(stdout);
    try {
        if (action == u"batch")
            executeBatch(items, options, reporter, env);
        else
            undoLastBatch(items, reporter, env);
    } catch (const MorvaneError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

} // namespace

// Files of the batch not at their own name: moved, or (mode 1) copied.
int displaced(const QString &src, const QString &dst, BatchMode mode)
{
    int n = 0;
    for (int i = 0; i < kFiles; ++i) {
        const bool home = QFile::exists(src + u'/' + name(i));
        const bool copied =
            QFile::exists(dst + QStringLiteral("/g%1.dat").arg(i % 10 == 1 ? i - 1 : i, 4, 10, QLatin1Char('0')));
        n += mode == BatchMode::CopyToFolder ? (copied && !hasStranger(i) ? 1 : 0) : (home ? 0 : 1);
    }
    return n;
}

class TestKillUndo : public QObject {
    Q_OBJECT

    int m_batchesCut = 0; // killed with some but not all files done
    int m_undosCut = 0;

    // Runs the child to its end (kill < 0) or kills it after `kill` microseconds
    // past its "go". Returns the microseconds it ran.
    qint64 runChild(const QStringList &args, qint64 kill)
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--drive")} + args);
        if (!child.waitForStarted() || !child.waitForReadyRead(60000))
            qFatal("the child did not start");
        QElapsedTimer timer;
        timer.start();
        if (kill >= 0) {
            QThread::usleep(quint64(kill));
            child.kill();
        }
        if (!child.waitForFinished(120000))
            qFatal("the child did not end");
        if (kill < 0 && (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0))
            qFatal("the child failed: %s", child.readAllStandardError().constData());
        return timer.nsecsElapsed() / 1000;
    }

private slots:
    void killedBatchAndUndo_data()
    {
        QTest::addColumn<BatchMode>("mode");
        QTest::addColumn<ConflictMode>("conflict");
        for (const BatchMode mode : {BatchMode::RenameInPlace, BatchMode::CopyToFolder, BatchMode::MoveToFolder}) {
            for (const ConflictMode conflict : {ConflictMode::Overwrite, ConflictMode::AutoNumber})
                // clang-format off
                QTest::addRow("mode %d, conflict %d", int(mode), int(conflict)) << mode << conflict;
            // clang-format on
        }
    }

    void killedBatchAndUndo()
    {
        QFETCH(BatchMode, mode);
        QFETCH(ConflictMode, conflict);
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("seed %u", seed);
        QRandomGenerator random(seed);
        qint64 batchMicros = -1, undoMicros = -1;
        int stranded = 0;

        // Trial 0 runs both to their end and times them; the others kill both.
        for (int trial = 0; trial <= kTrialsPerCase; ++trial) {
            QTemporaryDir tmp(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                  ? QStringLiteral("/dev/shm/morvane-kill-undo-XXXXXX")
                                  : QDir::tempPath() + QStringLiteral("/morvane-kill-undo-XXXXXX"));
            QVERIFY(tmp.isValid());
            const QString src = tmp.path() + "/src \"q\"\n";
            const QString dst = tmp.path() + "/dst\t\"x\",\"y\"";
            const QString app = tmp.path() + "/app";
            const QString targets = mode == BatchMode::RenameInPlace ? src : dst;
            for (int i = 0; i < kFiles; ++i) {
                if (isLink(i)) {
                    writeFile(tmp.path() + QStringLiteral("/targets/t%1").arg(i), content(i));
                    QVERIFY(QFile::link(QStringLiteral("../targets/t%1").arg(i), src + u'/' + name(i)));
                } else {
                    writeFile(src + u'/' + name(i), content(i));
                }
                if (hasStranger(i))
                    writeFile(targets + QStringLiteral("/g%1.dat").arg(i, 4, 10, QLatin1Char('0')),
                              "stranger " + QByteArray::number(i));
            }
            QDir().mkpath(dst);
            const QStringList common{src, dst, app, QString::number(int(mode)), QString::number(int(conflict))};

            if (trial == 0) {
                batchMicros = runChild(QStringList{QStringLiteral("batch")} + common, -1);
                undoMicros = runChild(QStringList{QStringLiteral("undo")} + common, -1);
            } else {
                runChild(QStringList{QStringLiteral("batch")} + common, random.bounded(batchMicros + 1));
                const int done = displaced(src, dst, mode);
                m_batchesCut += done > 0 && done < kFiles * 8 / 10 ? 1 : 0;
                runChild(QStringList{QStringLiteral("undo")} + common, random.bounded(undoMicros + 1));
                const int left = displaced(src, dst, mode);
                m_undosCut += left > 0 && left < done ? 1 : 0;
                // Undo again, as a user would, until it reports that it is done. The
                // killed child's lock went with it: this undo is not refused.
                RenameItemList items;
                RecordingReporter reporter;
                BatchEnvironment env;
                env.appDataFolder = app;
                undoLastBatch(items, reporter, env);
                QVERIFY(reporter.calls.last() == u"information: Undo completed for the last rename operation."
                        || reporter.calls.last() == u"information: No undo log found in AppData.");
            }

            // Every file of the batch is back; strangers are back or were overwritten.
            for (int i = 0; i < kFiles; ++i) {
                QCOMPARE(readFile(src + u'/' + name(i)), content(i));
                QCOMPARE(QFileInfo(src + u'/' + name(i)).isSymLink(), isLink(i));
            }
            for (const QString &folder : {src, dst}) {
                for (const QFileInfo &fi :
                     QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
                    const QString entry = fi.fileName();
                    const int n = entry.mid(1, 4).toInt();
                    if (folder == src && entry.startsWith(u'f') && n < kFiles && entry == name(n))
                        continue;
                    // A copy killed midway leaves its temporary file behind in the destination.
                    if (entry.startsWith(QStringLiteral(".morvane-")) && entry.endsWith(QStringLiteral(".tmp"))) {
                        ++stranded;
                        continue;
                    }
                    QVERIFY2(entry.startsWith(u'g') && hasStranger(n) && folder == targets
                                 && readFile(fi.filePath()) == "stranger " + QByteArray::number(n),
                             qPrintable(QStringLiteral("trial %1: left %2").arg(trial).arg(fi.filePath())));
                }
            }
            if (conflict != ConflictMode::Overwrite) {
                for (int i = 0; i < kFiles; ++i) {
                    if (hasStranger(i))
                        QVERIFY(QFile::exists(targets + QStringLiteral("/g%1.dat").arg(i, 4, 10, QLatin1Char('0'))));
                }
            }
        }
        qInfo("batch %lld us, undo %lld us; %d temporary copies left by killed copies", batchMicros, undoMicros,
              stranded);
    }

    // Kills at random moments within the measured run times stop runs midway
    // most of the time; a test that never did would prove nothing.
    void cleanupTestCase()
    {
        qInfo("%d batches and %d undos killed midway", m_batchesCut, m_undosCut);
        QVERIFY(m_batchesCut >= 1);
        QVERIFY(m_undosCut >= 1);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == u"--drive")
        return drive(args);
    TestKillUndo test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_kill_undo.moc"
