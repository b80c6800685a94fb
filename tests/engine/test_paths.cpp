#include "engine/morvane_error.h"
#include "engine/paths.h"
#include "engine/rename_item.h"

#include <QDir>
#include <QTest>

#include <functional>

using namespace morvane;

namespace {

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const MorvaneError &e) {
        return e.message();
    }
    return QString();
}

} // namespace

class TestPaths : public QObject {
    Q_OBJECT
private slots:
    void pathSplit_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("ext");
        // clang-format off
        QTest::newRow("photo") << "/home/u/photo.JPG" << "photo.JPG" << "/home/u/" << "photo" << ".JPG";
        QTest::newRow("two dots") << "/a/archive.tar.gz" << "archive.tar.gz" << "/a/" << "archive.tar" << ".gz";
        QTest::newRow("no ext") << "/a/README" << "README" << "/a/" << "README" << "";
        QTest::newRow("dot file") << "/a/.profile" << ".profile" << "/a/" << "" << ".profile";
        QTest::newRow("trailing dot") << "/a/name." << "name." << "/a/" << "name" << ".";
        QTest::newRow("dot in folder") << "/x/Docs.old/notes" << "notes" << "/x/Docs.old/" << "notes" << "";
        QTest::newRow("colon is a char") << "/a/C:b.txt" << "C:b.txt" << "/a/" << "C:b" << ".txt";
        QTest::newRow("backslash is a char") << "/a/x\\y.z\\w" << "x\\y.z\\w" << "/a/" << "x\\y" << ".z\\w";
        QTest::newRow("no folder") << "plain.txt" << "plain.txt" << "" << "plain" << ".txt";
        QTest::newRow("in root") << "/r.txt" << "r.txt" << "/" << "r" << ".txt";
        QTest::newRow("trailing slash") << "/a/b.c/" << "" << "/a/b.c/" << "" << "";
        // clang-format on
    }

    void pathSplit()
    {
        QFETCH(QString, path);
        QFETCH(QString, fileName);
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, ext);
        QCOMPARE(fileNamePart(path), fileName);
        QCOMPARE(folderPart(path), folder);
        RenameItem item;
        item.setPath(path);
        QCOMPARE(item.folder(), folder);
        QCOMPARE(item.fileName(), fileName);
        QCOMPARE(item.originalName().toString(), name);
        QCOMPARE(item.ext().toString(), ext);
    }

    void pathJoin_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected"); // "!" for the invalid-characters error
        // clang-format off
        QTest::newRow("plain") << "/a/b" << "c.txt" << "/a/b/c.txt";
        QTest::newRow("folder ends in slash") << "/a/b/" << "c.txt" << "/a/b/c.txt";
        QTest::newRow("colon and backslash are ordinary") << "/a:" << "c\\d" << "/a:/c\\d";
        QTest::newRow("empty folder") << "" << "c.txt" << "c.txt";
        QTest::newRow("absolute name") << "/a" << "/x/c.txt" << "/x/c.txt";
        QTest::newRow("any legal name") << "/a|\"b\"\n" << "<c>?*\t.txt" << "/a|\"b\"\n/<c>?*\t.txt";
        QTest::newRow("nul in name") << "/a" << QString("c") + QChar(0) << "!";
        QTest::newRow("lone surrogate in folder") << QString::fromUtf16(u"/a\xD800") << "c" << "!";
        // clang-format on
    }
    void pathJoin()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        if (expected == u"!")
            QCOMPARE(errorOf([&] { morvane::pathJoin(folder, name); }), QStringLiteral("Invalid characters in path"));
        else
            QCOMPARE(morvane::pathJoin(folder, name), expected);
    }

    void joinFolderPathAddsOneSlash()
    {
        QCOMPARE(joinFolderPath("/", "x"), QStringLiteral("/x"));
        QCOMPARE(joinFolderPath("/a", "x"), QStringLiteral("/a/x"));
        QCOMPARE(joinFolderPath("/a:", "x"), QStringLiteral("/a:/x"));
        // No check here: the folder listing reports names the batch would refuse.
        QCOMPARE(joinFolderPath("/a", QString("b") + QChar(0)), QString("/a/b") + QChar(0));
    }

    void absoluteForms()
    {
        const QString cwd = QDir::currentPath();
        QCOMPARE(absolutePathIn("b", "/a"), QStringLiteral("/a/b"));
        QCOMPARE(absolutePathIn("b", "/a/"), QStringLiteral("/a/b"));
        QCOMPARE(absolutePathIn("/x/./b", "/a"), QStringLiteral("/x/./b"));
        QCOMPARE(absolutePath(""), cwd);
        QCOMPARE(absolutePath("b/./c"), cwd + "/b/./c");
        QCOMPARE(absoluteCleanPath("/a//./b/../c/"), QStringLiteral("/a/b/../c"));
        QCOMPARE(absoluteCleanPath("./b"), cwd + "/b");
        QCOMPARE(absoluteCleanPath("/"), QStringLiteral("/"));
    }
};

QTEST_GUILESS_MAIN(TestPaths)
#include "test_paths.moc"
