// Renames on a real case-insensitive file system: an exFAT image on a loop
// device, mounted through FUSE, which gives each spelling of a name its own
// inode number. Skipped only where the machine has no /dev/fuse or no loop
// devices; every outside step is bounded in time, and a watchdog kills the
// FUSE process should the file system stop answering, so the test fails
// instead of hanging.

#include "batch_test_support.h"
#include "batch/undo.h"
#include "engine/morvane_error.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include <csignal>
#include <unistd.h>

using namespace morvane;

namespace {

constexpr int kStepMs = 60000;        // one outside command
constexpr int kWatchdogSeconds = 300; // the whole test on the mounted volume

QString findTool(const QString &name)
{
    QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin", "/usr/bin", "/bin"});
    return path;
}

// Runs a command to its end within kStepMs; false with the reason in *error otherwise.
bool runStep(const QString &program, const QStringList &args, QByteArray *out, QString *error)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(kStepMs)) {
        *error = program + ": " + p.errorString();
        return false;
    }
    if (!p.waitForFinished(kStepMs)) {
        p.kill();
        p.waitForFinished(5000);
        *error = program + " " + args.join(u' ') + ": no answer within " + QString::number(kStepMs / 1000) + " s";
        return false;
    }
    if (out)
        *out = p.readAllStandardOutput().trimmed();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        *error =
            program + " " + args.join(u' ') + " failed: " + QString::fromLocal8Bit(p.readAllStandardError().trimmed());
        return false;
    }
    return true;
}

bool isMountPoint(const QString &dir)
{
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    if (!mounts.open(QIODevice::ReadOnly))
        return false;
    const QByteArray needle = ' ' + dir.toUtf8() + ' ';
    return mounts.readAll().contains(needle);
}

// A 64 MiB exFAT image on a loop device, mounted for the life of the object.
class ExfatVolume {
public:
    QString skipReason; // no /dev/fuse or no loop device: the test cannot run here
    QString error;      // a step that should have worked did not
    QString mountPoint;

    ExfatVolume()
    {
        if (::access("/dev/fuse", R_OK | W_OK) != 0) {
            skipReason =
                QStringLiteral("/dev/fuse is missing or not usable (%1): FUSE file systems cannot be mounted here")
                    .arg(systemErrorText(errno));
            return;
        }
        const QString mkfs = findTool(QStringLiteral("mkfs.exfat"));
        const QString fuse = findTool(QStringLiteral("mount.exfat-fuse"));
        const QString losetup = findTool(QStringLiteral("losetup"));
        m_umount = findTool(QStringLiteral("umount"));
        if (mkfs.isEmpty() || fuse.isEmpty() || losetup.isEmpty() || m_umount.isEmpty()) {
            error = QStringLiteral(
                "mkfs.exfat, mount.exfat-fuse, losetup or umount not found: run scripts/install-deps.sh");
            return;
        }
        m_losetup = losetup;
        if (!m_tmp.isValid()) {
            error = QStringLiteral("no temporary folder");
            return;
        }
        const QString image = m_tmp.path() + "/exfat.img";
        mountPoint = m_tmp.path() + "/mnt";
        QDir().mkpath(mountPoint);
        QFile img(image);
        if (!img.open(QIODevice::WriteOnly) || !img.resize(64 << 20)) {
            error = QStringLiteral("cannot make the image file");
            return;
        }
        img.close();
        if (!runStep(mkfs, {image}, nullptr, &error))
            return;
        QByteArray device;
        QString loopError;
        if (!runStep(losetup, {"-f", "--show", image}, &device, &loopError)) {
            skipReason = QStringLiteral("no loop device available (%1)").arg(loopError);
            return;
        }
        m_device = QString::fromLocal8Bit(device);

        // In the foreground (-d), so this process owns the file system and can end it.
        m_fuse.setStandardOutputFile(QProcess::nullDevice());
        m_fuse.setStandardErrorFile(QProcess::nullDevice());
        m_fuse.start(fuse, {"-d", m_device, mountPoint});
        if (!m_fuse.waitForStarted(kStepMs)) {
            error = QStringLiteral("mount.exfat-fuse did not start: ") + m_fuse.errorString();
            return;
        }
        m_watchdog = std::thread([this, pid = m_fuse.processId()] {
            std::unique_lock lock(m_mutex);
            if (!m_done.wait_for(lock, std::chrono::seconds(kWatchdogSeconds), [this] { return m_finished; }))
                ::kill(pid_t(pid), SIGKILL); // calls into the dead file system now fail at once
        });
        for (int waited = 0; !isMountPoint(mountPoint); waited += 50) {
            if (waited > 20000 || m_fuse.state() == QProcess::NotRunning) {
                error = QStringLiteral("the exFAT image did not get mounted");
                return;
            }
            QThread::msleep(50);
        }
        m_mounted = true;
    }

    ~ExfatVolume()
    {
        QString ignored;
        if (m_mounted && !runStep(m_umount, {mountPoint}, nullptr, &ignored))
            runStep(m_umount, {"-l", mountPoint}, nullptr, &ignored);
        if (m_fuse.state() != QProcess::NotRunning && !m_fuse.waitForFinished(10000)) {
            m_fuse.kill();
            m_fuse.waitForFinished(5000);
            runStep(m_umount, {"-l", mountPoint}, nullptr, &ignored);
        }
        if (m_watchdog.joinable()) {
            {
                std::lock_guard lock(m_mutex);
                m_finished = true;
            }
            m_done.notify_all();
            m_watchdog.join();
        }
        if (!m_device.isEmpty())
            runStep(m_losetup, {"-d", m_device}, nullptr, &ignored);
    }

private:
    QTemporaryDir m_tmp;
    QString m_umount, m_losetup, m_device;
    QProcess m_fuse;
    bool m_mounted = false;
    std::thread m_watchdog;
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
};

QByteArray entryLine(const QString &from, const QString &to)
{
    return "\"" + from.toUtf8() + "\",\"" + to.toUtf8() + "\"\r\n";
}

const QByteArray kHeader = "\xEF\xBB\xBF"
                           "Original,New\r\n";

// "name=content;..." entries in one order, whatever the case of the names.
QString sorted(const QString &entries)
{
    QStringList parts = entries.split(u';', Qt::SkipEmptyParts);
    parts.sort(Qt::CaseInsensitive);
    return parts.join(u';');
}

QString listing(const QString &folder)
{
    return sorted(snapshot(folder));
}

} // namespace

class TestExfat : public QObject {
    Q_OBJECT

    std::unique_ptr<ExfatVolume> m_volume;
    QTemporaryDir m_app; // the undo log lies off the volume, as it does for users
    int m_case = 0;

    // A fresh, empty folder on the volume.
    QString freshFolder()
    {
        const QString dir = m_volume->mountPoint + "/case" + QString::number(++m_case);
        if (!QDir().mkpath(dir))
            qFatal("cannot make %s", qPrintable(dir));
        return dir;
    }

    BatchEnvironment environment() const
    {
        BatchEnvironment env;
        env.appDataFolder = m_app.path();
        return env;
    }

    QString run(RenameItemList &items, const OptionPanel &options)
    {
        RecordingReporter reporter;
        try {
            executeBatch(items, options, reporter, environment());
        } catch (const MorvaneError &e) {
            return e.message();
        }
        return QString();
    }

    void undo()
    {
        RenameItemList items;
        RecordingReporter reporter;
        undoLastBatch(items, reporter, environment());
        QCOMPARE(reporter.calls.value(0), "information: Undo completed for the last rename operation.");
    }

    QByteArray log() const { return readFile(undoLogPath(m_app.path())); }

private slots:
    void initTestCase()
    {
        m_volume = std::make_unique<ExfatVolume>();
        if (!m_volume->skipReason.isEmpty())
            QSKIP(qPrintable(m_volume->skipReason));
        QVERIFY2(m_volume->error.isEmpty(), qPrintable(m_volume->error));
    }

    void cleanupTestCase() { m_volume.reset(); }

    // A name that only changes case gives exactly that name, in every
    // conflict mode, and undo gives the old one back.
    void caseOnlyRename_data()
    {
        QTest::addColumn<ConflictMode>("conflict");
        QTest::addColumn<QString>("oldName");
        QTest::addColumn<QString>("newName");
        for (const ConflictMode conflict : {ConflictMode::Skip, ConflictMode::Overwrite, ConflictMode::AutoNumber}) {
            const QByteArray number = QByteArray::number(int(conflict));
            // clang-format off
            QTest::newRow("ascii, conflict " + number) << conflict << "IMG_001.JPG" << "img_001.JPG";
            QTest::newRow("non-ascii, conflict " + number) << conflict << "ÄRGER.txt" << "ärger.txt";
            // clang-format on
        }
    }

    void caseOnlyRename()
    {
        QFETCH(ConflictMode, conflict);
        QFETCH(QString, oldName);
        QFETCH(QString, newName);
        const QString dir = freshFolder();
        writeFile(dir + u'/' + oldName, "photo");
        writeFile(dir + "/other.txt", "other");
        RenameItemList items;
        QVERIFY(items.addFileItem(dir + u'/' + oldName));
        items.setNewName(0, newName);
        OptionPanel options;
        options.conflict = conflict;

        QCOMPARE(run(items, options), QString());
        QCOMPARE(listing(dir), sorted("other.txt=other;" + newName + "=photo"));
        QCOMPARE(items.at(0).originalPath(), dir + u'/' + newName);
        QCOMPARE(log(), kHeader + entryLine(dir + u'/' + oldName, dir + u'/' + newName));

        undo();
        QCOMPARE(listing(dir), sorted(oldName + "=photo;other.txt=other"));
    }

    // Another file whose name differs only in case is a real clash: each
    // conflict mode treats it as it treats any existing file.
    void clashWithCaseTwin_data()
    {
        QTest::addColumn<ConflictMode>("conflict");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("undone");
        // clang-format off
        QTest::newRow("skip") << ConflictMode::Skip << "a.txt=a;B.TXT=b" << "a.txt=a;B.TXT=b";
        // Overwrite replaces the twin, as it replaces any file; undo cannot bring the twin back.
        QTest::newRow("overwrite") << ConflictMode::Overwrite << "b.txt=a" << "a.txt=a";
        QTest::newRow("auto-number") << ConflictMode::AutoNumber << "b (1).txt=a;B.TXT=b" << "a.txt=a;B.TXT=b";
        // clang-format on
    }

    void clashWithCaseTwin()
    {
        QFETCH(ConflictMode, conflict);
        QFETCH(QString, after);
        QFETCH(QString, undone);
        const QString dir = freshFolder();
        writeFile(dir + "/a.txt", "a");
        writeFile(dir + "/B.TXT", "b");
        RenameItemList items;
        QVERIFY(items.addFileItem(dir + "/a.txt"));
        items.setNewName(0, "b.txt");
        OptionPanel options;
        options.conflict = conflict;

        QCOMPARE(run(items, options), QString());
        QCOMPARE(listing(dir), sorted(after));
        undo();
        QCOMPARE(listing(dir), sorted(undone));
    }

    // A file moved or copied in from another folder is never the file that
    // stands at its target, however the names compare.
    void moveOntoCaseTwin_data()
    {
        QTest::addColumn<BatchMode>("mode");
        // clang-format off
        QTest::newRow("copy") << BatchMode::CopyToFolder;
        QTest::newRow("move") << BatchMode::MoveToFolder;
        // clang-format on
    }

    void moveOntoCaseTwin()
    {
        QFETCH(BatchMode, mode);
        const QString src = freshFolder();
        const QString dst = freshFolder();
        writeFile(src + "/IMG.JPG", "new");
        writeFile(dst + "/img.jpg", "old");
        RenameItemList items;
        QVERIFY(items.addFileItem(src + "/IMG.JPG"));
        items.setNewName(0, "IMG.JPG");
        OptionPanel options;
        options.batchMode = mode;
        options.destination = dst;
        options.conflict = ConflictMode::AutoNumber;

        QCOMPARE(run(items, options), QString());
        QCOMPARE(listing(dst), sorted("IMG (1).JPG=new;img.jpg=old"));
        QCOMPARE(listing(src), sorted(mode == BatchMode::CopyToFolder ? "IMG.JPG=new" : ""));
        undo();
        QCOMPARE(listing(dst), sorted("img.jpg=old"));
        QCOMPARE(listing(src), sorted("IMG.JPG=new"));
    }
};

QTEST_GUILESS_MAIN(TestExfat)
#include "test_exfat.moc"
