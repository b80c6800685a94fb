#include "engine/morvane_error.h"
#include "presets/preset_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace morvane;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

OptionPanel workedExample()
{
    OptionPanel o;
    o.find = QStringLiteral("IMG_");
    o.pattern = QStringLiteral("{counter}_{name}");
    o.caseChange = CaseChange::Lower;
    o.changeExt = true;
    o.newExt = QStringLiteral("jpg");
    o.insertPos = QStringLiteral("0");
    o.charactersToRemove = QStringLiteral("#");
    o.collapseDoubleSpaces = true;
    o.batchMode = BatchMode::CopyToFolder;
    o.destination = QStringLiteral("D:\\Photos\\Sorted");
    return o;
}

// The key line of a preset, without its CR LF.
QByteArray lineOf(const QByteArray &bytes, const QByteArray &key)
{
    for (const QByteArray &line : bytes.split('\n'))
        if (line.startsWith("\"" + key + "\":"))
            return line.chopped(1);
    return {};
}

} // namespace

class TestPresetWriter : public QObject {
    Q_OBJECT
private slots:
    void workedExampleByteForByte()
    {
        QCOMPARE(presetBytes(workedExample()), readAll(MORVANE_FIXTURES "/presets/worked_example.json"));
    }

    void layout()
    {
        const QByteArray bytes = presetBytes(OptionPanel());
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF{\r\n"));
        QVERIFY(bytes.endsWith("\"touchModifiedNow\":false\r\n}\r\n"));
        QCOMPARE(bytes.count("\r\n"), 27);
        QCOMPARE(bytes.count('\n'), 27);
    }

    void valueLines_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<OptionPanel>("options");
        OptionPanel o;
        o.destination = QStringLiteral("C:\\Out\\New");
        o.find = QStringLiteral("say \"hi\"");
        o.replace = QStringLiteral("a\\\"b");
        o.caseChange = CaseChange::Title;
        o.pattern = QStringLiteral("\tcaf\u00e9/\u65e5\x01");
        o.counterStart = QString();
        o.digits = QStringLiteral("1\"2\\");
        o.includeSubfolders = true;
        // clang-format off
        QTest::newRow("backslashes doubled") << QByteArray("destination") << QByteArray("\"destination\":\"C:\\\\Out\\\\New\",") << o;
        QTest::newRow("quotes escaped") << QByteArray("find") << QByteArray("\"find\":\"say \\\"hi\\\"\",") << o;
        QTest::newRow("backslash before quote") << QByteArray("replace") << QByteArray("\"replace\":\"a\\\\\\\"b\",") << o;
        QTest::newRow("choice as its index") << QByteArray("case") << QByteArray("\"case\":3,") << o;
        QTest::newRow("empty numeric text") << QByteArray("counterStart") << QByteArray("\"counterStart\":\"\",") << o;
        // Digits boxes can hold pasted text; escaping keeps them from cutting the line.
        QTest::newRow("numeric text escaped") << QByteArray("digits") << QByteArray("\"digits\":\"1\\\"2\\\\\",") << o;
        QTest::newRow("hidden check box saved") << QByteArray("includeSubfolders") << QByteArray("\"includeSubfolders\":true,") << o;
        QTest::newRow("control and non-ASCII kept")
            << QByteArray("pattern") << QByteArray("\"pattern\":\"\tcaf\xC3\xA9/\xE6\x97\xA5\x01\",") << o;
        // clang-format on
    }
    void valueLines()
    {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, expected);
        QFETCH(OptionPanel, options);
        QCOMPARE(lineOf(presetBytes(options), key), expected);
    }

    void saveReplacesWholeFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.json"));
        OptionPanel big;
        big.find = QString(5000, QLatin1Char('x'));
        savePreset(path, big);
        savePreset(path, workedExample());
        QCOMPARE(readAll(path), presetBytes(workedExample()));
    }

    // A write that fails half-way (here: the file size limit) must not leave
    // a truncated preset behind.
    void failedSaveKeepsEarlierFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.json"));
        savePreset(path, workedExample());
        OptionPanel big;
        big.find = QString(100000, QLatin1Char('x'));

        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 4096;
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        bool threw = false;
        try {
            savePreset(path, big);
        } catch (const MorvaneError &) {
            threw = true;
        }
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(threw);
        QCOMPARE(readAll(path), presetBytes(workedExample()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("p.json")});
    }

    void saveIntoMissingFolderFails()
    {
        QTemporaryDir dir;
        try {
            savePreset(dir.filePath(QStringLiteral("no/such/p.json")), OptionPanel());
            QFAIL("no error");
        } catch (const MorvaneError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("no/such/p.json")), qPrintable(e.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestPresetWriter)
#include "test_preset_writer.moc"
