#include "engine/morvane_error.h"
#include "engine/name_list.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

class TestNameList : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;

    QString writeList(const QByteArray &bytes)
    {
        const QString path = m_tmp.path() + "/list.csv";
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        // clang-format off
        QTest::newRow("three lines, final break") << QByteArray("Alpha\nBeta\nGamma\n") << QStringList{"Alpha", "Beta", "Gamma"};
        QTest::newRow("no final break") << QByteArray("Alpha\nBeta") << QStringList{"Alpha", "Beta"};
        QTest::newRow("CR LF, CR and LF") << QByteArray("a\r\nb\rc\nd\r\n") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("empty line inside") << QByteArray("a\n\nb\n") << QStringList{"a", "", "b"};
        QTest::newRow("only a break") << QByteArray("\n") << QStringList{""};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("only a BOM") << QByteArray("\xef\xbb\xbf") << QStringList{};
        QTest::newRow("BOM skipped") << QByteArray("\xef\xbb\xbfName\n") << QStringList{"Name"};
        QTest::newRow("second BOM kept") << QByteArray("\xef\xbb\xbf\xef\xbb\xbfN") << QStringList{QStringLiteral("\uFEFFN")};
        QTest::newRow("first column") << QByteArray("Smith,John,42") << QStringList{"Smith"};
        QTest::newRow("comma inside quotes") << QByteArray("\"Smith, John\",42") << QStringList{"Smith"};
        QTest::newRow("spaces then quotes") << QByteArray("  \"Anna\"  ") << QStringList{"Anna"};
        QTest::newRow("quotes then spaces") << QByteArray("\" Anna \"") << QStringList{" Anna "};
        QTest::newRow("many quotes, tabs") << QByteArray("\t\"\"\"x\"y\"\"\t") << QStringList{"x\"y"};
        QTest::newRow("only quotes") << QByteArray("\"\"\"") << QStringList{""};
        QTest::newRow("leading comma") << QByteArray(",rest") << QStringList{""};
        QTest::newRow("utf-8 kept") << QByteArray("\xc3\x89mile \xf0\x9f\x98\x80") << QStringList{QStringLiteral("\u00c9mile \U0001F600")};
        // clang-format on
    }

    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QStringList list{"old entry"};
        loadNameList(writeList(bytes), list);
        QCOMPARE(list, expected);
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        // clang-format off
        QTest::newRow("latin-1") << QByteArray("Alpha\nCaf\xe9\n");
        QTest::newRow("cut sequence at end") << QByteArray("Alpha\n\xe2\x82");
        QTest::newRow("overlong") << QByteArray("\xc0\xaf");
        QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80");
        QTest::newRow("UTF-16 with BOM") << QByteArray("\xff\xfe" "A\0", 4);
        // clang-format on
    }

    void failures()
    {
        QFETCH(QByteArray, bytes);
        QStringList list{"old entry"};
        try {
            loadNameList(writeList(bytes), list);
            QFAIL("no error");
        } catch (const MorvaneError &e) {
            QCOMPARE(e.message(),
                     QStringLiteral("No mapping for the Unicode character exists in the target multi-byte code page"));
        }
        QVERIFY(list.isEmpty());
    }

    void missingFile()
    {
        QStringList list{"old entry"};
        const QString path = m_tmp.path() + "/nowhere.txt";
        try {
            loadNameList(path, list);
            QFAIL("no error");
        } catch (const MorvaneError &e) {
            QCOMPARE(e.message(), QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(path));
        }
        QVERIFY(list.isEmpty());
        QVERIFY_THROWS_EXCEPTION(MorvaneError, loadNameList(m_tmp.path(), list)); // a folder
    }
};

QTEST_GUILESS_MAIN(TestNameList)
#include "test_name_list.moc"
