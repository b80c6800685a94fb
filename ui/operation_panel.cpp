#include "ui/operation_panel.h"

#include "ui/option_widgets.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace morvane {

namespace {

// Height of the strip at 96 dpi; Qt scales it with the monitor.
constexpr int kHeight = 53;

} // namespace

OperationPanel::OperationPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel5"));
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(kHeight);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(10, 0, 10, 0);
    row->setSpacing(8);
    m_batchModeCombo = new QComboBox(this);
    auto *operationLabel = buddyLabel(tr("Op&eration::"), m_batchModeCombo, this);
    operationLabel->setObjectName(QStringLiteral("Label1"));
    m_batchModeCombo->setObjectName(QStringLiteral("cbBatchMode"));
    m_batchModeCombo->setMinimumWidth(122);
    m_batchModeCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_batchModeCombo->addItems({tr("Rename in place"), tr("Copy to folder"), tr("MOVE to folder")});
    m_destinationEdit = new QLineEdit(this);
    m_destinationLabel = buddyLabel(tr("Destinati&on:"), m_destinationEdit, this);
    m_destinationLabel->setObjectName(QStringLiteral("lblDestination"));
    m_destinationEdit->setObjectName(QStringLiteral("edtDestination"));
    m_destinationButton = new QPushButton(tr("..."), this);
    m_destinationButton->setObjectName(QStringLiteral("Button2"));
    m_destinationButton->setFixedSize(61, 22);
    m_destinationButton->setToolTip(tr("Select destination folder"));
    m_destinationButton->setAccessibleName(m_destinationButton->toolTip());
    row->addWidget(operationLabel);
    row->addWidget(m_batchModeCombo);
    row->addSpacing(10);
    row->addWidget(m_destinationLabel);
    row->addWidget(m_destinationEdit, 1);
    row->addWidget(m_destinationButton);
    m_destinationLabel->setEnabled(false);
    m_destinationEdit->setEnabled(false);
    m_destinationButton->setEnabled(false);

    // Any change of the mode counts: a greyed destination that the batch still reads would be a trap.
    connect(m_batchModeCombo, &QComboBox::currentIndexChanged, this, &OperationPanel::enableDestinationForMode);
    connect(m_destinationButton, &QPushButton::clicked, this, &OperationPanel::destinationFolderRequested);
}

void OperationPanel::enableDestinationForMode()
{
    const bool toFolder = m_batchModeCombo->currentIndex() > 0;
    m_destinationLabel->setEnabled(toFolder);
    m_destinationEdit->setEnabled(toFolder);
    m_destinationButton->setEnabled(toFolder);
}

} // namespace morvane
