#pragma once

#include <QElapsedTimer>
#include <QStatusBar>

class QLabel;

namespace morvane {

// The main window's status bar: one line of text, and the progress of long
// work in its place.
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    // The preview's counts beside the text ("2 clashes, 12 ready"); empty hides them.
    void setCounts(const QString &counts);
    QString counts() const;

    // Shows "Working: done of total" at most every 50 ms, with the wait cursor,
    // and lets the window repaint; user input waits until the work has ended.
    void showProgress(qint64 done, qint64 total);
    // After long work: the cursor comes back, and the text from before unless the work set its own.
    void endProgress();

private:
    QLabel *m_label;
    QLabel *m_counts;
    QElapsedTimer m_progressClock; // valid while long work runs
    QString m_textBeforeProgress;
    QString m_progressText;
};

} // namespace morvane
