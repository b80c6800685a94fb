// The window with a big batch: 100,000 files dropped on it, the preview
// built from its button, and the list scrolled and painted. Offscreen.
// The target: the preview under 2 s; a scroll-and-paint well under a frame.
//
//   bench_window [N] [RUNS]       defaults 100000 and 5
#include "bench_support.h"
#include "ui/main_window.h"
#include "ui/theme.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

using namespace morvane;

namespace {

// Answers nothing: the bench never opens a dialog, and a message would be a fault.
class SilentDialogs : public Dialogs {
public:
    int messages = 0;
    bool message(QWidget *, Box, const QString &, const QString &text) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        ++messages;
        return false;
    }
    QStringList openFiles(QWidget *, const FileDialogSpec &) override { return {}; }
    QString openFile(QWidget *, const FileDialogSpec &) override { return {}; }
    QString saveFile(QWidget *, const FileDialogSpec &) override { return {}; }
    QString pickFolder(QWidget *, const QString &, const QString &) override { return {}; }
    void openUrl(const QUrl &) override {}
    void showModal(QDialog *) override {}
};

void report(const char *what, const std::vector<double> &seconds, double target)
{
    const double med = median(seconds);
    const auto [lo, hi] = std::minmax_element(seconds.begin(), seconds.end());
    if (target <= 0) {
        std::printf("%-34s median %9.4f s  spread %8.4f s\n", what, med, *hi - *lo);
        return;
    }
    std::printf("%-34s median %9.4f s  spread %8.4f s  target %.3f s  %s\n", what, med, *hi - *lo, target,
                med < target ? "ok" : "SLOW");
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    if (n <= 0 || runs <= 0) {
        std::fputs("usage: bench_window [N] [RUNS]\n", stderr);
        return 2;
    }
    initUiResources();
    applyDesktopFont(app);
    QString themeError;
    applyTheme(app, defaultThemeName(), &themeError);

    // tmpfs keeps the disk out of the figure; fall back to the system's temporary folder.
    const QString base =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/morvane-bench-XXXXXX"));
    QTemporaryDir appData(base + QStringLiteral("/morvane-bench-appdata-XXXXXX"));
    if (!dir.isValid() || !appData.isValid()) {
        std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(base));
        return 1;
    }
    qputenv("APPDATA", appData.path().toUtf8());
    const QByteArray folder = QFile::encodeName(dir.path());
    for (int i = 0; i < n; ++i) {
        const QByteArray path = folder + "/IMG_" + QByteArray::number(100000 + i) + ".JPG";
        const int fd = ::open(path.constData(), O_CREAT | O_WRONLY, 0644);
        if (fd < 0 || ::close(fd) != 0) {
            std::perror(path.constData());
            return 1;
        }
    }

    SilentDialogs dialogs;
    MainWindowSetup setup;
    setup.dialogs = &dialogs;
    MainWindow window(std::move(setup));
    window.show();
    QCoreApplication::processEvents();
    auto *list = window.findChild<QTableView *>(QStringLiteral("lvFiles"));
    auto *preview = window.findChild<QAbstractButton *>(QStringLiteral("btnPreview"));

    QElapsedTimer clock;
    clock.start();
    window.addDroppedFiles({dir.path()});
    QCoreApplication::processEvents();
    const double dropSeconds = clock.nsecsElapsed() / 1e9;
    if (list->model()->rowCount() != n) {
        std::fprintf(stderr, "listed %d of %d files\n", list->model()->rowCount(), n);
        return 1;
    }
    std::printf("bench_window: N=%d, %d runs, platform %s\n", n, runs, qPrintable(QGuiApplication::platformName()));
    report("drop a folder of N files (once)", {dropSeconds}, 0);

    // A realistic rule set: counter, find and replace, title case.
    OptionPanel &options = window.options();
    options.pattern = QStringLiteral("{counter}_{name}");
    options.find = QStringLiteral("IMG_");
    options.replace = QStringLiteral("photo-");
    options.caseChange = CaseChange::Title;
    window.showOptions();

    std::vector<double> previews;
    for (int r = 0; r < runs; ++r) {
        clock.restart();
        preview->click();
        QCoreApplication::processEvents();
        previews.push_back(clock.nsecsElapsed() / 1e9);
    }
    report("preview from the button", previews, 2.0);
    if (window.statusText() != QStringLiteral("Files: %1").arg(QLocale().toString(n))) {
        std::fprintf(stderr, "status text after the preview: %s\n", qPrintable(window.statusText()));
        return 1;
    }
    const QModelIndex last = list->model()->index(n - 1, 1);
    std::printf("  e.g. %s -> %s\n", qPrintable(list->model()->index(n - 1, 0).data().toString()),
                qPrintable(last.data().toString()));

    // Scrolling: jump to the end, then page up through the list; each step is
    // a scroll and a synchronous paint of the visible rows.
    QScrollBar *bar = list->verticalScrollBar();
    std::vector<double> jumps, pages;
    for (int r = 0; r < runs; ++r) {
        bar->setValue(0);
        list->viewport()->repaint();
        clock.restart();
        list->scrollToBottom();
        list->viewport()->repaint();
        jumps.push_back(clock.nsecsElapsed() / 1e9);
        for (int step = 0; step < 50; ++step) {
            clock.restart();
            bar->triggerAction(QAbstractSlider::SliderPageStepSub);
            list->viewport()->repaint();
            pages.push_back(clock.nsecsElapsed() / 1e9);
        }
    }
    report("scroll to the end and paint", jumps, 1.0 / 60);
    report("page up and paint", pages, 1.0 / 60);

    std::vector<double> resizes;
    for (int r = 0; r < runs; ++r) {
        clock.restart();
        window.resize(window.width() + (r % 2 ? -40 : 40), window.height());
        QCoreApplication::processEvents();
        window.repaint();
        resizes.push_back(clock.nsecsElapsed() / 1e9);
    }
    report("resize the window and paint", resizes, 1.0 / 30);
    return dialogs.messages == 0 ? 0 : 1;
}
