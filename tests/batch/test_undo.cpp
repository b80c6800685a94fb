#include "batch_test_support.h"
#include "morvane_error.h"
#include "undo.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

struct UndoWorld {
    QTemporaryDir tmp;
    QString d = tmp.path();
    BatchEnvironment env;
    RenameItemList items;
    RecordingReporter reporter;
    UndoWorld() { env.appDataFolder = d + "/app"; }
    QString logPath() const { return GetUndoLogPath(env.appDataFolder); }
    void writeLog(const QList<QPair<QString, QString>> &lines)
    {
        QByteArray bytes = "\xEF\xBB\xBF" "Original,New\r\n";
        for (const auto &l : lines)
            bytes += "\"" + l.first.toUtf8() + "\",\"" + l.second.toUtf8() + "\"\r\n";
        WriteFile(logPath(), bytes);
    }
    QString undo()
    {
        try {
            UndoLastBatch(items, reporter, env);
        } catch (const MorvaneError &e) {
            return e.message();
        }
        return QString();
    }
};

const QString kDone = QStringLiteral("information: Undo completed for the last rename operation.");

} // namespace

class TestUndo : public QObject {
    Q_OBJECT

private slots:
    void parseLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("original");  // "-" when the line is ignored
        QTest::addColumn<QString>("renamed");
        QTest::newRow("quoted") << "\"/a/b.txt\",\"/a/c.txt\"" << "/a/b.txt" << "/a/c.txt";
        QTest::newRow("without outer quotes") << "/a/b\",\"/a/c" << "/a/b" << "/a/c";
        QTest::newRow("spaces and controls trimmed") << " \t\x01\"/a b\",\"/c d\"\x1f  " << "/a b" << "/c d";
        QTest::newRow("first separator wins") << "\"a\",\"b\",\"c\"" << "a" << "b\",\"c";
        QTest::newRow("one outer quote") << "\"a\",\"b" << "\"a" << "b";
        QTest::newRow("empty paths") << "\"\",\"\"" << "" << "";
        QTest::newRow("header") << "Original,New" << "-" << "";
        QTest::newRow("empty") << "" << "-" << "";
        QTest::newRow("blank") << " \t " << "-" << "";
        QTest::newRow("lone quote") << "\"" << "-" << "";
        QTest::newRow("plain comma") << "\"a\",b" << "-" << "";
        QTest::newRow("non-ASCII space kept") << "\u00a0\"a\",\"b\"" << "\u00a0\"a" << "b\"";
    }
    void parseLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, original);
        QFETCH(QString, renamed);
        const std::optional<UndoLogEntry> entry = ParseUndoLogLine(line);
        if (original == u"-") {
            QVERIFY(!entry);
        } else {
            QVERIFY(entry);
            QCOMPARE(entry->original, original);
            QCOMPARE(entry->renamed, renamed);
        }
    }

    void splitLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF with mark") << QByteArray("\xEF\xBB\xBF" "a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("mixed breaks") << QByteArray("a\rb\nc\r\n\r\nd") << QStringList{"a", "b", "c", "", "d"};
        QTest::newRow("second mark kept") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "a") << QStringList{QChar(0xFEFF) + QStringLiteral("a")};
        QTest::newRow("empty") << QByteArray() << QStringList();
    }
    void splitLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(SplitUndoLogLines(bytes), lines);
    }

    // A log that is not UTF-8 fails whole, before anything is moved.
    void invalidUtf8()
    {
        UndoWorld w;
        WriteFile(w.d + "/b", "B");
        WriteFile(w.logPath(), "\xEF\xBB\xBF" "Original,New\r\n\"" + w.d.toUtf8() + "/a\",\"" + w.d.toUtf8()
                                   + "/b\"\r\n\"/caf\xE9\",\"x\"\r\n");
        QCOMPARE(w.undo(), "No mapping for the Unicode character exists in the target multi-byte code page");
        QVERIFY(QFile::exists(w.d + "/b") && QFile::exists(w.logPath()));
    }

    void noLog()
    {
        UndoWorld w;
        QVERIFY(w.items.AddFileItem(QFINDTESTDATA("test_undo.cpp")));
        QCOMPARE(w.undo(), QString());
        QCOMPARE(w.reporter.calls, QStringList{"information: No undo log found in AppData."});
        QCOMPARE(w.items.count(), 1);
    }

    // Header only: nothing moves, the log goes, the list empties, a second undo finds no log.
    void headerOnlyThenNothing()
    {
        UndoWorld w;
        w.writeLog({});
        QVERIFY(w.items.AddFileItem(QFINDTESTDATA("test_undo.cpp")));
        bool cleared = false;
        w.env.clearList = [&] { cleared = true; w.items.clear(); };
        QCOMPARE(w.undo(), QString());
        QCOMPARE(w.reporter.calls, QStringList{kDone});
        QVERIFY(cleared && w.items.isEmpty() && !QFile::exists(w.logPath()));
        QCOMPARE(w.undo(), QString());
        QCOMPARE(w.reporter.calls.last(), "information: No undo log found in AppData.");
    }

    // Backwards: a to b, then c to a comes apart as a to c, then b to a. A line
    // whose file is gone is passed over; a file now at a former name is replaced.
    void revertsBackwards()
    {
        UndoWorld w;
        const QString d = w.d;
        WriteFile(d + "/b", "was a");
        WriteFile(d + "/a", "was c");
        WriteFile(d + "/y", "was x");
        WriteFile(d + "/x", "newcomer");
        w.writeLog({{d + "/a", d + "/b"}, {d + "/c", d + "/a"}, {d + "/gone-old", d + "/gone-new"},
                    {d + "/x", d + "/y"}});
        QCOMPARE(w.undo(), QString());
        QCOMPARE(Snapshot(d), "a=was a;app/;c=was c;x=was x");
    }

    // A move into a folder comes back, re-creating the folder it left.
    void recreatesTheFormerFolder()
    {
        UndoWorld w;
        WriteFile(w.d + "/dst/f", "F");
        w.writeLog({{w.d + "/gone/deeper/f", w.d + "/dst/f"}});
        QCOMPARE(w.undo(), QString());
        QCOMPARE(Snapshot(w.d + "/gone/deeper"), "f=F");
        QCOMPARE(Snapshot(w.d + "/dst"), "");
    }

    // A line that names one file twice (or a file and another name of it) never deletes it.
    void neverDeletesTheFileItMoves()
    {
        UndoWorld w;
        WriteFile(w.d + "/same", "S");
        WriteFile(w.d + "/a", "A");
        QVERIFY(::link(QFile::encodeName(w.d + "/a"), QFile::encodeName(w.d + "/hard")) == 0);
        w.writeLog({{w.d + "/same", w.d + "/same"}, {w.d + "/a", w.d + "/hard"}});
        QCOMPARE(w.undo(), QString());
        QCOMPARE(ReadFile(w.d + "/same"), "S");
        QCOMPARE(ReadFile(w.d + "/a"), "A");
    }

    // A failure ends undo: later lines stay reverted, the log stays, the list stays;
    // running undo again finishes the job.
    void failureKeepsTheLog()
    {
        UndoWorld w;
        WriteFile(w.d + "/one", "1");
        WriteFile(w.d + "/two", "2");
        QVERIFY(w.items.AddFileItem(w.d + "/one"));
        w.writeLog({{w.d + "/1", w.d + "/one"}, {w.d + "/2", w.d + "/two"}});
        FaultySystemCalls sys;
        sys.fail("rename", 2, EIO);
        w.env.sys = &sys;
        QCOMPARE(w.undo(), SystemErrorText(EIO));
        QCOMPARE(Snapshot(w.d), "2=2;app/;one=1");
        QVERIFY(QFile::exists(w.logPath()));
        QCOMPARE(w.items.count(), 1);
        w.env.sys = nullptr;
        QCOMPARE(w.undo(), QString());
        QCOMPARE(Snapshot(w.d), "1=1;2=2;app/");
    }
};

QTEST_GUILESS_MAIN(TestUndo)
#include "test_undo.moc"
