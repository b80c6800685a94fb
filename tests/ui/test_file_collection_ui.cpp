// How files get into the window's list, and the name-list button: the add
// dialog, folder adds, drops, removal, and imports, through the real widgets.
#include "engine/file_collection.h"
#include "window_fixture.h"

#include <QAction>
#include <QHeaderView>
#include <QSettings>
#include <QToolButton>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QMimeData>

#include <fcntl.h>
#include <unistd.h>

using namespace morvane;

namespace {

// Drops paths on the window the way a file manager does: file URLs.
bool dropOn(QWidget *window, const QStringList &paths)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString &p : paths)
        urls.append(QUrl::fromLocalFile(p));
    mime.setUrls(urls);
    const QPointF at(window->width() / 2, window->height() / 2);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
    return true;
}

QStringList names(const QStringList &paths)
{
    QStringList result;
    for (const QString &p : paths)
        result.append(QFileInfo(p).fileName());
    return result;
}

void selectRows(const WindowFixture &f, const QList<int> &rows)
{
    QItemSelectionModel *selection = f.list()->selectionModel();
    selection->clearSelection();
    for (int r : rows)
        selection->select(f.list()->model()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

} // namespace

class TestFileCollectionUi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void addFilesByDialog();
    void removeAndClear();
    void folderAddWithAndWithoutSubfolders();
    void folderAddOfEmptyFolderSaysNoFiles();
    void dropTwoFoldersAndAFile();
    void droppedFoldersFollowSubfolderSwitchOfPreset();
    void dropOfNothingUsable();
    void namesThatAreNotUtf8AreSkippedAndTold();
    void nameListImport_data();
    void nameListImport();
    void nameListFailures();
    void naturalOrderSortingAndHandMoves();
    void folderMaskIsUsedAndRemembered();
    void renameFoldersDropRenameAndUndo();
};

void TestFileCollectionUi::addFilesByDialog()
{
    WindowFixture f;
    const QString c = f.makeFile(QStringLiteral("c.txt"), QByteArray(1234567, 'x'));
    const QString a = f.makeFile(QStringLiteral("a.txt"), QByteArray());
    const QString b = f.makeFile(QStringLiteral("b"));

    f.click("btnAdd"); // cancelled
    QCOMPARE(f.window->statusText(), QStringLiteral("  Add the files"));
    QCOMPARE(f.dialogs.fileRequests.size(), 1);
    QCOMPARE(f.dialogs.fileRequests[0].kind, QStringLiteral("openFiles"));
    QCOMPARE(f.dialogs.fileRequests[0].spec.title, QStringLiteral("Select files to add"));
    QCOMPARE(f.dialogs.fileRequests[0].spec.filter, QStringLiteral("All files (*)"));

    f.dialogs.fileAnswers.enqueue({c, a, b});
    f.click("btnAdd");
    QCOMPARE(f.column(0), QStringList({"c.txt", "a.txt", "b"}));
    QCOMPARE(f.column(1), QStringList({"", "", ""})); // no preview
    QCOMPARE(f.column(2), QStringList(3, f.files.path() + u'/'));
    QCOMPARE(f.column(3), QStringList({"1,234,567", "0", "1"}));
    QCOMPARE(f.window->statusText(), QStringLiteral("Files: 3"));

    // Ctrl+O opens the same dialog; a path already listed adds nothing.
    f.dialogs.fileAnswers.enqueue({a, f.makeFile(QStringLiteral("d.txt"))});
    QTest::keyClick(f.window.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(f.column(0), QStringList({"c.txt", "a.txt", "b", "d.txt"}));
    QCOMPARE(f.window->statusText(), QStringLiteral("Files: 4"));
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestFileCollectionUi::removeAndClear()
{
    WindowFixture f;
    auto *removeSelected = f.window->findChild<QAction *>("miRemoveSelected");
    auto *clearList = f.window->findChild<QAction *>("Clearlist1");

    // With nothing selected the tool button leaves the status alone; the menu entry refreshes it.
    f.click("btnRemove");
    QCOMPARE(f.window->statusText(), QStringLiteral("  Add the files"));
    removeSelected->trigger();
    QCOMPARE(f.window->statusText(), QStringLiteral("Files: 0"));

    QStringList paths;
    for (const char *name : {"1.txt", "2.txt", "3.txt", "4.txt", "5.txt"})
        paths.append(f.makeFile(QLatin1String(name)));
    f.dialogs.fileAnswers.enqueue(paths);
    f.click("btnAdd");
    f.click("btnPreview");
    selectRows(f, {1, 3});
    f.click("btnRemove");
    QCOMPARE(f.column(0), QStringList({"1.txt", "3.txt", "5.txt"}));
    QCOMPARE(f.column(1), QStringList({"1.txt", "3.txt", "5.txt"})); // rows and items still aligned
    QCOMPARE(f.window->statusText(), QStringLiteral("Files: 3"));

    // Delete in the list removes the selection.
    selectRows(f, {0});
    f.list()->setFocus();
    QTest::keyClick(f.list(), Qt::Key_Delete);
    QCOMPARE(f.column(0), QStringList({"3.txt", "5.txt"}));

    f.list()->selectionModel()->clearSelection();
    clearList->trigger();
    QCOMPARE(f.rows(), 2); // nothing selected: nothing cleared
    selectRows(f, {1});
    clearList->trigger();
    QCOMPARE(f.rows(), 0);
    QCOMPARE(f.window->statusText(), QStringLiteral("Files: 0"));
}

void TestFileCollectionUi::folderAddWithAndWithoutSubfolders()
{
    WindowFixture f;
    f.makeFile(QStringLiteral("top/a.txt"));
    f.makeFile(QStringLiteral("top/.hidden"));
    f.makeFile(QStringLiteral("top/noext"));
    f.makeFile(QStringLiteral("top/sub/b.txt"));
    f.makeFile(QStringLiteral("top/sub/deeper/c.txt"));
    const QString top = f.files.filePath(QStringLiteral("top"));

    f.dialogs.folderAnswers.enqueue(top);
    f.click("btnAddFolder");
    QCOMPARE(f.dialogs.folderRequests.value(0).first, QStringLiteral("Select folder"));
    QCOMPARE(f.dialogs.folderRequests.value(0).second, QString());
    const QStringList direct = names(listFolderFiles(top, false, nullptr));
    QCOMPARE(direct.size(), 3); // the hidden file and the one without extension too
    QCOMPARE(f.column(0), direct);
    QCOMPARE(f.column(1), direct); // the folder add rebuilds the preview
    QCOMPARE(f.window->statusText(), QStringLiteral("Files: 3"));

    f.list()->selectAll();
    f.click("btnRemove");
    auto *subfolders = f.find<QCheckBox>("chkIncludeSubfolders");
    QTest::mouseClick(subfolders, Qt::LeftButton, {}, QPoint(5, subfolders->height() / 2));
    QVERIFY(f.window->options().includeSubfolders);
    f.dialogs.folderAnswers.enqueue(top);
    f.click("btnAddFolder");
    const QStringList all = names(listFolderFiles(top, true, nullptr));
    QCOMPARE(all.size(), 5);
    QCOMPARE(f.column(0), all);
    QCOMPARE(f.window->statusText(), QStringLiteral("Files: 5"));
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestFileCollectionUi::folderAddOfEmptyFolderSaysNoFiles()
{
    WindowFixture f;
    QVERIFY(QDir(f.files.path()).mkdir(QStringLiteral("empty")));
    f.click("btnAddFolder"); // cancelled
    QVERIFY(f.dialogs.messages.isEmpty());
    f.dialogs.folderAnswers.enqueue(f.files.filePath(QStringLiteral("empty")));
    f.click("btnAddFolder");
    QCOMPARE(f.dialogs.texts(), QStringList({"No files loaded. Add files first."}));
    QCOMPARE(f.window->statusText(), QStringLiteral("Files: 0"));
}

void TestFileCollectionUi::dropTwoFoldersAndAFile()
{
    WindowFixture f;
    f.makeFile(QStringLiteral("one/a1.txt"));
    f.makeFile(QStringLiteral("one/a2.txt"));
    f.makeFile(QStringLiteral("one/inner/skipped.txt"));
    f.makeFile(QStringLiteral("two/b1.txt"));
    const QString file = f.makeFile(QStringLiteral("single.txt"));
    const QString one = f.files.filePath(QStringLiteral("one"));
    const QString two = f.files.filePath(QStringLiteral("two"));

    QVERIFY(dropOn(f.window.get(), {one, two, file}));
    const QStringList expected = names(listFolderFiles(one, false, nullptr)) + QStringList{"b1.txt", "single.txt"};
    QCOMPARE(f.column(0), expected);
    QCOMPARE(f.column(1), QStringList(4, QString())); // no preview after a drop
    QCOMPARE(f.window->statusText(), QStringLiteral("Files: 4"));
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestFileCollectionUi::droppedFoldersFollowSubfolderSwitchOfPreset()
{
    WindowFixture f;
    f.makeFile(QStringLiteral("tree/x.txt"));
    f.makeFile(QStringLiteral("tree/sub/y.txt"));
    const QString tree = f.files.filePath(QStringLiteral("tree"));
    f.dialogs.fileAnswers.enqueue({f.makeFile(QStringLiteral("p.json"), "{\"includeSubfolders\":true}")});
    f.click("btnLoadPreset");
    QVERIFY(f.find<QCheckBox>("chkIncludeSubfolders")->isChecked());
    QVERIFY(dropOn(f.window.get(), {tree}));
    QCOMPARE(f.column(0), names(listFolderFiles(tree, true, nullptr)));
    QCOMPARE(f.rows(), 2);
}

void TestFileCollectionUi::dropOfNothingUsable()
{
    WindowFixture f;
    QVERIFY(QDir(f.files.path()).mkdir(QStringLiteral("empty")));
    QVERIFY(dropOn(f.window.get(),
                   {f.files.filePath(QStringLiteral("vanished.txt")), f.files.filePath(QStringLiteral("empty"))}));
    QCOMPARE(f.rows(), 0);
    QCOMPARE(f.window->statusText(), QStringLiteral("Files: 0"));
    QVERIFY(f.dialogs.messages.isEmpty());

    // Text without file URLs is not taken as a drop of files.
    QMimeData text;
    text.setText(QStringLiteral("hello"));
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.window.get(), &enter);
    QVERIFY(!enter.isAccepted());
}

void TestFileCollectionUi::namesThatAreNotUtf8AreSkippedAndTold()
{
    WindowFixture f;
    f.makeFile(QStringLiteral("mixed/good.txt"));
    const QByteArray bad = QFile::encodeName(f.files.filePath(QStringLiteral("mixed/"))) + "bad\xff.txt";
    const int fd = ::open(bad.constData(), O_CREAT | O_WRONLY, 0644);
    if (fd < 0)
        QSKIP("this file system refuses names that are not UTF-8");
    ::close(fd);

    QVERIFY(dropOn(f.window.get(), {f.files.filePath(QStringLiteral("mixed"))}));
    QCOMPARE(f.column(0), QStringList({"good.txt"}));
    QCOMPARE(f.window->statusText(), QStringLiteral("Files: 1"));
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(int(f.dialogs.messages[0].box), int(Dialogs::Box::Warning));
    QVERIFY(f.dialogs.messages[0].text.contains(QStringLiteral("not valid UTF-8")));
}

void TestFileCollectionUi::nameListImport_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("newNames");
    // clang-format off
    QTest::newRow("three lines") << QByteArray("Alpha\r\nBeta\nGamma\n") << QStringList{"Alpha", "Beta", "Gamma"}
                                 << QStringList{"Alpha.txt", "Beta.txt", "Gamma.txt"};
    QTest::newRow("csv, quotes, empty line")
        << QByteArray("\"Smith, John\",42\n\n  \"Anna\"  \r")
        << QStringList{"Smith", "", "Anna"} << QStringList{"Smith.txt", ".txt", "Anna.txt"};
    QTest::newRow("only a byte-order mark") << QByteArray("\xEF\xBB\xBF") << QStringList{}
                                            << QStringList{".txt", ".txt", ".txt"};
    // clang-format on
}

void TestFileCollectionUi::nameListImport()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, newNames);
    WindowFixture f;
    f.dialogs.fileAnswers.enqueue({f.makeFile(QStringLiteral("a.txt")), f.makeFile(QStringLiteral("b.txt")),
                                   f.makeFile(QStringLiteral("c.txt"))});
    f.click("btnAdd");
    f.type("edtPattern", QStringLiteral("{list}"));
    f.dialogs.fileAnswers.enqueue({f.makeFile(QStringLiteral("names.csv"), content)});
    f.click("btnLoadNameList");

    const FileDialogSpec spec = f.dialogs.fileRequests.last().spec;
    QCOMPARE(f.dialogs.fileRequests.last().kind, QStringLiteral("openFile"));
    QCOMPARE(spec.title, QString());
    QCOMPARE(spec.filter, QStringLiteral("Name list (*.txt *.csv);;All files (*)"));
    QCOMPARE(spec.selectedFilter, QStringLiteral("Name list (*.txt *.csv)"));
    QCOMPARE(f.window->importedNameList(), entries);
    QCOMPARE(f.column(1), newNames); // the preview was rebuilt
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestFileCollectionUi::nameListFailures()
{
    WindowFixture f;
    // An empty batch: the list is taken, then the preview says there is nothing.
    f.dialogs.fileAnswers.enqueue({f.makeFile(QStringLiteral("first.txt"), "One\nTwo\n")});
    f.click("btnLoadNameList");
    QCOMPARE(f.window->importedNameList(), QStringList({"One", "Two"}));
    QCOMPARE(f.dialogs.texts(), QStringList({"No files loaded. Add files first."}));

    f.click("btnLoadNameList"); // cancelled: the list stays
    QCOMPARE(f.window->importedNameList(), QStringList({"One", "Two"}));

    f.dialogs.fileAnswers.enqueue({f.makeFile(QStringLiteral("x.txt"))});
    f.click("btnAdd");
    f.type("edtPattern", QStringLiteral("{list}"));
    f.click("btnPreview");
    QCOMPARE(f.column(1), QStringList({"One.txt"}));

    // Not UTF-8: the list is left empty, the error box speaks, the preview is not rebuilt.
    f.dialogs.messages.clear();
    f.dialogs.fileAnswers.enqueue({f.makeFile(QStringLiteral("latin1.txt"), "Ren\xe9\n")});
    f.click("btnLoadNameList");
    QVERIFY(f.window->importedNameList().isEmpty());
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(int(f.dialogs.messages[0].box), int(Dialogs::Box::AppError));
    QCOMPARE(f.dialogs.messages[0].caption, QStringLiteral("Morvane"));
    QCOMPARE(f.dialogs.messages[0].text,
             QStringLiteral("No mapping for the Unicode character exists in the target multi-byte code page."));
    QCOMPARE(f.column(1), QStringList({"One.txt"}));

    // A file that cannot be opened is named in the box.
    f.dialogs.messages.clear();
    const QString missing = f.files.filePath(QStringLiteral("gone.txt"));
    f.dialogs.fileAnswers.enqueue({missing});
    f.click("btnLoadNameList");
    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY(f.dialogs.messages[0].text.contains(missing));
    QVERIFY(f.window->importedNameList().isEmpty());
}

QTEST_MAIN(TestFileCollectionUi)
#include "test_file_collection_ui.moc"

// A camera folder lands in natural order; header clicks sort items and rows
// together (built names stay with their files), a second click reverses,
// Ctrl+Up moves the selection by hand; each preview numbers the list as shown.
void TestFileCollectionUi::naturalOrderSortingAndHandMoves()
{
    WindowFixture f;
    f.makeFile(QStringLiteral("photos/IMG_10.jpg"), "1");
    f.makeFile(QStringLiteral("photos/img_9.jpg"), "333");
    f.makeFile(QStringLiteral("photos/IMG_100.jpg"), "22");
    QVERIFY(dropOn(f.window.get(), {f.files.filePath(QStringLiteral("photos"))}));
    QCOMPARE(f.column(0), (QStringList{"img_9.jpg", "IMG_10.jpg", "IMG_100.jpg"}));
    f.type("edtPattern", QStringLiteral("{counter}_{name}"));
    f.click("btnPreview");
    QCOMPARE(f.column(1), (QStringList{"001_img_9.jpg", "002_IMG_10.jpg", "003_IMG_100.jpg"}));

    QHeaderView *header = f.list()->horizontalHeader();
    auto clickHeader = [&](int column) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 10, header->height() / 2));
    };
    clickHeader(3); // Size
    QCOMPARE(f.column(0), (QStringList{"IMG_10.jpg", "IMG_100.jpg", "img_9.jpg"}));
    QCOMPARE(f.column(1), (QStringList{"002_IMG_10.jpg", "003_IMG_100.jpg", "001_img_9.jpg"}));
    QCOMPARE(f.window->renameItems().at(0).originalName().toString(), QStringLiteral("IMG_10"));
    QVERIFY(header->isSortIndicatorShown());
    QCOMPARE(header->sortIndicatorSection(), 3);
    QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
    clickHeader(3);
    QCOMPARE(f.column(0), (QStringList{"img_9.jpg", "IMG_100.jpg", "IMG_10.jpg"}));
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    f.click("btnPreview");
    QCOMPARE(f.column(1), (QStringList{"001_img_9.jpg", "002_IMG_100.jpg", "003_IMG_10.jpg"}));
    QCOMPARE(f.cell(0, 4).isEmpty(), false); // the Modified column
    QCOMPARE(header->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Modified"));

    selectRows(f, {2});
    f.list()->setCurrentIndex(f.list()->model()->index(2, 0));
    f.list()->setFocus();
    QTest::keyClick(f.list(), Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(f.column(0), (QStringList{"img_9.jpg", "IMG_10.jpg", "IMG_100.jpg"}));
    QCOMPARE(f.list()->selectionModel()->selectedRows().value(0).row(), 1); // the selection went along
    QVERIFY(!header->isSortIndicatorShown());
    f.list()->findChild<QAction *>(QStringLiteral("miMoveDown"))->trigger();
    QCOMPARE(f.column(0), (QStringList{"img_9.jpg", "IMG_100.jpg", "IMG_10.jpg"}));
    for (int row = 0; row < f.rows(); ++row)
        QCOMPARE(f.window->renameItems().at(row).originalName().toString()
                     + f.window->renameItems().at(row).ext().toString(),
                 f.cell(row, 0));
}

void TestFileCollectionUi::folderMaskIsUsedAndRemembered()
{
    QString settingsFile;
    {
        WindowFixture f;
        settingsFile = f.appData.filePath(QStringLiteral("settings.ini"));
        f.makeFile(QStringLiteral("mixed/a.JPG"));
        f.makeFile(QStringLiteral("mixed/b.png"));
        f.makeFile(QStringLiteral("mixed/c.txt"));
        const QString loose = f.makeFile(QStringLiteral("loose.txt"));
        f.type("edtFolderMask", QStringLiteral("*.jpg; *.PNG"));
        QVERIFY(dropOn(f.window.get(), {f.files.filePath(QStringLiteral("mixed")), loose}));
        QCOMPARE(f.column(0), (QStringList{"a.JPG", "b.png", "loose.txt"})); // a file dropped alone is never masked
        QCOMPARE(QSettings(settingsFile, QSettings::IniFormat).value("folderMask").toString(), "*.jpg; *.PNG");

        MainWindowSetup setup;
        setup.dialogs = &f.dialogs;
        setup.settingsFile = settingsFile;
        MainWindow next(std::move(setup));
        QCOMPARE(next.findChild<QLineEdit *>(QStringLiteral("edtFolderMask"))->text(), QStringLiteral("*.jpg; *.PNG"));
    }
}

// "Rename folders" on: a drop of album folders and a file adds each as itself,
// a folder row shows no size; the folders are renamed, their files left alone,
// and undo restores them. The switch is one in the tool bar and the settings,
// and remembered.
void TestFileCollectionUi::renameFoldersDropRenameAndUndo()
{
    WindowFixture f;
    const QString settingsFile = f.appData.filePath(QStringLiteral("settings.ini"));
    QStringList albums;
    for (const char *album : {"Blue Train", "Kind of Blue", "Mingus Ah Um"}) {
        f.makeFile(QLatin1String(album) + QStringLiteral("/01 First.flac"));
        f.makeFile(QLatin1String(album) + QStringLiteral("/sub/02 Second.flac"));
        albums << f.files.filePath(QLatin1String(album));
    }
    const QString loose = f.makeFile(QStringLiteral("notes.txt"), "notes");
    auto *settingsCheck = f.window->findChild<QCheckBox *>(QStringLiteral("chkRenameFolders"));
    QVERIFY(settingsCheck && !settingsCheck->isChecked());
    f.click("btnRenameFolders");
    QVERIFY(settingsCheck->isChecked());
    QCOMPARE(QSettings(settingsFile, QSettings::IniFormat).value("renameFolders").toBool(), true);

    QVERIFY(dropOn(f.window.get(), albums + QStringList{loose}));
    QCOMPARE(f.column(0), (QStringList{"Blue Train", "Kind of Blue", "Mingus Ah Um", "notes.txt"}));
    QCOMPARE(f.column(3), (QStringList{"", "", "", "5"}));
    QVERIFY(!f.column(4).contains(QString()));
    f.type("edtPattern", QStringLiteral("{counter} - {name}"));
    f.click("btnPreview");
    QCOMPARE(f.column(1),
             (QStringList{"001 - Blue Train", "002 - Kind of Blue", "003 - Mingus Ah Um", "004 - notes.txt"}));
    f.dialogs.confirmAnswers.enqueue(true);
    f.click("btnRename");
    QCOMPARE(f.dialogs.messages.last().text, QStringLiteral("Batch completed. A CSV log has been saved in AppData."));
    const QDir files(f.files.path());
    QCOMPARE(files.entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList{"001 - Blue Train", "002 - Kind of Blue", "003 - Mingus Ah Um", "004 - notes.txt"}));
    QVERIFY(QFile::exists(f.files.filePath(QStringLiteral("002 - Kind of Blue/sub/02 Second.flac"))));
    QCOMPARE(f.column(0),
             (QStringList{"001 - Blue Train", "002 - Kind of Blue", "003 - Mingus Ah Um", "004 - notes.txt"}));

    f.click("btnUndo");
    QCOMPARE(files.entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList{"Blue Train", "Kind of Blue", "Mingus Ah Um", "notes.txt"}));
    QVERIFY(QFile::exists(f.files.filePath(QStringLiteral("Kind of Blue/sub/02 Second.flac"))));

    // Off in the settings, off in the tool bar; the next start finds it off.
    settingsCheck->setChecked(false);
    QVERIFY(!f.find<QToolButton>("btnRenameFolders")->isChecked());
    QCOMPARE(QSettings(settingsFile, QSettings::IniFormat).value("renameFolders").toBool(), false);
}
