#include "ui/settings_dialog.h"

#include "engine/option_fields.h"

#include "ui/option_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace morvane {

namespace {

QGroupBox *frame(const QString &caption, int height, QWidget *parent)
{
    auto *box = new QGroupBox(caption, parent);
    box->setProperty("captioned", true);
    // The 96-dpi height, or more where the desktop font wraps a line.
    box->setMinimumHeight(height);
    return box;
}

QLabel *wrappedLine(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

SettingsDialog::SettingsDialog(OptionPanel &options, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_options(options)
{
    setObjectName(QStringLiteral("FormSettings"));
    setWindowTitle(QStringLiteral("Settings"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 9, 8, 12);
    layout->setSpacing(0);

    // Counter
    auto *counter = frame(QStringLiteral("Counter"), 111, this);
    counter->setObjectName(QStringLiteral("GroupBox1"));
    auto *counterGrid = new QGridLayout(counter);
    counterGrid->setContentsMargins(12, 20, 12, 10);
    counterGrid->addWidget(wrappedLine(QStringLiteral("If {counter} keyword is used in Pattern, then apply the following rules:"), counter), 0, 0, 1, 3);
    edtCounterStart = new QLineEdit(counter);
    edtCounterStart->setObjectName(QStringLiteral("edtCounterStart"));
    edtDigits = new QLineEdit(counter);
    edtDigits->setObjectName(QStringLiteral("edtDigits"));
    for (QLineEdit *edit : {edtCounterStart, edtDigits}) {
        edit->setFixedWidth(73);
        makeDigitsOnly(edit);
    }
    counterGrid->addWidget(new QLabel(QStringLiteral("Counter start:"), counter), 1, 0);
    counterGrid->addWidget(edtCounterStart, 1, 1);
    counterGrid->addWidget(new QLabel(QStringLiteral("Digits:"), counter), 2, 0);
    counterGrid->addWidget(edtDigits, 2, 1);
    counterGrid->setColumnStretch(2, 1);
    layout->addWidget(counter);
    layout->addSpacing(13);

    // Conflict
    auto *conflict = frame(QStringLiteral("Conflict"), 83, this);
    conflict->setObjectName(QStringLiteral("GroupBox2"));
    auto *conflictGrid = new QGridLayout(conflict);
    conflictGrid->setContentsMargins(12, 20, 12, 10);
    conflictGrid->addWidget(wrappedLine(QStringLiteral("If the file name already exists, then apply the following change:"), conflict), 0, 0, 1, 3);
    cbConflict = new QComboBox(conflict);
    cbConflict->setObjectName(QStringLiteral("cbConflict"));
    cbConflict->setMinimumWidth(121);
    cbConflict->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    conflictGrid->addWidget(new QLabel(QStringLiteral("Change:"), conflict), 1, 0);
    conflictGrid->addWidget(cbConflict, 1, 1);
    conflictGrid->setColumnStretch(2, 1);
    layout->addWidget(conflict);
    layout->addSpacing(12);

    // Renaming
    auto *renaming = frame(QStringLiteral("Renaming"), 61, this);
    renaming->setObjectName(QStringLiteral("GroupBox3"));
    auto *renamingLayout = new QVBoxLayout(renaming);
    renamingLayout->setContentsMargins(12, 20, 12, 8);
    cbRegex = new QCheckBox(QStringLiteral("Use Regular Expressions"), renaming);
    cbRegex->setObjectName(QStringLiteral("cbRegex"));
    renamingLayout->addWidget(cbRegex);
    layout->addWidget(renaming);
    layout->addSpacing(14);

    // Timestamp
    auto *timestamp = frame(QStringLiteral("Timestamp"), 58, this);
    timestamp->setObjectName(QStringLiteral("GroupBox4"));
    auto *timestampLayout = new QVBoxLayout(timestamp);
    timestampLayout->setContentsMargins(12, 20, 12, 8);
    chkTouchModifiedNow = new QCheckBox(QStringLiteral("Update modified date/time"), timestamp);
    chkTouchModifiedNow->setObjectName(QStringLiteral("chkTouchModifiedNow"));
    timestampLayout->addWidget(chkTouchModifiedNow);
    layout->addWidget(timestamp);
    layout->addSpacing(14);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Button1"));
    close->setFixedSize(94, 25);
    close->setDefault(true);
    buttons->addWidget(close);
    layout->addStretch(1);
    layout->addLayout(buttons);

    // There is no cancel: every change counts at once.
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(edtCounterStart, &QLineEdit::textChanged, this, [this](const QString &t) { m_options.counterStart = t; });
    connect(edtDigits, &QLineEdit::textChanged, this, [this](const QString &t) { m_options.digits = t; });
    connect(cbConflict, &QComboBox::currentIndexChanged, this, [this](int i) { findOptionField(u"conflict")->setChoiceIndex(m_options, i); });
    connect(cbRegex, &QCheckBox::toggled, this, [this](bool on) { m_options.regex = on; });
    connect(chkTouchModifiedNow, &QCheckBox::toggled, this, [this](bool on) { m_options.touchModifiedNow = on; });

    formCreate();
    setFixedSize(433, std::max(412, sizeHint().height()));
}

void SettingsDialog::formCreate()
{
    {
        // Filling the list selects its first entry; that is no choice of the user's.
        const QSignalBlocker quiet(cbConflict);
        cbConflict->addItems({QStringLiteral("Skip"), QStringLiteral("Overwrite"), QStringLiteral("Auto-number")});
    }
    showOptions();
}

void SettingsDialog::showOptions()
{
    // A copy: each control writes back into m_options as it is set.
    const OptionPanel o = m_options;
    edtCounterStart->setText(o.counterStart);
    edtDigits->setText(o.digits);
    // An index outside the list shows no selection and reads back as -1.
    cbConflict->setCurrentIndex(int(o.conflict));
    cbRegex->setChecked(o.regex);
    chkTouchModifiedNow->setChecked(o.touchModifiedNow);
}

} // namespace morvane
