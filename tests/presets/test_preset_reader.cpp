#include "engine/morvane_error.h"
#include "presets/preset_reader.h"
#include "presets/preset_writer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

namespace {

// Current values that differ from every default, so "left unchanged" shows.
OptionPanel current()
{
    OptionPanel o;
    o.find = QStringLiteral("oldFind");
    o.pattern = QStringLiteral("oldPattern");
    o.insertText = QStringLiteral("oldInsert");
    o.caseChange = CaseChange::Upper;
    o.conflict = ConflictMode::Overwrite;
    o.batchMode = BatchMode::MoveToFolder;
    o.regex = true;
    o.collapseDoubleSpaces = true;
    o.includeSubfolders = true;
    o.touchModifiedNow = true;
    return o;
}

QString field(const OptionPanel &o, const QString &key)
{
    auto b = [](bool v) { return v ? QStringLiteral("true") : QStringLiteral("false"); };
    if (key == u"find")
        return o.find;
    if (key == u"pattern")
        return o.pattern;
    if (key == u"insertText")
        return o.insertText;
    if (key == u"case")
        return QString::number(int(o.caseChange));
    if (key == u"conflict")
        return QString::number(int(o.conflict));
    if (key == u"batchMode")
        return QString::number(int(o.batchMode));
    if (key == u"regex")
        return b(o.regex);
    if (key == u"changeExt")
        return b(o.changeExt);
    if (key == u"touchModifiedNow")
        return b(o.touchModifiedNow);
    return QStringLiteral("?");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestPresetReader : public QObject {
    Q_OBJECT
private slots:
    void tolerance_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, const char *text, const char *key, const char *expected) {
            // clang-format off
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromLatin1(key) << QString::fromUtf8(expected);
            // clang-format on
        };
        row("whitespace after colon", "{\"batchMode\":  1}", "batchMode", "1");
        row("line break after colon", "{\"batchMode\":\r\n\t0,", "batchMode", "0");
        row("space before colon is missing", "{\"batchMode\" :1}", "batchMode", "2");
        row("other key order", "{\"touchModifiedNow\":false,\"find\":\"x\"}", "find", "x");
        row("first duplicate counts", "\"find\":\"a\",\"find\":\"b\"", "find", "a");
        row("nested object counts", "{\"outer\":{\"pattern\":\"p\"}}", "pattern", "p");
        row("bare text up to comma", "\"insertText\":abc x,", "insertText", "abc x");
        row("bare text up to brace", "\"pattern\":{name}_x,", "pattern", "{name");
        row("bare text up to line end", "\"insertText\": a b \r\n\"x\":1", "insertText", "a b");
        row("other letter case is missing", "\"Find\":\"x\"", "find", "oldFind");
        row("escaped quote and backslash", "\"find\":\"say \\\"hi\\\" C:\\\\x\"", "find", "say \"hi\" C:\\x");
        row("other escapes kept", "\"find\":\"a\\tb\\u0041\"", "find", "a\\tb\\u0041");
        row("no ending quote keeps value", "\"find\":\"abc\\\"", "find", "oldFind");
        row("string at end of file", "\"find\":\"x\"   ", "find", "x");
        row("nothing after colon empties text", "\"insertText\":", "insertText", "");
        row("nothing after colon unchecks", "\"regex\":  ", "regex", "false");
        row("nothing after colon keeps index", "\"case\":", "case", "2");
        row("boolean as string", "\"regex\":\"true\"", "regex", "true");
        row("boolean in upper case", "\"regex\":TRUE", "regex", "true");
        row("1 is not true", "\"regex\":1", "regex", "false");
        row("non-ASCII look-alike is not true", "\"regex\":\"tru\xC3\xA9\"", "regex", "false");
        row("missing check box unchecks", "{}", "touchModifiedNow", "false");
        row("missing changeExt checks", "{}", "changeExt", "true");
        row("changeExt false", "\"changeExt\":false", "changeExt", "false");
        row("index as string", "\"case\":\"3\"", "case", "3");
        row("index not a number keeps", "\"case\":lower", "case", "2");
        row("index out of range is the default choice", "\"conflict\":7", "conflict", "2");
        row("no selection is the default choice", "\"batchMode\":-1", "batchMode", "0");
        row("empty file keeps texts", "", "pattern", "oldPattern");
    }
    void tolerance()
    {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        OptionPanel o = current();
        applyPresetText(text, o);
        QCOMPARE(field(o, key), expected);
    }

    // Read once as the default choice, the value is saved back as a valid index.
    void outOfRangeIndexSavedAsDefault()
    {
        OptionPanel o;
        o.conflict = ConflictMode::Skip;
        applyPresetText(QStringLiteral("{\"conflict\":7}"), o);
        QVERIFY(presetBytes(o).contains("\r\n\"conflict\":2,\r\n"));
    }

    void workedExampleLoads()
    {
        OptionPanel o = current();
        loadPreset(QStringLiteral(MORVANE_FIXTURES "/presets/worked_example.json"), o);
        QCOMPARE(o.destination, QStringLiteral("D:\\Photos\\Sorted"));
        QCOMPARE(o.find, QStringLiteral("IMG_"));
        QCOMPARE(o.replace, QString());
        QCOMPARE(o.caseChange, CaseChange::Lower);
        QCOMPARE(o.regex, false);
        QCOMPARE(o.collapseDoubleSpaces, true);
    }

    void roundTripOfAllValues()
    {
        const QString awkward = QStringLiteral("a\\b\"c\\\"d\t\r\n\x01 caf\u00e9 \u65e5\U0001F600 \"find\":x }, ");
        OptionPanel o;
        QString *texts[] = {&o.find,
                            &o.replace,
                            &o.pattern,
                            &o.counterStart,
                            &o.digits,
                            &o.newExt,
                            &o.insertText,
                            &o.insertPos,
                            &o.removeFirst,
                            &o.removeLast,
                            &o.removeFromPos,
                            &o.removeTillPos,
                            &o.charactersToRemove,
                            &o.cropBefore,
                            &o.cropAfter,
                            &o.padNumbers,
                            &o.destination};
        int n = 0;
        for (QString *t : texts)
            *t = awkward + QString::number(n++);
        o.regex = true;
        o.changeExt = false;
        o.collapseDoubleSpaces = true;
        o.includeSubfolders = false;
        o.touchModifiedNow = true;
        o.caseChange = CaseChange::Title;
        o.conflict = ConflictMode::Skip;
        o.batchMode = BatchMode::MoveToFolder;

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("all.json"));
        savePreset(path, o);
        OptionPanel loaded = current();
        loadPreset(path, loaded);
        QCOMPARE(loaded, o);
    }

    void rejectedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray ascii = "{\"find\":\"new\",\"regex\":false}";
        QByteArray utf16le, utf16be;
        for (char c : ascii) {
            utf16le += c, utf16le += '\0';
            utf16be += '\0', utf16be += c;
        }
        // clang-format off
        QTest::newRow("UTF-16 LE with mark") << QByteArray("\xFF\xFE") + utf16le;
        QTest::newRow("UTF-16 BE with mark") << QByteArray("\xFE\xFF") + utf16be;
        QTest::newRow("UTF-16 LE without mark") << utf16le;
        QTest::newRow("code page letter") << QByteArray("{\"find\":\"caf\xE9\"}");
        QTest::newRow("overlong slash") << QByteArray("{\"find\":\"\xC0\xAF\"}");
        QTest::newRow("encoded surrogate") << QByteArray("{\"find\":\"\xED\xA0\x80\"}");
        QTest::newRow("truncated sequence") << QByteArray("{\"find\":\"\xE6\x97");
        QTest::newRow("above U+10FFFF") << QByteArray("{\"find\":\"\xF4\x90\x80\x80\"}");
        // clang-format on
    }
    void rejectedFiles()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.json"));
        writeFile(path, bytes);
        OptionPanel o = current();
        try {
            loadPreset(path, o);
            QFAIL("no error");
        } catch (const MorvaneError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("bad.json")), qPrintable(e.message()));
        }
        QCOMPARE(o, current());
    }

    void unreadableFiles()
    {
        QTemporaryDir dir;
        OptionPanel o = current();
        QVERIFY_THROWS_EXCEPTION(MorvaneError, loadPreset(dir.filePath(QStringLiteral("missing.json")), o));
        QVERIFY_THROWS_EXCEPTION(MorvaneError, loadPreset(dir.path(), o));
        QVERIFY_THROWS_EXCEPTION(MorvaneError, loadPreset(QStringLiteral("/dev/zero"), o));
        QCOMPARE(o, current());
    }

    void asciiCodePageAndSecondMark()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.json"));
        writeFile(path, "{\"find\":\"plain\"}");
        OptionPanel o = current();
        loadPreset(path, o);
        QCOMPARE(o.find, QStringLiteral("plain"));
        // Only one leading mark is skipped; a second one is text.
        writeFile(path, "\xEF\xBB\xBF\xEF\xBB\xBF\"find\":x");
        loadPreset(path, o);
        QCOMPARE(o.find, QStringLiteral("x"));
        QCOMPARE(decodePresetBytes("\xEF\xBB\xBF\xEF\xBB\xBF", {}), QString(QChar(0xFEFF)));
    }
};

QTEST_GUILESS_MAIN(TestPresetReader)
#include "test_preset_reader.moc"
