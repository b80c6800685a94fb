// The main window itself: start state, layout rules, enabling rules, the
// error box, the fixed texts, the settings dialog and the small controls.
#include "ui/app_texts.h"
#include "ui/option_widgets.h"
#include "ui/settings_dialog.h"
#include "ui/theme.h"
#include "window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

using namespace morvane;

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startState();
    void folderColumnFollowsClientWidth_data();
    void folderColumnFollowsClientWidth();
    void homepageLinkSitsOnStatusBar();
    void batchModeEnablesDestination();
    void newExtensionFollowsItsCheckBox();
    void destinationPicker_data();
    void destinationPicker();
    void fullStopRule_data();
    void fullStopRule();
    void handlerErrorGoesToApplicationErrorBox();
    void messageBoxKinds_data();
    void messageBoxKinds();
    void aboutAndPatternHelp();
    void settingsReachNextPreview();
    void digitsOnlyEditsAndSpinButtons();
    void themeAppliesOrSaysWhy();
};

void TestMainWindow::startState()
{
    WindowFixture f;
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Morvane 1.0"));
    QCOMPARE(f.window->statusText(), QStringLiteral("  Add the files"));
    QCOMPARE(f.find<QLineEdit>("edtPattern")->text(), QStringLiteral("{name}"));
    QCOMPARE(f.find<QLineEdit>("edtInsertPos")->text(), QStringLiteral("1"));
    for (const char *name :
         {"edtRemoveFirst", "edtRemoveLast", "edtRemoveFromPos", "edtRemoveTillPos", "edtPadNumbers"})
        QCOMPARE(f.find<QLineEdit>(name)->text(), QStringLiteral("0"));
    for (const char *name : {"lblDestination", "edtDestination", "Button2", "edtNewExt"})
        QVERIFY2(!f.find(name)->isEnabled(), name);
    QCOMPARE(f.find<QComboBox>("cbCase")->currentText(), QStringLiteral("Unchanged"));
    QCOMPARE(f.find<QComboBox>("cbBatchMode")->currentText(), QStringLiteral("Rename in place"));
    QVERIFY(!f.find<QCheckBox>("chkNewExt")->isChecked());
    QVERIFY(!f.find<QCheckBox>("chkIncludeSubfolders")->isChecked());

    // The features that are reachable, and the one that is not.
    for (const char *name : {"btnAddFolder", "btnLoadNameList", "chkIncludeSubfolders"})
        QVERIFY2(f.find(name)->isVisible(), name);
    QVERIFY(!f.find("btnClear")->isVisible());
    // The hint, and the key that does the same.
    QCOMPARE(f.find<QToolButton>("btnRename")->toolTip(), QStringLiteral("Rename Files! (Ctrl+R)"));

    QStringList headers;
    for (int c = 0; c < 4; ++c)
        headers.append(f.list()->model()->headerData(c, Qt::Horizontal).toString());
    QCOMPARE(headers, QStringList({"Original Name", "New Name (preview)", "Folder", "Size"}));

    auto *settings = f.window->settingsDialog();
    QCOMPARE(settings->windowTitle(), QStringLiteral("Settings"));
    QCOMPARE(settings->findChild<QLineEdit *>("edtCounterStart")->text(), QStringLiteral("1"));
    QCOMPARE(settings->findChild<QLineEdit *>("edtDigits")->text(), QStringLiteral("3"));
    QCOMPARE(settings->findChild<QComboBox *>("cbConflict")->currentText(), QStringLiteral("Auto-number"));
    QVERIFY(!settings->findChild<QCheckBox *>("cbRegex")->isChecked());
    QVERIFY(!settings->findChild<QCheckBox *>("chkTouchModifiedNow")->isChecked());
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestMainWindow::folderColumnFollowsClientWidth_data()
{
    QTest::addColumn<int>("clientWidth");
    QTest::addColumn<int>("folderWidth");
    // The folder takes what the other columns (280, 280, 90, 130, the status's 190 and 6 for
    // the frame) leave, at least 150.
    // clang-format off
    QTest::newRow("narrow") << 700 << 150;
    QTest::newRow("1126") << 1126 << 150;
    QTest::newRow("1127") << 1127 << 151;
    QTest::newRow("1300") << 1300 << 324;
    // clang-format on
}

void TestMainWindow::folderColumnFollowsClientWidth()
{
    QFETCH(int, clientWidth);
    QFETCH(int, folderWidth);
    WindowFixture f;
    QHeaderView *header = f.list()->horizontalHeader();
    header->resizeSection(0, 500); // a width the user dragged; the next resize puts it back
    QWidget *viewport = f.list()->viewport();
    for (int attempt = 0; attempt < 3 && viewport->width() != clientWidth; ++attempt) {
        f.window->resize(f.window->width() + clientWidth - viewport->width(), f.window->height());
        QCoreApplication::processEvents();
    }
    QCOMPARE(viewport->width(), clientWidth);
    QCOMPARE(header->sectionSize(0), 280);
    QCOMPARE(header->sectionSize(1), 280);
    QCOMPARE(header->sectionSize(2), folderWidth);
    QCOMPARE(header->sectionSize(3), 90);
    QCOMPARE(header->sectionSize(4), 130);
}

void TestMainWindow::homepageLinkSitsOnStatusBar()
{
    WindowFixture f;
    auto *link = f.find<QLabel>("lbHomepageURL");
    const QRect bar = f.window->statusBar()->geometry();
    QCOMPARE(link->text(), homepageUrl());
    QCOMPARE(link->size(), QSize(262, 19));
    QCOMPARE(link->geometry().right() + 1, f.window->width() - 25);
    // 25-pixel bar, 19-pixel link: 12.5 and 9.5 round to 12 and 10.
    QCOMPARE(link->y(), bar.top() + bar.height() - 12 - 10);
    // Its background comes from the theme; the text stands at the right, so the left end shows it.
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    const QString sheetBefore = app->styleSheet();
    const QPalette paletteBefore = QApplication::palette();
    QVERIFY(applyTheme(*app, defaultThemeName(), ColorScheme::Light, nullptr));
    QCOMPARE(link->grab().toImage().pixelColor(3, 9), QColor(231, 233, 238));
    app->setStyleSheet(sheetBefore);
    QApplication::setPalette(paletteBefore);

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(link, &enter);
    QVERIFY(link->font().underline());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(link, &leave);
    QVERIFY(!link->font().underline());
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(f.dialogs.openedUrls, QList<QUrl>({QUrl(homepageUrl())}));
}

void TestMainWindow::batchModeEnablesDestination()
{
    WindowFixture f;
    auto *mode = f.find<QComboBox>("cbBatchMode");
    auto destinationEnabled = [&f] {
        const bool label = f.find("lblDestination")->isEnabled();
        const bool edit = f.find("edtDestination")->isEnabled();
        const bool button = f.find("Button2")->isEnabled();
        if (label != edit || edit != button)
            qFatal("destination controls disagree");
        return edit;
    };
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down); // the user picks "Copy to folder"
    QCOMPARE(mode->currentIndex(), 1);
    QVERIFY(destinationEnabled());
    QTest::keyClick(mode, Qt::Key_Up); // back to "Rename in place"
    QCOMPARE(mode->currentIndex(), 0);
    QVERIFY(!destinationEnabled());

    // A preset selecting "Copy to folder" enables them too: the batch will read the destination.
    const QString preset = f.makeFile(QStringLiteral("copy.json"), "{\"batchMode\":1,\"changeExt\":false}");
    f.dialogs.fileAnswers.enqueue({preset});
    f.click("btnLoadPreset");
    QCOMPARE(mode->currentIndex(), 1);
    QCOMPARE(f.window->options().batchMode, BatchMode::CopyToFolder);
    QVERIFY(destinationEnabled());

    // So does the command line.
    WindowFixture g({QStringLiteral("--batchMode=move")});
    QCOMPARE(g.find<QComboBox>("cbBatchMode")->currentIndex(), 2);
    QVERIFY(g.find("edtDestination")->isEnabled());
}

void TestMainWindow::newExtensionFollowsItsCheckBox()
{
    WindowFixture f;
    auto *check = f.find<QCheckBox>("chkNewExt");
    auto *ext = f.find<QLineEdit>("edtNewExt");
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
    QVERIFY(check->isChecked());
    QVERIFY(ext->isEnabled());
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
    QVERIFY(!ext->isEnabled());

    // A preset without "changeExt" checks the box, and the edit follows.
    f.dialogs.fileAnswers.enqueue({f.makeFile(QStringLiteral("empty.json"), "{}")});
    f.click("btnLoadPreset");
    QVERIFY(check->isChecked());
    QVERIFY(ext->isEnabled());
    QVERIFY(f.window->options().changeExt);
}

void TestMainWindow::destinationPicker_data()
{
    QTest::addColumn<QString>("typed"); // "<dir>" stands for an existing folder
    QTest::addColumn<bool>("startsInTyped");
    QTest::addColumn<QString>("answer"); // empty: cancel
    // clang-format off
    QTest::newRow("empty, cancelled") << "" << false << "";
    QTest::newRow("missing folder") << "/no/such/folder" << false << "<dir>/picked";
    QTest::newRow("existing folder") << "<dir>" << true << "<dir>/picked";
    // clang-format on
}

void TestMainWindow::destinationPicker()
{
    QFETCH(QString, typed);
    QFETCH(bool, startsInTyped);
    QFETCH(QString, answer);
    WindowFixture f;
    const QString dir = f.files.path();
    typed.replace(QStringLiteral("<dir>"), dir);
    answer.replace(QStringLiteral("<dir>"), dir);
    auto *mode = f.find<QComboBox>("cbBatchMode");
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down);
    f.type("edtDestination", typed);
    if (!answer.isEmpty())
        f.dialogs.folderAnswers.enqueue(answer);
    f.click("Button2");
    QCOMPARE(f.dialogs.folderRequests.size(), 1);
    QCOMPARE(f.dialogs.folderRequests[0].first, QStringLiteral("Select destination folder"));
    QCOMPARE(f.dialogs.folderRequests[0].second, startsInTyped ? typed : QDir::currentPath());
    QCOMPARE(f.find<QLineEdit>("edtDestination")->text(), answer.isEmpty() ? typed : answer);
    QCOMPARE(f.window->options().destination, answer.isEmpty() ? typed : answer);
}

void TestMainWindow::fullStopRule_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("letter") << "Access denied" << "Access denied.";
    QTest::newRow("full stop") << "Done." << "Done.";
    QTest::newRow("below full stop") << "Really!" << "Really!";
    QTest::newRow("bracket") << "(see log)" << "(see log)";
    QTest::newRow("slash") << "in /tmp/" << "in /tmp/.";
    QTest::newRow("non-ASCII") << QStringLiteral("caf\u00e9") << QStringLiteral("caf\u00e9.");
    QTest::newRow("empty") << "" << "";
    // clang-format on
}

void TestMainWindow::fullStopRule()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(withFullStop(message), shown);
}

void TestMainWindow::handlerErrorGoesToApplicationErrorBox()
{
    WindowFixture f;
    // A preset that is not UTF-8: the reader's error escapes the handler.
    const QString preset = f.makeFile(QStringLiteral("latin1.json"), "{\"find\":\"caf\xe9\"}");
    f.dialogs.fileAnswers.enqueue({preset});
    f.click("btnLoadPreset");
    QCOMPARE(f.dialogs.messages.size(), 1);
    const auto box = f.dialogs.messages[0];
    QCOMPARE(int(box.box), int(Dialogs::Box::AppError));
    QCOMPARE(box.caption, QStringLiteral("Morvane"));
    QVERIFY(box.text.contains(preset));
    QCOMPARE(withFullStop(box.text), box.text);                // the full-stop rule was applied
    QCOMPARE(f.find<QLineEdit>("edtFind")->text(), QString()); // nothing changed

    // The window goes on: the next handler runs normally.
    f.click("btnPreview");
    QCOMPARE(f.dialogs.messages.last().text, QStringLiteral("No files loaded. Add files first."));
}

void TestMainWindow::messageBoxKinds_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("buttons");
    // clang-format off
    QTest::newRow("information") << int(Dialogs::Box::Information) << "Information" << int(QMessageBox::Information) << QStringList{"OK"};
    QTest::newRow("confirm") << int(Dialogs::Box::Confirm) << "Confirm" << int(QMessageBox::Question) << QStringList{"&Yes", "&No"};
    QTest::newRow("warning") << int(Dialogs::Box::Warning) << "Warning" << int(QMessageBox::Warning) << QStringList{"OK"};
    QTest::newRow("error") << int(Dialogs::Box::Error) << "Error" << int(QMessageBox::Critical) << QStringList{"OK"};
    QTest::newRow("application error") << int(Dialogs::Box::AppError) << "Morvane" << int(QMessageBox::Critical) << QStringList{"OK"};
    // clang-format on
}

void TestMainWindow::messageBoxKinds()
{
    QFETCH(int, box);
    QFETCH(QString, caption);
    QFETCH(int, icon);
    QFETCH(QStringList, buttons);
    std::unique_ptr<QMessageBox> mb(makeMessageBox(nullptr, Dialogs::Box(box), caption, QStringLiteral("text")));
    QCOMPARE(mb->windowTitle(), caption);
    QCOMPARE(int(mb->icon()), icon);
    QStringList texts;
    for (QAbstractButton *b : mb->buttons())
        texts.append(b->text());
    texts.sort();
    buttons.sort();
    QCOMPARE(texts, buttons);
}

void TestMainWindow::aboutAndPatternHelp()
{
    WindowFixture f; // the clock reads 1 January 2031
    f.click("SpeedButton4");
    f.click("Button1");
    QCOMPARE(f.dialogs.messages.size(), 2);
    for (const auto &m : f.dialogs.messages) {
        QCOMPARE(int(m.box), int(Dialogs::Box::Information));
        QCOMPARE(m.caption, QStringLiteral("Information"));
    }
    const QStringList about = f.dialogs.messages[0].text.split(QStringLiteral("\r\n"));
    QCOMPARE(about.size(), 12);
    QCOMPARE(about[0], QStringLiteral("Morvane"));
    QCOMPARE(about[1], QStringLiteral("Version: 1.0"));
    QCOMPARE(about[4], QStringLiteral("Website: ") + websiteHost());
    for (int i : {2, 3, 5, 10})
        QVERIFY(about[i].isEmpty());
    for (int i : {6, 7, 8})
        QVERIFY(about[i].endsWith(u' '));
    QVERIFY(about[11].contains(QStringLiteral("2031")));

    // The original 26 lines, unchanged, then the keywords read from the file.
    const QString help = f.dialogs.messages[1].text;
    const QString original = help.left(735);
    QCOMPARE(original.split(QStringLiteral("\r\n")).size(), 26);
    QVERIFY(original.startsWith(QStringLiteral("Pattern defines how the new file name will be built.\r\n\r\n")));
    QVERIFY(original.endsWith(QStringLiteral("{name:1:8} - substring of the original name")));
    QVERIFY(help.mid(735).startsWith(QStringLiteral("\r\n\r\n")));
    for (const char *keyword :
         {"{taken}", "{taken:", "{camera}", "{make}", "{model}", "{lens}", "{iso}", "{exif:", "{artist}", "{album}",
          "{albumartist}", "{title}", "{track}", "{disc}", "{year}", "{genre}"})
        QVERIFY2(help.mid(735).contains(QLatin1String(keyword)), keyword);
    // Last, after an empty line, the keys of the commands.
    const QStringList lines = help.split(QStringLiteral("\r\n"));
    const qsizetype keys = lines.indexOf(QStringLiteral("Keyboard shortcuts:"));
    QVERIFY(keys > 26);
    QVERIFY(lines[keys - 1].isEmpty());
    for (const char *line :
         {"Ctrl+R - rename the files", "F5 - preview the new names", "Ctrl+, - settings", "F1 - this help"})
        QVERIFY2(lines.mid(keys).contains(QLatin1String(line)), line);
    QCOMPARE(f.window->statusText(), QStringLiteral("  Add the files")); // nothing else changed
}

void TestMainWindow::settingsReachNextPreview()
{
    WindowFixture f;
    f.dialogs.fileAnswers.enqueue({f.makeFile(QStringLiteral("a.txt")), f.makeFile(QStringLiteral("b.txt"))});
    f.click("btnAdd");
    f.type("edtPattern", QStringLiteral("{counter}_{name}"));

    // Digits 5 through "Close"; counter start emptied, then closed by the frame.
    f.dialogs.onModal = [](QDialog *dialog) {
        auto *digits = dialog->findChild<QLineEdit *>("edtDigits");
        digits->setFocus();
        digits->selectAll();
        QTest::keyClicks(digits, QStringLiteral("5"));
        QTest::mouseClick(dialog->findChild<QPushButton *>("Button1"), Qt::LeftButton);
    };
    f.click("SpeedButton1");
    f.click("btnPreview");
    QCOMPARE(f.column(1), QStringList({"00001_a.txt", "00002_b.txt"}));

    f.dialogs.onModal = [](QDialog *dialog) {
        auto *start = dialog->findChild<QLineEdit *>("edtCounterStart");
        start->setFocus();
        start->selectAll();
        QTest::keyClick(start, Qt::Key_Backspace);
        dialog->close();
    };
    f.click("SpeedButton1");
    QTest::keyClick(f.window.get(), Qt::Key_F5);                        // F5 builds the preview like its button
    QCOMPARE(f.column(1), QStringList({"00001_a.txt", "00002_b.txt"})); // empty start counts as 1
    QCOMPARE(f.window->settingsDialog()->findChild<QLineEdit *>("edtDigits")->text(), QStringLiteral("5"));
    QCOMPARE(f.window->options().counterStart, QString());
}

void TestMainWindow::digitsOnlyEditsAndSpinButtons()
{
    WindowFixture f;
    auto *pos = f.find<QLineEdit>("edtInsertPos");
    f.type("edtInsertPos", QStringLiteral("1a2-b"));
    QCOMPARE(pos->text(), QStringLiteral("12"));
    QCOMPARE(f.window->options().insertPos, QStringLiteral("12"));

    auto *upDown = f.find("UpDown1");
    auto *up = upDown->findChild<QAbstractButton *>("up");
    auto *down = upDown->findChild<QAbstractButton *>("down");
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(pos->text(), QStringLiteral("13"));
    QTest::keyClick(pos, Qt::Key_Down);
    QCOMPARE(pos->text(), QStringLiteral("12"));

    // Typed text is not limited; steps stay within 0 to 100.
    f.type("edtInsertPos", QStringLiteral("250"));
    QCOMPARE(pos->text(), QStringLiteral("250"));
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(pos->text(), QStringLiteral("100"));
    f.type("edtInsertPos", QStringLiteral("0"));
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(pos->text(), QStringLiteral("0"));
    QCOMPARE(f.window->options().insertPos, QStringLiteral("0"));
}

void TestMainWindow::themeAppliesOrSaysWhy()
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    const QString sheetBefore = app->styleSheet();
    QString why;
    QVERIFY(!applyTheme(*app, QStringLiteral("NoSuchTheme"), &why));
    QVERIFY(why.contains(QStringLiteral("NoSuchTheme")));
    QCOMPARE(app->styleSheet(), sheetBefore); // the look stays as it was

    QVERIFY(applyTheme(*app, defaultThemeName(), &why));
    QVERIFY(app->styleSheet().contains(QStringLiteral("Allports")));
    // Type selectors name classes as Qt sees them; a renamed class would silently lose its look.
    const QString spinButtons = QString::fromLatin1(UpDownButtons::staticMetaObject.className())
                                    .replace(QStringLiteral("::"), QStringLiteral("--"));
    QVERIFY2(app->styleSheet().contains(spinButtons + QStringLiteral(" QToolButton")), qPrintable(spinButtons));
    app->setStyleSheet(sheetBefore);
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
