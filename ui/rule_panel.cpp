#include "ui/rule_panel.h"

#include "ui/option_widgets.h"

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

// Height at 96 dpi; Qt scales it with the monitor.
constexpr int kHeight = 215;

QGroupBox *frame(QWidget *parent, const char *name, int width, int height)
{
    auto *box = new QGroupBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setFixedSize(width, height);
    return box;
}

// An edit of its 96-dpi width, which gives up to a third of it where a wider desktop font needs the room.
class SizedLineEdit : public QLineEdit {
public:
    SizedLineEdit(int width, QWidget *parent) : QLineEdit(parent), m_width(width) {}
    QSize sizeHint() const override { return {m_width, QLineEdit::sizeHint().height()}; }

private:
    int m_width;
};

QLineEdit *edit(QWidget *parent, const char *name, int width)
{
    auto *e = new SizedLineEdit(width, parent);
    e->setObjectName(QLatin1String(name));
    e->setMinimumWidth(width * 2 / 3);
    e->setMaximumWidth(width);
    e->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return e;
}

// A digits-only edit with its spin buttons, the pair as wide as the edit of the layout.
QWidget *spinEdit(QWidget *parent, QLineEdit **out, const char *name, const char *upDownName, int width)
{
    auto *pair = new QWidget(parent);
    auto *layout = new QHBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    auto *e = edit(pair, name, width - 18);
    makeDigitsOnly(e);
    auto *upDown = new UpDownButtons(e, pair);
    upDown->setObjectName(QLatin1String(upDownName));
    layout->addWidget(e);
    layout->addWidget(upDown);
    *out = e;
    return pair;
}

QHBoxLayout *frameRow(QGroupBox *box)
{
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(6);
    return layout;
}

} // namespace

RulePanel::RulePanel(OptionPanel &options, QWidget *parent) : QScrollArea(parent), m_binding(options)
{
    setObjectName(QStringLiteral("Panel2Scroll"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFixedHeight(kHeight);
    // The panel is a way through to its edits, not a stop of its own.
    setFocusPolicy(Qt::NoFocus);
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel2"));
    auto *columns = new QHBoxLayout(panel);
    columns->setContentsMargins(11, 14, 13, 0);
    columns->setSpacing(16);
    auto *left = new QVBoxLayout;
    auto *middle = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    for (QVBoxLayout *c : {left, middle, right}) {
        c->setSpacing(0);
        columns->addLayout(c);
    }
    columns->addStretch(1);

    // Find and replace.
    auto *findBox = frame(panel, "GroupBox1", 406, 88);
    auto *findGrid = new QGridLayout(findBox);
    findGrid->setContentsMargins(10, 10, 10, 10);
    findGrid->setVerticalSpacing(10);
    QLineEdit *findEdit = edit(findBox, "edtFind", 274);
    QLineEdit *replaceEdit = edit(findBox, "edtReplace", 274);
    findGrid->addWidget(buddyLabel(tr("&Find in name:"), findEdit, findBox), 0, 0);
    findGrid->addWidget(findEdit, 0, 1);
    findGrid->addWidget(buddyLabel(tr("&Replace with:"), replaceEdit, findBox), 1, 0);
    findGrid->addWidget(replaceEdit, 1, 1);
    findGrid->setColumnStretch(2, 1);

    // Pattern, new extension, case.
    auto *patternBox = frame(panel, "GroupBox2", 406, 84);
    auto *patternGrid = new QGridLayout(patternBox);
    patternGrid->setContentsMargins(10, 8, 10, 8);
    patternGrid->setVerticalSpacing(8);
    QLineEdit *patternEdit = edit(patternBox, "edtPattern", 231);
    auto *patternHelpButton = new QPushButton(tr("?"), patternBox);
    patternHelpButton->setObjectName(QStringLiteral("Button1"));
    patternHelpButton->setFixedSize(36, 24);
    patternHelpButton->setToolTip(tr("Keywords of the pattern"));
    patternHelpButton->setAccessibleName(tr("Pattern help"));
    patternHelpButton->setAccessibleDescription(patternHelpButton->toolTip());
    auto *patternRow = new QHBoxLayout;
    patternRow->setSpacing(6);
    patternRow->addWidget(buddyLabel(tr("&Pattern:"), patternEdit, patternBox));
    patternRow->addWidget(patternEdit);
    patternRow->addWidget(patternHelpButton);
    patternRow->addStretch(1);
    m_newExtensionCheck = new QCheckBox(tr("&New extension:"), patternBox);
    m_newExtensionCheck->setObjectName(QStringLiteral("chkNewExt"));
    m_newExtensionEdit = edit(patternBox, "edtNewExt", 100);
    auto *caseCombo = new QComboBox(patternBox);
    caseCombo->setObjectName(QStringLiteral("cbCase"));
    caseCombo->setMinimumWidth(111);
    caseCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    caseCombo->addItems({tr("Unchanged"), tr("lowercase"), tr("UPPERCASE"), tr("Title Case")});
    auto *extensionRow = new QHBoxLayout;
    extensionRow->setSpacing(6);
    extensionRow->addWidget(m_newExtensionCheck);
    extensionRow->addWidget(m_newExtensionEdit);
    extensionRow->addSpacing(10);
    extensionRow->addWidget(buddyLabel(tr("&Case:"), caseCombo, patternBox));
    extensionRow->addWidget(caseCombo);
    extensionRow->addStretch(1);
    patternGrid->addLayout(patternRow, 0, 0);
    patternGrid->addLayout(extensionRow, 1, 0);

    left->addWidget(findBox);
    left->addSpacing(12);
    left->addWidget(patternBox);
    left->addStretch(1);

    // Insert text.
    auto *insertBox = frame(panel, "GroupBox3", 395, 51);
    auto *insertRow = frameRow(insertBox);
    QLineEdit *insertTextEdit = edit(insertBox, "edtInsertText", 101);
    QLineEdit *insertPositionEdit = nullptr;
    insertRow->addWidget(buddyLabel(tr("&Insert text"), insertTextEdit, insertBox));
    insertRow->addWidget(insertTextEdit);
    QWidget *insertPosition = spinEdit(insertBox, &insertPositionEdit, "edtInsertPos", "UpDown1", 64);
    insertRow->addWidget(buddyLabel(tr("&at position:"), insertPositionEdit, insertBox));
    insertRow->addWidget(insertPosition);
    insertRow->addStretch(1);

    // Remove first and last.
    auto *removeEndsBox = frame(panel, "GroupBox4", 395, 46);
    auto *removeEndsRow = frameRow(removeEndsBox);
    QLineEdit *removeFirstEdit = nullptr;
    QLineEdit *removeLastEdit = nullptr;
    QWidget *removeFirst = spinEdit(removeEndsBox, &removeFirstEdit, "edtRemoveFirst", "UpDown2", 64);
    removeEndsRow->addWidget(buddyLabel(tr("Remove fir&st:"), removeFirstEdit, removeEndsBox));
    removeEndsRow->addWidget(removeFirst);
    removeEndsRow->addSpacing(8);
    QWidget *removeLast = spinEdit(removeEndsBox, &removeLastEdit, "edtRemoveLast", "UpDown3", 64);
    removeEndsRow->addWidget(buddyLabel(tr("Remove &last:"), removeLastEdit, removeEndsBox));
    removeEndsRow->addWidget(removeLast);
    removeEndsRow->addStretch(1);

    // Remove a position range.
    auto *rangeBox = frame(panel, "GroupBox8", 395, 61);
    auto *rangeRow = frameRow(rangeBox);
    QLineEdit *removeFromEdit = nullptr;
    QLineEdit *removeUntilEdit = nullptr;
    QWidget *removeFrom = spinEdit(rangeBox, &removeFromEdit, "edtRemoveFromPos", "UpDown5", 64);
    auto *fromLabel = buddyLabel(tr("Remove fro&m position"), removeFromEdit, rangeBox);
    fromLabel->setWordWrap(true);
    // Two lines of 74 pixels; wider where the desktop font needs it for the first line.
    const QString firstLine = tr("Remove from");
    fromLabel->setFixedSize(std::max(74, fromLabel->fontMetrics().horizontalAdvance(firstLine) + 4), 34);
    rangeRow->addWidget(fromLabel);
    rangeRow->addWidget(removeFrom);
    rangeRow->addSpacing(8);
    QWidget *removeUntil = spinEdit(rangeBox, &removeUntilEdit, "edtRemoveTillPos", "UpDown6", 64);
    rangeRow->addWidget(buddyLabel(tr("&until position:"), removeUntilEdit, rangeBox));
    rangeRow->addWidget(removeUntil);
    rangeRow->addStretch(1);

    middle->addWidget(insertBox);
    middle->addSpacing(13);
    middle->addWidget(removeEndsBox);
    middle->addSpacing(13);
    middle->addWidget(rangeBox);
    middle->addStretch(1);

    // Trims.
    auto *trimBox = frame(panel, "GroupBox5", 395, 51);
    auto *trimRow = frameRow(trimBox);
    QLineEdit *trimFromEdit = edit(trimBox, "edtCropBefore", 86);
    QLineEdit *trimUntilEdit = edit(trimBox, "edtCropAfter", 98);
    trimRow->addWidget(buddyLabel(tr("&Trim from text:"), trimFromEdit, trimBox));
    trimRow->addWidget(trimFromEdit);
    trimRow->addSpacing(4);
    trimRow->addWidget(buddyLabel(tr("Trim until te&xt:"), trimUntilEdit, trimBox));
    trimRow->addWidget(trimUntilEdit);
    trimRow->addStretch(1);

    // Characters to remove, collapsing spaces.
    auto *charactersBox = frame(panel, "GroupBox7", 395, 72);
    auto *charactersGrid = new QGridLayout(charactersBox);
    charactersGrid->setContentsMargins(10, 8, 10, 8);
    charactersGrid->setVerticalSpacing(6);
    QLineEdit *charactersEdit = edit(charactersBox, "edtCharactersToRemove", 253);
    auto *collapseSpacesCheck = new QCheckBox(tr("Collapse &double spaces"), charactersBox);
    collapseSpacesCheck->setObjectName(QStringLiteral("chkCollapseDoubleSpaces"));
    charactersGrid->addWidget(buddyLabel(tr("Remove c&haracters:"), charactersEdit, charactersBox), 0, 0);
    charactersGrid->addWidget(charactersEdit, 0, 1);
    charactersGrid->addWidget(collapseSpacesCheck, 1, 0, 1, 2);
    charactersGrid->setColumnStretch(2, 1);

    // Number padding.
    auto *paddingBox = frame(panel, "GroupBox6", 395, 42);
    auto *paddingRow = frameRow(paddingBox);
    paddingRow->setContentsMargins(10, 4, 10, 4);
    QLineEdit *padNumbersEdit = nullptr;
    QWidget *padNumbers = spinEdit(paddingBox, &padNumbersEdit, "edtPadNumbers", "UpDown4", 66);
    paddingRow->addWidget(
        buddyLabel(tr("Add leading &zeroes to the numbers. Digits count:"), padNumbersEdit, paddingBox));
    paddingRow->addWidget(padNumbers);
    paddingRow->addStretch(1);

    right->addWidget(trimBox);
    right->addSpacing(8);
    right->addWidget(charactersBox);
    right->addSpacing(11);
    right->addWidget(paddingBox);
    right->addStretch(1);
    setWidget(panel);

    m_binding.bind({
        {findEdit, "find"},
        {replaceEdit, "replace"},
        {patternEdit, "pattern"},
        {caseCombo, "case"},
        {m_newExtensionCheck, "changeExt"},
        {m_newExtensionEdit, "newExt"},
        {insertTextEdit, "insertText"},
        {insertPositionEdit, "insertPos"},
        {removeFirstEdit, "removeFirst"},
        {removeLastEdit, "removeLast"},
        {removeFromEdit, "removeFromPos"},
        {removeUntilEdit, "removeTillPos"},
        {charactersEdit, "charactersToRemove"},
        {collapseSpacesCheck, "collapseDoubleSpaces"},
        {trimFromEdit, "cropBefore"},
        {trimUntilEdit, "cropAfter"},
        {padNumbersEdit, "padNumbers"},
    });
    connect(m_newExtensionCheck, &QCheckBox::toggled, this, &RulePanel::updateNewExtensionEdit);
    connect(patternHelpButton, &QPushButton::clicked, this, &RulePanel::patternHelpRequested);
    // The start values come from the options: "{name}", insert position "1", counts "0".
    showOptions();
}

void RulePanel::showOptions()
{
    m_binding.showOptions();
    updateNewExtensionEdit();
}

// The new extension can be typed only while it is switched on.
void RulePanel::updateNewExtensionEdit()
{
    m_newExtensionEdit->setEnabled(m_newExtensionCheck->isChecked());
}

} // namespace morvane
