#include "ui/undo_history_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace morvane {

UndoHistoryDialog::UndoHistoryDialog(const QList<UndoHistoryEntry> &entries, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormUndoHistory"));
    setWindowTitle(tr("Undo history"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    auto *hint =
        new QLabel(tr("Newest first. Undoing a batch undoes every newer batch first, one after another."), this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lvUndoHistory"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Time"), tr("Files"), tr("Mode"), tr("Folders")});
    for (const UndoHistoryEntry &entry : entries) {
        auto *row = new QTreeWidgetItem(m_list);
        row->setText(0, QLocale().toString(entry.time.toLocalTime(), QLocale::ShortFormat));
        row->setText(1, QString::number(entry.count));
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        row->setText(2, entry.inPlace ? tr("Rename in place") : tr("Copy or move to folder"));
        row->setText(3, entry.folders.join(QStringLiteral(", ")));
        row->setToolTip(3, entry.folders.join(u'\n'));
    }
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_list, 1);

    auto *buttons = new QDialogButtonBox(this);
    auto *undo = buttons->addButton(tr("Undo through selected"), QDialogButtonBox::AcceptRole);
    undo->setObjectName(QStringLiteral("btnUndoThrough"));
    undo->setEnabled(m_list->topLevelItemCount() > 0);
    buttons->addButton(QDialogButtonBox::Close);
    layout->addWidget(buttons);
    connect(undo, &QPushButton::clicked, this, &UndoHistoryDialog::undoThroughSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(720, 360);
}

void UndoHistoryDialog::undoThroughSelected()
{
    if (QTreeWidgetItem *current = m_list->currentItem()) {
        m_chosen = m_list->indexOfTopLevelItem(current);
        accept();
    }
}

} // namespace morvane
