// The preview's status per row in the window, the problems-only filter, the
// marked change in the New Name column and the live preview, driven through
// the real widgets offscreen.
#include "engine/paths.h"
#include "ui/file_list_model.h"
#include "ui/name_diff.h"
#include "window_fixture.h"

#include <QAction>
#include <QSignalSpy>
#include <QSettings>
#include <QTimer>
#include <QToolButton>

using namespace morvane;

class TestPreviewStatus : public QObject {
    Q_OBJECT
private slots:
    void twoFilesBuiltToOneNameShowAsAClash()
    {
        WindowFixture f;
        const QString a = f.makeFile(QStringLiteral("a.txt"));
        const QString b = f.makeFile(QStringLiteral("b.txt"));
        const QString c = f.makeFile(QStringLiteral("c.log"));
        f.dialogs.fileAnswers.enqueue({a, b, c});
        f.click("btnAdd");
        QCOMPARE(f.column(FileListModel::StatusColumn),
                 QStringList({"No preview yet", "No preview yet", "No preview yet"}));
        f.type("edtPattern", QStringLiteral("same"));
        f.click("btnPreview");
        QCOMPARE(f.column(FileListModel::StatusColumn),
                 QStringList({"Same new name as row 2", "Same new name as row 1", "Ready"}));
        QCOMPARE(f.window->statusCounts(), QStringLiteral("2 clash(es), 1 ready"));
        QCOMPARE(f.window->statusText(), QStringLiteral("Files: 3"));
        const QModelIndex clash = f.list()->model()->index(0, FileListModel::NewNameColumn);
        QCOMPARE(clash.data(Qt::ForegroundRole).value<QColor>(), QColor(0xd9, 0x3f, 0x2f));
        QCOMPARE(clash.data(Qt::ToolTipRole).toString(), QStringLiteral("Old: a.txt\nNew: same.txt"));

        // Only the problem rows, and the selection still names the model's rows.
        f.click("btnProblemsOnly");
        QCOMPARE(f.rows(), 2);
        f.list()->selectRow(1);
        f.click("btnRemove");
        QCOMPARE(f.window->renameItems().count(), 2);
        QCOMPARE(fileNamePart(f.window->renameItems().at(1).originalPath()), QStringLiteral("c.log"));
        // With b gone, a lands alone.
        QCOMPARE(f.rows(), 0);
        f.click("btnProblemsOnly");
        QCOMPARE(f.column(FileListModel::StatusColumn), QStringList({"Ready", "Ready"}));

        // A row added after the preview has none; Rename stops before anything moves.
        f.dialogs.fileAnswers.enqueue({b});
        f.click("btnAdd");
        QCOMPARE(f.column(FileListModel::StatusColumn), QStringList({"Ready", "Ready", "No preview yet"}));
        QCOMPARE(f.window->statusCounts(), QStringLiteral("1 not built, 2 ready"));
        f.click("btnRename");
        QCOMPARE(f.dialogs.messages.last().text,
                 QStringLiteral("Please build preview first (click \"Preview Result\" button)."));
        QCOMPARE(QDir(f.files.path()).entryList(QDir::Files, QDir::Name), QStringList({"a.txt", "b.txt", "c.log"}));
    }

    void changedRanges_data()
    {
        QTest::addColumn<QString>("oldName");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QString>("marked"); // the marked parts of the new name, "|" between
        // clang-format off
        QTest::newRow("same") << "a.txt" << "a.txt" << "";
        QTest::newRow("one character") << "a-b.txt" << "a_b.txt" << "_";
        QTest::newRow("prefix added") << "photo.jpg" << "001_photo.jpg" << "001_";
        QTest::newRow("two places") << "IMG_0042.JPG" << "Holiday_0042.jpg" << "Holiday|jpg";
        QTest::newRow("removed only") << "a (1).txt" << "a.txt" << "";
        QTest::newRow("all new") << "x" << "yz" << "yz";
        // clang-format on
    }
    void changedRanges()
    {
        QFETCH(QString, oldName);
        QFETCH(QString, newName);
        QStringList parts;
        for (const TextRange &r : morvane::changedRanges(oldName, newName))
            parts << newName.mid(r.start, r.end - r.start);
        QTEST(parts.join(u'|'), "marked");
    }

    // A burst of typing gives one rebuild after the last key, by the event
    // loop's timer; F5 works with live preview off; the choice is remembered.
    void livePreviewWaitsForTheBurstToEnd()
    {
        {
            WindowFixture f;
            const QString settings = f.appData.filePath(QStringLiteral("settings.ini"));
            const QString a = f.makeFile(QStringLiteral("a.txt"));
            f.dialogs.fileAnswers.enqueue({a});
            f.click("btnAdd");
            auto *live = f.find<QToolButton>("btnLivePreview")->defaultAction();
            QVERIFY(!live->isChecked());
            QSignalSpy built(f.window.get(), &MainWindow::previewBuilt);
            auto *timer = f.window->findChild<QTimer *>(QStringLiteral("livePreviewTimer"));
            f.type("edtPattern", QStringLiteral("x{name}"));
            QVERIFY(!timer->isActive()); // off: typing builds nothing
            f.click("btnPreview");
            QCOMPARE(built.size(), 1);
            QCOMPARE(f.cell(0, FileListModel::NewNameColumn), QStringLiteral("xa.txt"));

            live->trigger();
            QVERIFY(live->isChecked());
            QVERIFY(built.wait(5000)); // switching it on rebuilds once
            built.clear();
            f.type("edtPattern", QStringLiteral("{name}_{counter}"));
            QVERIFY(timer->isActive());
            QCOMPARE(built.size(), 0); // nothing while the keys come
            QVERIFY(built.wait(5000));
            QCOMPARE(built.size(), 1); // one rebuild for the whole burst
            QCOMPARE(f.cell(0, FileListModel::NewNameColumn), QStringLiteral("a_001.txt"));
            QVERIFY(!timer->isActive());

            // A half-typed regular expression goes to the status bar, not a box.
            const int boxes = int(f.dialogs.messages.size());
            f.window->options().regex = true;
            QSignalSpy fired(timer, &QTimer::timeout);
            f.type("edtFind", QStringLiteral("("));
            QVERIFY(fired.wait(5000));
            QCOMPARE(int(f.dialogs.messages.size()), boxes);
            QVERIFY(!f.window->statusCounts().isEmpty());

            // Remembered for the next start.
            QSettings stored(settings, QSettings::IniFormat);
            QVERIFY(stored.value(QStringLiteral("livePreview")).toBool());
        }
    }
};

QTEST_MAIN(TestPreviewStatus)
#include "test_preview_status.moc"
