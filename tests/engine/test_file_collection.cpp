#include "engine/file_collection.h"
#include "engine/morvane_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace morvane;

namespace {

void touch(const QString &path)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
}

// The names of a folder in the order the file system hands them out.
QStringList rawOrder(const QString &folder)
{
    QStringList names;
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    while (const dirent *e = dir ? readdir(dir) : nullptr) {
        const QString name = QFile::decodeName(e->d_name);
        if (name != "." && name != "..")
            names << name;
    }
    if (dir)
        closedir(dir);
    return names;
}

} // namespace

class TestFileCollection : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString m_root;

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        // root: .hidden  README  a.txt  link-to-a  link-to-sub  loop -> root  sub/ { b.txt  deeper/ { c.txt } }  empty/
        QVERIFY(m_tmp.isValid());
        m_root = m_tmp.path() + "/root";
        QDir d;
        QVERIFY(d.mkpath(m_root + "/sub/deeper"));
        QVERIFY(d.mkpath(m_root + "/empty"));
        for (const char *f : {".hidden", "README", "a.txt", "sub/b.txt", "sub/deeper/c.txt"})
            touch(m_root + '/' + f);
        QVERIFY(QFile::link(m_root + "/a.txt", m_root + "/link-to-a"));
        QVERIFY(QFile::link(m_root + "/sub", m_root + "/link-to-sub"));
        QVERIFY(QFile::link(m_root, m_root + "/sub/loop"));
    }

    void listsFilesOnlyInNaturalOrder()
    {
        QStringList skipped;
        QCOMPARE(listFolderFiles(m_root, false, &skipped),
                 (QStringList{m_root + "/.hidden", m_root + "/a.txt", m_root + "/link-to-a", m_root + "/README"}));
        QVERIFY(skipped.isEmpty());
        // A folder's files, then its subfolders (the loop and the link to sub not walked).
        QCOMPARE(listFolderFiles(m_root, true, nullptr),
                 (QStringList{m_root + "/.hidden", m_root + "/a.txt", m_root + "/link-to-a", m_root + "/README",
                              m_root + "/sub/b.txt", m_root + "/sub/deeper/c.txt"}));
    }

    void walksInEnumerationOrderWhenAsked()
    {
        FolderListing raw(true);
        raw.naturalOrder = false;
        const QStringList files = listFolderFiles(m_root, raw, nullptr);
        // Expected order built by walking the raw enumeration by hand.
        QStringList expected;
        std::function<void(const QString &)> walk = [&](const QString &folder) {
            for (const QString &name : rawOrder(folder)) {
                const QString path = folder + '/' + name;
                const QFileInfo info(path);
                if (info.isSymLink() && info.isDir())
                    continue;
                if (info.isDir())
                    walk(path);
                else
                    expected << path;
            }
        };
        walk(m_root);
        QCOMPARE(files, expected);
        QCOMPARE(files.size(), 6);
    }

    // A photo folder as cameras and people name it, nested; the mask takes
    // files only, so subfolders are walked whatever their names.
    void naturalOrderAndMaskOverATree()
    {
        QTemporaryDir tmp;
        const QString t = tmp.path();
        QVERIFY(QDir().mkpath(t + "/Trip 10"));
        QVERIFY(QDir().mkpath(t + "/trip 9"));
        for (const char *f : {"IMG_10.jpg", "img_9.JPG", "IMG_100.png", "IMG_1.jpg", "notes.txt", "Trip 10/b2.jpg",
                              "Trip 10/B10.jpeg", "trip 9/x.Jpg", "trip 9/a.gif"})
            touch(t + '/' + f);
        FolderListing listing(true);
        QCOMPARE(
            listFolderFiles(t, listing, nullptr),
            (QStringList{t + "/IMG_1.jpg", t + "/img_9.JPG", t + "/IMG_10.jpg", t + "/IMG_100.png", t + "/notes.txt",
                         t + "/trip 9/a.gif", t + "/trip 9/x.Jpg", t + "/Trip 10/b2.jpg", t + "/Trip 10/B10.jpeg"}));
        listing.mask = FileMask(QStringLiteral("*.jpg;*.JPEG"));
        QCOMPARE(listFolderFiles(t, listing, nullptr),
                 (QStringList{t + "/IMG_1.jpg", t + "/img_9.JPG", t + "/IMG_10.jpg", t + "/trip 9/x.Jpg",
                              t + "/Trip 10/b2.jpg", t + "/Trip 10/B10.jpeg"}));
        RenameItemList items;
        QCOMPARE(morvane::addFolder(items, t, listing, nullptr), 6);
        QCOMPARE(items.at(1).originalName().toString(), QStringLiteral("img_9"));
    }

    void joinsWithoutDoubleSlash()
    {
        const QStringList files = listFolderFiles(m_root + "/sub/", false, nullptr);
        QCOMPARE(files, QStringList(m_root + "/sub/b.txt"));
    }

    void linkedTopFolderIsListed()
    {
        QCOMPARE(listFolderFiles(m_root + "/link-to-sub", false, nullptr), QStringList(m_root + "/link-to-sub/b.txt"));
    }

    void addFolder()
    {
        RenameItemList items;
        QCOMPARE(morvane::addFolder(items, m_root, false, nullptr), 4); // link-to-a is an item of its own path
        QCOMPARE(morvane::addFolder(items, m_root, true, nullptr), 2);  // only the subfolders' files are new
        QCOMPARE(items.count(), 6);
        QCOMPARE(morvane::addFolder(items, m_root + "/empty", true, nullptr), 0);
        QCOMPARE(morvane::addFolder(items, m_root + "/missing", true, nullptr), -1);
        QCOMPARE(morvane::addFolder(items, m_root + "/a.txt", true, nullptr), -1);
        QCOMPARE(morvane::addFolder(items, QString(), true, nullptr), -1);
        QCOMPARE(items.count(), 6);
    }

    // The folder add takes its short cuts (the walk's open folder and decoded
    // names); each item must still be what addFileItem makes of its path.
    void addFolderMatchesAddFileItem()
    {
        QTemporaryDir tmp;
        QVERIFY(QDir().mkpath(tmp.path() + "/dir.d"));
        for (const char *name :
             {"a.txt", "\u00e9t\u00e9.tar.gz", "noext", ".hidden", "trailing.", "dir.d/in.ner", "dir.d/x"}) {
            QFile f(tmp.path() + u'/' + QString::fromUtf8(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(name);
        }
        RenameItemList byFolder, byPath;
        QCOMPARE(morvane::addFolder(byFolder, tmp.path() + u'/', true, nullptr), 7);
        for (const QString &path : listFolderFiles(tmp.path() + u'/', true, nullptr))
            QVERIFY(byPath.addFileItem(path));
        QCOMPARE(byFolder.count(), byPath.count());
        for (int i = 0; i < byPath.count(); ++i) {
            const RenameItem &a = byFolder.at(i), &b = byPath.at(i);
            QCOMPARE(a.originalPath(), b.originalPath());
            QCOMPARE(a.originalName().toString(), b.originalName().toString());
            QCOMPARE(a.ext().toString(), b.ext().toString());
            QCOMPARE(a.size, b.size);
            QCOMPARE(a.createdUtc, b.createdUtc);
            QCOMPARE(a.modifiedUtc, b.modifiedUtc);
            QVERIFY(byFolder.itemExists(b.originalPath()));
        }
    }

    // Folders as items: the folder itself, then with subfolders each folder
    // before the ones inside it, in natural order; no files, links to folders
    // left alone, the mask not applied; a folder's name whole, no size.
    void foldersAsItems()
    {
        FolderListing listing(false);
        listing.folderItems = true;
        listing.mask = FileMask(QStringLiteral("*.jpg"));
        RenameItemList items;
        QCOMPARE(morvane::addFolder(items, m_root + u'/', listing, nullptr), 1);
        QCOMPARE(items.at(0).originalPath(), m_root);
        listing.includeSubfolders = true;
        QCOMPARE(morvane::addFolder(items, m_root, listing, nullptr), 3); // the root is there already
        QStringList paths;
        for (const RenameItem &item : items.items()) {
            QVERIFY(item.isFolder);
            QCOMPARE(item.size, -1);
            QVERIFY(item.modifiedUtc != 0);
            paths << item.originalPath();
        }
        QCOMPARE(paths, (QStringList{m_root, m_root + "/empty", m_root + "/sub", m_root + "/sub/deeper"}));

        QTemporaryDir tmp;
        QVERIFY(QDir().mkpath(tmp.path() + "/Trip.2024"));
        QVERIFY(items.addFolderItem(tmp.path() + "/Trip.2024/"));
        QCOMPARE(items.at(4).originalName().toString(), "Trip.2024");
        QCOMPARE(items.at(4).ext().toString(), QString());
        QVERIFY(!items.addFolderItem(m_root + "/a.txt")); // a file is no folder item
        QVERIFY(!items.addFolderItem(QStringLiteral("/")));
        // Renamed, a folder keeps its whole name; the items below it follow.
        items.setPath(4, tmp.path() + "/Trip.2025.x");
        QCOMPARE(items.at(4).originalName().toString(), "Trip.2025.x");
        QCOMPARE(items.folderMoved(m_root + "/sub", m_root + "/sub2"), QList<int>{3});
        QCOMPARE(items.at(3).originalPath(), m_root + "/sub2/deeper");
        QCOMPARE(items.at(2).originalPath(), m_root + "/sub");
        QVERIFY(items.itemExists(m_root + "/sub2/deeper"));
        QVERIFY(!items.itemExists(m_root + "/sub/deeper"));
    }

    // Without facts a regular file is taken as the listing shows it; a link
    // is still looked at, and a link to a folder still left out.
    void addFolderWithoutFacts()
    {
        QTemporaryDir tmp;
        QFile f(tmp.path() + "/a.txt");
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("abcd") == 4);
        f.close();
        QVERIFY(QFile::link(tmp.path() + "/a.txt", tmp.path() + "/b-link"));
        QVERIFY(QFile::link(tmp.path() + "/missing", tmp.path() + "/c-dangling"));
        QVERIFY(QDir().mkpath(tmp.path() + "/sub"));
        QVERIFY(QFile::link(tmp.path() + "/sub", tmp.path() + "/d-folder-link"));
        FolderListing listing;
        listing.readFacts = false;
        RenameItemList items;
        QCOMPARE(morvane::addFolder(items, tmp.path(), listing, nullptr), 2);
        QCOMPARE(items.at(0).originalName().toString(), QStringLiteral("a"));
        QVERIFY(!items.at(0).factsKnown());
        QVERIFY(items.at(1).factsKnown());
        QCOMPARE(items.at(1).size, qint64(4));
        QCOMPARE(fileFactsOf(items.at(0)).size, qint64(4));
        QCOMPARE(fileFactsOf(items.at(0)).modifiedUtc, items.at(1).modifiedUtc);
        items.readMissingFacts();
        QCOMPARE(items.at(0).size, qint64(4));
        // A second walk of the same folder adds nothing: the path index is built when asked.
        QCOMPARE(morvane::addFolder(items, tmp.path(), listing, nullptr), 0);
    }

    void namesNotUtf8AreSkippedAndReported()
    {
        QTemporaryDir tmp;
        const QByteArray dir = QFile::encodeName(tmp.path());
        for (const QByteArray &name :
             {QByteArray("ok.txt"), QByteArray("caf\xe9.txt"), QByteArray("x\xef\xbf\xbd.txt")}) {
            const int fd = ::open((dir + '/' + name).constData(), O_CREAT | O_WRONLY, 0600);
            QVERIFY(fd >= 0);
            ::close(fd);
        }
        QVERIFY(::mkdir((dir + "/bad\xff").constData(), 0700) == 0);
        const int fd = ::open((dir + "/bad\xff/inside.txt").constData(), O_CREAT | O_WRONLY, 0600);
        QVERIFY(fd >= 0);
        ::close(fd);

        QStringList skipped;
        RenameItemList items;
        QCOMPARE(morvane::addFolder(items, tmp.path(), true, &skipped), 1);
        QCOMPARE(items.at(0).originalPath(), tmp.path() + "/ok.txt");
        skipped.sort();
        QCOMPARE(skipped.size(), 3); // the folder once, not its files
        QVERIFY(skipped.contains(tmp.path() + "/bad\uFFFD"));
        QVERIFY(skipped.contains(tmp.path() + "/caf\uFFFD.txt"));
        QVERIFY(skipped.contains(tmp.path() + "/x\uFFFD.txt"));
        // The decoded folder name cannot be opened in its place.
        QVERIFY_THROWS_EXCEPTION(MorvaneError, listFolderFiles(tmp.path() + "/bad\uFFFD", true, nullptr));
    }

    void unreadableSubfolderIsSkipped()
    {
        if (geteuid() == 0)
            QSKIP("root reads every folder");
        QTemporaryDir tmp;
        QVERIFY(QDir().mkpath(tmp.path() + "/locked"));
        touch(tmp.path() + "/locked/x.txt");
        touch(tmp.path() + "/y.txt");
        QVERIFY(QFile::setPermissions(tmp.path() + "/locked", QFileDevice::Permissions()));
        const QStringList files = listFolderFiles(tmp.path(), true, nullptr);
        QFile::setPermissions(tmp.path() + "/locked",
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(files, QStringList(tmp.path() + "/y.txt"));
    }
};

QTEST_GUILESS_MAIN(TestFileCollection)
#include "test_file_collection.moc"
