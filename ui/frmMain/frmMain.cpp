// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "frmMain.h"

#include "FileOpener.h"
#include "core/CodeTables.h"
#include "core/DatabaseFile.h"
#include "core/EntryLoader.h"
#include "core/EntryWarnings.h"
#include "core/FieldTable.h"
#include "core/LegacyEncoding.h"
#include "core/LineCheck.h"
#include "core/SqlEntry.h"
#include "core/TextEntry.h"
#include "ui/common/Appearance.h"
#include "ui/common/DropDownList.h"
#include "ui/common/FileDrop.h"
#include "ui/common/FileNames.h"
#include "ui/common/Placement.h"
#include "ui/common/Platform.h"
#include "ui/common/Text.h"
#include "ui/frmAbout/frmAbout.h"
#include "ui/frmBrowser/frmBrowser.h"
#include "ui/frmOutput/frmOutput.h"
#include "ui_frmMain.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <new>
#include <tuple>
#include <vector>

namespace grimlark::ui {

namespace {

// Where each control sits, in twips: frames relative to the client area,
// controls relative to their frame. Tab numbers order the keyboard walk.

struct FrameRow {
    QGroupBox *Ui_frmMain::*frame;
    const char *name;
    const char *caption;
    int left, top, width, height, tab;
};

constexpr FrameRow kFrames[] = {
    {&Ui_frmMain::Frame1, "Frame1", "Basic Properties", 120, 120, 4575, 2175, 0},
    {&Ui_frmMain::Frame2, "Frame2", "Combat Properties", 4800, 120, 3975, 3375, 17},
    {&Ui_frmMain::Frame3, "Frame3", "Mode Menu", 4800, 3600, 3975, 2655, 47},
    {&Ui_frmMain::Frame4, "Frame4", "Loot Tables", 120, 2400, 4575, 4695, 68},
};

struct TextBoxRow {
    QLineEdit *Ui_frmMain::*box;
    const char *name;
    std::string grimlark::MonsterEntry::*text; ///< the value the box holds
    QGroupBox *Ui_frmMain::*frame;
    int left, top, width, tab;
    QLabel *Ui_frmMain::*label;
    const char *labelName;
    int labelWidth;
};

// Each text box is named "txt" and the member it holds, so one name gives the
// control, its object name and the member: a typo does not compile.
#define TXT(member) &Ui_frmMain::txt##member, "txt" #member, &grimlark::MonsterEntry::member
#define BOX(n) &Ui_frmMain::n, #n
#define LBL(n) &Ui_frmMain::n, #n
constexpr TextBoxRow kTextBoxes[] = {
    {TXT(ID), &Ui_frmMain::Frame1, 240, 480, 975, 2, LBL(Label1), 615},
    {TXT(Name), &Ui_frmMain::Frame1, 240, 1080, 1815, 4, LBL(Label2), 1095},
    {TXT(JName), &Ui_frmMain::Frame1, 240, 1680, 4095, 6, LBL(Label3), 1215},
    {TXT(Lvl), &Ui_frmMain::Frame1, 1320, 480, 735, 7, LBL(Label4), 735},
    {TXT(HP), &Ui_frmMain::Frame1, 2160, 480, 855, 10, LBL(Label5), 735},
    {TXT(SP), &Ui_frmMain::Frame1, 2160, 1080, 855, 12, LBL(Label6), 1215},
    {TXT(EXP), &Ui_frmMain::Frame1, 3120, 480, 1215, 14, LBL(Label7), 1215},
    {TXT(JEXP), &Ui_frmMain::Frame1, 3120, 1080, 1215, 16, LBL(Label8), 1215},

    {TXT(ATK1), &Ui_frmMain::Frame2, 240, 480, 1335, 19, LBL(Label9), 975},
    {TXT(ATK2), &Ui_frmMain::Frame2, 1680, 480, 1335, 21, LBL(Label10), 1095},
    {TXT(Range1), &Ui_frmMain::Frame2, 3120, 480, 615, 23, LBL(Label11), 735},
    {TXT(Range2), &Ui_frmMain::Frame2, 3120, 1080, 615, 25, LBL(Label12), 615},
    {TXT(Range3), &Ui_frmMain::Frame2, 3120, 1680, 615, 27, LBL(Label13), 615},
    {TXT(DEF), &Ui_frmMain::Frame2, 240, 1080, 615, 29, LBL(Label14), 495},
    {TXT(MDEF), &Ui_frmMain::Frame2, 960, 1080, 615, 31, LBL(Label15), 495},
    {TXT(STR), &Ui_frmMain::Frame2, 1680, 1080, 615, 33, LBL(Label16), 495},
    {TXT(AGI), &Ui_frmMain::Frame2, 2400, 1080, 615, 35, LBL(Label17), 495},
    {TXT(VIT), &Ui_frmMain::Frame2, 240, 1680, 615, 40, LBL(Label18), 495},
    {TXT(INT), &Ui_frmMain::Frame2, 960, 1680, 615, 41, LBL(Label19), 495},
    {TXT(DEX), &Ui_frmMain::Frame2, 1680, 1680, 615, 42, LBL(Label20), 495},
    {TXT(LUK), &Ui_frmMain::Frame2, 2400, 1680, 615, 43, LBL(Label21), 495},
    {TXT(Speed), &Ui_frmMain::Frame2, 240, 2880, 855, 61, LBL(Label22), 855},
    {TXT(ADelay), &Ui_frmMain::Frame2, 1200, 2880, 855, 63, LBL(Label23), 735},
    {TXT(aMotion), &Ui_frmMain::Frame2, 2160, 2880, 735, 65, LBL(Label24), 735},
    {TXT(DMotion), &Ui_frmMain::Frame2, 3000, 2880, 735, 66, LBL(Label25), 735},

    {TXT(DropID1), &Ui_frmMain::Frame4, 240, 600, 735, 70, LBL(Label26), 735},
    {TXT(DropID2), &Ui_frmMain::Frame4, 240, 1200, 735, 76, LBL(Label27), 735},
    {TXT(DropID3), &Ui_frmMain::Frame4, 240, 1800, 735, 77, LBL(Label28), 735},
    {TXT(DropID4), &Ui_frmMain::Frame4, 240, 2400, 735, 78, LBL(Label29), 735},
    {TXT(DropID5), &Ui_frmMain::Frame4, 240, 3000, 735, 79, LBL(Label30), 735},
    {TXT(DropID6), &Ui_frmMain::Frame4, 240, 3600, 735, 80, LBL(Label31), 735},
    {TXT(Drop1Per), &Ui_frmMain::Frame4, 1320, 600, 735, 82, LBL(Label32), 735},
    {TXT(Drop2Per), &Ui_frmMain::Frame4, 1320, 1200, 735, 88, LBL(Label34), 735},
    {TXT(Drop3Per), &Ui_frmMain::Frame4, 1320, 1800, 735, 89, LBL(Label35), 735},
    {TXT(Drop4Per), &Ui_frmMain::Frame4, 1320, 2400, 735, 90, LBL(Label36), 735},
    {TXT(Drop5Per), &Ui_frmMain::Frame4, 1320, 3000, 735, 91, LBL(Label37), 735},
    {TXT(Drop6Per), &Ui_frmMain::Frame4, 1320, 3600, 735, 92, LBL(Label38), 735},
    {TXT(DropID7), &Ui_frmMain::Frame4, 240, 4200, 735, 100, LBL(Label40), 735},
    {TXT(DropID8), &Ui_frmMain::Frame4, 2520, 600, 735, 101, LBL(Label41), 735},
    {TXT(DropID9), &Ui_frmMain::Frame4, 2520, 1200, 735, 102, LBL(Label42), 735},
    {TXT(Drop7Per), &Ui_frmMain::Frame4, 1320, 4200, 735, 104, LBL(Label39), 735},
    {TXT(DropCardID), &Ui_frmMain::Frame4, 2520, 1800, 735, 111, LBL(Label43), 735},
    {TXT(MVP1ID), &Ui_frmMain::Frame4, 2520, 2400, 735, 112, LBL(Label44), 735},
    {TXT(MVP2ID), &Ui_frmMain::Frame4, 2520, 3000, 735, 113, LBL(Label45), 735},
    {TXT(MVP3ID), &Ui_frmMain::Frame4, 2520, 3600, 735, 114, LBL(Label46), 735},
    {TXT(Drop8Per), &Ui_frmMain::Frame4, 3600, 600, 735, 115, LBL(Label47), 735},
    {TXT(Drop9Per), &Ui_frmMain::Frame4, 3600, 1200, 735, 116, LBL(Label48), 735},
    {TXT(DropCardPer), &Ui_frmMain::Frame4, 3600, 1800, 735, 117, LBL(Label49), 735},
    {TXT(MVP1Per), &Ui_frmMain::Frame4, 3600, 2400, 735, 118, LBL(Label50), 735},
    {TXT(MVP2Per), &Ui_frmMain::Frame4, 3600, 3000, 735, 119, LBL(Label51), 735},
    {TXT(MVP3Per), &Ui_frmMain::Frame4, 3600, 3600, 735, 120, LBL(Label52), 615},
    {TXT(MEXP), &Ui_frmMain::Frame4, 2520, 4200, 735, 122, LBL(Label53), 735},
    {TXT(EXPPer), &Ui_frmMain::Frame4, 3600, 4200, 735, 124, LBL(Label54), 735},
};

struct ListRow {
    DropDownList *Ui_frmMain::*list;
    const char *name;
    const grimlark::CodeList &codes;
    grimlark::ListPosition grimlark::MonsterEntry::*position;
    int left, width, tab;
};

// All four lists sit in "Combat Properties" at top 2160. They are filled in
// this order, Scale, Race, Element, element level.
constexpr ListRow kLists[] = {
    {BOX(cmbScale), grimlark::kScaleList, &grimlark::MonsterEntry::Scale, 240, 855, 44},
    {BOX(cmbRace), grimlark::kRaceList, &grimlark::MonsterEntry::Race, 1080, 1095, 45},
    {BOX(cmbElement), grimlark::kElementList, &grimlark::MonsterEntry::Element, 2160, 975, 46},
    {BOX(cmbELvl), grimlark::kElementLevelList, &grimlark::MonsterEntry::ELvl, 3120, 735, 126},
};

struct CheckBoxRow {
    QCheckBox *Ui_frmMain::*box;
    const char *name;
    grimlark::ModeFlag flag; ///< whose caption and state the box has
    int left, top, width, tab;
};

// Each mode box is named "chk" and its flag, so one name gives both.
#define CHK(flag) &Ui_frmMain::chk##flag, "chk" #flag, grimlark::flag
constexpr CheckBoxRow kCheckBoxes[] = {
    {CHK(CanMove), 240, 360, 1095, 48},       {CHK(Looter), 240, 720, 1095, 49},
    {CHK(Aggressive), 240, 1080, 1215, 50},   {CHK(Assist), 240, 1440, 1095, 51},
    {CHK(CastSensor), 240, 1800, 1455, 52},   {CHK(Boss), 240, 2160, 1215, 53},
    {CHK(Plant), 1920, 360, 1095, 54},        {CHK(CanAttack), 1920, 720, 1095, 55},
    {CHK(Detector), 1920, 1080, 1095, 56},    {CHK(ChangeTarget), 1920, 1440, 1455, 57},
    {CHK(ChangeChase), 1920, 1800, 1455, 58}, {CHK(Angry), 1920, 2160, 1455, 59},
};
static_assert(std::size(kCheckBoxes) == grimlark::ModeFlagCount, "one box a mode flag");
static_assert(std::size(kTextBoxes) == grimlark::kTextFieldCount, "one box a text field");

/// True when no two rows of `rows` hold the same value of `member`.
template <typename Row, typename Member, std::size_t N>
constexpr bool allDifferent(const Row (&rows)[N], Member Row::*member)
{
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = i + 1; j < N; ++j)
            if (rows[i].*member == rows[j].*member)
                return false;
    return true;
}
static_assert(allDifferent(kTextBoxes, &TextBoxRow::text), "each text member in one box only");
static_assert(allDifferent(kCheckBoxes, &CheckBoxRow::flag), "each mode flag in one box only");

/// True when every control of the three tables has a tab number of its own.
constexpr bool tabsUnique()
{
    int tabs[std::size(kTextBoxes) + std::size(kLists) + std::size(kCheckBoxes)] = {};
    std::size_t count = 0;
    for (const TextBoxRow &row : kTextBoxes)
        tabs[count++] = row.tab;
    for (const ListRow &row : kLists)
        tabs[count++] = row.tab;
    for (const CheckBoxRow &row : kCheckBoxes)
        tabs[count++] = row.tab;
    for (std::size_t i = 0; i < count; ++i)
        for (std::size_t j = i + 1; j < count; ++j)
            if (tabs[i] == tabs[j])
                return false;
    return true;
}
static_assert(tabsUnique(), "each control has a tab number of its own");

/// True when the field table has a caption for every box's label.
constexpr bool everyBoxHasACaption()
{
    for (const TextBoxRow &row : kTextBoxes)
        if (!grimlark::captionOf(row.text))
            return false;
    return true;
}
static_assert(everyBoxHasACaption(), "each text box's member is a field of the table");
#undef CHK
#undef TXT
#undef BOX
#undef LBL

constexpr int kTextBoxHeight = 285;
constexpr int kListHeight = 315;
constexpr int kCheckBoxHeight = 255;
constexpr int kLabelHeight = 255;
constexpr int kLabelAbove = 240;
constexpr int kListTop = 2160;

/// The setting that keeps the Open dialog's last file between runs.
constexpr QLatin1StringView kLastFileKey("Open/lastFile");
/// The setting that keeps the names' encoding the user chose last.
constexpr QLatin1StringView kNamesKey("Generate/namesIn");
constexpr QLatin1StringView kUtf8("UTF-8");
/// The setting that keeps the layout chosen last for composed monsters.
constexpr QLatin1StringView kLayoutKey("Generate/layout");
/// The setting that keeps the files opened last, newest first.
constexpr QLatin1StringView kRecentKey("Open/recentFiles");
constexpr qsizetype kRecentCount = 5;

} // namespace

frmMain::frmMain(QWidget *parent) : QMainWindow(parent), m_ui(std::make_unique<Ui_frmMain>())
{
    // A title bar with system menu and close box only: no minimize, no maximize.
    setUpWindow(*this, QStringLiteral("frmMain"), Qt::Window,
                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint,
                QStringLiteral("Grimlark [Freya/eAthena] "));
    // Database files dropped from a file manager, on the window or any field.
    FileDrop::acceptOn(*this);
    connect(new FileDrop(this), &FileDrop::filesDropped, this, &frmMain::openFiles);
    m_opener = new FileOpener(this);
    connect(m_opener, &FileOpener::opened, this, &frmMain::listFile);
    connect(m_opener, &FileOpener::refused, this, &frmMain::refuseFile);
    // SQL dumps are database files too.
    CommonDialog1.Filter = QStringLiteral("Database files (*.txt *.sql)|*.txt;*.sql|Text files "
                                          "(*.txt)|*.txt|All Files (*.*)|*.*");

    buildControls();
    buildMenus();
    setTabOrder();
    Form_Load();
    showEntry(grimlark::startupEntry());

    centralWidget()->setFixedSize(px(8895), px(7170));
    setFixedSize(px(8895), px(7170) + menuBar()->sizeHint().height());
    restorePlace(*this, QStringLiteral("editor"));
    CommonDialog1.FileName = Platform::current().setting(QString(kLastFileKey)).toString();
    applyChosenDefaults();
    showRecentFiles();
    m_ui->txtID->setFocus();
}

void frmMain::applyChosenDefaults()
{
    // Settings come from outside: a name that is no layout leaves the classic,
    // a label that names no encoding UTF-8.
    const grimlark::LayoutFormat *chosen =
        grimlark::formatNamed(toUtf8(Platform::current().setting(QString(kLayoutKey)).toString()));
    setLayout(chosen ? chosen->layout : grimlark::Layout::Classic);
    const QString namesIn = Platform::current().setting(QString(kNamesKey)).toString();
    setNamesEncoding(nullptr);
    for (const grimlark::LegacyEncoding &encoding : grimlark::kLegacyEncodings)
        if (namesIn == QLatin1String(encoding.label))
            setNamesEncoding(&encoding);
}

QStringList frmMain::recentFiles() const
{
    // From outside: paths only, a few, none absurdly long.
    QStringList recent;
    for (const QString &path : Platform::current().setting(QString(kRecentKey)).toStringList())
        if (!path.isEmpty() && path.size() < 4096 && !recent.contains(path) &&
            recent.size() < kRecentCount)
            recent << path;
    return recent;
}

void frmMain::showRecentFiles()
{
    m_ui->mnuRecent->clear();
    const QStringList recent = recentFiles();
    for (const QString &path : recent) {
        QAction *item = m_ui->mnuRecent->addAction(displayPath(path));
        connect(item, &QAction::triggered, this, [this, path] { OpenDatabasePath(path); });
    }
    m_ui->mnuRecent->setEnabled(!recent.isEmpty());
}

void frmMain::rememberRecent(const QString &path, bool listed)
{
    QStringList recent = recentFiles();
    recent.removeAll(path);
    if (listed)
        recent.prepend(path);
    while (recent.size() > kRecentCount)
        recent.removeLast();
    Platform::current().setSetting(QString(kRecentKey), recent);
    showRecentFiles();
}

frmMain::~frmMain() = default;

void frmMain::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    for (const FrameRow &row : kFrames) {
        auto *frame = new QGroupBox(QString::fromLatin1(row.caption), client);
        frame->setObjectName(QString::fromLatin1(row.name));
        frame->setGeometry(px(row.left), px(row.top), px(row.width), px(row.height));
        (*m_ui).*row.frame = frame;
    }
    // The captionless divider between the two column pairs of "Loot Tables".
    m_ui->Frame5 = new QGroupBox(m_ui->Frame4);
    m_ui->Frame5->setObjectName(QStringLiteral("Frame5"));
    m_ui->Frame5->setGeometry(px(2160), px(240), px(255), px(4215));

    for (const TextBoxRow &row : kTextBoxes) {
        QGroupBox *frame = (*m_ui).*row.frame;
        auto *box = new QLineEdit(frame);
        box->setObjectName(QString::fromLatin1(row.name));
        box->setGeometry(px(row.left), px(row.top), px(row.width), px(kTextBoxHeight));
        box->setMaxLength(std::numeric_limits<int>::max()); // text boxes take any length
        box->setCursorPosition(0);
        (*m_ui).*row.box = box;

        auto *label = new QLabel(QString::fromLatin1(grimlark::captionOf(row.text)), frame);
        label->setObjectName(QString::fromLatin1(row.labelName));
        label->setGeometry(px(row.left), px(row.top - kLabelAbove), px(row.labelWidth),
                           px(kLabelHeight));
        label->setBuddy(box); // the box's accessible name is its caption
        box->setAccessibleName(label->text());
        (*m_ui).*row.label = label;
    }

    for (const ListRow &row : kLists) {
        auto *list = new DropDownList(QString::fromLatin1(row.codes.caption), m_ui->Frame2);
        list->setObjectName(QString::fromLatin1(row.name));
        list->setGeometry(px(row.left), px(kListTop), px(row.width), px(kListHeight));
        (*m_ui).*row.list = list;
    }

    for (const CheckBoxRow &row : kCheckBoxes) {
        const grimlark::ModeFlagInfo &info = grimlark::kModeFlags[std::size_t(row.flag)];
        auto *box = new QCheckBox(QString::fromLatin1(info.caption), m_ui->Frame3);
        box->setObjectName(QString::fromLatin1(row.name));
        box->setGeometry(px(row.left), px(row.top), px(row.width), px(kCheckBoxHeight));
        box->setAutoFillBackground(true);
        (*m_ui).*row.box = box;
    }
    paintModeBoxes();
    qApp->installEventFilter(this); // for the palette a theme sets later
}

void frmMain::paintModeBoxes()
{
    // Mode boxes draw on the menu colour, with the window-text colour for their
    // captions; under a dark theme on the window's own colour, not a light patch.
    QPalette modePalette = QApplication::palette(this);
    if (!isDark(modePalette))
        modePalette.setColor(QPalette::Window,
                             QApplication::palette("QMenu").color(QPalette::Window));
    else // a box fills with its button colour, lighter than a dark window's
        modePalette.setColor(QPalette::Button, modePalette.color(QPalette::Window));
    for (const CheckBoxRow &row : kCheckBoxes)
        ((*m_ui).*row.box)->setPalette(modePalette);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    // A theme may set its palette after start-up (qt6ct does): the boxes follow.
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
        paintModeBoxes();
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::buildMenus()
{
    auto addMenu = [this](QMenu *&menu, const char *name, const QString &title) {
        menu = menuBar()->addMenu(title);
        menu->setObjectName(QString::fromLatin1(name));
    };
    auto addItem = [](QMenu *menu, QAction *&action, const char *name, const QString &text) {
        action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
    };
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    addMenu(m_ui->mnuFile, "mnuFile", QStringLiteral("File"));
    addItem(m_ui->mnuFile, m_ui->mnuNew, "mnuNew", QStringLiteral("New"));
    addItem(m_ui->mnuFile, m_ui->mnuOpen, "mnuOpen", QStringLiteral("Open"));
    m_ui->mnuRecent = m_ui->mnuFile->addMenu(QStringLiteral("Recent Files"));
    m_ui->mnuRecent->setObjectName(QStringLiteral("mnuRecent"));
    addItem(m_ui->mnuFile, m_ui->mnuUndoLoad, "mnuUndoLoad", QStringLiteral("Undo Load"));
    m_ui->mnuUndoLoad->setEnabled(false);
    m_ui->mnuFile->addSeparator();
    addItem(m_ui->mnuFile, m_ui->mnuExit, "mnuExit", QStringLiteral("Exit"));
    addMenu(m_ui->mnuGenerate, "mnuGenerate", QStringLiteral("Generate"));
    addItem(m_ui->mnuGenerate, m_ui->mnuTextGen, "mnuTextGen", QStringLiteral("Text Entry"));
    addItem(m_ui->mnuGenerate, m_ui->mnuSQLGen, "mnuSQLGen", QStringLiteral("SQL Entry"));
    // The platforms' own keys for Open and Exit (Ctrl+O; Ctrl+Q where the
    // platform has it, Alt+F4 on Windows being the system's); Generate's two
    // on G, shown in the menus. None is an Alt+letter, which never types.
    m_ui->mnuOpen->setShortcut(QKeySequence::Open);
    m_ui->mnuNew->setShortcut(QKeySequence::New);
    // A key no text box takes (Ctrl+Z and Ctrl+Shift+Z undo and redo typing).
    m_ui->mnuUndoLoad->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
    m_ui->mnuExit->setShortcut(QKeySequence::Quit);
    m_ui->mnuTextGen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    m_ui->mnuSQLGen->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
    // From any of Grimlark's windows: Ctrl+G where the user just picked a
    // monster in the browser, Ctrl+Q in Code Output.
    for (QAction *action : {m_ui->mnuNew, m_ui->mnuOpen, m_ui->mnuUndoLoad, m_ui->mnuExit,
                            m_ui->mnuTextGen, m_ui->mnuSQLGen})
        action->setShortcutContext(Qt::ApplicationShortcut);
    // The layout a line is written in: a loaded monster keeps its own, a choice
    // here is kept for the next run.
    m_ui->mnuGenerate->addSeparator();
    m_ui->mnuLayout = m_ui->mnuGenerate->addMenu(QStringLiteral("Layout"));
    m_ui->mnuLayout->setObjectName(QStringLiteral("mnuLayout"));
    auto *layoutGroup = new QActionGroup(m_ui->mnuLayout);
    // The classic first, then the others Grimlark writes.
    std::vector<const grimlark::LayoutFormat *> written{
        &grimlark::formatOf(grimlark::Layout::Classic)};
    for (const grimlark::LayoutFormat &format : grimlark::layoutFormats())
        if (format.name && format.layout != grimlark::Layout::Classic)
            written.push_back(&format);
    for (const grimlark::LayoutFormat *format : written) {
        QAction *choice = m_ui->mnuLayout->addAction(QString::fromLatin1(format->menuLabel));
        choice->setObjectName(QString::fromLatin1(format->menuName));
        choice->setCheckable(true);
        choice->setData(int(format->layout));
        layoutGroup->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, format] {
            setLayout(format->layout);
            Platform::current().setSetting(QString(kLayoutKey), QString::fromLatin1(format->name));
        });
    }
    layoutGroup->actions().constFirst()->setChecked(true);
    // The bytes the names are written in, for the server's file or table: a
    // loaded monster takes its file's, a choice here is kept for the next run.
    m_ui->mnuGenerate->addSeparator();
    m_ui->mnuNamesIn = m_ui->mnuGenerate->addMenu(QStringLiteral("Names In"));
    m_ui->mnuNamesIn->setObjectName(QStringLiteral("mnuNamesIn"));
    auto *namesGroup = new QActionGroup(m_ui->mnuNamesIn);
    auto addEncoding = [this, namesGroup](const QString &label,
                                          const grimlark::LegacyEncoding *encoding) {
        QAction *choice = m_ui->mnuNamesIn->addAction(label);
        choice->setCheckable(true);
        choice->setData(label);
        namesGroup->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, encoding] {
            setNamesEncoding(encoding);
            Platform::current().setSetting(QString(kNamesKey),
                                           encoding ? QString::fromLatin1(encoding->label)
                                                    : QString(kUtf8));
        });
    };
    addEncoding(QString(kUtf8), nullptr);
    for (const grimlark::LegacyEncoding &encoding : grimlark::kLegacyEncodings)
        addEncoding(QString::fromLatin1(encoding.label), &encoding);
    namesGroup->actions().constFirst()->setChecked(true);
    addMenu(m_ui->mnuHelp, "mnuHelp", QStringLiteral("Help"));
    addItem(m_ui->mnuHelp, m_ui->mnuAbout, "mnuAbout", QStringLiteral("About"));

    connect(m_ui->mnuOpen, &QAction::triggered, this, &frmMain::mnuOpen_Click);
    connect(m_ui->mnuNew, &QAction::triggered, this, &frmMain::mnuNew_Click);
    connect(m_ui->mnuUndoLoad, &QAction::triggered, this, &frmMain::mnuUndoLoad_Click);
    connect(m_ui->mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(m_ui->mnuTextGen, &QAction::triggered, this, &frmMain::mnuTextGen_Click);
    connect(m_ui->mnuSQLGen, &QAction::triggered, this, &frmMain::mnuSQLGen_Click);
    connect(m_ui->mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
}

void frmMain::setTabOrder()
{
    std::vector<std::pair<int, QWidget *>> fields;
    for (const TextBoxRow &row : kTextBoxes)
        fields.emplace_back(row.tab, (*m_ui).*row.box);
    for (const ListRow &row : kLists)
        fields.emplace_back(row.tab, (*m_ui).*row.list);
    for (const CheckBoxRow &row : kCheckBoxes)
        fields.emplace_back(row.tab, (*m_ui).*row.box);
    std::sort(fields.begin(), fields.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < fields.size(); ++i)
        QWidget::setTabOrder(fields[i - 1].second, fields[i].second);
}

void frmMain::Form_Load()
{
    for (const ListRow &row : kLists)
        ((*m_ui).*row.list)->addEntries(row.codes);
    // Said once, when the editor is up: a box in here would run its loop
    // inside the window's making.
    QTimer::singleShot(0, this, [this] {
        if (const QString notKept = Platform::current().settingsNotKept(); !notKept.isEmpty())
            Platform::current().message(this, notKept);
    });
}

grimlark::MonsterEntry frmMain::readEntry() const
{
    grimlark::MonsterEntry entry;
    for (const TextBoxRow &row : kTextBoxes)
        entry.*row.text = toUtf8(((*m_ui).*row.box)->text());
    for (const ListRow &row : kLists)
        entry.*row.position = static_cast<grimlark::ListPosition>(((*m_ui).*row.list)->position());
    for (const CheckBoxRow &row : kCheckBoxes)
        entry.Mode[size_t(row.flag)] = ((*m_ui).*row.box)->isChecked();
    entry.carried = m_carried;
    return entry;
}

void frmMain::showEntry(const grimlark::MonsterEntry &entry)
{
    // Every text is made before any box changes: running out of memory on a
    // huge field then leaves the boxes as they were.
    std::vector<QString> texts;
    texts.reserve(std::size(kTextBoxes));
    for (const TextBoxRow &row : kTextBoxes)
        texts.push_back(fromUtf8(entry.*row.text));
    auto text = texts.begin();
    for (const TextBoxRow &row : kTextBoxes) {
        QLineEdit *box = (*m_ui).*row.box;
        box->setText(*text++);
        box->setCursorPosition(0);
    }
    for (const ListRow &row : kLists)
        ((*m_ui).*row.list)->setPosition(entry.*row.position);
    for (const CheckBoxRow &row : kCheckBoxes)
        ((*m_ui).*row.box)->setChecked(entry.Mode[size_t(row.flag)]);
    m_carried = entry.carried;
    setLayout(entry.carried.layout);
}

void frmMain::BuildTextEntry()
{
    strGen = fromUtf8(grimlark::BuildTextEntry(readEntry()));
}

void frmMain::mnuOpen_Click()
{
    OpenDatabaseFile();
}

void frmMain::OpenDatabaseFile()
{
    const QPointer<frmMain> self = this;
    const QStringList paths = CommonDialog1.ShowOpen(this);
    if (paths.isEmpty() || !self)
        return; // a cancelled dialog ends the command silently
    Platform::current().setSetting(QString(kLastFileKey), paths.constFirst());
    for (auto path = paths.crbegin(); path != paths.crend(); ++path) // in the order chosen
        OpenDatabasePath(chosenPath(*path));
}

void frmMain::mnuNew_Click()
{
    // The start-up values, in the layout and names' encoding chosen last.
    replaceEntry(grimlark::startupEntry(), {});
    applyChosenDefaults();
}

void frmMain::mnuUndoLoad_Click()
{
    if (!m_undo)
        return;
    const Snapshot before = *m_undo;
    m_undo.reset();
    m_ui->mnuUndoLoad->setEnabled(false);
    showEntry(before.entry);
    m_loadNotes = before.notes;
    m_loadedFrom = before.loadedFrom;
    setNamesEncoding(before.namesEncoding);
    markOutputStale();
}

void frmMain::replaceEntry(const grimlark::MonsterEntry &entry, const QStringList &notes)
{
    // What the editor held is kept for Undo Load.
    m_undo = Snapshot{readEntry(), m_loadNotes, m_namesEncoding, m_loadedFrom};
    showEntry(entry);
    m_loadNotes = notes;
    m_loadedFrom = {};
    m_ui->mnuUndoLoad->setEnabled(true);
    markOutputStale();
}

void frmMain::markOutputStale()
{
    if (frmOutput *output = m_output.existing(); output && output->isVisible()) {
        strGen.clear();
        output->showLine(QString());
        output->showWarnings(
            {QStringLiteral("The editor holds another monster now: Generate again for its line.")});
    }
}

void frmMain::OpenDatabasePath(const QString &path)
{
    m_opener->open(path);
}

bool frmMain::isReading() const
{
    return m_opener->isBusy();
}

void frmMain::refuseFile(const QString &path, const QString &reason, bool whileReading)
{
    if (!QFileInfo::exists(path) && recentFiles().contains(path))
        rememberRecent(path, false); // gone: it leaves the list, and the message says so
    Platform::current().message(
        this, QStringLiteral("The file \"%1\" could not be %2: %3.")
                  .arg(displayPath(path),
                       whileReading ? QStringLiteral("read") : QStringLiteral("opened"), reason));
}

void frmMain::listFile(const std::shared_ptr<OpenedFile> &file)
{
    // The browser is made by the first file read, so a file that cannot be
    // listed leaves no window behind; an empty file still shows it.
    frmBrowser *browser = m_browser.existing();
    const bool made = !browser;
    if (made) {
        browser = m_browser.use();
        connect(browser, &frmBrowser::loadRequested, this,
                [this, browser](const QByteArray &line, const grimlark::LegacyEncoding *names,
                                ListedLine source) {
                    if (!loadLine(line, browser))
                        return;
                    setNamesEncoding(names); // a loaded monster keeps its file's
                    m_loadedFrom = source;
                });
        // Asked for: read again without a word.
        connect(browser, &frmBrowser::reloadRequested, this,
                [this](const QString &path) { m_opener->open(path, true); });
        connect(browser, &frmBrowser::fileClosed, m_opener, &FileOpener::drop);
    }
    const char *fault = nullptr;
    bool reloaded = false;
    try {
        if (!browser->addFile(std::move(file->lines), *file->encoding,
                              displayPath(QFileInfo(file->path).fileName()), file->path, &reloaded))
            fault = "it has more lines than the list can hold";
    } catch (const std::bad_alloc &) {
        fault = "there is not enough memory to hold it";
    }
    if (fault) {
        if (made)
            delete browser; // never shown, and nothing to show
        refuseFile(file->path, QString::fromLatin1(fault), false);
        return;
    }
    rememberRecent(file->path, true);
    if (reloaded && !file->reload)
        Platform::current().message(
            browser, QStringLiteral("The file \"%1\" was open already: it was read again, in its "
                                    "place in the list.")
                         .arg(displayPath(file->path)));
    if (!browser->isVisible() && !restorePlace(*browser, QStringLiteral("browser")))
        placeBeside(*browser, *this, keptInSight(), Side::Right);
    bringToFront(*browser);
}

bool frmMain::loadLine(const QByteArray &line, QWidget *asker)
{
    // A line's text is held many times over on its way into the boxes and,
    // once generated, into "Code Output" (UTF-16, the boxes' own copies and
    // layouts, the line, its warnings), and Qt's widgets end the program when
    // memory runs out: the room for all of it is asked for first. Measured
    // with a 30 MB name: some 87 times the line at the peak.
    constexpr std::size_t kCopiesOnTheWay = 96;
    QString refusal;
    try {
        if (!grimlark::haveRoomFor(std::size_t(line.size()) * kCopiesOnTheWay))
            throw std::bad_alloc();
        grimlark::MonsterEntry entry = readEntry();
        const grimlark::LoadResult result = grimlark::LoadEntryIntoEditor(
            std::string_view(line.constData(), std::size_t(line.size())), entry);
        if (result.loaded()) {
            QStringList notes;
            for (const std::string &note : result.notes)
                notes << fromUtf8(note);
            replaceEntry(entry, notes);
        } else
            refusal = fromUtf8(result.message());
    } catch (const std::bad_alloc &) {
        // Nothing is half-shown: showEntry fills the boxes only from a whole entry,
        // and a box that could not take its text keeps its old one.
        refusal = QStringLiteral("There is not enough memory to load this line. The line was "
                                 "not loaded.");
    }
    if (refusal.isEmpty())
        return true;
    Platform::current().message(asker, refusal);
    return false;
}

void frmMain::openFiles(const QStringList &paths)
{
    // Each file read is listed above the ones before it: read in reverse, the
    // files stand in the list in the order they were named.
    for (auto path = paths.crbegin(); path != paths.crend(); ++path)
        OpenDatabasePath(QDir::isRelativePath(*path) ? QDir::current().absoluteFilePath(*path)
                                                     : *path);
}

void frmMain::mnuTextGen_Click()
{
    BuildTextEntry();
    showGenerated(grimlark::Output::Text);
}

void frmMain::setLayout(grimlark::Layout layout)
{
    m_carried.layout = layout;
    if (m_ui->mnuLayout)
        for (QAction *choice : m_ui->mnuLayout->actions())
            choice->setChecked(choice->data().toInt() == int(layout));
}

void frmMain::setNamesEncoding(const grimlark::LegacyEncoding *encoding)
{
    m_namesEncoding = encoding;
    const QString label = encoding ? QString::fromLatin1(encoding->label) : QString(kUtf8);
    for (QAction *choice : m_ui->mnuNamesIn->actions())
        choice->setChecked(choice->data().toString() == label);
}

grimlark::NameBytes frmMain::namesInServerBytes(const grimlark::MonsterEntry &entry,
                                                QStringList &problems) const
{
    grimlark::NameBytes names{entry.Name, entry.JName,
                              m_namesEncoding ? m_namesEncoding->label : "UTF-8",
                              grimlark::otherNameOf(entry)};
    if (!m_namesEncoding)
        return names;
    // The iRO name only where it is written: a classic line has none.
    const bool later = grimlark::otherNameField(grimlark::formatOf(entry.carried.layout)) >= 0;
    const std::pair<std::string *, const char *> all[] = {
        {&names.name, "DB Name"}, {&names.jname, "Display Name"}, {&names.other, "iRO name"}};
    for (const auto &[bytes, field] : all) {
        if (bytes == &names.other && !later) {
            names.other = names.jname; // as the names' bytes of a classic line have it
            continue;
        }
        if (const std::optional<std::string> encoded = encodeLegacy(*bytes, *m_namesEncoding))
            *bytes = *encoded;
        else
            problems << QStringLiteral("%1: it cannot be written in %2; it is written in UTF-8.")
                            .arg(QLatin1String(field), QLatin1String(m_namesEncoding->label));
    }
    return names;
}

void frmMain::mnuSQLGen_Click()
{
    QStringList unwritable; // warned again, with the rest, as the statement is shown
    const grimlark::MonsterEntry entry = readEntry();
    const grimlark::NameBytes names = namesInServerBytes(entry, unwritable);
    strGen = fromUtf8(grimlark::BuildSqlEntry(entry, &names));
    showGenerated(grimlark::Output::Sql);
}

void frmMain::showGenerated(grimlark::Output form)
{
    // What the server will not take as meant, the line left as it is.
    const QPointer<frmBrowser> browser = m_browser.existing();
    const ListedLine loadedFrom = m_loadedFrom;
    const auto where = [browser, loadedFrom](const std::string &id) -> std::optional<std::string> {
        const QString found = browser ? browser->whereIsId(fromUtf8(id), loadedFrom) : QString();
        return found.isEmpty() ? std::nullopt : std::optional<std::string>(toUtf8(found));
    };
    const grimlark::MonsterEntry entry = readEntry();
    QStringList warnings;
    const grimlark::NameBytes names = namesInServerBytes(entry, warnings);
    for (const std::string &warning : grimlark::entryWarnings(entry, where, form, &names))
        warnings << fromUtf8(warning);
    warnings << m_loadNotes; // of the line the editor's values were loaded from
    // What no box shows, and where the line goes.
    if (const std::string also = grimlark::alsoInThisLine(entry); !also.empty())
        warnings << fromUtf8(also);
    const grimlark::LayoutFormat &layout = grimlark::formatOf(entry.carried.layout);
    if (const char *note = form == grimlark::Output::Text ? layout.lineNote : layout.tableNote)
        warnings << QString::fromLatin1(note);
    // What the layout it is written in cannot hold, as --convert says it.
    for (const grimlark::LineReport &lost : grimlark::carriedLosses(entry, entry.carried.layout))
        warnings << fromUtf8(lost.field + ": " + lost.message);
    // Names that are not ASCII need the line saved in their encoding.
    const auto ascii = [](const std::string &text) {
        return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
    };
    if (m_namesEncoding && form == grimlark::Output::Text &&
        !(ascii(entry.Name) && ascii(entry.JName)))
        warnings << QStringLiteral("The names are in %1: save the line in that encoding.")
                        .arg(QLatin1String(m_namesEncoding->label));

    const bool made = !m_output.existing();
    frmOutput *output = m_output.use();
    if (made) // its reference empties as soon as it closes
        connect(output, &frmOutput::closing, this, [this] { m_output.release(); });
    const int before = output->height();
    output->showWarnings(warnings); // its size, before it is placed
    if (!output->isVisible() && !restorePlace(*output, QStringLiteral("output"))) {
        placeBeside(*output, *this, keptInSight(), Side::Below);
    } else if (output->isVisible() && output->height() > before) {
        // Grown by its warnings: placed afresh where it now runs off the
        // screen or over the editor's title, menu, ID and names.
        const QRect frame = output->frameGeometry();
        const QScreen *screen = output->screen();
        if (frame.intersects(keptInSight()) ||
            (screen && !screen->availableGeometry().contains(frame)))
            placeBeside(*output, *this, keptInSight(), Side::Below);
    }
    // Shown before the text is set, so that the text is laid out once, at the
    // box's real width; nothing is drawn in between.
    output->showInFront();
    output->showLine(strGen);
}

QRect frmMain::keptInSight() const
{
    // The title and menu bars and the top band of fields, down to the names.
    const QRect frame = frameGeometry();
    const QWidget *names = m_ui->txtJName;
    const int bottom = names->mapToGlobal(QPoint(0, names->height() - 1)).y();
    return {frame.topLeft(), QPoint(frame.right(), std::max(frame.top(), bottom))};
}

void frmMain::mnuAbout_Click()
{
    frmAbout *about = m_about.use();
    bringToFront(*about);
}

void frmMain::mnuExit_Click()
{
    close(); // the one way out: the closing runs Form_Unload
}

void frmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept(); // closing cannot be refused
}

void frmMain::Form_Unload()
{
    rememberPlace(*this, QStringLiteral("editor"));
    m_opener->abandon(); // a read stuck in the system does not hold the ending
    if (frmOutput *output = m_output.existing())
        output->close();
    if (frmAbout *about = m_about.existing())
        about->close();
    if (frmBrowser *browser = m_browser.existing())
        browser->close();
    // This window is closing already: every way of ending (File > Exit, the close
    // box, a termination signal) closes it, and its closing runs this routine.
    m_output.release();
    m_about.release();
    m_browser.release();
}

} // namespace grimlark::ui
