#include "batch_test_support.h"
#include "batch/file_operations.h"
#include "engine/morvane_error.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace morvane;

namespace {

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const MorvaneError &e) {
        return e.message();
    }
    return QString();
}

} // namespace

class TestFileOperations : public QObject {
    Q_OBJECT

private slots:
    void existenceFollowsLinks()
    {
        QTemporaryDir tmp;
        const QString d = tmp.path();
        writeFile(d + "/f", "x");
        QDir().mkdir(d + "/sub");
        QVERIFY(QFile::link(d + "/f", d + "/to-file"));
        QVERIFY(QFile::link(d + "/gone", d + "/dangling"));
        FileOperations ops;
        QVERIFY(ops.fileExists(d + "/f"));
        QVERIFY(ops.fileExists(d + "/to-file"));
        QVERIFY(!ops.fileExists(d + "/dangling"));
        QVERIFY(!ops.fileExists(d + "/sub"));
        QVERIFY(ops.folderExists(d + "/sub"));
        QVERIFY(!ops.folderExists(d + "/f"));
        ops.forceDirectories(d + "/x/y/z/");
        QVERIFY(ops.folderExists(d + "/x/y/z"));
    }

    // The texts of the move, copy and delete failures.
    void failureTexts()
    {
        QTemporaryDir tmp;
        const QString d = tmp.path();
        writeFile(d + "/a", "A");
        writeFile(d + "/b", "B");
        writeFile(d + "/plain", "P");
        QDir().mkdir(d + "/folder");
        FileOperations ops;
        using R = FileOperations::Replace;
        QCOMPARE(errorOf([&] { ops.moveFile(d + "/none", d + "/c", R::No); }), "The specified file was not found");
        QCOMPARE(errorOf([&] { ops.moveFile(d + "/a", d + "/no/c", R::No); }), "The specified path was not found");
        QCOMPARE(errorOf([&] { ops.moveFile(d + "/a", d + "/plain/c", R::No); }), "The specified path was not found");
        QCOMPARE(errorOf([&] { ops.moveFile(d + "/a", d + "/b", R::No); }), "The specified file already exists");
        QCOMPARE(errorOf([&] { ops.moveFile(d + "/a", d + "/folder", R::No); }), systemErrorText(EISDIR));
        QCOMPARE(errorOf([&] { ops.copyFile(d + "/none", d + "/c", R::Yes); }), "The specified file was not found");
        QCOMPARE(errorOf([&] { ops.copyFile(d + "/a", d + "/no/c", R::Yes); }), "The specified path was not found");
        QCOMPARE(errorOf([&] { ops.copyFile(d + "/a", d + "/b", R::No); }), "The specified file already exists");
        QCOMPARE(errorOf([&] { ops.deleteFile(d + "/no/c"); }), "The specified path was not found");
        QCOMPARE(errorOf([&] { ops.deleteFile(d + "/none"); }), systemErrorText(ENOENT));
        // Nothing was touched by the failures.
        QCOMPARE(snapshot(d), "a=A;b=B;folder/;plain=P");
    }

    void moveAndCopyReplaceAtomically()
    {
        QTemporaryDir tmp;
        const QString d = tmp.path();
        writeFile(d + "/a", "A");
        writeFile(d + "/b", "B");
        writeFile(d + "/c", "C");
        FileOperations ops;
        ops.moveFile(d + "/a", d + "/b", FileOperations::Replace::Yes);
        ops.copyFile(d + "/c", d + "/b2", FileOperations::Replace::No);
        ops.copyFile(d + "/c", d + "/b", FileOperations::Replace::Yes);
        // A copy onto the file itself leaves it in place.
        ops.copyFile(d + "/c", d + "/c", FileOperations::Replace::Yes);
        QCOMPARE(snapshot(d), "b=C;b2=C;c=C");
    }

    // Bytes, permissions and the last-write time survive a copy, through every copy method.
    void copyKeepsBytesModeAndTime_data()
    {
        QTest::addColumn<QStringList>("unsupported");
        // clang-format off
        QTest::newRow("copy_file_range") << QStringList();
        QTest::newRow("sendfile") << QStringList{"copy_file_range"};
        QTest::newRow("read and write") << QStringList{"copy_file_range", "sendfile"};
        // clang-format on
    }
    void copyKeepsBytesModeAndTime()
    {
        QFETCH(QStringList, unsupported);
        QTemporaryDir tmp;
        const QString d = tmp.path();
        QByteArray bytes;
        for (int i = 0; i < 300000; ++i)
            bytes += char(i * 7 + i / 251);
        writeFile(d + "/src", bytes);
        QVERIFY(::chmod(QFile::encodeName(d + "/src"), 0751) == 0);
        const struct timespec times[2] = {{1000000000, 0}, {1100000000, 5000}};
        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(d + "/src"), times, 0) == 0);

        FaultySystemCalls sys;
        for (const QString &call : unsupported)
            sys.fail(call.toLatin1().constData(), 1, call == u"copy_file_range" ? EXDEV : EINVAL);
        FileOperations(sys).copyFile(d + "/src", d + "/dst", FileOperations::Replace::No);

        QCOMPARE(readFile(d + "/dst"), bytes);
        struct stat st;
        QVERIFY(::stat(QFile::encodeName(d + "/dst"), &st) == 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0751));
        QCOMPARE(st.st_mtim.tv_sec, time_t(1100000000));
        QCOMPARE(QDir(d).entryList(QDir::Files | QDir::Hidden).size(), 2); // no temporary left
    }

    // Across file systems a move copies; a failed copy removes its partial copy
    // and keeps the source, a source that cannot be removed takes the copy back.
    void moveAcrossFileSystemsFailsSafely_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("error");
        // clang-format off
        QTest::newRow("copy runs out of space") << "copy_file_range" << ENOSPC;
        QTest::newRow("sync fails") << "fsync" << EIO;
        QTest::newRow("source cannot be removed") << "unlink" << EACCES;
        // clang-format on
    }
    void moveAcrossFileSystemsFailsSafely()
    {
        QFETCH(QString, call);
        QFETCH(int, error);
        QTemporaryDir tmp;
        const QString d = tmp.path();
        writeFile(d + "/src/a", "payload");
        QDir().mkdir(d + "/dst");
        FaultySystemCalls sys;
        sys.fail("renameat2", 1, EXDEV); // the same folder tree, seen as two file systems
        sys.fail(call.toLatin1().constData(), 1, error);
        QCOMPARE(
            errorOf([&] { FileOperations(sys).moveFile(d + "/src/a", d + "/dst/a", FileOperations::Replace::No); }),
            systemErrorText(error));
        QCOMPARE(snapshot(d + "/src"), "a=payload");
        QCOMPARE(snapshot(d + "/dst"), "");
    }

    void moveAcrossRealFileSystems()
    {
        QTemporaryDir shm(QStringLiteral("/dev/shm/morvane-test-XXXXXX"));
        QTemporaryDir here(QDir::currentPath() + QStringLiteral("/morvane-test-XXXXXX"));
        struct stat a, b;
        if (!shm.isValid() || ::stat(QFile::encodeName(shm.path()), &a) != 0
            || ::stat(QFile::encodeName(here.path()), &b) != 0 || a.st_dev == b.st_dev)
            QSKIP("/dev/shm and the build folder are one file system here");
        const QByteArray bytes(200000, 'q');
        writeFile(shm.path() + "/a", bytes);
        QVERIFY(::chmod(QFile::encodeName(shm.path() + "/a"), 0640) == 0);
        FileOperations ops;
        ops.moveFile(shm.path() + "/a", here.path() + "/b", FileOperations::Replace::No);
        QCOMPARE(snapshot(shm.path()), "");
        QCOMPARE(readFile(here.path() + "/b"), bytes);
        QVERIFY(::stat(QFile::encodeName(here.path() + "/b"), &b) == 0);
        QCOMPARE(b.st_mode & 07777, mode_t(0640));
    }

    // File systems without RENAME_NOREPLACE still refuse to replace a file.
    void noReplaceFallback()
    {
        QTemporaryDir tmp;
        const QString d = tmp.path();
        writeFile(d + "/a", "A");
        writeFile(d + "/b", "B");
        FaultySystemCalls sys;
        sys.fail("renameat2", 0, EINVAL);
        FileOperations ops(sys);
        QCOMPARE(errorOf([&] { ops.moveFile(d + "/a", d + "/b", FileOperations::Replace::No); }),
                 "The specified file already exists");
        ops.moveFile(d + "/a", d + "/c", FileOperations::Replace::No);
        QCOMPARE(snapshot(d), "b=B;c=A");
    }
};

QTEST_GUILESS_MAIN(TestFileOperations)
#include "test_file_operations.moc"
