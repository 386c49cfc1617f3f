// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// The "Code Output" window: one window at most, replaced text, focus, and the
// same end for Close and the close box.

#include "UiTestSupport.h"

#include "ui/frmBrowser/frmBrowser.h"
#include "ui/frmMain/frmMain.h"
#include "ui/frmOutput/LineTextBox.h"
#include "ui/frmOutput/frmOutput.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

using namespace grimlark::test;
frmOutput *existingOutput()
{
    return window<frmOutput>();
}

class OutputTest : public QObject {
    Q_OBJECT
private slots:
    void firstTextEntryShowsTheLineWithFocus();
    void secondTextEntryReusesTheWindow();
    void closingEmptiesTheReference_data();
    void closingEmptiesTheReference();
    void enterBreaksTheLineAndEscapeCloses();
    void copyAndShortcutsFromAnyWindow();
    void longLineWrapsWithAVerticalBarOnly();
    void copyGivesTheLineExactly();
    void sqlEntryShowsTheStatement();
    void warningsShowUnderTheLine();
    void hugeValuesKeepTheWindowOnTheScreen();
};

void OutputTest::firstTextEntryShowsTheLineWithFocus()
{
    UiSession session;
    QVERIFY(!existingOutput());
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    frmOutput *output = existingOutput();
    QVERIFY(output);
    QVERIFY(output->isVisible());
    QCOMPARE(output->windowTitle(), QStringLiteral("Code Output"));
    QCOMPARE(control<LineTextBox>(output, "txtMobInfo")->toPlainText(), session.editor->strGen);
    QVERIFY(!session.editor->strGen.isEmpty());
    // A window of its own, not a transient of the editor.
    QVERIFY(!output->parentWidget());
    QVERIFY(!output->windowHandle() || !output->windowHandle()->transientParent());
    QTRY_COMPARE(QApplication::focusWidget(),
                 static_cast<QWidget *>(control<LineTextBox>(output, "txtMobInfo")));
}

void OutputTest::secondTextEntryReusesTheWindow()
{
    UiSession session;
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    QPointer<frmOutput> first = existingOutput();
    QTest::keyClicks(control<LineTextBox>(first, "txtMobInfo"),
                     QStringLiteral("typed by the user"));

    control<QLineEdit>(session.editor, "txtID")->setText(QStringLiteral("7001"));
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    QCOMPARE(existingOutput(), first.data());
    QCOMPARE(control<LineTextBox>(first, "txtMobInfo")->toPlainText(), session.editor->strGen);
    QVERIFY(control<LineTextBox>(first, "txtMobInfo")
                ->toPlainText()
                .startsWith(QLatin1String("7001,")));
}

void OutputTest::closingEmptiesTheReference_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Close") << true;
    QTest::newRow("close box") << false;
}

void OutputTest::closingEmptiesTheReference()
{
    QFETCH(bool, byButton);
    UiSession session;
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    QPointer<frmOutput> first = existingOutput();
    if (byButton)
        QTest::mouseClick(control<QPushButton>(first, "cmdClose"), Qt::LeftButton);
    else
        first->close();

    // Generated again before the closed window is destroyed: a fresh one shows.
    control<QLineEdit>(session.editor, "txtID")->setText(QStringLiteral("42"));
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    QVERIFY(existingOutput() && existingOutput() != first);
    flushDeletes();
    QVERIFY(first.isNull());
    QVERIFY(existingOutput());
    QCOMPARE(control<LineTextBox>(existingOutput(), "txtMobInfo")->toPlainText(),
             session.editor->strGen);
    QVERIFY(session.editor->isVisible());
}

void OutputTest::enterBreaksTheLineAndEscapeCloses()
{
    UiSession session;
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    const QPointer<frmOutput> output = existingOutput();
    QTest::keyClick(control<LineTextBox>(output, "txtMobInfo"), Qt::Key_End);
    QTest::keyClick(control<LineTextBox>(output, "txtMobInfo"), Qt::Key_Return);
    QCOMPARE(control<LineTextBox>(output, "txtMobInfo")->document()->blockCount(), 2);
    QTest::keyClick(control<LineTextBox>(output, "txtMobInfo"), Qt::Key_Escape);
    QTRY_VERIFY(!output || !output->isVisible());
    QVERIFY(session.editor->isVisible());
}

// Copy, and Ctrl+C with nothing selected, put the whole line on the clipboard;
// the editor's shortcuts work from Code Output and from the browser.
void OutputTest::copyAndShortcutsFromAnyWindow()
{
    UiSession session;
    control<QLineEdit>(session.editor, "txtName")->setText(QStringLiteral("a\u00A0b"));
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    frmOutput *output = existingOutput();
    QApplication::clipboard()->clear();
    control<QPushButton>(output, "cmdCopy")->click();
    QCOMPARE(QApplication::clipboard()->text(), session.editor->strGen);
    QApplication::clipboard()->clear();
    QTest::keyClick(control<LineTextBox>(output, "txtMobInfo"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), session.editor->strGen);

    QTest::keyClick(control<LineTextBox>(output, "txtMobInfo"), Qt::Key_G,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY2(session.editor->strGen.startsWith(QLatin1String("DROP TEMPORARY TABLE")),
             qPrintable(session.editor->strGen));

    session.open(session.writeFile("mob_db.txt", "1002\n"));
    QTest::keyClick(control<QListView>(window<frmBrowser>(), "lstDB"), Qt::Key_G,
                    Qt::ControlModifier);
    QVERIFY2(session.editor->strGen.startsWith(QStringLiteral("7000,a\u00A0b,")),
             qPrintable(session.editor->strGen));
}

void OutputTest::longLineWrapsWithAVerticalBarOnly()
{
    UiSession session;
    control<QLineEdit>(session.editor, "txtJName")->setText(QString(3000, QLatin1Char('x')));
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    QPlainTextEdit *box = control<LineTextBox>(existingOutput(), "txtMobInfo");
    QCOMPARE(box->document()->blockCount(), 1); // one line, drawn over several rows
    QVERIFY(box->verticalScrollBar()->maximum() > 0);
    QCOMPARE(box->horizontalScrollBar()->maximum(), 0);
    box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
    QCOMPARE(box->verticalScrollBar()->value(), box->verticalScrollBar()->maximum());
}

// What the document would turn into blanks or line breaks comes out as it went in,
// as do fields far longer than any word wrapping searches through.
void OutputTest::copyGivesTheLineExactly()
{
    UiSession session;
    control<QLineEdit>(session.editor, "txtName")
        ->setText(QStringLiteral("a\u00A0b\u2028c\u2029d\uFDD0e\uFDD1f\r\ng"));
    control<QLineEdit>(session.editor, "txtJName")->setText(QString(40000, QLatin1Char('j')));
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    auto *box = control<LineTextBox>(existingOutput(), "txtMobInfo");
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text().toUtf8(), session.editor->strGen.toUtf8());

    // A part of it, inside the name: the no-break space to the frame mark.
    QCOMPARE(box->exactText(6, 13), session.editor->strGen.mid(6, 7));

    // Lines joined (Backspace at a line's start) and split (Enter) keep every
    // other break as it was.
    QTextCursor cursor(box->document()->findBlockByNumber(2)); // "e", after U+FDD0
    box->setTextCursor(cursor);
    QTest::keyClick(box, Qt::Key_Backspace);
    cursor = QTextCursor(box->document()->findBlockByNumber(0)); // "...c", before U+2029
    cursor.movePosition(QTextCursor::EndOfBlock);
    box->setTextCursor(cursor);
    QTest::keyClick(box, Qt::Key_Return);
    QString expected = session.editor->strGen;
    expected.remove(expected.indexOf(u'\uFDD0'), 1)
        .replace(QStringLiteral("c\u2029"), QStringLiteral("c\n\u2029"));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), expected);
}

// Generate > SQL Entry shows its statement in the same window, copied out exactly.
void OutputTest::sqlEntryShowsTheStatement()
{
    UiSession session;
    control<QLineEdit>(session.editor, "txtJName")->setText(QStringLiteral("Cat o' Nine Tails"));
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    QPointer<frmOutput> output = existingOutput();
    control<QAction>(session.editor, "mnuSQLGen")->trigger();
    QCOMPARE(existingOutput(), output.data());
    const QString shown = control<LineTextBox>(output, "txtMobInfo")->toPlainText();
    QVERIFY2(shown.contains(QLatin1String("`mob_db`;\nINSERT INTO `grimlark_mob` VALUES "
                                          "(7000,'Mob_Name','Cat o'' Nine Tails',")),
             qPrintable(shown));
    QTest::keyClick(control<LineTextBox>(output, "txtMobInfo"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(control<LineTextBox>(output, "txtMobInfo"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), session.editor->strGen);
}

// What the server will not take shows under the line, which stays as it is;
// with nothing to say, the window keeps its drawn size.
void OutputTest::warningsShowUnderTheLine()
{
    UiSession session;
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    frmOutput *output = existingOutput();
    auto *warnings = output->findChild<QLabel *>("lblWarnings");
    QVERIFY(warnings->isVisible());
    QVERIFY(warnings->text().startsWith(QLatin1String("Scale: No Scale is selected")));
    QVERIFY(output->height() > 245);
    QCOMPARE(control<LineTextBox>(output, "txtMobInfo")->toPlainText(), session.editor->strGen);

    // A monster both servers read as meant: an ID in both ranges, an element
    // with a level.
    for (const char *list : {"cmbScale", "cmbRace", "cmbElement", "cmbELvl"})
        session.editor->findChild<QComboBox *>(list)->setCurrentIndex(0);
    control<QLineEdit>(session.editor, "txtID")->setText(QStringLiteral("1500"));
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    QVERIFY2(!warnings->isVisible(), qPrintable(warnings->text()));
    QCOMPARE(output->height(), 245);

    // The ID already in an open file, with where it stands.
    session.open(session.writeFile("mob_db.txt", "// monsters\n1500,FOO,Foo\n"));
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    QCOMPARE(warnings->text(),
             QStringLiteral("ID: The ID is already in an open file: ID 1500 is \"FOO\", "
                            "mob_db.txt line 2."));

    // A later monster written in the classic layout: what that layout cannot
    // hold, as --convert says it.
    QByteArray later = "1113,DROPS,Drops,Drops ii,3,55,0,4,3,1,10,13,0,0,1,4,4,1,12,15,10,12,1,3,"
                       "23,0x3083,400,1372,672,480";
    for (int i = 0; i < 28; ++i)
        later += ",0";
    session.open(session.writeFile("later.txt", later + "\n"));
    control<QListView>(window<frmBrowser>(), "lstDB")
        ->setCurrentIndex(control<QListView>(window<frmBrowser>(), "lstDB")->model()->index(0, 0));
    control<QPushButton>(window<frmBrowser>(), "cmdLoad")->click();
    control<QAction>(session.editor, "mnuLayoutClassic")->trigger();
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    QVERIFY2(warnings->text().contains(
                 "iRO name: The iRO name \"Drops ii\" has no place in the classic layout.") &&
                 warnings->text().contains(
                     "Mode: Mode flags 0x3000 are not known to the servers of the classic layout."),
             qPrintable(warnings->text()));
}

// A name of 50,000 characters, a tab and a right-to-left override in it, and
// text in every number box: each quoted short, the window no taller than the
// screen, its Close in reach.
void OutputTest::hugeValuesKeepTheWindowOnTheScreen()
{
    UiSession session;
    const QString name = QStringLiteral("A\t\u202E") + QString(50000, QLatin1Char('x'));
    control<QLineEdit>(session.editor, "txtName")->setText(name);
    for (QLineEdit *box : session.editor->findChildren<QLineEdit *>())
        if (box->objectName() != QLatin1String("txtName") &&
            box->objectName() != QLatin1String("txtJName"))
            box->setText(QStringLiteral("not a number, and a long one at that: ") + name);
    control<QAction>(session.editor, "mnuTextGen")->trigger();
    frmOutput *output = existingOutput();
    const QString warnings = output->findChild<QLabel *>("lblWarnings")->text();
    QVERIFY2(warnings.contains(QStringLiteral("\"A<tab><U+202E>xxx")),
             qPrintable(warnings.left(300)));
    QVERIFY(!warnings.contains(QString(41, QLatin1Char('x'))));
    QVERIFY(output->frameGeometry().height() <= output->screen()->availableGeometry().height());
    QVERIFY(output->screen()->availableGeometry().contains(
        control<QPushButton>(output, "cmdClose")->mapToGlobal(QPoint(1, 1))));
}

GRIMLARK_UI_TEST_MAIN(OutputTest)
#include "OutputTest.moc"
