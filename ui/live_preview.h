#pragma once

#include <QObject>

class QAbstractItemModel;
class QAction;
class QTimer;
class QWidget;

namespace morvane {

// Rebuilds the preview shortly after the user stops changing things. While
// the switch is on, every edit of a watched widget and every change of the
// list's rows restarts one short wait; when it runs out, due() is emitted.
// A burst of typing therefore costs one rebuild after it.
//
//   LivePreview live(window->livePreviewAction(), window);
//   live.watchWidgets(rulePanel);
//   live.watchRows(fileModel);
//   connect(&live, &LivePreview::due, window, &MainWindow::runLivePreview);
class LivePreview : public QObject {
    Q_OBJECT
public:
    // Milliseconds between the last change and the rebuild.
    static constexpr int kDelayMs = 150;

    // Follows the checked state of `toggle`; turning it on schedules a rebuild.
    explicit LivePreview(QAction *toggle, QObject *parent = nullptr);

    // Every line edit, check box and combo box inside `panel`, whatever its kind.
    void watchWidgets(QWidget *panel);
    // Rows added or removed, or put in another order.
    void watchRows(QAbstractItemModel *model);

    // Starts the wait again when the switch is on.
    void schedule();
    // Drops a pending rebuild (one is about to be made anyway).
    void cancel();

signals:
    void due();

private:
    void switchedTo(bool on);

    QAction *m_toggle;
    QTimer *m_timer;
};

} // namespace morvane
