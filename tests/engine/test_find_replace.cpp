#include "engine/find_replace.h"
#include "engine/morvane_error.h"
#include "engine/replacement_text.h"

#include <QTest>

using namespace morvane;

namespace {
const QLocale kUs(QLocale::English, QLocale::UnitedStates);

QString Regex(const QString &find, const QString &replace, const QString &text, const QLocale &locale = kUs)
{
    return FindReplace(find, replace, true, locale).apply(text);
}
} // namespace

class TestFindReplace : public QObject {
    Q_OBJECT
private slots:
    void plain_data()
    {
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replace");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("case matters") << "a" << "b" << "Aaa" << "Abb";
        QTest::newRow("no overlap") << "aa" << "b" << "aaa" << "ba";
        QTest::newRow("regex characters are plain") << "." << "_" << "a.b.c" << "a_b_c";
        QTest::newRow("inserted text not searched") << "a" << "aa" << "aaa" << "aaaaaa";
        QTest::newRow("replacement forms are plain") << "b" << "$&\\1" << "abc" << "a$&\\1c";
        QTest::newRow("empty find is off") << "" << "x" << "abc" << "abc";
        QTest::newRow("prefix of the pattern") << "IMG" << "" << "IMG_photo" << "_photo";
        // clang-format on
    }

    void plain()
    {
        QFETCH(QString, find);
        QFETCH(QString, replace);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(FindReplace(find, replace, false).apply(text), expected);
    }

    // Every replacement form, on "ab12cd" with the pattern (?<x>b)(1)(2):
    // the match is "b12", groups 1-3 are "b", "1", "2", and x is group 1.
    void replacementForms_data()
    {
        QTest::addColumn<QString>("replace");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *tag, const QString &r, const QString &e) { QTest::newRow(tag) << r << e; };
        row("$0", "[$0]", "a[b12]cd");
        row("\\0", "[\\0]", "a[b12]cd");
        row("$1", "$1", "abcd");
        row("\\3", "\\3", "a2cd");
        row("two digits, too few groups", "$12", "ab2cd");
        row("two digits, leading zero", "$03", "a2cd");
        row("\\ two digits", "\\12", "ab2cd");
        row("group beyond count", "$9", "acd");
        row("two digits beyond", "$99", "a9cd");
        row("${n}", "${2}", "a1cd");
        row("${name}", "${x}", "abcd");
        row("${unknown name}", "${nope}", "acd");
        row("${large}", "${99999999999}", "acd");
        row("${malformed}", "${a b}", "a${a b}cd");
        row("${empty}", "${}", "a${}cd");
        row("${ unclosed", "${x", "a${xcd");
        row("\\g<name>", "\\g<x>", "abcd");
        row("\\g<unknown>", "\\g<nope>", "acd");
        row("\\g<unclosed", "\\g<x", "a\\g<xcd");
        row("$&", "$&", "ab12cd");
        row("\\&", "\\&", "ab12cd");
        row("$`", "$`", "aacd");
        row("\\`", "\\`", "aacd");
        row("$'", "$'", "acdcd");
        row("\\'", "\\'", "acdcd");
        row("$+", "$+", "a2cd");
        row("\\+", "\\+", "a2cd");
        row("$_", "($_)", "a(ab12cd)cd");
        row("$$", "$$", "a$cd");
        row("\\$", "\\$", "a$cd");
        row("\\\\", "\\\\", "a\\cd");
        row("lone $ at end", "x$", "ax$cd");
        row("lone \\ at end", "x\\", "ax\\cd");
        row("$ before other", "$x", "a$xcd");
        row("\\ before other", "\\q\\_", "a\\q\\_cd");
        row("side by side", "$1$2\\3", "ab12cd");
        row("$$ then digit", "$$1", "a$1cd");
        row("$ then backslash form", "$\\1", "a$bcd");
        row("\\\\ then digit", "\\\\1", "a\\1cd");
        row("inserted text not reread", "$'$&", "acdb12cd");
        row("\\U", "\\U1\\u2", "aB1cd");
        row("\\U two digits, too few groups", "\\U12", "aB2cd");
        row("\\U without digit", "\\U", "a\\Ucd");
    }

    void replacementForms()
    {
        QFETCH(QString, replace);
        QFETCH(QString, expected);
        QCOMPARE(Regex("(?<x>b)(1)(2)", replace, "ab12cd"), expected);
    }

    void moreThanNineGroups()
    {
        const QString find = "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)";
        QCOMPARE(Regex(find, "$10|\\11|${11}|$1x", "abcdefghijk"), QStringLiteral("j|k|k|ax"));
        QCOMPARE(Regex(find, "\\U11\\L1", "abcdefghijk"), QStringLiteral("Ka"));
    }

    void conversions_data()
    {
        QTest::addColumn<QString>("replace");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("U full mapping") << "\\U1" << "straße" << "STRASSE";
        QTest::newRow("L") << "\\l1" << QStringLiteral("ÀB c") << QStringLiteral("àb c");
        QTest::newRow("F") << "\\F1" << "hELLO wORLD" << "Hello world";
        QTest::newRow("F ASCII first only") << "\\f1" << QStringLiteral("élan ÉTÉ") << QStringLiteral("élan été");
        QTest::newRow("F non-ASCII first kept") << "\\F1" << QStringLiteral("ÉLAN") << QStringLiteral("Élan");
        QTest::newRow("I words") << "\\I1" << "hELLO wORLD" << "Hello World";
        QTest::newRow("I delimiters") << "\\i1" << "a-b.c(d[e{f#g+h,i" << "A-B.C(D[E{F#G+H,I";
        QTest::newRow("I not delimiters") << "\\I1" << "a_b/c'd;e" << "A_b/c'd;e";
        QTest::newRow("I apostrophe") << "\\I1" << "'tis o'neil" << "'Tis O'neil";
        QTest::newRow("I middle dot") << "\\I1" << QStringLiteral("a·b") << QStringLiteral("A·B");
        QTest::newRow("I digit start") << "\\I1" << "3d x" << "3d X";
        QTest::newRow("I non-ASCII") << "\\I1" << QStringLiteral("émile ÖL") << QStringLiteral("Émile Öl");
        QTest::newRow("I supplementary letter") << "\\I1" << QStringLiteral("𐐨x") << QStringLiteral("𐐀x");
        // clang-format on
    }

    void conversions()
    {
        QFETCH(QString, replace);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Regex("^(.+)$", replace, text), expected);
    }

    void conversionsFollowTheLocale()
    {
        const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
        QCOMPARE(Regex("(.+)", "\\U1", "istanbul", turkish), QStringLiteral("İSTANBUL"));
        QCOMPARE(Regex("(.+)", "\\U1", "istanbul", kUs), QStringLiteral("ISTANBUL"));
    }

    void search_data()
    {
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replace");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("groups swap") << "(\\d+)-(\\d+)" << "$2-$1" << "10-20" << "20-10";
        QTest::newRow("empty match never counts") << "x*" << "y" << "abc" << "abc";
        QTest::newRow("next non-empty match") << "x*" << "y" << "axxb" << "ayb";
        QTest::newRow("\\U words") << "(\\w+)" << "\\U1" << "ab cd" << "AB CD";
        QTest::newRow("missing group") << "(a)(b)" << "$5" << "abc" << "c";
        QTest::newRow("continue after the replacement") << "a" << "aa" << "aaa" << "aaaaaa";
        QTest::newRow("case sensitive") << "a" << "b" << "Aa" << "Ab";
        QTest::newRow("inline caseless") << "(?i)a" << "b" << "Aa" << "bb";
        // Look-behind and $` see the replacements already made.
        QTest::newRow("look-behind sees changes") << "(?<=b)a" << "b" << "baaa" << "bbbb";
        QTest::newRow("before-match sees changes") << "\\d" << "[$`]" << "1-2" << "[]-[[]-]";
        QTest::newRow("anchor meets the changed text") << "^a" << "" << "aaa" << "";
        QTest::newRow("any newline ends a line") << "a.b" << "x" << QStringLiteral("a\u2028b a-b") << QStringLiteral("a\u2028b x");
        QTest::newRow("$ at the very end only") << "a$" << "x" << "a\nab a" << "a\nab x";
        QTest::newRow("\\d ASCII only") << "\\d" << "#" << QStringLiteral("1٣2") << QStringLiteral("#٣#");
        QTest::newRow("\\w ASCII only") << "\\w+" << "#" << QStringLiteral("ab-éc") << QStringLiteral("#-é#");
        QTest::newRow("pair is one character") << "^.$" << "x" << QStringLiteral("😀") << "x";
        QTest::newRow("pairs replaced whole") << "." << "<$&>" << QStringLiteral("a😀") << QStringLiteral("<a><😀>");
        QTest::newRow("lone surrogate never matches")
            << "." << "x" << QString(QChar(0xD800)) + "ab" << QString(QChar(0xD800)) + "xx";
        QTest::newRow("pattern characters searched") << "IMG" << "" << "IMG_photo" << "_photo";
        // clang-format on
    }

    void search()
    {
        QFETCH(QString, find);
        QFETCH(QString, replace);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Regex(find, replace, text), expected);
    }

    // A pattern with catastrophic backtracking hits the match limit, which
    // ends the search: the name is left as it is and nothing hangs.
    void catastrophicBacktrackingEnds()
    {
        const QString name = QString(5000, u'a') + u'!';
        QCOMPARE(Regex("(a|aa)+$", "x", name), name);
        QCOMPARE(Regex("^(\\w+\\s?)*$", "x", name), name);
    }

    // Each "$`" copies all text before the match, so the text doubles with
    // every match; the search ends long before memory runs out.
    void runawayGrowthEnds()
    {
        const QString result = Regex(".", "$`$&", QString(64, u'a'));
        QVERIFY(result.size() > 64);
        QVERIFY(result.size() <= 32768);
        // A text that is long already still gets replacements that do not grow it.
        QCOMPARE(Regex("a", "b", QString(40000, u'a')), QString(40000, u'b'));
    }

    void compileError_data()
    {
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("lone (") << "(" << "Error in regular expression at offset 1: missing closing parenthesis";
        QTest::newRow("offset in code units") << QStringLiteral("😀[") << "Error in regular expression at offset 3: missing terminating ] for character class";
        QTest::newRow("trailing backslash") << "a\\" << "Error in regular expression at offset 2: \\ at end of pattern";
        // clang-format on
    }

    void compileError()
    {
        QFETCH(QString, find);
        QFETCH(QString, message);
        FindReplace step(find, "x", true);       // constructing never throws
        for (const QString text : {"abc", ""}) { // every name fails alike
            try {
                step.apply(text);
                QFAIL("no error raised");
            } catch (const MorvaneError &e) {
                QCOMPARE(e.message(), message);
            }
        }
        QCOMPARE(FindReplace(find, "x", false).apply("a(b"),
                 find == u"(" ? QStringLiteral("axb") : QStringLiteral("a(b"));
        QCOMPARE(FindReplace("", "x", true).apply("a(b"), QStringLiteral("a(b"));
    }

    // One object serves many names: state from one name never leaks into the next.
    void reuseAcrossNames()
    {
        FindReplace step("(\\d+)", "<$1>", true);
        QCOMPARE(step.apply("a1b22"), QStringLiteral("a<1>b<22>"));
        QCOMPARE(step.apply("none"), QStringLiteral("none"));
        QCOMPARE(step.apply("333"), QStringLiteral("<333>"));
    }
};

QTEST_GUILESS_MAIN(TestFindReplace)
#include "test_find_replace.moc"
