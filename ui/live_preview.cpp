#include "ui/live_preview.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace morvane {

LivePreview::LivePreview(QAction *toggle, QObject *parent)
    : QObject(parent), m_toggle(toggle), m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("livePreviewTimer"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(kDelayMs);
    connect(m_timer, &QTimer::timeout, this, &LivePreview::due);
    connect(m_toggle, &QAction::toggled, this, &LivePreview::switchedTo);
}

void LivePreview::watchWidgets(QWidget *panel)
{
    for (QLineEdit *edit : panel->findChildren<QLineEdit *>())
        connect(edit, &QLineEdit::textChanged, this, &LivePreview::schedule);
    for (QCheckBox *check : panel->findChildren<QCheckBox *>())
        connect(check, &QCheckBox::toggled, this, &LivePreview::schedule);
    for (QComboBox *combo : panel->findChildren<QComboBox *>())
        connect(combo, &QComboBox::currentIndexChanged, this, &LivePreview::schedule);
}

void LivePreview::watchRows(QAbstractItemModel *model)
{
    connect(model, &QAbstractItemModel::rowsInserted, this, &LivePreview::schedule);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &LivePreview::schedule);
    connect(model, &QAbstractItemModel::layoutChanged, this, &LivePreview::schedule);
    connect(model, &QAbstractItemModel::modelReset, this, &LivePreview::schedule);
}

void LivePreview::schedule()
{
    if (m_toggle->isChecked())
        m_timer->start();
}

void LivePreview::cancel()
{
    m_timer->stop();
}

void LivePreview::switchedTo(bool on)
{
    if (on)
        schedule();
    else
        cancel();
}

} // namespace morvane
