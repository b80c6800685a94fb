// Preview, rename, undo, presets and the start-up command line, driven
// through the window's buttons on real temporary files.
#include "ui/settings_dialog.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

using namespace morvane;

namespace {

QString undoLogPath(const WindowFixture &f)
{
    return f.appData.filePath(QStringLiteral("Quenzel/Morvane/last_rename.csv"));
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestBatchButtons : public QObject {
    Q_OBJECT
private slots:
    void renameAndUndoThroughButtons();
    void preconditionsAreTold();
    void moveUpdatesRowsAndFolderColumn();
    void failedBatchShowsErrorAndKeepsWindow();
    void presetSaveAndLoadRoundTrip();
    void commandLineAtStart();
    void undoHistoryRevertsNewestFirst();
};

void TestBatchButtons::renameAndUndoThroughButtons()
{
    WindowFixture f;
    const QString a = f.makeFile(QStringLiteral("a.txt"), "A");
    const QString b = f.makeFile(QStringLiteral("b.txt"), "B");
    const QString c = f.makeFile(QStringLiteral("c.txt"), "C");
    f.dialogs.fileAnswers.enqueue({a, b, c});
    f.click("btnAdd");
    f.type("edtPattern", QStringLiteral("{counter}_{name}"));
    f.click("btnPreview");
    QCOMPARE(f.column(1), QStringList({"001_a.txt", "002_b.txt", "003_c.txt"}));

    // No: nothing happens.
    f.dialogs.confirmAnswers.enqueue(false);
    f.click("btnRename");
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(int(f.dialogs.messages[0].box), int(Dialogs::Box::Confirm));
    QCOMPARE(f.dialogs.messages[0].caption, QStringLiteral("Confirm"));
    QCOMPARE(f.dialogs.messages[0].text,
             QStringLiteral("Proceed to rename files as shown in the preview?\n\n3 file(s) will be renamed."));
    QCOMPARE(filesIn(f.files.path()), QStringList({"a.txt", "b.txt", "c.txt"}));
    QVERIFY(!QFile::exists(undoLogPath(f)));

    f.dialogs.confirmAnswers.enqueue(true);
    f.click("btnRename");
    QCOMPARE(f.dialogs.messages.last().text, QStringLiteral("Batch completed. A CSV log has been saved in AppData."));
    QCOMPARE(filesIn(f.files.path()), QStringList({"001_a.txt", "002_b.txt", "003_c.txt"}));
    QCOMPARE(f.column(0), QStringList({"001_a.txt", "002_b.txt", "003_c.txt"})); // rows follow the files
    QVERIFY(QFile::exists(undoLogPath(f)));

    f.click("btnUndo");
    QCOMPARE(f.dialogs.messages.last().text, QStringLiteral("Undo completed for the last rename operation."));
    QCOMPARE(filesIn(f.files.path()), QStringList({"a.txt", "b.txt", "c.txt"}));
    QCOMPARE(f.rows(), 0);
    QCOMPARE(f.window->statusText(), QStringLiteral("Files: 0"));
    QVERIFY(!QFile::exists(undoLogPath(f)));

    f.click("btnUndo");
    QCOMPARE(f.dialogs.messages.last().text, QStringLiteral("No undo log found in AppData."));
}

void TestBatchButtons::preconditionsAreTold()
{
    WindowFixture f;
    f.click("btnRename");
    f.click("btnPreview");
    QCOMPARE(
        f.dialogs.texts(),
        QStringList({"Nothing to rename. Add files and build a preview first.", "No files loaded. Add files first."}));
    for (const auto &m : f.dialogs.messages)
        QCOMPARE(m.caption, QStringLiteral("Information"));

    // Copy without a destination: the warning, and no file or log touched.
    f.dialogs.messages.clear();
    f.dialogs.fileAnswers.enqueue({f.makeFile(QStringLiteral("a.txt"))});
    f.click("btnAdd");
    f.click("btnPreview");
    auto *mode = f.find<QComboBox>("cbBatchMode");
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down);
    f.type("edtDestination", QStringLiteral("   "));
    f.click("btnRename");
    QCOMPARE(f.dialogs.messages.last().caption, QStringLiteral("Warning"));
    QCOMPARE(f.dialogs.messages.last().text, QStringLiteral("Please select a destination folder for Copy/Move mode."));
    QVERIFY(!QFile::exists(undoLogPath(f)));
}

void TestBatchButtons::moveUpdatesRowsAndFolderColumn()
{
    WindowFixture f;
    f.dialogs.fileAnswers.enqueue({f.makeFile(QStringLiteral("in/photo.JPG"))});
    f.click("btnAdd");
    f.type("edtPattern", QStringLiteral("moved"));
    f.click("btnPreview");
    auto *mode = f.find<QComboBox>("cbBatchMode");
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down);
    QTest::keyClick(mode, Qt::Key_Down); // "MOVE to folder"
    QCOMPARE(mode->currentIndex(), 2);
    const QString out = f.files.filePath(QStringLiteral("out/new")); // made by the batch
    f.type("edtDestination", out);
    f.click("btnRename");
    QVERIFY(QFile::exists(out + QStringLiteral("/moved.JPG")));
    QCOMPARE(f.cell(0, 0), QStringLiteral("moved.JPG"));
    QCOMPARE(f.cell(0, 1), QStringLiteral("moved.JPG"));
    QCOMPARE(f.cell(0, 2), out + u'/');
}

void TestBatchButtons::failedBatchShowsErrorAndKeepsWindow()
{
    WindowFixture f;
    const QString a = f.makeFile(QStringLiteral("a.txt"));
    const QString b = f.makeFile(QStringLiteral("b.txt"));
    f.dialogs.fileAnswers.enqueue({a, b});
    f.click("btnAdd");
    f.type("edtPattern", QStringLiteral("x_{name}"));
    f.click("btnPreview");
    QVERIFY(QFile::remove(b)); // vanishes between preview and rename
    f.click("btnRename");
    const auto box = f.dialogs.messages.last();
    QCOMPARE(int(box.box), int(Dialogs::Box::AppError));
    QCOMPARE(box.caption, QStringLiteral("Morvane"));
    QCOMPARE(box.text,
             QStringLiteral("The specified file was not found.\nRenaming ") + b + QStringLiteral(" to x_b.txt."));
    // The first item stays renamed, and its row says so.
    QCOMPARE(f.column(0), QStringList({"x_a.txt", "b.txt"}));
    QCOMPARE(f.window->statusText(), QStringLiteral("Files: 2"));
}

void TestBatchButtons::presetSaveAndLoadRoundTrip()
{
    WindowFixture f;
    f.type("edtFind", QStringLiteral("say \"hi\""));
    f.type("edtPattern", QStringLiteral("{counter}_{name}"));
    auto *caseBox = f.find<QComboBox>("cbCase");
    caseBox->setFocus();
    QTest::keyClick(caseBox, Qt::Key_Down); // lowercase

    f.click("btnSavePreset"); // cancelled: nothing written
    const QString preset = f.files.filePath(QStringLiteral("rules.json"));
    f.dialogs.fileAnswers.enqueue({preset});
    f.click("btnSavePreset");
    const auto request = f.dialogs.fileRequests.last();
    QCOMPARE(request.kind, QStringLiteral("saveFile"));
    QCOMPARE(request.spec.filter, QStringLiteral("Preset JSON (*.json)"));
    QCOMPARE(request.spec.defaultSuffix, QStringLiteral("json"));
    QFile file(preset);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF{\r\n\"find\":\"say \\\"hi\\\"\",\r\n"));
    QVERIFY(bytes.contains("\"case\":1,\r\n"));
    QCOMPARE(filesIn(f.files.path()), QStringList({"rules.json"}));

    f.type("edtFind", QStringLiteral("other"));
    f.type("edtPattern", QStringLiteral("{name}"));
    QTest::keyClick(caseBox, Qt::Key_Down);
    f.dialogs.fileAnswers.enqueue({preset});
    f.click("btnLoadPreset");
    QCOMPARE(f.dialogs.fileRequests.last().spec.filter, QStringLiteral("Preset JSON (*.json)"));
    QCOMPARE(f.find<QLineEdit>("edtFind")->text(), QStringLiteral("say \"hi\""));
    QCOMPARE(f.find<QLineEdit>("edtPattern")->text(), QStringLiteral("{counter}_{name}"));
    QCOMPARE(caseBox->currentIndex(), 1);
    QVERIFY(f.dialogs.messages.isEmpty());

    // An index beyond the list picks the list's default choice.
    f.dialogs.fileAnswers.enqueue({f.makeFile(QStringLiteral("seven.json"), "{\"conflict\":7,\"case\":9}")});
    f.click("btnLoadPreset");
    QCOMPARE(caseBox->currentIndex(), 0);
    QCOMPARE(f.window->options().conflict, ConflictMode::AutoNumber);
    QCOMPARE(f.window->options().caseChange, CaseChange::Unchanged);
}

void TestBatchButtons::commandLineAtStart()
{
    QTemporaryDir dir;
    QVERIFY(QFile(dir.filePath(QStringLiteral("one.txt"))).open(QIODevice::WriteOnly));
    QVERIFY(QFile(dir.filePath(QStringLiteral("two.txt"))).open(QIODevice::WriteOnly));

    { // A normal start opens the folder it was given, like a drop.
        WindowFixture f({dir.path()});
        QVERIFY(!f.window->terminationRequested());
        QCOMPARE(f.rows(), 2);
        QCOMPARE(f.window->statusText(), QStringLiteral("Files: 2"));
    }
    { // A /cli dry run sets the options, builds the preview and asks to end.
        WindowFixture f({QStringLiteral("/cli"), QStringLiteral("/dryrun"), QStringLiteral("/pattern=n_{counter}"),
                         QStringLiteral("/digits=2"), dir.path()});
        QVERIFY(f.window->terminationRequested());
        QCOMPARE(f.find<QLineEdit>("edtPattern")->text(), QStringLiteral("n_{counter}"));
        QCOMPARE(f.window->settingsDialog()->findChild<QLineEdit *>("edtDigits")->text(), QStringLiteral("2"));
        QCOMPARE(f.column(1), QStringList({"n_01.txt", "n_02.txt"}));
        QCOMPARE(filesIn(dir.path()), QStringList({"one.txt", "two.txt"}));
    }
    { // A preset that fails is shown in the error box, and the window starts.
        WindowFixture f(
            {QStringLiteral("/cli"), QStringLiteral("/preset=") + dir.filePath(QStringLiteral("none.json"))});
        QVERIFY(!f.window->terminationRequested());
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(int(f.dialogs.messages[0].box), int(Dialogs::Box::AppError));
    }
}

// Two batches, then the history dialog: choosing the older one undoes both, newest first.
void TestBatchButtons::undoHistoryRevertsNewestFirst()
{
    WindowFixture f;
    const QString a = f.makeFile(QStringLiteral("a.txt"), "A");
    for (const char *pattern : {"b", "c"}) {
        f.dialogs.fileAnswers.enqueue({f.files.filePath(QStringLiteral("%1.txt").arg(pattern[0] == 'b' ? 'a' : 'b'))});
        f.click("btnAdd");
        f.type("edtPattern", QLatin1String(pattern));
        f.click("btnPreview");
        f.click("btnRename");
        f.window->findChild<QPushButton *>(QStringLiteral("btnClear"))->click();
    }
    QCOMPARE(filesIn(f.files.path()), QStringList{"c.txt"});
    QStringList shown;
    f.dialogs.onModal = [&](QDialog *dialog) {
        auto *list = dialog->findChild<QTreeWidget *>(QStringLiteral("lvUndoHistory"));
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            shown.append(list->topLevelItem(row)->text(1) + u' ' + list->topLevelItem(row)->text(2));
        list->setCurrentItem(list->topLevelItem(1));
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnUndoThrough")), Qt::LeftButton);
    };
    f.find<QToolButton>("btnUndo")->menu()->actions().first()->trigger();
    QCOMPARE(shown, QStringList({"1 Rename in place", "1 Rename in place"}));
    QCOMPARE(f.dialogs.messages.last().text, QStringLiteral("Undo completed for 2 batch(es)."));
    QCOMPARE(filesIn(f.files.path()), QStringList{"a.txt"});
    QFile back(a);
    QVERIFY(back.open(QIODevice::ReadOnly));
    QCOMPARE(back.readAll(), QByteArray("A"));
}

QTEST_MAIN(TestBatchButtons)
#include "test_batch_buttons.moc"
