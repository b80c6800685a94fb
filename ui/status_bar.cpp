#include "ui/status_bar.h"

#include <QApplication>
#include <QLabel>

namespace morvane {

namespace {

// Height at 96 dpi; Qt scales it with the monitor.
constexpr int kHeight = 25;
// Long work repaints the window at most this often.
constexpr int kProgressIntervalMs = 50;

} // namespace

StatusBar::StatusBar(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setFixedHeight(kHeight);
    m_label = new QLabel(tr("  Add the files"), this);
    m_label->setObjectName(QStringLiteral("StatusBar1Text"));
    addWidget(m_label);
    m_counts = new QLabel(this);
    m_counts->setObjectName(QStringLiteral("StatusBarCounts"));
    addWidget(m_counts, 1);
}

void StatusBar::setCounts(const QString &counts)
{
    m_counts->setText(counts.isEmpty() ? QString() : QStringLiteral("   ") + counts);
}

QString StatusBar::counts() const
{
    return m_counts->text().trimmed();
}

QString StatusBar::text() const
{
    return m_label->text();
}

void StatusBar::setText(const QString &text)
{
    m_label->setText(text);
}

void StatusBar::showProgress(qint64 done, qint64 total)
{
    if (total <= 0)
        return;
    if (done >= total) {
        // The end: the final count shows at once (a completion box may follow), not a stale one.
        if (m_progressClock.isValid()) {
            const QLocale locale;
            m_progressText = tr("  Working: %1 of %2").arg(locale.toString(total), locale.toString(total));
            setText(m_progressText);
        }
        return;
    }
    if (!m_progressClock.isValid()) {
        m_textBeforeProgress = text();
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (m_progressClock.elapsed() < kProgressIntervalMs) {
        return;
    }
    m_progressClock.start();
    const QLocale locale;
    m_progressText = tr("  Working: %1 of %2").arg(locale.toString(done), locale.toString(total));
    setText(m_progressText);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void StatusBar::endProgress()
{
    if (!m_progressClock.isValid())
        return;
    m_progressClock.invalidate();
    if (text() == m_progressText)
        setText(m_textBeforeProgress);
    QApplication::restoreOverrideCursor();
}

} // namespace morvane
