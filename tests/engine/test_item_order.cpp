#include "engine/file_mask.h"
#include "engine/item_order.h"
#include "engine/natural_order.h"
#include "engine/paths.h"

#include <QCollator>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

using namespace morvane;

namespace {

RenameItem item(const QString &path, qint64 size = 0, DateTime modified = 0, const QString &newName = {})
{
    RenameItem it;
    it.setPath(path);
    it.size = size;
    it.modifiedUtc = modified;
    it.newName = newName;
    return it;
}

QStringList fileNames(const RenameItemList &items)
{
    QStringList names;
    for (const RenameItem &it : items.items())
        names << fileNamePart(it.originalPath());
    return names;
}

} // namespace

class TestItemOrder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void naturalOrder_data()
    {
        QTest::addColumn<QStringList>("shuffled");
        QTest::addColumn<QStringList>("sorted");
        // clang-format off
        QTest::newRow("digit runs by value, case ignored")
            << QStringList{"b10", "B2", "a10", "b1", "a9", "a1"} << QStringList{"a1", "a9", "a10", "b1", "B2", "b10"};
        QTest::newRow("camera names") << QStringList{"IMG_010.jpg", "IMG_2.jpg", "IMG_1.jpg", "img_3.JPG"}
                                      << QStringList{"IMG_1.jpg", "IMG_2.jpg", "img_3.JPG", "IMG_010.jpg"};
        QTest::newRow("equal but for case or leading zeros: exact text decides")
            << QStringList{"a1", "A1", "a01", "a1"} << QStringList{"A1", "a01", "a1", "a1"};
        QTest::newRow("accents after the plain letter, before the next")
            << QStringList{"f", "\u00e9t\u00e9", "ete", "Ete", "\u00c9t\u00e9"}
            << QStringList{"Ete", "ete", "\u00c9t\u00e9", "\u00e9t\u00e9", "f"};
        QTest::newRow("prefix first, digits before letters")
            << QStringList{"file", "file 2", "file10", "file2", "filea", ""}
            << QStringList{"", "file", "file 2", "file2", "file10", "filea"};
        QTest::newRow("numbers longer than 64 bits")
            << QStringList{"x123456789012345678901234567890", "x99999999999999999999"}
            << QStringList{"x99999999999999999999", "x123456789012345678901234567890"};
        // clang-format on
    }

    void naturalOrder()
    {
        QFETCH(QStringList, shuffled);
        QFETCH(QStringList, sorted);
        QStringList names = shuffled;
        sortNatural(names);
        QCOMPARE(names, sorted);
        for (qsizetype i = 1; i < sorted.size(); ++i)
            QVERIFY2(naturalCompare(sorted[i - 1], sorted[i]) <= 0, qPrintable(sorted[i - 1] + " / " + sorted[i]));
    }

    // Big batches of ASCII names are sorted by precomputed keys; they must
    // order exactly as the locale's collator (then the exact text) does.
    void keysAgreeWithTheCollator_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("fastKeys");
        // clang-format off
        QTest::newRow("en_US") << "en_US" << true;
        QTest::newRow("en_GB") << "en_GB" << true;
        QTest::newRow("de_DE") << "de_DE" << true;
        QTest::newRow("da_DK (aa is one letter)") << "da_DK" << false;
        QTest::newRow("tr_TR (dotted and dotless i)") << "tr_TR" << true;
        QTest::newRow("C (no numeric collation of its own)") << "C" << true;
        // clang-format on
    }

    void keysAgreeWithTheCollator()
    {
        QFETCH(QString, locale);
        QFETCH(bool, fastKeys);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(naturalOrderHasFastKeys(), fastKeys);
        QCollator reference(locale == u"C" ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(locale));
        reference.setNumericMode(true);
        reference.setCaseSensitivity(Qt::CaseInsensitive);
        auto expected = [&](const QString &a, const QString &b) {
            const int r = reference.compare(a, b);
            return r ? r < 0 : a < b;
        };

        // Every printable ASCII character against every other: the rank of each.
        for (char16_t a = 0x20; a <= 0x7E; ++a) {
            for (char16_t b = 0x20; b <= 0x7E; ++b) {
                const QString x(QChar{a}), y(QChar{b});
                QVERIFY2((naturalCompare(x, y) < 0) == expected(x, y), qPrintable(x + " / " + y));
            }
        }

        const char alphabet[] = "aAbBiIzZ09 1._-~(aa";
        QRandomGenerator random(14);
        QStringList names;
        for (int i = 0; i < 2000; ++i) {
            QString name;
            const int length = random.bounded(1, 9);
            for (int k = 0; k < length; ++k)
                name += QLatin1Char(alphabet[random.bounded(int(sizeof alphabet - 1))]);
            names << name;
        }
        const QList<int> ranks = naturalRanks(names.size(), [&](qsizetype i) { return QStringView(names[i]); });
        for (int i = 0; i + 1 < names.size(); i += 2) {
            const QString &a = names[i], &b = names[i + 1];
            QCOMPARE(naturalCompare(a, b) < 0, expected(a, b));
            QCOMPARE(ranks[i] < ranks[i + 1], expected(a, b));
            QCOMPARE(ranks[i] == ranks[i + 1], a == b);
        }
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void masks_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("taken");
        // clang-format off
        QTest::newRow("empty takes all") << "" << "x" << true;
        QTest::newRow("only separators take all") << " ; ;" << "x" << true;
        QTest::newRow("*.* takes names without a dot") << "*.*" << "README" << true;
        QTest::newRow("case ignored") << "*.jpg;*.png" << "b.JPG" << true;
        QTest::newRow("second pattern") << "*.jpg; *.png " << "b.png" << true;
        QTest::newRow("no pattern fits") << "*.jpg;*.png" << "b.gif" << false;
        QTest::newRow("whole name, not a part") << "*.jp" << "b.jpg" << false;
        QTest::newRow("? is one character") << "IMG_????.*" << "img_0012.raw" << true;
        QTest::newRow("? is not zero") << "IMG_????.*" << "IMG_12.jpg" << false;
        QTest::newRow("star backtracks") << "*a*b*c" << "xaybzabxc" << true;
        QTest::newRow("star backtracks and fails") << "*a*b*c" << "xaybzacx" << false;
        QTest::newRow("non-ASCII case") << "\u00c9T\u00c9*" << "\u00e9t\u00e9.jpg" << true;
        QTest::newRow("? takes a surrogate pair") << "?.txt" << "\U0001F600.txt" << true;
        // clang-format on
    }

    void masks()
    {
        QFETCH(QString, mask);
        QFETCH(QString, name);
        QFETCH(bool, taken);
        QCOMPARE(FileMask(mask).matches(name), taken);
    }

    void sortKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QStringList>("expected");
        // a10 (5 B, day 3), a9 (5 B, day 1), B2 (1 B, day 3), /y/a9 (9 B, day 2); new names x, y, z, w
        // clang-format off
        QTest::newRow("none") << int(SortKey::None) << false << QStringList{"a10.jpg", "a9.jpg", "B2.jpg", "a9.jpg"};
        QTest::newRow("none, descending keeps the order")
            << int(SortKey::None) << true << QStringList{"a10.jpg", "a9.jpg", "B2.jpg", "a9.jpg"};
        QTest::newRow("name, ties by folder")
            << int(SortKey::Name) << false << QStringList{"a9.jpg", "a9.jpg", "a10.jpg", "B2.jpg"};
        QTest::newRow("name descending")
            << int(SortKey::Name) << true << QStringList{"B2.jpg", "a10.jpg", "a9.jpg", "a9.jpg"};
        QTest::newRow("size, ties by name")
            << int(SortKey::Size) << false << QStringList{"B2.jpg", "a9.jpg", "a10.jpg", "a9.jpg"};
        QTest::newRow("size descending") << int(SortKey::Size) << true << QStringList{"a9.jpg", "a10.jpg", "a9.jpg", "B2.jpg"};
        QTest::newRow("date, ties by name")
            << int(SortKey::Date) << false << QStringList{"a9.jpg", "a9.jpg", "a10.jpg", "B2.jpg"};
        QTest::newRow("new name") << int(SortKey::NewName) << false << QStringList{"a9.jpg", "a10.jpg", "a9.jpg", "B2.jpg"};
        QTest::newRow("folder, then name")
            << int(SortKey::Folder) << false << QStringList{"a9.jpg", "a10.jpg", "B2.jpg", "a9.jpg"};
        // clang-format on
    }

    void sortKeys()
    {
        QFETCH(int, key);
        QFETCH(bool, descending);
        QFETCH(QStringList, expected);
        RenameItemList items;
        items.append(item("/x/a10.jpg", 5, 3, "x"));
        items.append(item("/x/a9.jpg", 5, 1, "y"));
        items.append(item("/x/B2.jpg", 1, 3, "z"));
        items.append(item("/y/a9.jpg", 9, 2, "w"));
        sortItems(items, SortKey(key), descending);
        QCOMPARE(fileNames(items), expected);
        // Built names and paths go with their items.
        for (const RenameItem &it : items.items()) {
            const QString folder = folderPart(it.originalPath());
            const QString name = fileNamePart(it.originalPath());
            const QString built = folder == u"/y/" ? "w" : name == u"a10.jpg" ? "x" : name == u"a9.jpg" ? "y" : "z";
            QCOMPARE(it.newName, built);
            QVERIFY(items.itemExists(it.originalPath()));
        }
    }

    void sortKeyWords()
    {
        QCOMPARE(sortKeyFromWord(u"NAME"), SortKey::Name);
        QCOMPARE(sortKeyFromWord(u"date"), SortKey::Date);
        QCOMPARE(sortKeyFromWord(u"Size"), SortKey::Size);
        QCOMPARE(sortKeyFromWord(u"none"), SortKey::None);
        QCOMPARE(sortKeyFromWord(u"modified"), std::nullopt);
        QCOMPARE(sortKeyFromWord(u""), std::nullopt);
    }

    void handMoves_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QList<int>>("selectedAfter");
        // clang-format off
        QTest::newRow("one up") << QList<int>{2} << -1 << "acbde" << QList<int>{1};
        QTest::newRow("block up") << QList<int>{1, 2} << -1 << "bcade" << QList<int>{0, 1};
        QTest::newRow("two apart down") << QList<int>{0, 2} << 1 << "badce" << QList<int>{1, 3};
        QTest::newRow("top stays, the next joins it") << QList<int>{0, 2} << -1 << "acbde" << QList<int>{0, 1};
        QTest::newRow("block at the bottom stays") << QList<int>{3, 4} << 1 << "abcde" << QList<int>{3, 4};
        QTest::newRow("duplicates and strays ignored") << QList<int>{4, 4, 9, -1} << -1 << "abced" << QList<int>{3};
        // clang-format on
    }

    void handMoves()
    {
        QFETCH(QList<int>, rows);
        QFETCH(int, step);
        QFETCH(QString, after);
        QFETCH(QList<int>, selectedAfter);
        RenameItemList items;
        for (QChar c : QStringLiteral("abcde"))
            items.append(item(QStringLiteral("/f/") + c));
        QCOMPARE(moveItems(items, rows, step), selectedAfter);
        QString order;
        for (const RenameItem &it : items.items())
            order += it.originalName().toString();
        QCOMPARE(order, after);
    }
};

QTEST_GUILESS_MAIN(TestItemOrder)
#include "test_item_order.moc"
