#include "engine/option_panel.h"

#include <QTest>

using namespace morvane;

class TestOptionPanel : public QObject {
    Q_OBJECT
private slots:
    void startValues()
    {
        const OptionPanel o;
        QCOMPARE(o.pattern, QStringLiteral("{name}"));
        QVERIFY(o.find.isEmpty() && o.replace.isEmpty());
        QCOMPARE(o.caseChange, CaseChange::Unchanged);
        QVERIFY(!o.changeExt);
        QVERIFY(o.newExt.isEmpty() && o.insertText.isEmpty() && o.charactersToRemove.isEmpty());
        QCOMPARE(o.insertPos, QStringLiteral("1"));
        for (const QString &zero : {o.removeFirst, o.removeLast, o.removeFromPos, o.removeTillPos, o.padNumbers})
            QCOMPARE(zero, QStringLiteral("0"));
        QVERIFY(!o.collapseDoubleSpaces && !o.includeSubfolders);
        QVERIFY(o.cropBefore.isEmpty() && o.cropAfter.isEmpty() && o.destination.isEmpty());
        QCOMPARE(o.batchMode, BatchMode::RenameInPlace);
        QCOMPARE(o.counterStart, QStringLiteral("1"));
        QCOMPARE(o.digits, QStringLiteral("3"));
        QCOMPARE(o.conflict, ConflictMode::AutoNumber);
        QVERIFY(!o.regex && !o.touchModifiedNow);
    }

    void intOrDefault_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // default is 77
        // clang-format off
        QTest::newRow("plain") << "42" << 42;
        QTest::newRow("leading spaces") << "   7" << 7;
        QTest::newRow("trailing space") << "7 " << 77;
        QTest::newRow("leading tab") << "\t7" << 77;
        QTest::newRow("plus") << "+7" << 7;
        QTest::newRow("minus") << "-5" << -5;
        QTest::newRow("space after sign") << "- 5" << 77;
        QTest::newRow("two signs") << "--5" << 77;
        QTest::newRow("sign alone") << "+" << 77;
        QTest::newRow("empty") << "" << 77;
        QTest::newRow("spaces only") << "   " << 77;
        QTest::newRow("decimal point") << "1.5" << 77;
        QTest::newRow("letters after") << "12abc" << 77;
        QTest::newRow("letters") << "abc" << 77;
        QTest::newRow("leading zeros") << "007" << 7;
        QTest::newRow("max") << "2147483647" << 2147483647;
        QTest::newRow("min") << "-2147483648" << int(-2147483647 - 1);
        QTest::newRow("max+1") << "2147483648" << 77;
        QTest::newRow("min-1") << "-2147483649" << 77;
        QTest::newRow("many digits") << "99999999999999999999999" << 77;
        QTest::newRow("0x10") << "0x10" << 16;
        QTest::newRow("0X1f") << "0X1f" << 31;
        QTest::newRow("$ff") << "$ff" << 255;
        QTest::newRow("x10") << "x10" << 16;
        QTest::newRow("X10") << "X10" << 16;
        QTest::newRow("-$10") << "-$10" << -16;
        QTest::newRow("$FFFFFFFF") << "$FFFFFFFF" << -1;
        QTest::newRow("-$FFFFFFFF") << "-$FFFFFFFF" << 1;
        QTest::newRow("$80000000") << "$80000000" << int(-2147483647 - 1);
        QTest::newRow("-$80000000 overflows") << "-$80000000" << 77;
        QTest::newRow("$7FFFFFFF") << "$7FFFFFFF" << 2147483647;
        QTest::newRow("9 hex digits") << "$100000000" << 77;
        QTest::newRow("hex leading zeros") << "$000000000001" << 1;
        QTest::newRow("0x alone") << "0x" << 77;
        QTest::newRow("$ alone") << "$" << 77;
        QTest::newRow("hex bad digit") << "$1G" << 77;
        QTest::newRow("0 alone") << "0" << 0;
        QTest::newRow("arabic-indic digit") << QString(QChar(0x0663)) << 77;
        QTest::newRow("fullwidth digit") << QString(QChar(0xFF17)) << 77;
        // clang-format on
    }

    void intOrDefault()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(morvane::intOrDefault(text, 77), expected);
    }

    void optionReadings()
    {
        // How the option tables combine reading, default and limits.
        auto digits = [](const QString &t) { return clampInt(morvane::intOrDefault(t, 3), 1, 10); };
        QCOMPARE(digits("0"), 1);
        QCOMPARE(digits("-4"), 1);
        QCOMPARE(digits("25"), 10);
        QCOMPARE(digits("abc"), 3);
        QCOMPARE(morvane::intOrDefault(morvane::trimControl("7 "), 0), 7);
        QCOMPARE(morvane::intOrDefault("7 ", 0), 0);
    }

    void trimControl_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("spaces") << "  png  " << "png";
        QTest::newRow("controls") << QStringLiteral("\t\r\n\x01png\x1f\x7f") << QStringLiteral("png\x1f\x7f");   // DEL is above U+0020
        QTest::newRow("nul") << QString(QChar(0)) + "a" + QChar(0) << "a";
        QTest::newRow("inner kept") << " a b " << "a b";
        QTest::newRow("nbsp kept") << QString(QChar(0xA0)) + "a" << QString(QChar(0xA0)) + "a";
        QTest::newRow("all blank") << " \t " << "";
        // clang-format on
    }

    void trimControl()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(morvane::trimControl(text), expected);
    }
};

QTEST_GUILESS_MAIN(TestOptionPanel)
#include "test_option_panel.moc"
