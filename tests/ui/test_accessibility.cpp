#include "ui/command_bar.h"
#include "ui/settings_dialog.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalSpy>
#include <QToolButton>

using namespace morvane;

namespace {

QString accessibleName(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// A control of the window itself (not of a pop-up list) that Tab stops at.
bool takesTab(const QWidget *w, const QWidget *window)
{
    return w->window() == window && w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
}

// Presses Tab from the first stop until the focus comes back, and returns the stops in order.
QList<QWidget *> walkTabOrder(QWidget *window, QWidget *first)
{
    QApplication::setActiveWindow(window);
    first->setFocus(Qt::TabFocusReason);
    QList<QWidget *> stops;
    while (stops.size() < 200) {
        QWidget *focused = QApplication::focusWidget();
        if (!focused || stops.contains(focused))
            break;
        stops.append(focused);
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    return stops;
}

void checkWalk(QWidget *window, QWidget *first)
{
    const QList<QWidget *> stops = walkTabOrder(window, first);
    QVERIFY(stops.size() > 3);
    for (QWidget *w : stops)
        QVERIFY2(!accessibleName(w).isEmpty(), qPrintable(w->objectName() + QStringLiteral(" has no accessible name")));
    // Every control that takes Tab is on the way.
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (takesTab(w, window))
            QVERIFY2(stops.contains(w),
                     qPrintable(QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName()
                                + QStringLiteral(" is not reached by Tab")));
    }
}

QAction *actionWithShortcut(QWidget *window, const QKeySequence &key)
{
    for (QAction *a : window->actions()) {
        if (a->shortcut() == key)
            return a;
    }
    return nullptr;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void tabWalksEveryNamedControlOfTheWindow()
    {
        WindowFixture f;
        const QList<QWidget *> stops = walkTabOrder(f.window.get(), f.find("btnAdd"));
        checkWalk(f.window.get(), f.find("btnAdd"));
        // Through the panels from top to bottom.
        const char *order[] = {"btnAdd",        "btnUndo",       "SpeedButton4", "edtFind",     "edtPattern",
                               "edtInsertText", "edtPadNumbers", "lvFiles",      "cbBatchMode", "lbHomepageURL"};
        qsizetype last = -1;
        for (const char *name : order) {
            const qsizetype at = stops.indexOf(f.find(name));
            QVERIFY2(at > last, name);
            last = at;
        }
    }

    void tabWalksTheSettingsDialog()
    {
        WindowFixture f;
        SettingsDialog *settings = f.window->settingsDialog();
        settings->show();
        QVERIFY(QTest::qWaitForWindowExposed(settings));
        checkWalk(settings, settings->findChild<QWidget *>(QStringLiteral("edtCounterStart")));
        settings->hide();
    }

    // Alt with a label's underlined letter moves the focus to the label's control.
    void mnemonicsReachTheirControls_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("control");
        // clang-format off
        QTest::newRow("find") << int(Qt::Key_F) << QStringLiteral("edtFind");
        QTest::newRow("pattern") << int(Qt::Key_P) << QStringLiteral("edtPattern");
        QTest::newRow("spin edit") << int(Qt::Key_M) << QStringLiteral("edtRemoveFromPos");
        QTest::newRow("combo") << int(Qt::Key_E) << QStringLiteral("cbBatchMode");
        // clang-format on
    }
    void mnemonicsReachTheirControls()
    {
        QFETCH(int, key);
        QFETCH(QString, control);
        WindowFixture f;
        QApplication::setActiveWindow(f.window.get());
        f.list()->setFocus();
        QTest::keyClick(f.window.get(), Qt::Key(key), Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), control);
    }

    // Each command's key, shown in its tip, starts it wherever the focus is outside the edits.
    void shortcutsStartTheirCommands_data()
    {
        QTest::addColumn<QKeySequence>("key");
        // clang-format off
        QTest::newRow("add files") << QKeySequence(Qt::CTRL | Qt::Key_O);
        QTest::newRow("add folder") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
        QTest::newRow("preview") << QKeySequence(Qt::Key_F5);
        QTest::newRow("rename") << QKeySequence(Qt::CTRL | Qt::Key_R);
        QTest::newRow("undo") << QKeySequence(Qt::CTRL | Qt::Key_Z);
        QTest::newRow("settings") << QKeySequence(Qt::CTRL | Qt::Key_Comma);
        QTest::newRow("help") << QKeySequence(Qt::Key_F1);
        // clang-format on
    }
    void shortcutsStartTheirCommands()
    {
        QFETCH(QKeySequence, key);
        WindowFixture f;
        f.dialogs.onModal = [](QDialog *) {};
        QAction *action = actionWithShortcut(f.window.get(), key);
        QVERIFY(action);
        QVERIFY2(action->toolTip().endsWith(QStringLiteral(" (%1)").arg(key.toString(QKeySequence::NativeText))),
                 qPrintable(action->toolTip()));
        QSignalSpy triggered(action, &QAction::triggered);
        QApplication::setActiveWindow(f.window.get());
        f.list()->setFocus();
        QTest::keySequence(f.window.get(), key);
        QCOMPARE(triggered.count(), 1);
    }

    // At 800 x 600 each command keeps a visible button or a place in the overflow menu,
    // the list keeps room for rows, and a control tabbed to in the options panel is scrolled into view.
    void smallWindowKeepsEveryCommand()
    {
        WindowFixture f;
        f.window->resize(800, 600);
        QTest::qWait(50);
        QCOMPARE(f.window->size(), QSize(800, 600));
        auto *bar = f.window->findChild<CommandBar *>();
        QVERIFY(bar);
        const QList<QAction *> overflow = bar->overflowActions();
        QVERIFY(!overflow.isEmpty());
        for (QToolButton *button : bar->findChildren<QToolButton *>()) {
            QAction *action = button->defaultAction();
            if (!action || qobject_cast<QLineEdit *>(button->parentWidget())) // a line edit's clear button
                continue;
            const bool shown = button->isVisibleTo(f.window.get())
                && f.window->rect().contains(button->mapTo(f.window.get(), button->rect().bottomRight()));
            QVERIFY2(shown != overflow.contains(action), qPrintable(action->text()));
        }
        QVERIFY(f.find<QToolButton>("SpeedButton1")->isVisibleTo(f.window.get()));
        QVERIFY(f.find<QToolButton>("SpeedButton4")->isVisibleTo(f.window.get()));
        QVERIFY(f.list()->viewport()->height() > 8 * f.list()->verticalHeader()->defaultSectionSize());

        auto *panel = f.find<QScrollArea>("Panel2Scroll");
        QWidget *far = f.find("edtPadNumbers");
        QApplication::setActiveWindow(f.window.get());
        f.find("edtCharactersToRemove")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // the check box
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), far);
        const QRect inViewport(far->mapTo(panel->viewport(), QPoint()), far->size());
        QVERIFY(panel->viewport()->rect().contains(inViewport));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
