#pragma once

#include "ui/main_window.h"
#include "scripted_dialogs.h"

#include <QAbstractItemModel>
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace morvane {

// The real main window on the offscreen platform, its dialogs answered by a
// script, its clock and locale pinned, its undo log in a temporary APPDATA.
struct WindowFixture {
    QTemporaryDir appData;
    QTemporaryDir files;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    explicit WindowFixture(QStringList arguments = {})
    {
        qputenv("APPDATA", appData.path().toUtf8());
        MainWindowSetup setup;
        setup.dialogs = &dialogs;
        setup.settingsFile = appData.filePath(QStringLiteral("settings.ini"));
        setup.arguments = std::move(arguments);
        setup.nameContext.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        setup.nameContext.timeZone = QTimeZone::utc();
        setup.nameContext.now = [] { return QDateTime(QDate(2031, 1, 1), QTime(0, 0, 5), Qt::UTC); };
        setup.settingsFile = appData.filePath(QStringLiteral("settings.ini"));
        window = std::make_unique<MainWindow>(std::move(setup));
        window->show();
        // The offscreen screen is 800 x 600, which the window would shrink to fit.
        window->resize(1252, 645);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    template <class T = QWidget>
    T *find(const char *name) const
    {
        T *w = window->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no control named %s", name);
        return w;
    }

    void click(const char *button) const { QTest::mouseClick(find<QAbstractButton>(button), Qt::LeftButton); }

    // Types into an edit as a user would: select all, then the keys.
    void type(const char *editName, const QString &text) const
    {
        auto *edit = find<QLineEdit>(editName);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    QTableView *list() const { return find<QTableView>("lvFiles"); }
    int rows() const { return list()->model()->rowCount(); }
    QString cell(int row, int column) const { return list()->model()->index(row, column).data().toString(); }
    QStringList column(int column) const
    {
        QStringList values;
        for (int r = 0; r < rows(); ++r)
            values.append(cell(r, column));
        return values;
    }

    // A file with some bytes under the fixture's temporary folder.
    QString makeFile(const QString &relative, const QByteArray &content = "x") const
    {
        const QString path = files.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
};

} // namespace morvane
