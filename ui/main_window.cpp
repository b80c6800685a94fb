#include "ui/main_window.h"

#include "engine/option_fields.h"

#include "ui/app_texts.h"
#include "cli/command_line.h"
#include "engine/file_collection.h"
#include "ui/file_list_model.h"
#include "engine/morvane_error.h"
#include "engine/name_list.h"
#include "ui/option_widgets.h"
#include "presets/preset_reader.h"
#include "presets/preset_writer.h"
#include "engine/preview.h"
#include "ui/settings_dialog.h"
#include "ui/theme.h"
#include "batch/undo.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace morvane {

namespace {

// Sizes of the layout at 96 dpi; Qt scales them with the monitor.
constexpr int kToolBarHeight = 58;
constexpr int kOptionsHeight = 215;
constexpr int kOperationHeight = 53;
constexpr int kStatusBarHeight = 25;
constexpr int kLinkWidth = 262;
constexpr int kLinkHeight = 19;
constexpr int kLinkRightGap = 25;
// Long work repaints the window at most this often.
constexpr int kProgressIntervalMs = 50;

// Half of a length, rounded to the nearest whole number with exact halves to the even one.
int halfToEven(int length)
{
    return int(std::nearbyint(length / 2.0));
}

QToolButton *toolButton(QWidget *parent, const char *name, int width, const QString &hint, const QString &icon)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    button->setIconSize(QSize(40, 40));
    button->setFixedSize(width, 56);
    return button;
}

// A vertical line at the left edge of a 5-pixel slot, 10 pixels clear of the top and bottom.
QWidget *separator(QWidget *parent, int spaceLeft, int spaceRight)
{
    auto *slot = new QWidget(parent);
    slot->setFixedWidth(spaceLeft + 5 + spaceRight);
    auto *layout = new QHBoxLayout(slot);
    layout->setContentsMargins(spaceLeft, 10, 4 + spaceRight, 10);
    auto *line = new QFrame(slot);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setFixedWidth(1);
    line->setObjectName(QStringLiteral("Bevel1"));
    layout->addWidget(line);
    return slot;
}

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

}  // namespace

MainWindow::MainWindow(MainWindowSetup setup, QWidget *parent)
    : QMainWindow(parent),
      m_dialogs(setup.dialogs),
      m_arguments(std::move(setup.arguments)),
      m_nameContext(std::move(setup.nameContext)),
      m_batchEnvironment(std::move(setup.batchEnvironment))
{
    initUiResources();
    if (!m_dialogs) {
        m_ownDialogs = std::make_unique<QtDialogs>();
        m_dialogs = m_ownDialogs.get();
    }
    setObjectName(QStringLiteral("FormMain"));

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto *panel1 = new QWidget(central);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setAttribute(Qt::WA_StyledBackground);
    panel1->setFixedHeight(kToolBarHeight);
    createToolBar(panel1);
    column->addWidget(panel1);

    // The options keep their 96-dpi places; a window narrower than them scrolls them sideways.
    auto *optionsScroll = new QScrollArea(central);
    optionsScroll->setObjectName(QStringLiteral("Panel2Scroll"));
    optionsScroll->setFrameShape(QFrame::NoFrame);
    optionsScroll->setWidgetResizable(true);
    optionsScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    optionsScroll->setFixedHeight(kOptionsHeight);
    auto *panel2 = new QWidget;
    panel2->setObjectName(QStringLiteral("Panel2"));
    createOptionsPanel(panel2);
    optionsScroll->setWidget(panel2);
    column->addWidget(optionsScroll);

    createFileList();
    column->addWidget(lvFiles, 1);

    auto *panel5 = new QWidget(central);
    panel5->setObjectName(QStringLiteral("Panel5"));
    panel5->setAttribute(Qt::WA_StyledBackground);
    panel5->setFixedHeight(kOperationHeight);
    createOperationPanel(panel5);
    column->addWidget(panel5);
    setCentralWidget(central);

    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFixedHeight(kStatusBarHeight);
    StatusText = new QLabel(QStringLiteral("  Add the files"), bar);
    StatusText->setObjectName(QStringLiteral("StatusBar1Text"));
    bar->addWidget(StatusText, 1);
    setStatusBar(bar);

    lbHomepageURL = new QLabel(this);
    lbHomepageURL->setObjectName(QStringLiteral("lbHomepageURL"));
    lbHomepageURL->setFixedSize(kLinkWidth, kLinkHeight);
    lbHomepageURL->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbHomepageURL->setCursor(Qt::PointingHandCursor);
    // A fixed colour of its own, whatever the theme's background.
    lbHomepageURL->setAutoFillBackground(true);
    lbHomepageURL->setStyleSheet(QStringLiteral("background-color: rgb(231, 233, 238); padding-right: 2px;"));
    lbHomepageURL->installEventFilter(this);
    lbHomepageURL->raise();

    m_settingsDialog = new SettingsDialog(m_options, this);
    connectOptions();
    resize(1252, 645);
    formCreate();
}

MainWindow::~MainWindow() = default;

void MainWindow::createToolBar(QWidget *panel)
{
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(2, 1, 4, 1);
    layout->setSpacing(0);

    btnAdd = toolButton(panel, "btnAdd", 62, QStringLiteral("Add Files"), QStringLiteral("plus"));
    btnAddFolder = toolButton(panel, "btnAddFolder", 62, QStringLiteral("Add Folder..."), QStringLiteral("folder-plus"));
    btnRemove = toolButton(panel, "btnRemove", 62, QStringLiteral("Remove Selected Items"), QStringLiteral("cross"));
    btnPreview = toolButton(panel, "btnPreview", 62, QStringLiteral("Preview Result"), QStringLiteral("eye"));
    btnRename = toolButton(panel, "btnRename", 62, QStringLiteral("Rename Files!"), QStringLiteral("write"));
    btnUndo = toolButton(panel, "btnUndo", 62, QStringLiteral("Undo Last Rename"), QStringLiteral("reply"));
    btnSavePreset = toolButton(panel, "btnSavePreset", 66, QStringLiteral("Save Preset"), QStringLiteral("save"));
    btnLoadPreset = toolButton(panel, "btnLoadPreset", 66, QStringLiteral("Load Preset"), QStringLiteral("folder-open"));
    btnLoadNameList = toolButton(panel, "btnLoadNameList", 62, QStringLiteral("Load Name List"), QStringLiteral("list"));
    SpeedButton1 = toolButton(panel, "SpeedButton1", 60, QStringLiteral("Settings"), QStringLiteral("setting"));
    SpeedButton4 = toolButton(panel, "SpeedButton4", 60, QStringLiteral("About Program"), QStringLiteral("info"));

    // Reached only through undo, which empties the list as this button does.
    btnClear = new QPushButton(QStringLiteral("Clear"), panel);
    btnClear->setObjectName(QStringLiteral("btnClear"));
    btnClear->hide();

    chkIncludeSubfolders = new QCheckBox(QStringLiteral("Include subfolders"), panel);
    chkIncludeSubfolders->setObjectName(QStringLiteral("chkIncludeSubfolders"));
    chkIncludeSubfolders->setToolTip(QStringLiteral("Folders added or dropped bring the files of their subfolders too"));

    // A tool bar keeps the buttons reachable through its overflow menu when the window is narrow.
    auto *bar = new QToolBar(panel);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(40, 40));
    bar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->addWidget(bar);
    bar->addWidget(btnAdd);
    bar->addWidget(btnAddFolder);
    bar->addWidget(btnRemove);
    bar->addWidget(separator(bar, 10, 3));
    bar->addWidget(btnPreview);
    bar->addWidget(btnRename);
    bar->addWidget(btnUndo);
    bar->addWidget(separator(bar, 3, 3));
    bar->addWidget(btnSavePreset);
    bar->addWidget(btnLoadPreset);
    bar->addWidget(separator(bar, 3, 3));
    bar->addWidget(btnLoadNameList);
    auto *spring = new QWidget(bar);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spring);
    bar->addWidget(chkIncludeSubfolders);
    auto *gap = new QWidget(bar);
    gap->setFixedWidth(12);
    bar->addWidget(gap);
    bar->addWidget(SpeedButton1);
    bar->addWidget(SpeedButton4);

    connect(btnAdd, &QToolButton::clicked, this, [this] { guarded([this] { btnAddClick(); }); });
    connect(btnAddFolder, &QToolButton::clicked, this, [this] { guarded([this] { btnAddFolderClick(); }); });
    connect(btnRemove, &QToolButton::clicked, this, [this] { guarded([this] { btnRemoveClick(); }); });
    connect(btnClear, &QPushButton::clicked, this, [this] { guarded([this] { btnClearClick(); }); });
    connect(btnPreview, &QToolButton::clicked, this, [this] { guarded([this] { btnPreviewClick(); }); });
    connect(btnRename, &QToolButton::clicked, this, [this] { guarded([this] { btnRenameClick(); }); });
    connect(btnUndo, &QToolButton::clicked, this, [this] { guarded([this] { btnUndoClick(); }); });
    connect(btnSavePreset, &QToolButton::clicked, this, [this] { guarded([this] { btnSavePresetClick(); }); });
    connect(btnLoadPreset, &QToolButton::clicked, this, [this] { guarded([this] { btnLoadPresetClick(); }); });
    connect(btnLoadNameList, &QToolButton::clicked, this, [this] { guarded([this] { btnLoadNameListClick(); }); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { guarded([this] { speedButton1Click(); }); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { guarded([this] { speedButton4Click(); }); });
}

void MainWindow::createOptionsPanel(QWidget *panel)
{
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

    // GroupBox1: find and replace.
    auto *box1 = frame(panel, "GroupBox1", 406, 88);
    auto *grid1 = new QGridLayout(box1);
    grid1->setContentsMargins(10, 10, 10, 10);
    grid1->setVerticalSpacing(10);
    edtFind = edit(box1, "edtFind", 274);
    edtReplace = edit(box1, "edtReplace", 274);
    grid1->addWidget(new QLabel(QStringLiteral("Find in name:"), box1), 0, 0);
    grid1->addWidget(edtFind, 0, 1);
    grid1->addWidget(new QLabel(QStringLiteral("Replace with:"), box1), 1, 0);
    grid1->addWidget(edtReplace, 1, 1);
    grid1->setColumnStretch(2, 1);

    // GroupBox2: pattern, new extension, case.
    auto *box2 = frame(panel, "GroupBox2", 406, 84);
    auto *grid2 = new QGridLayout(box2);
    grid2->setContentsMargins(10, 8, 10, 8);
    grid2->setVerticalSpacing(8);
    edtPattern = edit(box2, "edtPattern", 231);
    Button1 = new QPushButton(QStringLiteral("?"), box2);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFixedSize(36, 24);
    Button1->setToolTip(QStringLiteral("Keywords of the pattern"));
    auto *patternRow = new QHBoxLayout;
    patternRow->setSpacing(6);
    patternRow->addWidget(new QLabel(QStringLiteral("Pattern:"), box2));
    patternRow->addWidget(edtPattern);
    patternRow->addWidget(Button1);
    patternRow->addStretch(1);
    chkNewExt = new QCheckBox(QStringLiteral("New extension:"), box2);
    chkNewExt->setObjectName(QStringLiteral("chkNewExt"));
    edtNewExt = edit(box2, "edtNewExt", 100);
    cbCase = new QComboBox(box2);
    cbCase->setObjectName(QStringLiteral("cbCase"));
    cbCase->setMinimumWidth(111);
    cbCase->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *extRow = new QHBoxLayout;
    extRow->setSpacing(6);
    extRow->addWidget(chkNewExt);
    extRow->addWidget(edtNewExt);
    extRow->addSpacing(10);
    extRow->addWidget(new QLabel(QStringLiteral("Case:"), box2));
    extRow->addWidget(cbCase);
    extRow->addStretch(1);
    grid2->addLayout(patternRow, 0, 0);
    grid2->addLayout(extRow, 1, 0);

    left->addWidget(box1);
    left->addSpacing(12);
    left->addWidget(box2);
    left->addStretch(1);

    // GroupBox3: insert text.
    auto *box3 = frame(panel, "GroupBox3", 395, 51);
    auto *row3 = frameRow(box3);
    edtInsertText = edit(box3, "edtInsertText", 101);
    row3->addWidget(new QLabel(QStringLiteral("Insert text"), box3));
    row3->addWidget(edtInsertText);
    row3->addWidget(new QLabel(QStringLiteral("at position:"), box3));
    row3->addWidget(spinEdit(box3, &edtInsertPos, "edtInsertPos", "UpDown1", 64));
    row3->addStretch(1);

    // GroupBox4: remove first and last.
    auto *box4 = frame(panel, "GroupBox4", 395, 46);
    auto *row4 = frameRow(box4);
    row4->addWidget(new QLabel(QStringLiteral("Remove first:"), box4));
    row4->addWidget(spinEdit(box4, &edtRemoveFirst, "edtRemoveFirst", "UpDown2", 64));
    row4->addSpacing(8);
    row4->addWidget(new QLabel(QStringLiteral("Remove last:"), box4));
    row4->addWidget(spinEdit(box4, &edtRemoveLast, "edtRemoveLast", "UpDown3", 64));
    row4->addStretch(1);

    // GroupBox8: remove a position range.
    auto *box8 = frame(panel, "GroupBox8", 395, 61);
    auto *row8 = frameRow(box8);
    auto *fromLabel = new QLabel(QStringLiteral("Remove from position"), box8);
    fromLabel->setWordWrap(true);
    // Two lines of 74 pixels; wider where the desktop font needs it for "Remove from".
    fromLabel->setFixedSize(std::max(74, fromLabel->fontMetrics().horizontalAdvance(QStringLiteral("Remove from")) + 4), 34);
    row8->addWidget(fromLabel);
    row8->addWidget(spinEdit(box8, &edtRemoveFromPos, "edtRemoveFromPos", "UpDown5", 64));
    row8->addSpacing(8);
    row8->addWidget(new QLabel(QStringLiteral("until position:"), box8));
    row8->addWidget(spinEdit(box8, &edtRemoveTillPos, "edtRemoveTillPos", "UpDown6", 64));
    row8->addStretch(1);

    middle->addWidget(box3);
    middle->addSpacing(13);
    middle->addWidget(box4);
    middle->addSpacing(13);
    middle->addWidget(box8);
    middle->addStretch(1);

    // GroupBox5: trims.
    auto *box5 = frame(panel, "GroupBox5", 395, 51);
    auto *row5 = frameRow(box5);
    edtCropBefore = edit(box5, "edtCropBefore", 86);
    edtCropAfter = edit(box5, "edtCropAfter", 98);
    row5->addWidget(new QLabel(QStringLiteral("Trim from text:"), box5));
    row5->addWidget(edtCropBefore);
    row5->addSpacing(4);
    row5->addWidget(new QLabel(QStringLiteral("Trim until text:"), box5));
    row5->addWidget(edtCropAfter);
    row5->addStretch(1);

    // GroupBox7: characters to remove, collapsing spaces.
    auto *box7 = frame(panel, "GroupBox7", 395, 72);
    auto *grid7 = new QGridLayout(box7);
    grid7->setContentsMargins(10, 8, 10, 8);
    grid7->setVerticalSpacing(6);
    edtCharactersToRemove = edit(box7, "edtCharactersToRemove", 253);
    chkCollapseDoubleSpaces = new QCheckBox(QStringLiteral("Collapse double spaces"), box7);
    chkCollapseDoubleSpaces->setObjectName(QStringLiteral("chkCollapseDoubleSpaces"));
    grid7->addWidget(new QLabel(QStringLiteral("Remove characters:"), box7), 0, 0);
    grid7->addWidget(edtCharactersToRemove, 0, 1);
    grid7->addWidget(chkCollapseDoubleSpaces, 1, 0, 1, 2);
    grid7->setColumnStretch(2, 1);

    // GroupBox6: number padding.
    auto *box6 = frame(panel, "GroupBox6", 395, 42);
    auto *row6 = frameRow(box6);
    row6->setContentsMargins(10, 4, 10, 4);
    row6->addWidget(new QLabel(QStringLiteral("Add leading zeroes to the numbers. Digits count:"), box6));
    row6->addWidget(spinEdit(box6, &edtPadNumbers, "edtPadNumbers", "UpDown4", 66));
    row6->addStretch(1);

    right->addWidget(box5);
    right->addSpacing(8);
    right->addWidget(box7);
    right->addSpacing(11);
    right->addWidget(box6);
    right->addStretch(1);

    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { button1Click(); }); });
}

void MainWindow::createFileList()
{
    lvFiles = new QTableView(this);
    lvFiles->setObjectName(QStringLiteral("lvFiles"));
    m_model = new FileListModel(m_items, lvFiles);
    lvFiles->setModel(m_model);
    lvFiles->setShowGrid(true);
    lvFiles->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvFiles->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvFiles->setWordWrap(false);
    lvFiles->setCornerButtonEnabled(false);
    lvFiles->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // One fixed row height: 100,000 rows scroll without measuring any of them.
    QHeaderView *rows = lvFiles->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(lvFiles->fontMetrics().height() + 6);
    QHeaderView *columns = lvFiles->horizontalHeader();
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lvFiles->viewport()->installEventFilter(this);

    PopupMenu1 = new QMenu(lvFiles);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *miRemoveSelected = PopupMenu1->addAction(QStringLiteral("Remove selected"));
    miRemoveSelected->setObjectName(QStringLiteral("miRemoveSelected"));
    QAction *Clearlist1 = PopupMenu1->addAction(QStringLiteral("Clear list"));
    Clearlist1->setObjectName(QStringLiteral("Clearlist1"));
    lvFiles->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lvFiles, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMenu1->popup(lvFiles->viewport()->mapToGlobal(pos)); });
    connect(miRemoveSelected, &QAction::triggered, this, [this] { guarded([this] { miRemoveSelectedClick(); }); });
    connect(Clearlist1, &QAction::triggered, this, [this] { guarded([this] { clearlist1Click(); }); });

    // Habits of the desktop: Delete in the list removes the selected rows.
    auto *remove = new QShortcut(QKeySequence::Delete, lvFiles, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(remove, &QShortcut::activated, this, [this] { guarded([this] { btnRemoveClick(); }); });
}

void MainWindow::createOperationPanel(QWidget *panel)
{
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(10, 0, 10, 0);
    row->setSpacing(8);
    auto *label1 = new QLabel(QStringLiteral("Operation::"), panel);
    label1->setObjectName(QStringLiteral("Label1"));
    cbBatchMode = new QComboBox(panel);
    cbBatchMode->setObjectName(QStringLiteral("cbBatchMode"));
    cbBatchMode->setMinimumWidth(122);
    cbBatchMode->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lblDestination = new QLabel(QStringLiteral("Destination:"), panel);
    lblDestination->setObjectName(QStringLiteral("lblDestination"));
    edtDestination = new QLineEdit(panel);
    edtDestination->setObjectName(QStringLiteral("edtDestination"));
    Button2 = new QPushButton(QStringLiteral("..."), panel);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setFixedSize(61, 22);
    Button2->setToolTip(QStringLiteral("Select destination folder"));
    row->addWidget(label1);
    row->addWidget(cbBatchMode);
    row->addSpacing(10);
    row->addWidget(lblDestination);
    row->addWidget(edtDestination, 1);
    row->addWidget(Button2);
    lblDestination->setEnabled(false);
    edtDestination->setEnabled(false);
    Button2->setEnabled(false);

    connect(Button2, &QPushButton::clicked, this, [this] { guarded([this] { button2Click(); }); });
}

// Widgets edit the option values; the values stay the truth.
void MainWindow::connectOptions()
{
    const std::pair<QLineEdit *, QString OptionPanel::*> texts[] = {
        {edtFind, &OptionPanel::find},
        {edtReplace, &OptionPanel::replace},
        {edtPattern, &OptionPanel::pattern},
        {edtNewExt, &OptionPanel::newExt},
        {edtInsertText, &OptionPanel::insertText},
        {edtInsertPos, &OptionPanel::insertPos},
        {edtRemoveFirst, &OptionPanel::removeFirst},
        {edtRemoveLast, &OptionPanel::removeLast},
        {edtRemoveFromPos, &OptionPanel::removeFromPos},
        {edtRemoveTillPos, &OptionPanel::removeTillPos},
        {edtCharactersToRemove, &OptionPanel::charactersToRemove},
        {edtCropBefore, &OptionPanel::cropBefore},
        {edtCropAfter, &OptionPanel::cropAfter},
        {edtPadNumbers, &OptionPanel::padNumbers},
        {edtDestination, &OptionPanel::destination},
    };
    for (const auto &[widget, field] : texts) {
        connect(widget, &QLineEdit::textChanged, this,
                [this, field = field](const QString &text) { m_options.*field = text; });
    }
    connect(cbCase, &QComboBox::currentIndexChanged, this, [this](int i) { findOptionField(u"case")->setChoiceIndex(m_options, i); });
    connect(cbBatchMode, &QComboBox::currentIndexChanged, this, [this](int i) { findOptionField(u"batchMode")->setChoiceIndex(m_options, i); });
    // Only a pick by the user runs the batch-mode handling, not a preset.
    connect(cbBatchMode, &QComboBox::activated, this, [this] { guarded([this] { cbBatchModeChange(); }); });
    connect(chkNewExt, &QCheckBox::toggled, this, [this](bool on) {
        m_options.changeExt = on;
        chkNewExtClick();
    });
    connect(chkCollapseDoubleSpaces, &QCheckBox::toggled, this, [this](bool on) { m_options.collapseDoubleSpaces = on; });
    connect(chkIncludeSubfolders, &QCheckBox::toggled, this, [this](bool on) { m_options.includeSubfolders = on; });
}

void MainWindow::formCreate()
{
    setWindowTitle(applicationTitle() + u' ' + versionText());
    lbHomepageURL->setText(homepageUrl());
    m_items.clear();
    m_importedNameList.clear();
    {
        const QSignalBlocker quietCase(cbCase), quietMode(cbBatchMode);   // filling a list is no choice
        cbCase->addItems({QStringLiteral("Unchanged"), QStringLiteral("lowercase"), QStringLiteral("UPPERCASE"),
                          QStringLiteral("Title Case")});
        cbBatchMode->addItems({QStringLiteral("Rename in place"), QStringLiteral("Copy to folder"),
                               QStringLiteral("MOVE to folder")});
    }
    // The start values come from the option values: "{name}", insert position "1", counters "0".
    showOptions();
    resizeListColumns();
    setAcceptDrops(true);

    auto *addFiles = new QShortcut(QKeySequence::Open, this);
    connect(addFiles, &QShortcut::activated, this, [this] { guarded([this] { btnAddClick(); }); });
    auto *preview = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(preview, &QShortcut::activated, this, [this] { guarded([this] { btnPreviewClick(); }); });

    processCommandLine();
}

void MainWindow::processCommandLine()
{
    guarded([this] {
        CommandLineContext context{m_options, m_items, m_importedNameList, *this, m_nameContext,
                                   batchEnvironment()};
        // The command line may change options and add files even when the run fails.
        struct Refresh {
            MainWindow *window;
            ~Refresh() { window->showOptions(); }
        } refresh{this};
        m_terminationRequested = morvane::processCommandLine(m_arguments, context);
        if (!m_items.isEmpty())
            updateStatusCount();
    });
}

void MainWindow::showOptions()
{
    // A copy: every control writes back into m_options as it is set.
    const OptionPanel o = m_options;
    edtFind->setText(o.find);
    edtReplace->setText(o.replace);
    edtPattern->setText(o.pattern);
    // An index outside a list shows no selection and reads back as -1.
    cbCase->setCurrentIndex(int(o.caseChange));
    chkNewExt->setChecked(o.changeExt);
    edtNewExt->setText(o.newExt);
    edtInsertText->setText(o.insertText);
    edtInsertPos->setText(o.insertPos);
    edtRemoveFirst->setText(o.removeFirst);
    edtRemoveLast->setText(o.removeLast);
    edtRemoveFromPos->setText(o.removeFromPos);
    edtRemoveTillPos->setText(o.removeTillPos);
    edtCharactersToRemove->setText(o.charactersToRemove);
    chkCollapseDoubleSpaces->setChecked(o.collapseDoubleSpaces);
    edtCropBefore->setText(o.cropBefore);
    edtCropAfter->setText(o.cropAfter);
    edtPadNumbers->setText(o.padNumbers);
    chkIncludeSubfolders->setChecked(o.includeSubfolders);
    cbBatchMode->setCurrentIndex(int(o.batchMode));
    edtDestination->setText(o.destination);
    chkNewExtClick();
    m_settingsDialog->showOptions();
}

QString MainWindow::statusText() const
{
    return StatusText->text();
}

void MainWindow::setStatusText(const QString &text)
{
    StatusText->setText(text);
}

// ---------------------------------------------------------------- errors and long work

template <class Handler>
void MainWindow::guarded(Handler &&handler)
{
    QString failure;
    bool failed = false;
    try {
        handler();
    } catch (const MorvaneError &e) {
        failed = true;
        failure = e.message();
    } catch (const std::exception &e) {
        failed = true;
        failure = QString::fromLocal8Bit(e.what());
    } catch (...) {
        failed = true;
        failure = QStringLiteral("An unexpected error stopped the operation");
    }
    endLongWork();
    // What the handler did before an error stays done, and the list shows it.
    m_model->sync();
    if (failed)
        showApplicationError(failure);
}

void MainWindow::showApplicationError(const QString &message)
{
    m_dialogs->message(this, Dialogs::Box::AppError, applicationTitle(), withFullStop(message));
}

void MainWindow::information(const QString &text)
{
    m_dialogs->message(this, Dialogs::Box::Information, QStringLiteral("Information"), text);
}

void MainWindow::warning(const QString &text)
{
    m_dialogs->message(this, Dialogs::Box::Warning, QStringLiteral("Warning"), text);
}

void MainWindow::error(const QString &text)
{
    m_dialogs->message(this, Dialogs::Box::Error, QStringLiteral("Error"), text);
}

bool MainWindow::confirm(const QString &text)
{
    return m_dialogs->message(this, Dialogs::Box::Confirm, QStringLiteral("Confirm"), text);
}

void MainWindow::progress(qint64 done, qint64 total)
{
    if (total <= 0 || done >= total)
        return;
    if (!m_progressClock.isValid()) {
        m_statusBeforeProgress = statusText();
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (m_progressClock.elapsed() < kProgressIntervalMs) {
        return;
    }
    m_progressClock.start();
    const QLocale locale;
    setStatusText(QStringLiteral("  Working: %1 of %2").arg(locale.toString(done), locale.toString(total)));
    // Keep painting; clicks and keys wait until the work has ended.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::endLongWork()
{
    if (!m_progressClock.isValid())
        return;
    m_progressClock.invalidate();
    if (statusText().startsWith(QStringLiteral("  Working: ")))
        setStatusText(m_statusBeforeProgress);
    QApplication::restoreOverrideCursor();
}

BatchEnvironment MainWindow::batchEnvironment()
{
    BatchEnvironment env = m_batchEnvironment;
    env.itemUpdated = [this](int index) { m_model->rowChanged(index); };
    env.clearList = [this] { btnClearClick(); };
    return env;
}

// ---------------------------------------------------------------- window events

void MainWindow::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        if (QScreen *screen = this->screen()) {
            QRect area = frameGeometry();
            area.moveCenter(screen->availableGeometry().center());
            move(area.topLeft());
        }
    }
    QMainWindow::showEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    formResize();
}

void MainWindow::formResize()
{
    // The status bar is the lowest strip by the main window's own layout.
    const QRect bar = statusBar()->geometry();
    const int left = width() - lbHomepageURL->width() - kLinkRightGap;
    const int top = bar.top() + bar.height() - halfToEven(bar.height()) - halfToEven(lbHomepageURL->height());
    lbHomepageURL->move(left, top);
    lbHomepageURL->raise();
    resizeListColumns();
}

void MainWindow::resizeListColumns()
{
    if (m_model->columnCount() < 4)
        return;
    QHeaderView *header = lvFiles->horizontalHeader();
    header->resizeSection(FileListModel::OriginalNameColumn, 280);
    header->resizeSection(FileListModel::NewNameColumn, 280);
    header->resizeSection(FileListModel::SizeColumn, 90);
    const int fixed = header->sectionSize(0) + header->sectionSize(1) + header->sectionSize(3);
    header->resizeSection(FileListModel::FolderColumn, std::max(150, lvFiles->viewport()->width() - fixed - 6));
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lbHomepageURL) {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::Leave: {
            QFont font = lbHomepageURL->font();
            font.setUnderline(event->type() == QEvent::Enter);
            lbHomepageURL->setFont(font);
            break;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                guarded([this] { lbHomepageURLClick(); });
            return true;
        default:
            break;
        }
    } else if (watched == lvFiles->viewport() && event->type() == QEvent::Resize) {
        // The list's client width also changes when its scroll bar comes or goes.
        resizeListColumns();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *mime = event->mimeData();
    if (mime->hasUrls()) {
        for (const QUrl &url : mime->urls()) {
            if (url.isLocalFile()) {
                event->acceptProposedAction();
                return;
            }
        }
    }
    QMainWindow::dragEnterEvent(event);
}

void MainWindow::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());   // taken whole, however long
    }
    event->acceptProposedAction();
    addDroppedFiles(paths);
}

// ---------------------------------------------------------------- handlers

void MainWindow::btnAddClick()
{
    FileDialogSpec spec;
    spec.title = QStringLiteral("Select files to add");
    // "*" rather than "*.*": on Linux "*.*" would hide names without a dot.
    spec.filter = QStringLiteral("All files (*)");
    const QStringList paths = m_dialogs->openFiles(this, spec);
    if (paths.isEmpty())
        return;
    QStringList skipped;
    for (const QString &path : paths) {
        if (!isExactLocalPath(path)) {
            skipped.append(path);
            continue;
        }
        m_items.addFileItem(path);
    }
    m_model->sync();
    updateStatusCount();
    reportSkippedNames(skipped);
}

void MainWindow::btnAddFolderClick()
{
    const QString folder = m_dialogs->pickFolder(this, QStringLiteral("Select folder"), QString());
    if (folder.isEmpty())
        return;
    QStringList skipped;
    addFolder(folder, m_options.includeSubfolders, true, &skipped);
    updateStatusCount();
    reportSkippedNames(skipped);
}

void MainWindow::addFolder(const QString &path, bool includeSubfolders, bool rebuildPreview, QStringList *skipped)
{
    const int added = morvane::addFolder(m_items, path, includeSubfolders, skipped);
    m_model->sync();
    if (added >= 0 && rebuildPreview)
        buildPreview();
}

void MainWindow::addDroppedFiles(const QStringList &paths)
{
    guarded([this, &paths] {
        QStringList skipped;
        for (const QString &path : paths) {
            if (!isExactLocalPath(path)) {
                skipped.append(path);
            } else if (isExistingFolder(path)) {
                addFolder(path, m_options.includeSubfolders, false, &skipped);
            } else {
                m_items.addFileItem(path);   // a vanished path adds nothing
            }
        }
        m_model->sync();
        updateStatusCount();
        reportSkippedNames(skipped);
    });
}

void MainWindow::reportSkippedNames(const QStringList &skipped)
{
    if (skipped.isEmpty())
        return;
    constexpr int kShown = 10;
    QStringList shown = skipped.mid(0, kShown);
    if (skipped.size() > kShown)
        shown.append(QStringLiteral("... and %1 more").arg(skipped.size() - kShown));
    warning(QStringLiteral("%1 file name(s) are not valid UTF-8 and cannot be renamed safely, so they were "
                           "skipped:\n\n%2")
                .arg(skipped.size())
                .arg(shown.join(u'\n')));
}

QList<int> MainWindow::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : lvFiles->selectionModel()->selectedRows())
        rows.append(index.row());
    return rows;
}

void MainWindow::btnRemoveClick()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    m_model->removeRows(rows);
    updateStatusCount();
}

void MainWindow::miRemoveSelectedClick()
{
    m_model->removeRows(selectedRows());
    updateStatusCount();
}

void MainWindow::btnClearClick()
{
    m_model->clear();
    updateStatusCount();
}

void MainWindow::clearlist1Click()
{
    if (selectedRows().isEmpty())
        return;
    m_model->clear();
    updateStatusCount();
}

void MainWindow::updateStatusCount()
{
    setStatusText(QStringLiteral("Files: %1").arg(m_items.count()));
}

void MainWindow::btnPreviewClick()
{
    buildPreview();
}

void MainWindow::buildPreview()
{
    morvane::buildPreview(m_items, m_options, m_nameContext, m_importedNameList, *this);
    m_model->sync();
}

void MainWindow::btnRenameClick()
{
    renameFilesClick(m_items, m_options, *this, batchEnvironment());
}

void MainWindow::btnUndoClick()
{
    undoLastBatch(m_items, *this, batchEnvironment());
}

void MainWindow::btnSavePresetClick()
{
    FileDialogSpec spec;
    spec.filter = QStringLiteral("Preset JSON (*.json)");
    spec.defaultSuffix = QStringLiteral("json");
    const QString fileName = m_dialogs->saveFile(this, spec);
    if (fileName.isEmpty())
        return;
    savePreset(fileName, m_options);
}

void MainWindow::btnLoadPresetClick()
{
    FileDialogSpec spec;
    spec.filter = QStringLiteral("Preset JSON (*.json)");
    const QString fileName = m_dialogs->openFile(this, spec);
    if (fileName.isEmpty())
        return;
    loadPreset(fileName, m_options);
    // The batch-mode handling does not run: the destination controls keep their state.
    showOptions();
}

void MainWindow::btnLoadNameListClick()
{
    FileDialogSpec spec;
    spec.filter = QStringLiteral("Name list (*.txt *.csv);;All files (*)");
    spec.selectedFilter = QStringLiteral("Name list (*.txt *.csv)");
    const QString fileName = m_dialogs->openFile(this, spec);
    if (fileName.isEmpty())
        return;
    loadNameList(fileName, m_importedNameList);
    buildPreview();
}

void MainWindow::speedButton1Click()
{
    m_dialogs->showModal(m_settingsDialog);
}

void MainWindow::speedButton4Click()
{
    information(aboutText(m_nameContext.localNow().date()));
}

void MainWindow::button1Click()
{
    information(patternHelpText());
}

void MainWindow::button2Click()
{
    QString start = edtDestination->text();
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::currentPath();
    const QString folder = m_dialogs->pickFolder(this, QStringLiteral("Select destination folder"), start);
    if (!folder.isEmpty())
        edtDestination->setText(QFileInfo(folder).absoluteFilePath());
}

void MainWindow::cbBatchModeChange()
{
    const bool toFolder = cbBatchMode->currentIndex() > 0;
    lblDestination->setEnabled(toFolder);
    edtDestination->setEnabled(toFolder);
    Button2->setEnabled(toFolder);
}

void MainWindow::chkNewExtClick()
{
    edtNewExt->setEnabled(chkNewExt->isChecked());
}

void MainWindow::lbHomepageURLClick()
{
    m_dialogs->openUrl(QUrl(homepageUrl()));
}

} // namespace morvane
