#include "ui/settings_dialog.h"

#include "ui/option_widgets.h"
#include "ui/theme.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

} // namespace

SettingsDialog::SettingsDialog(OptionPanel &options, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_binding(options)
{
    setObjectName(QStringLiteral("FormSettings"));
    setWindowTitle(tr("Settings"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 9, 8, 12);
    layout->setSpacing(0);

    // Counter
    auto *counter = frame(tr("Counter"), 111, this);
    counter->setObjectName(QStringLiteral("GroupBox1"));
    auto *counterGrid = new QGridLayout(counter);
    counterGrid->setContentsMargins(12, 20, 12, 10);
    counterGrid->addWidget(
        wrappedLine(tr("If {counter} keyword is used in Pattern, then apply the following rules:"), counter), 0, 0, 1,
        3);
    m_counterStartEdit = new QLineEdit(counter);
    m_counterStartEdit->setObjectName(QStringLiteral("edtCounterStart"));
    m_digitsEdit = new QLineEdit(counter);
    m_digitsEdit->setObjectName(QStringLiteral("edtDigits"));
    for (QLineEdit *edit : {m_counterStartEdit, m_digitsEdit}) {
        edit->setFixedWidth(73);
        makeDigitsOnly(edit);
    }
    counterGrid->addWidget(buddyLabel(tr("Counter &start:"), m_counterStartEdit, counter), 1, 0);
    counterGrid->addWidget(m_counterStartEdit, 1, 1);
    counterGrid->addWidget(buddyLabel(tr("&Digits:"), m_digitsEdit, counter), 2, 0);
    counterGrid->addWidget(m_digitsEdit, 2, 1);
    counterGrid->setColumnStretch(2, 1);
    layout->addWidget(counter);
    layout->addSpacing(13);

    // Conflict
    auto *conflict = frame(tr("Conflict"), 83, this);
    conflict->setObjectName(QStringLiteral("GroupBox2"));
    auto *conflictGrid = new QGridLayout(conflict);
    conflictGrid->setContentsMargins(12, 20, 12, 10);
    conflictGrid->addWidget(
        wrappedLine(tr("If the file name already exists, then apply the following change:"), conflict), 0, 0, 1, 3);
    m_conflictCombo = new QComboBox(conflict);
    m_conflictCombo->setObjectName(QStringLiteral("cbConflict"));
    m_conflictCombo->setMinimumWidth(121);
    m_conflictCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    conflictGrid->addWidget(buddyLabel(tr("&Change:"), m_conflictCombo, conflict), 1, 0);
    conflictGrid->addWidget(m_conflictCombo, 1, 1);
    conflictGrid->setColumnStretch(2, 1);
    layout->addWidget(conflict);
    layout->addSpacing(12);

    // Renaming
    auto *renaming = frame(tr("Renaming"), 61, this);
    renaming->setObjectName(QStringLiteral("GroupBox3"));
    auto *renamingLayout = new QVBoxLayout(renaming);
    renamingLayout->setContentsMargins(12, 20, 12, 8);
    m_regexCheck = new QCheckBox(tr("Use &Regular Expressions"), renaming);
    m_regexCheck->setObjectName(QStringLiteral("cbRegex"));
    renamingLayout->addWidget(m_regexCheck);
    m_renameFoldersCheck = new QCheckBox(tr("Rename &folders"), renaming);
    m_renameFoldersCheck->setToolTip(tr("Added and dropped folders are renamed themselves, not their files"));
    m_renameFoldersCheck->setAccessibleDescription(m_renameFoldersCheck->toolTip());
    m_renameFoldersCheck->setObjectName(QStringLiteral("chkRenameFolders"));
    renamingLayout->addWidget(m_renameFoldersCheck);
    layout->addWidget(renaming);
    layout->addSpacing(14);

    // Timestamp
    auto *timestamp = frame(tr("Timestamp"), 58, this);
    timestamp->setObjectName(QStringLiteral("GroupBox4"));
    auto *timestampLayout = new QVBoxLayout(timestamp);
    timestampLayout->setContentsMargins(12, 20, 12, 8);
    m_touchModifiedCheck = new QCheckBox(tr("&Update modified date/time"), timestamp);
    m_touchModifiedCheck->setObjectName(QStringLiteral("chkTouchModifiedNow"));
    timestampLayout->addWidget(m_touchModifiedCheck);
    layout->addWidget(timestamp);
    layout->addSpacing(14);

    // Appearance: light or dark, remembered for the next start.
    auto *appearance = frame(tr("Appearance"), 58, this);
    appearance->setObjectName(QStringLiteral("GroupBoxAppearance"));
    auto *appearanceRow = new QHBoxLayout(appearance);
    appearanceRow->setContentsMargins(12, 20, 12, 8);
    m_themeCombo = new QComboBox(appearance);
    m_themeCombo->setObjectName(QStringLiteral("cbTheme"));
    m_themeCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_themeCombo->addItems({tr("System"), tr("Light"), tr("Dark")});
    m_themeCombo->setAccessibleDescription(tr("System follows the desktop's light or dark colours"));
    m_themeCombo->setToolTip(m_themeCombo->accessibleDescription());
    appearanceRow->addWidget(buddyLabel(tr("&Theme:"), m_themeCombo, appearance));
    appearanceRow->addWidget(m_themeCombo);
    appearanceRow->addStretch(1);
    layout->addWidget(appearance);
    layout->addSpacing(14);
    if (ThemeController *theme = ThemeController::instance())
        m_themeCombo->setCurrentIndex(int(theme->choice()));
    connect(m_themeCombo, &QComboBox::activated, this, [](int index) {
        if (ThemeController *theme = ThemeController::instance())
            theme->setChoice(ThemeController::Choice(index));
    });

    // Failures
    auto *failures = frame(tr("Failures"), 83, this);
    failures->setObjectName(QStringLiteral("GroupBox5"));
    auto *failuresGrid = new QGridLayout(failures);
    failuresGrid->setContentsMargins(12, 20, 12, 10);
    failuresGrid->addWidget(wrappedLine(tr("When a file cannot be renamed:"), failures), 0, 0, 1, 2);
    m_onErrorCombo = new QComboBox(failures);
    m_onErrorCombo->setObjectName(QStringLiteral("cbOnError"));
    m_onErrorCombo->addItems({tr("Stop (default)"), tr("Skip it and go on")});
    m_onErrorCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    failuresGrid->addWidget(m_onErrorCombo, 1, 0);
    failuresGrid->setColumnStretch(1, 1);
    layout->addWidget(failures);
    layout->addSpacing(14);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("Button1"));
    close->setFixedSize(94, 25);
    close->setDefault(true);
    buttons->addWidget(close);
    layout->addStretch(1);
    layout->addLayout(buttons);

    // There is no cancel: every change counts at once.
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    m_conflictCombo->addItems({tr("Skip"), tr("Overwrite"), tr("Auto-number")});
    m_binding.bind({{m_counterStartEdit, "counterStart"},
                    {m_digitsEdit, "digits"},
                    {m_conflictCombo, "conflict"},
                    {m_regexCheck, "regex"},
                    {m_touchModifiedCheck, "touchModifiedNow"}});
    showOptions();
    setFixedSize(433, std::max(509, sizeHint().height()));
}

void SettingsDialog::showOptions()
{
    m_binding.showOptions();
    if (ThemeController *theme = ThemeController::instance())
        m_themeCombo->setCurrentIndex(int(theme->choice()));
}

void SettingsDialog::mirrorRenameFolders(QAction *renameFolders)
{
    m_renameFoldersCheck->setChecked(renameFolders->isChecked());
    connect(renameFolders, &QAction::toggled, m_renameFoldersCheck, &QCheckBox::setChecked);
    connect(m_renameFoldersCheck, &QCheckBox::toggled, renameFolders, &QAction::setChecked);
}

} // namespace morvane
