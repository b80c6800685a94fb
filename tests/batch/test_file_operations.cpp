#include "batch_test_support.h"
#include "file_operations.h"
#include "morvane_error.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QString ErrorOf(const std::function<void()> &action)
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
    void pathJoin_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");  // "!" for the invalid-characters error
        QTest::newRow("plain") << "/a/b" << "c.txt" << "/a/b/c.txt";
        QTest::newRow("folder ends in slash") << "/a/b/" << "c.txt" << "/a/b/c.txt";
        QTest::newRow("colon and backslash are ordinary") << "/a:" << "c\\d" << "/a:/c\\d";
        QTest::newRow("empty folder") << "" << "c.txt" << "c.txt";
        QTest::newRow("absolute name") << "/a" << "/x/c.txt" << "/x/c.txt";
        QTest::newRow("quote in name") << "/a" << "c\".txt" << "!";
        QTest::newRow("line feed in folder") << "/a\nb" << "c" << "!";
        QTest::newRow("angle bracket") << "/a" << "<c>" << "!";
        QTest::newRow("bar in folder") << "/a|b" << "c" << "!";
    }
    void pathJoin()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        if (expected == u"!")
            QCOMPARE(ErrorOf([&] { PathJoin(folder, name); }), QStringLiteral("Invalid characters in path"));
        else
            QCOMPARE(PathJoin(folder, name), expected);
    }

    void existenceFollowsLinks()
    {
        QTemporaryDir tmp;
        const QString d = tmp.path();
        WriteFile(d + "/f", "x");
        QDir().mkdir(d + "/sub");
        QVERIFY(QFile::link(d + "/f", d + "/to-file"));
        QVERIFY(QFile::link(d + "/gone", d + "/dangling"));
        FileOperations ops;
        QVERIFY(ops.FileExists(d + "/f"));
        QVERIFY(ops.FileExists(d + "/to-file"));
        QVERIFY(!ops.FileExists(d + "/dangling"));
        QVERIFY(!ops.FileExists(d + "/sub"));
        QVERIFY(ops.FolderExists(d + "/sub"));
        QVERIFY(!ops.FolderExists(d + "/f"));
        ops.ForceDirectories(d + "/x/y/z/");
        QVERIFY(ops.FolderExists(d + "/x/y/z"));
    }

    // The texts of the move, copy and delete failures.
    void failureTexts()
    {
        QTemporaryDir tmp;
        const QString d = tmp.path();
        WriteFile(d + "/a", "A");
        WriteFile(d + "/b", "B");
        WriteFile(d + "/plain", "P");
        QDir().mkdir(d + "/folder");
        FileOperations ops;
        using R = FileOperations::Replace;
        QCOMPARE(ErrorOf([&] { ops.MoveFile(d + "/none", d + "/c", R::No); }), "The specified file was not found");
        QCOMPARE(ErrorOf([&] { ops.MoveFile(d + "/a", d + "/no/c", R::No); }), "The specified path was not found");
        QCOMPARE(ErrorOf([&] { ops.MoveFile(d + "/a", d + "/plain/c", R::No); }), "The specified path was not found");
        QCOMPARE(ErrorOf([&] { ops.MoveFile(d + "/a", d + "/b", R::No); }), "The specified file already exists");
        QCOMPARE(ErrorOf([&] { ops.MoveFile(d + "/a", d + "/folder", R::No); }), SystemErrorText(EISDIR));
        QCOMPARE(ErrorOf([&] { ops.CopyFile(d + "/none", d + "/c", R::Yes); }), "The specified file was not found");
        QCOMPARE(ErrorOf([&] { ops.CopyFile(d + "/a", d + "/no/c", R::Yes); }), "The specified path was not found");
        QCOMPARE(ErrorOf([&] { ops.CopyFile(d + "/a", d + "/b", R::No); }), "The specified file already exists");
        QCOMPARE(ErrorOf([&] { ops.DeleteFile(d + "/no/c"); }), "The specified path was not found");
        QCOMPARE(ErrorOf([&] { ops.DeleteFile(d + "/none"); }), SystemErrorText(ENOENT));
        // Nothing was touched by the failures.
        QCOMPARE(Snapshot(d), "a=A;b=B;folder/;plain=P");
    }

    void moveAndCopyReplaceAtomically()
    {
        QTemporaryDir tmp;
        const QString d = tmp.path();
        WriteFile(d + "/a", "A");
        WriteFile(d + "/b", "B");
        WriteFile(d + "/c", "C");
        FileOperations ops;
        ops.MoveFile(d + "/a", d + "/b", FileOperations::Replace::Yes);
        ops.CopyFile(d + "/c", d + "/b2", FileOperations::Replace::No);
        ops.CopyFile(d + "/c", d + "/b", FileOperations::Replace::Yes);
        // A copy onto the file itself leaves it in place.
        ops.CopyFile(d + "/c", d + "/c", FileOperations::Replace::Yes);
        QCOMPARE(Snapshot(d), "b=C;b2=C;c=C");
    }

    // Bytes, permissions and the last-write time survive a copy, through every copy method.
    void copyKeepsBytesModeAndTime_data()
    {
        QTest::addColumn<QStringList>("unsupported");
        QTest::newRow("copy_file_range") << QStringList();
        QTest::newRow("sendfile") << QStringList{"copy_file_range"};
        QTest::newRow("read and write") << QStringList{"copy_file_range", "sendfile"};
    }
    void copyKeepsBytesModeAndTime()
    {
        QFETCH(QStringList, unsupported);
        QTemporaryDir tmp;
        const QString d = tmp.path();
        QByteArray bytes;
        for (int i = 0; i < 300000; ++i)
            bytes += char(i * 7 + i / 251);
        WriteFile(d + "/src", bytes);
        QVERIFY(::chmod(QFile::encodeName(d + "/src"), 0751) == 0);
        const struct timespec times[2] = {{1000000000, 0}, {1100000000, 5000}};
        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(d + "/src"), times, 0) == 0);

        FaultySystemCalls sys;
        for (const QString &call : unsupported)
            sys.fail(call.toLatin1().constData(), 1, call == u"copy_file_range" ? EXDEV : EINVAL);
        FileOperations(sys).CopyFile(d + "/src", d + "/dst", FileOperations::Replace::No);

        QCOMPARE(ReadFile(d + "/dst"), bytes);
        struct stat st;
        QVERIFY(::stat(QFile::encodeName(d + "/dst"), &st) == 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0751));
        QCOMPARE(st.st_mtim.tv_sec, time_t(1100000000));
        QCOMPARE(QDir(d).entryList(QDir::Files | QDir::Hidden).size(), 2);  // no temporary left
    }

    // Across file systems a move copies; a failed copy removes its partial copy
    // and keeps the source, a source that cannot be removed takes the copy back.
    void moveAcrossFileSystemsFailsSafely_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("error");
        QTest::newRow("copy runs out of space") << "copy_file_range" << ENOSPC;
        QTest::newRow("sync fails") << "fsync" << EIO;
        QTest::newRow("source cannot be removed") << "unlink" << EACCES;
    }
    void moveAcrossFileSystemsFailsSafely()
    {
        QFETCH(QString, call);
        QFETCH(int, error);
        QTemporaryDir tmp;
        const QString d = tmp.path();
        WriteFile(d + "/src/a", "payload");
        QDir().mkdir(d + "/dst");
        FaultySystemCalls sys;
        sys.fail("renameat2", 1, EXDEV);  // the same folder tree, seen as two file systems
        sys.fail(call.toLatin1().constData(), 1, error);
        QCOMPARE(ErrorOf([&] { FileOperations(sys).MoveFile(d + "/src/a", d + "/dst/a", FileOperations::Replace::No); }),
                 SystemErrorText(error));
        QCOMPARE(Snapshot(d + "/src"), "a=payload");
        QCOMPARE(Snapshot(d + "/dst"), "");
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
        WriteFile(shm.path() + "/a", bytes);
        QVERIFY(::chmod(QFile::encodeName(shm.path() + "/a"), 0640) == 0);
        FileOperations ops;
        ops.MoveFile(shm.path() + "/a", here.path() + "/b", FileOperations::Replace::No);
        QCOMPARE(Snapshot(shm.path()), "");
        QCOMPARE(ReadFile(here.path() + "/b"), bytes);
        QVERIFY(::stat(QFile::encodeName(here.path() + "/b"), &b) == 0);
        QCOMPARE(b.st_mode & 07777, mode_t(0640));
    }

    // File systems without RENAME_NOREPLACE still refuse to replace a file.
    void noReplaceFallback()
    {
        QTemporaryDir tmp;
        const QString d = tmp.path();
        WriteFile(d + "/a", "A");
        WriteFile(d + "/b", "B");
        FaultySystemCalls sys;
        sys.fail("renameat2", 0, EINVAL);
        FileOperations ops(sys);
        QCOMPARE(ErrorOf([&] { ops.MoveFile(d + "/a", d + "/b", FileOperations::Replace::No); }),
                 "The specified file already exists");
        ops.MoveFile(d + "/a", d + "/c", FileOperations::Replace::No);
        QCOMPARE(Snapshot(d), "b=B;c=A");
    }
};

QTEST_GUILESS_MAIN(TestFileOperations)
#include "test_file_operations.moc"
