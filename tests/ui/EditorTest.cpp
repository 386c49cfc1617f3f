// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// The editor window driven by object name: its start-up state, what Text Entry
// makes of its controls, the keyboard walk, and that every caption shows whole.

#include "UiTestSupport.h"

#include "core/CodeTables.h"
#include "core/FieldTable.h"
#include "core/Layout.h"
#include "core/LegacyEncoding.h"
#include "tests/common/Fixtures.h"
#include "ui/common/Appearance.h"
#include "ui/common/DropDownList.h"
#include "ui/common/Settings.h"
#include "ui/frmAbout/frmAbout.h"
#include "ui/frmBrowser/frmBrowser.h"
#include "ui/frmMain/frmMain.h"
#include "ui/frmOutput/LineTextBox.h"
#include "ui/frmOutput/frmOutput.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

using grimlark::ui::DropDownList;
using namespace grimlark::test;

namespace {

const QString kStartupLine = QStringLiteral(
    "7000,Mob_Name,Mob Name,1,100,100,10,10,1,10,20,4,4,5,5,5,5,5,5,10,12,-1,-1,-1,0,200,1500,"
    "562,288,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");

QStringList fieldsOf(const QString &line)
{
    return line.split(QLatin1Char(','));
}

} // namespace

class EditorTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheSampleMonster();
    void listsHoldTheirEntriesInCodeOrder();
    void textEntryAfterStartGivesTheStartupLine();
    void controlsGiveTheirCodes_data();
    void controlsGiveTheirCodes();
    void textTypedIntoAListIsNeverUsed();
    void fieldsKeepAnyLength();
    void altWithALetterNeverTypes();
    void exitClosesEveryWindow_data();
    void exitClosesEveryWindow();
    void everyCaptionShowsWhole();
    void fieldsCarryTheirCaptionsForAssistiveTools();
    void tabWalksTheFieldsInTheirNumberedOrder();
    void windowCannotBeResized();
    void placesAndTheLastFileAreKeptBetweenRuns();
    void undoLoadAndNewGiveValuesBack();
    void themeFontsPerClassDoNotReachTheWindows();
    void recentFilesReopenAndLeaveWhenGone();
    void settingsReadBackAreChecked();
    void namesInWarnsWhatItsEncodingCannotHold_data();
    void namesInWarnsWhatItsEncodingCannotHold();
    void settingsThatCannotBeKeptAreSaidOnce();
    void itemDatabaseChosenNamesTheDrops();
};

void EditorTest::startsWithTheSampleMonster()
{
    UiSession session;
    frmMain *editor = session.editor;
    QCOMPARE(editor->windowTitle(), QStringLiteral("Grimlark [Freya/eAthena] "));
    QVERIFY(editor->readEntry() == startupEntry());
    QVERIFY(editor->strGen.isEmpty());
    QCOMPARE(control<QLineEdit>(editor, "txtJName")->text(), QStringLiteral("Mob Name"));
    for (const auto *caption : {"Scale", "Race", "Element", "Elvl"}) {
        auto *list = control<DropDownList>(
            editor,
            QStringLiteral("cmb%1").arg(caption == QLatin1String("Elvl") ? "ELvl" : caption));
        QCOMPARE(list->currentText(), QString::fromLatin1(caption));
        QCOMPARE(list->currentIndex(), -1);
    }
    for (QCheckBox *box : control<QGroupBox>(editor, "Frame3")->findChildren<QCheckBox *>())
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    QTRY_COMPARE(QApplication::focusWidget(),
                 static_cast<QWidget *>(control<QLineEdit>(editor, "txtID")));
}

void EditorTest::listsHoldTheirEntriesInCodeOrder()
{
    UiSession session;
    const std::pair<DropDownList *, const grimlark::CodeList *> lists[] = {
        {control<DropDownList>(session.editor, "cmbScale"), &grimlark::kScaleList},
        {control<DropDownList>(session.editor, "cmbRace"), &grimlark::kRaceList},
        {control<DropDownList>(session.editor, "cmbElement"), &grimlark::kElementList},
        {control<DropDownList>(session.editor, "cmbELvl"), &grimlark::kElementLevelList},
    };
    for (const auto &[list, codes] : lists) {
        QCOMPARE(list->count(), codes->size());
        for (int i = 0; i < list->count(); ++i)
            QCOMPARE(list->itemText(i), QString::fromLatin1(codes->entries[size_t(i)].data()));
    }
    QCOMPARE(control<DropDownList>(session.editor, "cmbRace")->itemText(0),
             QStringLiteral("Formless"));
    QCOMPARE(control<DropDownList>(session.editor, "cmbRace")->itemText(11),
             QStringLiteral("Non-Boss"));
    QCOMPARE(control<DropDownList>(session.editor, "cmbElement")->itemText(9),
             QStringLiteral("Undead"));
}

void EditorTest::textEntryAfterStartGivesTheStartupLine()
{
    UiSession session;
    QCOMPARE(session.generateTextEntry(), kStartupLine);
    QCOMPARE(session.editor->strGen.count(QLatin1Char(',')), 56);
}

void EditorTest::controlsGiveTheirCodes_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QList<int>>("positions"); // Scale, Race, Element, ELvl
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("code");

    const QList<int> none{-1, -1, -1, -1};
    QTest::newRow("Can Move, Aggressive, Can Attack")
        << QStringList{"chkCanMove", "chkAggressive", "chkCanAttack"} << none << int(kMode)
        << "133";
    const QStringList all{"chkCanMove",    "chkLooter",       "chkAggressive",  "chkAssist",
                          "chkCastSensor", "chkBoss",         "chkPlant",       "chkCanAttack",
                          "chkDetector",   "chkChangeTarget", "chkChangeChase", "chkAngry"};
    QTest::newRow("every mode box") << all << none << int(kMode) << "4095";
    QTest::newRow("Large") << QStringList{} << QList<int>{2, -1, -1, -1} << int(kScale) << "2";
    QTest::newRow("Non-Boss") << QStringList{} << QList<int>{-1, 11, -1, -1} << int(kRace) << "11";
    QTest::newRow("Fire, no level")
        << QStringList{} << QList<int>{-1, -1, 3, -1} << int(kElement) << "3";
    QTest::newRow("Fire, level 2")
        << QStringList{} << QList<int>{-1, -1, 3, 1} << int(kElement) << "43";
    QTest::newRow("level 1, no element")
        << QStringList{} << QList<int>{-1, -1, -1, 0} << int(kElement) << "2-1";
}

void EditorTest::controlsGiveTheirCodes()
{
    QFETCH(QStringList, ticked);
    QFETCH(QList<int>, positions);
    QFETCH(int, field);
    QFETCH(QString, code);

    UiSession session;
    frmMain *editor = session.editor;
    for (const QString &name : ticked)
        QTest::mouseClick(control<QCheckBox>(editor, name), Qt::LeftButton);
    DropDownList *lists[] = {
        control<DropDownList>(editor, "cmbScale"), control<DropDownList>(editor, "cmbRace"),
        control<DropDownList>(editor, "cmbElement"), control<DropDownList>(editor, "cmbELvl")};
    for (int i = 0; i < 4; ++i)
        if (positions[i] >= 0)
            lists[i]->setCurrentIndex(positions[i]); // as picking the entry does
    QCOMPARE(fieldsOf(session.generateTextEntry()).value(field), code);
}

void EditorTest::textTypedIntoAListIsNeverUsed()
{
    UiSession session;
    auto *scale = control<DropDownList>(session.editor, "cmbScale");
    scale->lineEdit()->selectAll();
    QTest::keyClicks(scale->lineEdit(), QStringLiteral("Large"));
    QTest::keyClick(scale->lineEdit(), Qt::Key_Return);
    QCOMPARE(scale->currentIndex(), -1);
    QCOMPARE(scale->count(), 3);
    QCOMPARE(session.generateTextEntry(), kStartupLine);

    scale->setCurrentIndex(0);
    QTest::keyClicks(scale->lineEdit(), QStringLiteral("Large"));
    QTest::keyClick(scale->lineEdit(), Qt::Key_Return);
    QCOMPARE(scale->currentIndex(), 0);
    QCOMPARE(fieldsOf(session.generateTextEntry()).value(21), QStringLiteral("0"));
}

void EditorTest::fieldsKeepAnyLength()
{
    UiSession session;
    grimlark::MonsterEntry entry = session.editor->readEntry();
    entry.Name = std::string(40000, 'N'); // as a loaded line may hold
    session.editor->showEntry(entry);
    QCOMPARE(fieldsOf(session.generateTextEntry()).value(1).size(), 40000);
}

void EditorTest::altWithALetterNeverTypes()
{
    UiSession session;
    auto *id = control<QLineEdit>(session.editor, "txtID");
    id->setFocus();
    id->setCursorPosition(0);
    for (const Qt::Key key : {Qt::Key_F, Qt::Key_G, Qt::Key_X})
        QTest::keyClick(id, key, Qt::AltModifier);
    QTest::keyClick(id, Qt::Key_1);
    QCOMPARE(id->text(), QStringLiteral("17000"));
}

void EditorTest::exitClosesEveryWindow_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<bool>("othersOpen");
    QTest::newRow("File > Exit, all windows open") << true << true;
    QTest::newRow("close box, all windows open") << false << true;
    QTest::newRow("File > Exit, editor alone") << true << false;
    QTest::newRow("close box, editor alone") << false << false;
}

void EditorTest::exitClosesEveryWindow()
{
    QFETCH(bool, byMenu);
    QFETCH(bool, othersOpen);
    using namespace grimlark::ui;

    UiSession session;
    QPointer<frmMain> editor = session.editor;
    if (othersOpen) {
        control<QAction>(editor, "mnuTextGen")->trigger();
        control<QAction>(editor, "mnuAbout")->trigger();
        session.open(session.writeFile("db.txt", "1001,A,A\n"));
        QVERIFY(window<frmOutput>() && window<frmAbout>() && window<frmBrowser>());
    }
    if (byMenu)
        control<QAction>(editor, "mnuExit")->trigger();
    else
        editor->close();
    flushDeletes();

    QVERIFY(editor.isNull());
    QVERIFY(!window<frmMain>() && !window<frmOutput>() && !window<frmAbout>() &&
            !window<frmBrowser>());
    QVERIFY(QApplication::topLevelWidgets().isEmpty()); // which is what ends the program
}

void EditorTest::everyCaptionShowsWhole()
{
    UiSession session;
    frmMain *editor = session.editor;
    QStringList clipped;

    for (QLabel *label : editor->findChildren<QLabel *>()) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        if (needed > label->contentsRect().width() ||
            label->fontMetrics().height() > label->height())
            clipped << label->objectName();
    }
    for (QCheckBox *box : editor->findChildren<QCheckBox *>()) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QRect text = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        if (box->fontMetrics().horizontalAdvance(box->text()) > text.width())
            clipped << box->objectName();
    }
    for (QGroupBox *frame : editor->findChildren<QGroupBox *>()) {
        // The caption starts a few pixels in and must end before the frame's right edge.
        if (frame->fontMetrics().horizontalAdvance(frame->title()) + 16 > frame->width())
            clipped << frame->objectName();
    }
    for (DropDownList *list : editor->findChildren<DropDownList *>()) {
        QStringList texts{list->caption()};
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        const int room = list->lineEdit()->width() - 4; // the line edit's own side margins
        for (const QString &text : texts)
            if (list->fontMetrics().horizontalAdvance(text) > room)
                clipped << QStringLiteral("%1:%2 (%3 px in %4, %5)")
                               .arg(list->objectName(), text)
                               .arg(list->fontMetrics().horizontalAdvance(text))
                               .arg(room)
                               .arg(QFontInfo(list->font()).family());
    }
    for (QAction *menu : editor->menuBar()->actions()) {
        const QRect item = editor->menuBar()->actionGeometry(menu);
        if (editor->menuBar()->fontMetrics().horizontalAdvance(menu->text()) > item.width())
            clipped << menu->text();
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(", "))));
}

void EditorTest::fieldsCarryTheirCaptionsForAssistiveTools()
{
    UiSession session;
    for (QLabel *label : session.editor->findChildren<QLabel *>()) {
        auto *box = qobject_cast<QLineEdit *>(label->buddy());
        QVERIFY2(box, qPrintable(label->objectName()));
        QCOMPARE(box->accessibleName(), label->text());
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
    QCOMPARE(session.editor->findChildren<QLabel *>().count(), grimlark::kTextFieldCount);
    for (DropDownList *list : session.editor->findChildren<DropDownList *>())
        QCOMPARE(list->accessibleName(), list->caption());
    for (QCheckBox *box : session.editor->findChildren<QCheckBox *>())
        QVERIFY(!box->text().isEmpty());
}

void EditorTest::tabWalksTheFieldsInTheirNumberedOrder()
{
    UiSession session;
    frmMain *editor = session.editor;
    QSet<QWidget *> fields;
    for (QWidget *widget : editor->findChildren<QWidget *>())
        if (qobject_cast<DropDownList *>(widget) || qobject_cast<QCheckBox *>(widget) ||
            widget->objectName().startsWith(QLatin1String("txt")))
            fields.insert(widget);
    // The focus chain is the Tab order; it returns to where it started.
    QStringList walk;
    QWidget *widget = control<QLineEdit>(editor, "txtID");
    do {
        if (fields.contains(widget))
            walk << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != control<QLineEdit>(editor, "txtID") && walk.size() <= fields.size());

    const int count = grimlark::kTextFieldCount + 4 + grimlark::ModeFlagCount;
    QCOMPARE(fields.size(), count);
    QCOMPARE(walk.size(), count);
    QCOMPARE(QSet<QString>(walk.begin(), walk.end()).size(), count);
    QCOMPARE(walk.first(), QStringLiteral("txtID"));
    QCOMPARE(walk.last(), QStringLiteral("cmbELvl"));
    QCOMPARE(walk.indexOf("txtLvl"), walk.indexOf("txtJName") + 1);
    QVERIFY(walk.indexOf("txtRange3") < walk.indexOf("txtDEF"));
    QCOMPARE(walk.indexOf("chkCanMove"), walk.indexOf("cmbElement") + 1);
    QCOMPARE(walk.indexOf("txtSpeed"), walk.indexOf("chkAngry") + 1);
    QCOMPARE(walk.indexOf("txtDMotion") + 1, walk.indexOf("txtDropID1"));
}

void EditorTest::windowCannotBeResized()
{
    UiSession session;
    frmMain *editor = session.editor;
    QCOMPARE(editor->centralWidget()->size(), QSize(593, 478));
    QCOMPARE(editor->minimumSize(), editor->maximumSize());
    QVERIFY(!(editor->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(editor->windowFlags() & Qt::WindowMaximizeButtonHint));
}

// What the program keeps between runs comes back: the editor's place and the
// Open dialog's last file (a fake store: nothing reaches the user's settings).
void EditorTest::placesAndTheLastFileAreKeptBetweenRuns()
{
    UiSession session;
    const QString path = session.writeFile("db.txt", "1\n");
    session.open(path);
    session.editor->move(140, 90);
    const QPoint place = session.editor->pos();
    session.editor->close(); // the program ends: its places are remembered
    flushDeletes();

    const QPointer<frmMain> next = new frmMain; // the next run
    next->show();
    QCOMPARE(next->pos(), place);
    session.platform.openAnswers.clear();
    control<QAction>(next, "mnuOpen")->trigger(); // cancelled
    QCOMPARE(session.platform.openStartPaths.last(), path);
    QCOMPARE(control<QAction>(next, "mnuOpen")->shortcut(), QKeySequence(QKeySequence::Open));
    QCOMPARE(control<QAction>(next, "mnuTextGen")->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+G")));
    QCOMPARE(control<QAction>(next, "mnuSQLGen")->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+Shift+G")));
}

// A load and New can be undone; Code Output then shows no other monster's line.
void EditorTest::undoLoadAndNewGiveValuesBack()
{
    UiSession session;
    auto *name = control<QLineEdit>(session.editor, "txtJName");
    name->setText(QStringLiteral("Mine"));
    auto *undo = control<QAction>(session.editor, "mnuUndoLoad");
    QVERIFY(!undo->isEnabled());
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    session.open(session.writeFile("mob_db.txt", QByteArray::fromStdString(sampleLine("1002"))));
    control<QPushButton>(window<frmBrowser>(), "cmdLoad")->click(); // no row: refused
    session.platform.messages.clear();
    auto *list = control<QListView>(window<frmBrowser>(), "lstDB");
    list->setCurrentIndex(list->model()->index(0, 0));
    control<QPushButton>(window<frmBrowser>(), "cmdLoad")->click();
    QCOMPARE(name->text(), QStringLiteral("Poring"));
    QVERIFY(control<LineTextBox>(window<frmOutput>(), "txtMobInfo")->toPlainText().isEmpty());
    QVERIFY(undo->isEnabled());
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(name->text(), QStringLiteral("Mine"));
    QVERIFY(!undo->isEnabled());

    QTest::keyClick(name, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(session.editor->readEntry(), grimlark::startupEntry());
    undo->trigger();
    QCOMPARE(name->text(), QStringLiteral("Mine"));
}

// A platform theme that sets its own larger font per widget class (as KDE
// Plasma and qt6ct with its fonts do, some after start-up) reaches no control:
// every window draws in the program's own face and size, so its captions fit.
void EditorTest::themeFontsPerClassDoNotReachTheWindows()
{
    UiSession session;
    QFont theme(QStringLiteral("DejaVu Serif"));
    theme.setPointSize(14);
    for (const char *name : {"QLabel", "QPushButton", "QCheckBox", "QGroupBox", "QMenuBar",
                             "QLineEdit", "QListView", "QMessageBox"})
        QApplication::setFont(theme, name);
    QApplication::setFont(theme); // the theme's general font, after start-up
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    control<QAction>(session.editor, "mnuAbout")->trigger();
    session.open(session.writeFile("mob_db.txt", "1002\n"));
    const QFont own = grimlark::ui::applicationFont();
    QStringList themed;
    for (QWidget *top : QApplication::topLevelWidgets())
        for (QWidget *widget : top->findChildren<QWidget *>())
            if (QFontInfo(widget->font()).pixelSize() > QFontInfo(own).pixelSize() + 3)
                themed << widget->objectName() + QLatin1Char('/') +
                              widget->metaObject()->className();
    QVERIFY2(themed.isEmpty(), qPrintable(themed.join(QStringLiteral(", "))));

    // A dark palette after start-up: the Mode boxes fill with the window's colour.
    const QPalette before = QApplication::palette();
    QPalette dark(QColor(30, 30, 30), QColor(40, 40, 40));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Button, QColor(90, 90, 90));
    QApplication::setPalette(dark);
    auto *box = control<QCheckBox>(session.editor, "chkCanMove");
    const QColor fill = box->palette().color(box->backgroundRole());
    QApplication::setPalette(before);
    QVERIFY2(fill.lightness() <= dark.color(QPalette::Window).lightness() + 8,
             qPrintable(fill.name()));
}

// The files opened last are offered again, newest first, and kept between
// runs; one that is gone says so and leaves the list. Several files at once.
void EditorTest::recentFilesReopenAndLeaveWhenGone()
{
    UiSession session;
    const QString one = session.writeFile("one.txt", "1\n");
    const QString two = session.writeFile("two.sql", "2\n");
    session.platform.openAnswers << one + QLatin1Char('\n') + two;
    control<QAction>(session.editor, "mnuOpen")->trigger();
    session.waitForReads();
    // Listed in the order chosen: the first chosen read last, so newest.
    QCOMPARE(session.platform.settings["Open/recentFiles"].toStringList(), (QStringList{one, two}));
    auto *recent = session.editor->findChild<QMenu *>("mnuRecent");
    QCOMPARE(recent->actions().size(), 2);

    QVERIFY(QFile::remove(one));
    recent->actions().at(0)->trigger();
    session.waitForReads();
    QCOMPARE(session.platform.messages.size(), 1);
    QVERIFY(session.platform.messages.constFirst().contains(QLatin1String("no such file")));
    QCOMPARE(session.platform.settings["Open/recentFiles"].toStringList(), QStringList{two});
    QCOMPARE(recent->actions().size(), 1);
}

void EditorTest::settingsReadBackAreChecked()
{
    // The settings' file comes from outside: what is no choice is the default.
    using namespace grimlark::ui;
    UiSession session;
    auto &stored = session.platform.settings;
    const struct {
        QVariant layout, namesIn;
        grimlark::Layout layoutRead;
        const char *namesRead; // null: UTF-8
    } rows[] = {
        {QStringLiteral("eathena58"), QStringLiteral("GB18030 (GBK)"),
         grimlark::Layout::LaterEathena, "GB18030 (GBK)"},
        {QStringLiteral("rathena"), QStringLiteral("UTF-8"), grimlark::Layout::RAthena, nullptr},
        {QStringLiteral("eathena57"), QStringLiteral("UTF-8"), grimlark::Layout::Classic, nullptr},
        {QVariant(), QStringLiteral("gb18030"), grimlark::Layout::Classic, nullptr},
        {42, QStringList{QStringLiteral("GB18030")}, grimlark::Layout::Classic, nullptr},
    };
    for (const auto &row : rows) {
        stored["Generate/layout"] = row.layout;
        stored["Generate/namesIn"] = row.namesIn;
        QCOMPARE(Settings::layout().layout, row.layoutRead);
        const grimlark::LegacyEncoding *names = Settings::namesIn();
        QCOMPARE(names ? QString::fromLatin1(names->label) : QString(),
                 QString::fromLatin1(row.namesRead));
    }
    const QString tooLong(5000, QLatin1Char('a'));
    stored["Open/recentFiles"] = QStringList{"", "a", tooLong, "a", "b", "c", "d", "e", "f"};
    RecentFiles recent;
    QCOMPARE(recent.paths(), (QStringList{"a", "b", "c", "d", "e"}));
    recent.add("f");
    QCOMPARE(recent.paths(), (QStringList{"f", "a", "b", "c", "d"}));
    recent.remove("b");
    QCOMPARE(stored["Open/recentFiles"].toStringList(), (QStringList{"f", "a", "c", "d"}));
}

void EditorTest::namesInWarnsWhatItsEncodingCannotHold_data()
{
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("jname");
    QTest::addColumn<QString>("warned");
    // U+FFFD would come back from the bytes a converter writes for it.
    QTest::newRow("U+FFFD in Shift-JIS")
        << "Shift-JIS (CP932)" << QStringLiteral("A\uFFFD") << "Poring"
        << "DB Name";
    QTest::newRow("U+FFFD in EUC-JP") << "EUC-JP"
                                      << "Poring" << QStringLiteral("\uFFFDB") << "Display Name";
    // A classic line has no iRO name to warn of.
    QTest::newRow("Japanese in Latin-1")
        << "Latin-1"
        << "PORING" << QStringLiteral("\u30DD\u30EA\u30F3") << "Display Name";
}

// Generate > Names In warns each name its encoding cannot hold, and only the
// names the line holds.
void EditorTest::namesInWarnsWhatItsEncodingCannotHold()
{
    QFETCH(QString, encoding);
    QFETCH(QString, name);
    QFETCH(QString, jname);
    QFETCH(QString, warned);
    UiSession session;
    for (QAction *choice : session.editor->findChild<QMenu *>("mnuNamesIn")->actions())
        if (choice->data().toString() == encoding)
            choice->trigger();
    control<QLineEdit>(session.editor, "txtName")->setText(name);
    control<QLineEdit>(session.editor, "txtJName")->setText(jname);
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    const QString warnings = window<frmOutput>()->findChild<QLabel *>("lblWarnings")->text();
    QVERIFY2(warnings.contains(warned + QStringLiteral(": it cannot be written in ") + encoding),
             qPrintable(warnings));
    QVERIFY2(warnings.count(QLatin1String("cannot be written")) == 1 &&
                 !warnings.contains(QLatin1String("iRO name")),
             qPrintable(warnings));
}

// Settings that cannot be written are said once, when the editor is up.
void EditorTest::settingsThatCannotBeKeptAreSaidOnce()
{
    UiSession session;
    QTest::qWait(1);
    QVERIFY(session.platform.messages.isEmpty());
    session.platform.notKept = QStringLiteral("not kept");
    const QPointer<frmMain> editor = new frmMain;
    editor->show();
    QTRY_COMPARE(session.platform.messages, QStringList{"not kept"});
    control<QAction>(editor, "mnuTextGen")->trigger();
    QTest::qWait(1);
    QCOMPARE(session.platform.messages.size(), 1);
    editor->close();
}

// File > Item Database...: the files chosen are read (off the window
// thread) and kept for the next run; the drop boxes name their items, and
// Code Output says which drop names none.
void EditorTest::itemDatabaseChosenNamesTheDrops()
{
    UiSession session;
    session.platform.openAnswers << session.writeFile(
        "item_db.txt", "// items\n909,Jellopy,Jellopy,3,6,,10,,,,,0xFFFFFFFF,7,2,,,,,,{},{},{}\n");
    control<QAction>(session.editor, "mnuItemDatabase")->trigger();
    QCOMPARE(session.platform.settings["Items/files"].toStringList().size(), 1);
    auto *drop = control<QLineEdit>(session.editor, "txtDropID1");
    drop->setText(QStringLiteral("909"));
    QTRY_COMPARE(drop->toolTip(), QStringLiteral("<p>909: Jellopy (Jellopy)</p>"));
    control<QLineEdit>(session.editor, "txtDropID2")->setText(QStringLiteral("910"));
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    const QString warnings = window<frmOutput>()->findChild<QLabel *>("lblWarnings")->text();
    QVERIFY2(warnings.contains(QLatin1String("Drop 2 Item ID: the item database has no item")),
             qPrintable(warnings));
}

GRIMLARK_UI_TEST_MAIN(EditorTest)
#include "EditorTest.moc"
