#include "engine/text_rules.h"

#include <QTest>

using namespace morvane;

namespace {
// Options as "key=value" pairs over the start values; "collapse" switches collapsing on.
OptionPanel optionsFrom(const QStringList &pairs)
{
    OptionPanel o;
    for (const QString &pair : pairs) {
        const qsizetype eq = pair.indexOf(u'=');
        const QString key = pair.left(eq), value = pair.mid(eq + 1);
        if (key == u"first")
            o.removeFirst = value;
        else if (key == u"last")
            o.removeLast = value;
        else if (key == u"from")
            o.removeFromPos = value;
        else if (key == u"till")
            o.removeTillPos = value;
        else if (key == u"chars")
            o.charactersToRemove = value;
        else if (key == u"collapse")
            o.collapseDoubleSpaces = true;
        else if (key == u"cropBefore")
            o.cropBefore = value;
        else if (key == u"cropAfter")
            o.cropAfter = value;
        else if (key == u"insert")
            o.insertText = value;
        else if (key == u"at")
            o.insertPos = value;
        else if (key == u"pad")
            o.padNumbers = value;
        else
            qFatal("unknown option %s", qPrintable(key));
    }
    return o;
}
} // namespace

class TestTextRules : public QObject {
    Q_OBJECT
private slots:
    void rules_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *tag, const QStringList &o, const QString &n, const QString &e) {
            // clang-format off
            QTest::newRow(tag) << o << n << e;
            // clang-format on
        };
        row("nothing on", {}, "a  b(1)_7", "a  b(1)_7");
        row("first 3 of 2", {"first=3"}, "ab", "");
        row("first 1", {"first=1"}, "abc", "bc");
        row("first negative", {"first=-2"}, "abc", "abc");
        row("last 3 of 2 keeps", {"last=3"}, "ab", "ab");
        row("last 2 of 2", {"last=2"}, "ab", "");
        row("last with trailing space is off", {"last=1 "}, "abc", "abc");
        row("range 2-4", {"from=2", "till=4"}, "abcdef", "aef");
        row("range 4-99", {"from=4", "till=99"}, "abcdef", "abc");
        row("range beyond", {"from=7", "till=9"}, "abcdef", "abcdef");
        row("range from 0", {"from=0", "till=3"}, "abcdef", "abcdef");
        row("range reversed", {"from=3", "till=2"}, "abcdef", "abcdef");
        row("range trimmed", {"from= 2 ", "till=3\t"}, "abcdef", "adef");
        row("range hex", {"from=0x2", "till=$3"}, "abcdef", "adef");
        row("chars", {"chars=-_"}, "a-b_c", "abc");
        row("chars case", {"chars=A"}, "banana", "banana");
        row("chars repeated set", {"chars=aaa"}, "banana", "bnn");
        row("collapse", {"collapse"}, "a   b", "a b");
        row("collapse keeps ends and tabs", {"collapse"}, "  a\t\tb  ", " a\t\tb ");
        row("collapse after removal", {"chars=x", "collapse"}, "a x b", "a b");
        row("trim from", {"cropBefore=("}, "photo (1)", "photo ");
        row("trim from absent", {"cropBefore=["}, "photo (1)", "photo (1)");
        row("trim until", {"cropAfter=_"}, "IMG_001", "001");
        row("trim until case", {"cropAfter=img"}, "IMG_001", "IMG_001");
        row("trim both", {"cropBefore=(", "cropAfter=_"}, "x_y (2)", "y ");
        row("trim until gone after from", {"cropBefore=(", "cropAfter=)"}, "a(b)c", "a");
        row("insert at 1", {"insert=new_", "at=1"}, "file", "new_file");
        row("insert at 0", {"insert=new_", "at=0"}, "file", "new_file");
        row("insert at 99", {"insert=new_", "at=99"}, "file", "filenew_");
        row("insert at 3", {"insert=new_", "at=3"}, "file", "finew_le");
        row("insert bad position", {"insert=X", "at=3 "}, "file", "Xfile");
        row("pad 3", {"pad=3"}, "IMG7_v12", "IMG007_v012");
        row("pad drops zeros", {"pad=2"}, "0007", "07");
        row("pad keeps long runs", {"pad=2"}, "a12345", "a12345");
        row("pad overflow", {"pad=3"}, "IMG12345678901", "IMG000");
        row("pad ASCII only", {"pad=3"}, QStringLiteral("٣x5"), QStringLiteral("٣x005"));
        row("pad off", {"pad=0"}, "a7", "a7");
        row("pad after insert", {"insert=5", "at=1", "pad=2"}, "file", "05file");
        row("remove before trim", {"first=3", "cropAfter=_"}, "IMG_photo", "photo");
        row("last before range", {"last=2", "from=3", "till=9"}, "abcdef", "ab");
        // A character outside the BMP is two positions, and the rules may split it.
        row("surrogate pair split", {"first=1"}, QStringLiteral("😀x"), QString(QChar(0xDE00)) + u'x');
    }

    void rules()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(applyTextRules(name, 0, optionsFrom(options), {}), expected);
    }

    void nameList()
    {
        const OptionPanel o = optionsFrom({"first=1", "pad=3"});
        const QStringList list{"Alpha", "   ", " Beta "};
        QCOMPARE(applyTextRules("x7", 0, o, list), QStringLiteral("Alpha"));
        QCOMPARE(applyTextRules("x7", 1, o, list), QStringLiteral("007"));    // blank entry: the rules stand
        QCOMPARE(applyTextRules("x7", 2, o, list), QStringLiteral(" Beta ")); // used untrimmed
        QCOMPARE(applyTextRules("x7", 3, o, list), QStringLiteral("007"));    // beyond the list
        QCOMPARE(applyTextRules("x7", -1, o, list), QStringLiteral("007"));
    }

    // Padding has no upper limit in the option, but a name cannot use more
    // than 255 digits: a huge width must not exhaust memory.
    void hugePadding()
    {
        const QString padded = applyTextRules("a1", 0, optionsFrom({"pad=2147483647"}), {});
        QCOMPARE(padded.size(), 1 + kMaxPadDigits);
        QVERIFY(padded.endsWith(u"01"));
    }
};

QTEST_GUILESS_MAIN(TestTextRules)
#include "test_text_rules.moc"
