#include "batch/name_table.h"

#include <QTest>

using namespace morvane;

class TestNameTable : public QObject {
    Q_OBJECT

private slots:
    // A name from the list (UTF-16) and the same name from a folder listing
    // (UTF-8 bytes) must meet in the table: same hash, byte count right.
    void utf16AndUtf8HashAlike_data()
    {
        QTest::addColumn<QString>("name");
        const QString odd[] = {QStringLiteral("é"),    QStringLiteral("日"),   QStringLiteral("📷"),
                               QString(QChar(0xD83D)), QString(QChar(0xDCF7)), QStringLiteral("\u007f")};
        // Every length around the eight-byte steps, with one odd character at
        // every place, so that multi-byte characters straddle the words.
        for (int length = 0; length <= 19; ++length) {
            const QString plain = QStringLiteral("IMG_0123456789abcdefghij").left(length);
            QTest::addRow("ascii %d", length) << plain;
            for (const QString &c : odd)
                for (int at = 0; at <= length; at += 3)
                    QTest::addRow("U+%04X at %d of %d", c.at(0).unicode(), at, length) << QString(plain).insert(at, c);
        }
        QTest::newRow("surrogate halves reversed") << QString(QChar(0xDCF7)) + QChar(0xD83D) + QStringLiteral("x");
        QTest::newRow("high half at the end") << QStringLiteral("abcdefg") + QChar(0xD83D);
    }
    void utf16AndUtf8HashAlike()
    {
        QFETCH(QString, name);
        const QByteArray utf8 = name.toUtf8();
        qsizetype bytes = -1;
        QCOMPARE(NameTable::hashOf(name, &bytes), NameTable::hashOfUtf8(utf8.constData(), utf8.size()));
        QCOMPARE(bytes, utf8.size());
    }

    void tableFindsWhatItHolds()
    {
        NameTable table;
        table.reserve(16); // far fewer than go in: the table must grow and keep every value
        QStringList names;
        for (int i = 0; i < 5000; ++i)
            names.append(
                QStringLiteral("%1_photo_%2.jpg").arg(i).arg(i % 7 ? QStringLiteral("x") : QStringLiteral("ü")));
        for (int i = 0; i < names.size(); ++i)
            table.valueFor(names.at(i)) = i + 1;
        for (int i = 0; i < names.size(); ++i) {
            const int *byName = table.find(names.at(i));
            QVERIFY(byName);
            QCOMPARE(*byName, i + 1);
            QCOMPARE(table.valueFor(names.at(i)), i + 1); // no second slot for a name already there
        }
        QVERIFY(!table.find(u"5000_photo_x.jpg"));
        QVERIFY(!table.find(u"1_photo_x.jp"));
        QVERIFY(!table.find(u"1_PHOTO_X.JPG"));
    }
};

QTEST_APPLESS_MAIN(TestNameTable)
#include "test_name_table.moc"
