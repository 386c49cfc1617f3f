// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "ui_frmMain.h"

#include "core/CodeTables.h"
#include "core/FieldTable.h"
#include "core/Layout.h"
#include "core/LegacyEncoding.h"
#include "ui/common/Appearance.h"
#include "ui/common/DropDownList.h"
#include "ui/common/Text.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>

#include <algorithm>
#include <limits>
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

} // namespace

void Ui_frmMain::setupUi(QMainWindow *window)
{
    auto *client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    window->setCentralWidget(client);

    for (const FrameRow &row : kFrames) {
        auto *frame = new QGroupBox(QString::fromLatin1(row.caption), client);
        frame->setObjectName(QString::fromLatin1(row.name));
        frame->setGeometry(px(row.left), px(row.top), px(row.width), px(row.height));
        this->*row.frame = frame;
    }
    // The captionless divider between the two column pairs of "Loot Tables".
    Frame5 = new QGroupBox(Frame4);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    Frame5->setGeometry(px(2160), px(240), px(255), px(4215));

    for (const TextBoxRow &row : kTextBoxes) {
        QGroupBox *frame = this->*row.frame;
        auto *box = new QLineEdit(frame);
        box->setObjectName(QString::fromLatin1(row.name));
        box->setGeometry(px(row.left), px(row.top), px(row.width), px(kTextBoxHeight));
        box->setMaxLength(std::numeric_limits<int>::max()); // text boxes take any length
        box->setCursorPosition(0);
        this->*row.box = box;

        auto *label = new QLabel(QString::fromLatin1(grimlark::captionOf(row.text)), frame);
        label->setObjectName(QString::fromLatin1(row.labelName));
        label->setGeometry(px(row.left), px(row.top - kLabelAbove), px(row.labelWidth),
                           px(kLabelHeight));
        label->setBuddy(box); // the box's accessible name is its caption
        box->setAccessibleName(label->text());
        this->*row.label = label;
    }

    for (const ListRow &row : kLists) {
        auto *list = new DropDownList(QString::fromLatin1(row.codes.caption), Frame2);
        list->setObjectName(QString::fromLatin1(row.name));
        list->setGeometry(px(row.left), px(kListTop), px(row.width), px(kListHeight));
        this->*row.list = list;
    }

    for (const CheckBoxRow &row : kCheckBoxes) {
        const grimlark::ModeFlagInfo &info = grimlark::kModeFlags[std::size_t(row.flag)];
        auto *box = new QCheckBox(QString::fromLatin1(info.caption), Frame3);
        box->setObjectName(QString::fromLatin1(row.name));
        box->setGeometry(px(row.left), px(row.top), px(row.width), px(kCheckBoxHeight));
        box->setAutoFillBackground(true);
        this->*row.box = box;
    }

    for (const ListRow &row : kLists)
        (this->*row.list)->addEntries(row.codes);

    std::vector<std::pair<int, QWidget *>> fields;
    for (const TextBoxRow &row : kTextBoxes)
        fields.emplace_back(row.tab, this->*row.box);
    for (const ListRow &row : kLists)
        fields.emplace_back(row.tab, this->*row.list);
    for (const CheckBoxRow &row : kCheckBoxes)
        fields.emplace_back(row.tab, this->*row.box);
    std::sort(fields.begin(), fields.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < fields.size(); ++i)
        QWidget::setTabOrder(fields[i - 1].second, fields[i].second);

    auto addMenu = [window](QMenu *&menu, const char *name, const QString &title) {
        menu = window->menuBar()->addMenu(title);
        menu->setObjectName(QString::fromLatin1(name));
    };
    auto addItem = [](QMenu *menu, QAction *&action, const char *name, const QString &text) {
        action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
    };
    window->menuBar()->setObjectName(QStringLiteral("menuBar"));
    addMenu(mnuFile, "mnuFile", QStringLiteral("File"));
    addItem(mnuFile, mnuNew, "mnuNew", QStringLiteral("New"));
    addItem(mnuFile, mnuOpen, "mnuOpen", QStringLiteral("Open"));
    mnuRecent = mnuFile->addMenu(QStringLiteral("Recent Files"));
    mnuRecent->setObjectName(QStringLiteral("mnuRecent"));
    // The monster into the server's own file: in place of the record it was
    // loaded from, or as the last monster of a file chosen.
    addItem(mnuFile, mnuSaveIntoFile, "mnuSaveIntoFile", QStringLiteral("Save Into File"));
    addItem(mnuFile, mnuAddToFile, "mnuAddToFile", QStringLiteral("Add To File..."));
    addItem(mnuFile, mnuUndoLoad, "mnuUndoLoad", QStringLiteral("Undo Load"));
    mnuUndoLoad->setEnabled(false);
    addItem(mnuFile, mnuItemDatabase, "mnuItemDatabase", QStringLiteral("Item Database..."));
    mnuFile->addSeparator();
    addItem(mnuFile, mnuExit, "mnuExit", QStringLiteral("Exit"));
    addMenu(mnuGenerate, "mnuGenerate", QStringLiteral("Generate"));
    addItem(mnuGenerate, mnuTextGen, "mnuTextGen", QStringLiteral("Text Entry"));
    addItem(mnuGenerate, mnuSQLGen, "mnuSQLGen", QStringLiteral("SQL Entry"));
    // The platforms' own keys for Open, Save and Exit (Ctrl+O, Ctrl+S; Ctrl+Q where the
    // platform has it, Alt+F4 on Windows being the system's); Generate's two
    // on G, shown in the menus. None is an Alt+letter, which never types.
    mnuOpen->setShortcut(QKeySequence::Open);
    mnuNew->setShortcut(QKeySequence::New);
    mnuSaveIntoFile->setShortcut(QKeySequence::Save);
    // A key no text box takes (Ctrl+Z and Ctrl+Shift+Z undo and redo typing).
    mnuUndoLoad->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
    mnuExit->setShortcut(QKeySequence::Quit);
    mnuTextGen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    mnuSQLGen->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
    // From any of Grimlark's windows: Ctrl+G where the user just picked a
    // monster in the browser, Ctrl+Q in Code Output.
    for (QAction *action :
         {mnuNew, mnuOpen, mnuSaveIntoFile, mnuUndoLoad, mnuExit, mnuTextGen, mnuSQLGen})
        action->setShortcutContext(Qt::ApplicationShortcut);
    // The layout a line is written in: a loaded monster keeps its own, a choice
    // here is kept for the next run.
    mnuGenerate->addSeparator();
    mnuLayout = mnuGenerate->addMenu(QStringLiteral("Layout"));
    mnuLayout->setObjectName(QStringLiteral("mnuLayout"));
    auto *layoutGroup = new QActionGroup(mnuLayout);
    // The classic first, then the others Grimlark writes.
    std::vector<const grimlark::LayoutFormat *> written{
        &grimlark::formatOf(grimlark::Layout::Classic)};
    for (const grimlark::LayoutFormat &format : grimlark::layoutFormats())
        if (format.name && format.layout != grimlark::Layout::Classic)
            written.push_back(&format);
    for (const grimlark::LayoutFormat *format : written) {
        QAction *choice = mnuLayout->addAction(QString::fromLatin1(format->menuLabel));
        choice->setObjectName(QString::fromLatin1(format->menuName));
        choice->setCheckable(true);
        choice->setData(int(format->layout));
        layoutGroup->addAction(choice);
    }
    layoutGroup->actions().constFirst()->setChecked(true);
    // For an import file of rAthena's: each drop in place of the main
    // entry's drop of its box, where it would otherwise be added after them.
    addItem(mnuGenerate, mnuDropsByIndex, "mnuDropsByIndex", QStringLiteral("Drops By Index"));
    mnuDropsByIndex->setCheckable(true);
    // The bytes the names are written in, for the server's file or table: a
    // loaded monster takes its file's, a choice here is kept for the next run.
    mnuGenerate->addSeparator();
    mnuNamesIn = mnuGenerate->addMenu(QStringLiteral("Names In"));
    mnuNamesIn->setObjectName(QStringLiteral("mnuNamesIn"));
    auto *namesGroup = new QActionGroup(mnuNamesIn);
    auto addEncoding = [this, namesGroup](const QString &label) {
        QAction *choice = mnuNamesIn->addAction(label);
        choice->setCheckable(true);
        choice->setData(label);
        namesGroup->addAction(choice);
    };
    addEncoding(QStringLiteral("UTF-8"));
    for (const grimlark::LegacyEncoding &encoding : grimlark::kLegacyEncodings)
        addEncoding(QString::fromLatin1(encoding.label));
    namesGroup->actions().constFirst()->setChecked(true);
    addMenu(mnuHelp, "mnuHelp", QStringLiteral("Help"));
    addItem(mnuHelp, mnuAbout, "mnuAbout", QStringLiteral("About"));
}

grimlark::MonsterEntry Ui_frmMain::entry() const
{
    grimlark::MonsterEntry entry;
    for (const TextBoxRow &row : kTextBoxes)
        entry.*row.text = toUtf8((this->*row.box)->text());
    for (const ListRow &row : kLists)
        entry.*row.position = static_cast<grimlark::ListPosition>((this->*row.list)->position());
    for (const CheckBoxRow &row : kCheckBoxes)
        entry.Mode[size_t(row.flag)] = (this->*row.box)->isChecked();
    return entry;
}

void Ui_frmMain::showEntry(const grimlark::MonsterEntry &entry)
{
    // Every text is made before any box changes: running out of memory on a
    // huge field then leaves the boxes as they were.
    std::vector<QString> texts;
    texts.reserve(std::size(kTextBoxes));
    for (const TextBoxRow &row : kTextBoxes)
        texts.push_back(fromUtf8(entry.*row.text));
    auto text = texts.begin();
    for (const TextBoxRow &row : kTextBoxes) {
        QLineEdit *box = this->*row.box;
        box->setText(*text++);
        box->setCursorPosition(0);
    }
    for (const ListRow &row : kLists)
        (this->*row.list)->setPosition(entry.*row.position);
    for (const CheckBoxRow &row : kCheckBoxes)
        (this->*row.box)->setChecked(entry.Mode[size_t(row.flag)]);
}

std::vector<QCheckBox *> Ui_frmMain::modeBoxes() const
{
    std::vector<QCheckBox *> boxes;
    for (const CheckBoxRow &row : kCheckBoxes)
        boxes.push_back(this->*row.box);
    return boxes;
}

} // namespace grimlark::ui
