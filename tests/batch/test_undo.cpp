#include "batch_test_support.h"
#include "engine/morvane_error.h"
#include "batch/undo.h"

#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

namespace {

struct UndoWorld {
    QTemporaryDir tmp;
    QString d = tmp.path();
    BatchEnvironment env;
    RenameItemList items;
    RecordingReporter reporter;
    UndoWorld() { env.appDataFolder = d + "/app"; }
    QString logPath() const { return undoLogPath(env.appDataFolder); }
    void writeLog(const QList<QPair<QString, QString>> &lines)
    {
        QByteArray bytes = "\xEF\xBB\xBF"
                           "Original,New\r\n";
        for (const auto &l : lines)
            bytes += "\"" + l.first.toUtf8() + "\",\"" + l.second.toUtf8() + "\"\r\n";
        writeFile(logPath(), bytes);
    }
    QString undo()
    {
        try {
            undoLastBatch(items, reporter, env);
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
        QTest::addColumn<QString>("original"); // "-" when the line is ignored
        QTest::addColumn<QString>("renamed");
        // clang-format off
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
        QTest::newRow("doubled quotes") << "\"/a/What is \"\"love\"\"?.mp3\",\"/a/b\"" << "/a/What is \"love\"?.mp3" << "/a/b";
        QTest::newRow("separator inside a field") << "\"/a/x\"\",\"\"y\",\"/b\"" << "/a/x\",\"y" << "/b";
        QTest::newRow("line breaks and blanks inside")
            << "\"/a/t\tb\r\nc \",\" /d\n\"\r" << "/a/t\tb\r\nc " << " /d\n";
        QTest::newRow("torn record read as before") << "\"/a/x\"\"y\",\"/b" << "\"/a/x\"\"y" << "/b";
        QTest::newRow("non-ASCII space kept") << "\u00a0\"a\",\"b\"" << "\u00a0\"a" << "b\"";
        // clang-format on
    }
    void parseLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, original);
        QFETCH(QString, renamed);
        const std::optional<UndoLogEntry> entry = parseUndoLogLine(line);
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
        // clang-format off
        QTest::newRow("CR LF with mark") << QByteArray("\xEF\xBB\xBF" "a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("mixed breaks") << QByteArray("a\rb\nc\r\n\r\nd") << QStringList{"a", "b", "c", "", "d"};
        QTest::newRow("second mark kept") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "a") << QStringList{QChar(0xFEFF) + QStringLiteral("a")};
        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("line breaks inside records")
            << QByteArray("h\r\n\"/a\r\nb\",\"/c\nd\"\r\n\"/e\",\"/f\"\r\n")
            << QStringList{"h", "\"/a\r\nb\",\"/c\nd\"", "\"/e\",\"/f\""};
        // What a torn write leaves: the unfinished record falls back to lines, the rest stays whole.
        QTest::newRow("torn last record") << QByteArray("h\r\n\"/a\",\"/b\"\r\n\"/c\nd\",\"/e")
                                          << QStringList{"h", "\"/a\",\"/b\"", "\"/c", "d\",\"/e"};
        QTest::newRow("header is one line") << QByteArray("\"h\r\n\",\"x\"\r\n") << QStringList{"\"h", "\",\"x\""};
        // clang-format on
    }
    void splitLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(splitUndoLogLines(bytes), lines);
    }

    // A log that is not UTF-8 fails whole, before anything is moved.
    void invalidUtf8()
    {
        UndoWorld w;
        writeFile(w.d + "/b", "B");
        writeFile(w.logPath(),
                  "\xEF\xBB\xBF"
                  "Original,New\r\n\""
                      + w.d.toUtf8() + "/a\",\"" + w.d.toUtf8() + "/b\"\r\n\"/caf\xE9\",\"x\"\r\n");
        QCOMPARE(w.undo(), "No mapping for the Unicode character exists in the target multi-byte code page");
        QVERIFY(QFile::exists(w.d + "/b") && QFile::exists(w.logPath()));
    }

    void noLog()
    {
        UndoWorld w;
        QVERIFY(w.items.addFileItem(QFINDTESTDATA("test_undo.cpp")));
        QCOMPARE(w.undo(), QString());
        QCOMPARE(w.reporter.calls, QStringList{"information: No undo log found in AppData."});
        QCOMPARE(w.items.count(), 1);
    }

    // Header only: nothing moves, the log goes, the list empties, a second undo finds no log.
    void headerOnlyThenNothing()
    {
        UndoWorld w;
        w.writeLog({});
        QVERIFY(w.items.addFileItem(QFINDTESTDATA("test_undo.cpp")));
        bool cleared = false;
        w.env.clearList = [&] {
            cleared = true;
            w.items.clear();
        };
        QCOMPARE(w.undo(), QString());
        QCOMPARE(w.reporter.calls, QStringList{kDone});
        QVERIFY(cleared && w.items.isEmpty() && !QFile::exists(w.logPath()));
        QCOMPARE(w.undo(), QString());
        QCOMPARE(w.reporter.calls.last(), "information: No undo log found in AppData.");
    }

    // Backwards: a to b, then c to a comes apart as a to c, then b to a. A line
    // whose file is gone is passed over. A file now at a former name is never
    // replaced: its line stays in the log, and once the way is clear undo finishes.
    void revertsBackwards()
    {
        UndoWorld w;
        const QString d = w.d;
        writeFile(d + "/b", "was a");
        writeFile(d + "/a", "was c");
        writeFile(d + "/y", "was x");
        writeFile(d + "/x", "newcomer");
        writeFile(d + "/q", "was p");
        writeFile(d + "/p", "new work");
        w.writeLog({{d + "/p", d + "/q"},
                    {d + "/a", d + "/b"},
                    {d + "/c", d + "/a"},
                    {d + "/gone-old", d + "/gone-new"},
                    {d + "/x", d + "/y"}});
        QCOMPARE(w.undo(), QString());
        QCOMPARE(snapshot(d), "a=was a;app/;c=was c;p=new work;q=was p;x=newcomer;y=was x");
        // Exactly the lines not reverted, in their order.
        QCOMPARE(readFile(w.logPath()),
                 "\xEF\xBB\xBF"
                 "Original,New\r\n\""
                     + (d + "/p\",\"" + d + "/q").toUtf8() + "\"\r\n\"" + (d + "/x\",\"" + d + "/y").toUtf8()
                     + "\"\r\n");
        QCOMPARE(w.reporter.calls.size(), 1);
        const QString warning = w.reporter.calls.first();
        QVERIFY2(warning.startsWith("warning: Undo finished, but 2 file(s) stayed at their new names"),
                 qPrintable(warning));
        QVERIFY(warning.contains(d + "/y -> " + d + "/x\n" + d + "/q -> " + d + "/p"));
        QCOMPARE(w.items.count(), 0);

        // The user clears one way; undo reverts that line and keeps the other.
        QVERIFY(QFile::rename(d + "/x", d + "/newcomer"));
        QCOMPARE(w.undo(), QString());
        QCOMPARE(readFile(d + "/x"), "was x");
        QCOMPARE(readFile(d + "/p"), "new work");
        QVERIFY(w.reporter.calls.last().startsWith("warning: Undo finished, but 1 file(s)"));
        QVERIFY(QFile::remove(d + "/p"));
        QCOMPARE(w.undo(), QString());
        QCOMPARE(w.reporter.calls.last(), kDone);
        QCOMPARE(w.undo(), QString());
        QCOMPARE(w.reporter.calls.last(), "information: No undo log found in AppData.");
    }

    // A killed batch may leave a run of lines written ahead of their renames.
    // Each is judged by the disk: a line whose source is still in place did
    // not happen and goes quietly; a chain whose end was renamed comes back.
    void killedBatchWithLinesAhead()
    {
        UndoWorld w;
        const QString d = w.d;
        writeFile(d + "/A", "was a");
        writeFile(d + "/b", "b");
        writeFile(d + "/z", "was y");
        writeFile(d + "/x", "x");
        writeFile(d + "/c", "c");
        w.writeLog({{d + "/a", d + "/A"},
                    {d + "/b", d + "/B"},
                    {d + "/y", d + "/z"},
                    {d + "/x", d + "/y"},
                    {d + "/c", d + "/C"}});
        writeFile(w.logPath() + ".unfinished", "");
        QCOMPARE(w.undo(), QString());
        QCOMPARE(snapshot(d), "a=was a;app/;b=b;c=c;x=x;y=was y");
        QCOMPARE(w.reporter.calls, QStringList{kDone});
        QVERIFY(!QFile::exists(w.logPath()));
        QVERIFY(!QFile::exists(w.logPath() + ".unfinished"));
    }

    // A move into a folder comes back, re-creating the folder it left.
    void recreatesTheFormerFolder()
    {
        UndoWorld w;
        writeFile(w.d + "/dst/f", "F");
        w.writeLog({{w.d + "/gone/deeper/f", w.d + "/dst/f"}});
        QCOMPARE(w.undo(), QString());
        QCOMPARE(snapshot(w.d + "/gone/deeper"), "f=F");
        QCOMPARE(snapshot(w.d + "/dst"), "");
    }

    // A line that names one file twice (or a file and another name of it) never deletes it.
    void neverDeletesTheFileItMoves()
    {
        UndoWorld w;
        writeFile(w.d + "/same", "S");
        writeFile(w.d + "/a", "A");
        QVERIFY(::link(QFile::encodeName(w.d + "/a"), QFile::encodeName(w.d + "/hard")) == 0);
        w.writeLog({{w.d + "/same", w.d + "/same"}, {w.d + "/a", w.d + "/hard"}});
        QCOMPARE(w.undo(), QString());
        QCOMPARE(readFile(w.d + "/same"), "S");
        QCOMPARE(readFile(w.d + "/a"), "A");
    }

    // A failure ends undo: later lines stay reverted, the log stays, the list stays;
    // running undo again finishes the job.
    void failureKeepsTheLog()
    {
        UndoWorld w;
        writeFile(w.d + "/one", "1");
        writeFile(w.d + "/two", "2");
        QVERIFY(w.items.addFileItem(w.d + "/one"));
        w.writeLog({{w.d + "/1", w.d + "/one"}, {w.d + "/2", w.d + "/two"}});
        FaultySystemCalls sys;
        sys.fail("renameat2", 2, EIO);
        w.env.sys = &sys;
        QCOMPARE(w.undo(), systemErrorText(EIO) + ".\nMoving " + w.d + "/one back to " + w.d + "/1");
        QCOMPARE(snapshot(w.d), "2=2;app/;one=1");
        QVERIFY(QFile::exists(w.logPath()));
        QCOMPARE(w.items.count(), 1);
        w.env.sys = nullptr;
        QCOMPARE(w.undo(), QString());
        QCOMPARE(snapshot(w.d), "1=1;2=2;app/");
    }
};

QTEST_GUILESS_MAIN(TestUndo)
#include "test_undo.moc"
