#include "engine/morvane_error.h"
#include "engine/name_store.h"
#include "engine/rename_item_list.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace morvane;

namespace {

void writeFile(const QString &path, qint64 size)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    if (size > 0)
        QVERIFY(f.resize(size));
}

QStringList paths(const RenameItemList &list)
{
    QStringList out;
    for (const RenameItem &item : list.items())
        out << item.originalPath();
    return out;
}

} // namespace

class TestRenameItems : public QObject {
    Q_OBJECT
private slots:
    void exactPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("exact");
        // clang-format off
        QTest::newRow("ascii") << "/a/b.txt" << true;
        QTest::newRow("accents") << QStringLiteral("/a/\u00e9t\u00e9.txt") << true;
        QTest::newRow("pair") << QStringLiteral("/a/\U0001F600.txt") << true;
        QTest::newRow("replacement char") << QStringLiteral("/a/x\uFFFD.txt") << false;
        QTest::newRow("lone high") << QString("/a/x") + QChar(0xD83D) << false;
        QTest::newRow("lone low") << QString("/a/") + QChar(0xDE00) + "x" << false;
        QTest::newRow("nul") << QString("/a/b.txt") + QChar(0) + "x" << false;
        // clang-format on
    }

    void exactPath()
    {
        QFETCH(QString, path);
        QFETCH(bool, exact);
        QCOMPARE(isExactLocalPath(path), exact);
    }

    void addFileItem()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QString d = tmp.path() + '/';
        writeFile(d + ".hidden", 0);
        writeFile(d + "README", 1234567);
        writeFile(d + "a.txt", 3);
        QVERIFY(QDir(d).mkdir("sub.dir"));
        QVERIFY(QFile::link(d + "a.txt", d + "link-to-file"));
        QVERIFY(QFile::link(d + "sub.dir", d + "link-to-folder"));
        QVERIFY(QFile::link(d + "gone", d + "dangling"));
        QVERIFY(mkfifo(QFile::encodeName(d + "fifo").constData(), 0600) == 0);

        RenameItemList list;
        QVERIFY(list.addFileItem(d + ".hidden"));
        QVERIFY(list.addFileItem(d + "README"));
        QVERIFY(list.addFileItem(d + "link-to-file"));
        QVERIFY(!list.addFileItem(d + "sub.dir"));
        QVERIFY(!list.addFileItem(d + "link-to-folder"));
        QVERIFY(!list.addFileItem(d + "dangling"));
        QVERIFY(!list.addFileItem(d + "fifo"));
        QVERIFY(!list.addFileItem(d + "missing.txt"));
        QVERIFY(!list.addFileItem(QString()));
        QVERIFY(!list.addFileItem(d + "README")); // duplicate
        QVERIFY(list.addFileItem(d + "a.txt"));   // same file as the link, other path
        QVERIFY(!list.addFileItem(d + "A.TXT"));  // no such file: names are case-sensitive
        QCOMPARE(paths(list), QStringList({d + ".hidden", d + "README", d + "link-to-file", d + "a.txt"}));

        const RenameItem hidden = list.at(0);
        QCOMPARE(hidden.originalName().toString(), QString());
        QCOMPARE(hidden.ext().toString(), QStringLiteral(".hidden"));
        QCOMPARE(hidden.size, 0);
        QVERIFY(hidden.newName.isEmpty());
        QCOMPARE(list.at(1).size, 1234567);
        QCOMPARE(list.at(1).originalName().toString(), QStringLiteral("README"));
        QCOMPARE(list.at(1).ext().toString(), QString());
        const RenameItem link = list.at(2);
        QCOMPARE(link.size, 3); // the target's size
        QCOMPARE(link.originalName().toString(), QStringLiteral("link-to-file"));
        QVERIFY(list.itemExists(d + "a.txt"));
        QVERIFY(!list.itemExists(d + "A.txt"));
    }

    void fileTimes()
    {
        QTemporaryDir tmp;
        const QString path = tmp.path() + "/t.txt";
        writeFile(path, 1);
        // 2024-07-01 12:00:00.25 UTC as last-write time.
        const QDateTime when(QDate(2024, 7, 1), QTime(12, 0, 0, 250), Qt::UTC);
        timespec times[2];
        times[0].tv_sec = times[1].tv_sec = when.toSecsSinceEpoch();
        times[0].tv_nsec = times[1].tv_nsec = 250000000;
        QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);

        RenameItemList list;
        QVERIFY(list.addFileItem(path));
        const RenameItem item = list.at(0);
        QCOMPARE(qtFromUtcDateTime(item.modifiedUtc), when);
        QVERIFY(qAbs(item.modifiedUtc - (45474.0 + 0.5 + 0.25 / 86400)) < 1e-9);
        // Birth time where kept (now, roughly), else the last-write time.
        const QDateTime created = qtFromUtcDateTime(item.createdUtc);
        QVERIFY2(created == when || qAbs(created.secsTo(QDateTime::currentDateTimeUtc())) < 600,
                 qPrintable(created.toString(Qt::ISODateWithMs)));
    }

    void inexactPathIsRefused()
    {
        QTemporaryDir tmp;
        const QByteArray dir = QFile::encodeName(tmp.path());
        // One file whose name is not UTF-8, and one that really holds U+FFFD:
        // the decoded first path would name the second file.
        for (const QByteArray &name : {QByteArray("a\xff.txt"), QByteArray("a\xef\xbf\xbd.txt")}) {
            const int fd = ::open((dir + '/' + name).constData(), O_CREAT | O_WRONLY, 0600);
            QVERIFY(fd >= 0);
            ::close(fd);
        }
        RenameItemList list;
        const QString decoded = QFile::decodeName(dir + "/a\xff.txt");
        QVERIFY_THROWS_EXCEPTION(MorvaneError, list.addFileItem(decoded));
        writeFile(tmp.path() + "/b.txt", 1);
        QVERIFY_THROWS_EXCEPTION(MorvaneError, list.addFileItem(tmp.path() + "/b.txt" + QChar(0) + "x"));
        QVERIFY(list.isEmpty());
        QVERIFY(!list.itemExists(decoded));
    }

    void removeAndClear()
    {
        RenameItemList list;
        for (int i = 1; i <= 5; ++i) {
            RenameItem item;
            item.setPath(QStringLiteral("/f/%1").arg(i));
            item.newName = QStringLiteral("n%1").arg(i);
            list.append(item);
        }
        list.removeIndexes({3, 1, 3, 99, -1}); // rows 2 and 4 (1-based)
        QCOMPARE(paths(list), QStringList({"/f/1", "/f/3", "/f/5"}));
        QCOMPARE(list.at(1).newName, QStringLiteral("n3"));
        QVERIFY(!list.itemExists("/f/2"));
        QVERIFY(list.itemExists("/f/3"));
        list.removeIndexes({});
        QCOMPARE(list.count(), 3);

        // A rewritten path moves with the item in the duplicate index.
        RenameItem moved = list.at(0);
        moved.setPath("/g/1");
        list.replace(0, moved);
        QVERIFY(!list.itemExists("/f/1"));
        QVERIFY(list.itemExists("/g/1"));

        // Two items may share a path after a move; removing one keeps the other findable.
        moved = list.at(1);
        moved.setPath("/g/1");
        list.replace(1, moved);
        list.removeIndexes({0});
        QVERIFY(list.itemExists("/g/1"));

        list.clear();
        QVERIFY(list.isEmpty());
        QVERIFY(!list.itemExists("/g/1"));
    }

    // Names packed into shared blocks behave as strings of their own: they
    // outlive the store and their block-mates, end in a NUL, and a change to
    // one, shared or the last of its block, leaves the others as they were.
    void packedNames()
    {
        QList<QString> names;
        QList<QString> expected;
        {
            NameStore store;
            for (int i = 0; i < 5000; ++i) { // several blocks
                expected.append(QStringLiteral("IMG_%1.JPG").arg(i));
                names.append(i % 2 ? store.store(expected.last()) : store.storeLatin1(expected.last().toLatin1()));
            }
            expected.append(QString(3000, u'\u00e9')); // longer than a block's share
            names.append(store.store(expected.last()));
            expected.append(QString());
            names.append(store.store(QString()));
            QVERIFY(store.store(QStringView(u"")).isEmpty() && !store.store(QStringView(u"")).isNull());
        }
        QCOMPARE(names, expected);
        QVERIFY(names.last().isNull());
        QCOMPARE(names.at(7).utf16()[names.at(7).size()], u'\0');

        names[1].append(u"-changed");
        names[2].chop(3);
        names[3][0] = u'X';
        QCOMPARE(names.at(0), expected.at(0));
        QCOMPARE(names.at(4), expected.at(4));
        QCOMPARE(names.at(1), expected.at(1) + "-changed");
        QCOMPARE(names.at(3), "XMG_3.JPG");

        // The last name of a block: changed in place, as nothing else shares it.
        QString last = names.at(4999);
        names.clear();
        last.append(QString(100, u'x'));
        last.squeeze();
        QCOMPARE(last, expected.at(4999) + QString(100, u'x'));
    }
};

QTEST_GUILESS_MAIN(TestRenameItems)
#include "test_rename_items.moc"
