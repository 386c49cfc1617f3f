// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// The About dialog: its labels, one dialog at most, every way of closing it, and
// each branch of the System Info launcher over a fake registry.

#include "UiTestSupport.h"

#include "core/Registry.h"
#include "ui/common/Text.h"
#include "ui/frmAbout/frmAbout.h"
#include "ui/frmMain/frmMain.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace grimlark::test;
frmAbout *existingAbout()
{
    return window<frmAbout>();
}

namespace {
const std::string kFirst = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
const std::string kSecond = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");
} // namespace

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void showsTitleVersionAndDescription();
    void helpAboutTwiceShowsOneDialog();
    void everyWayOfClosingDestroysIt_data();
    void everyWayOfClosingDestroysIt();
    void systemInfo_data();
    void systemInfo();
    void usageLaidOutForAMessageBox();
};

void AboutTest::showsTitleVersionAndDescription()
{
    UiSession session;
    control<QAction>(session.editor, "mnuAbout")->trigger();
    frmAbout *about = existingAbout();
    QVERIFY(about && about->isVisible());
    QVERIFY(!about->parentWidget());
    QVERIFY(!about->isModal());
    QCOMPARE(about->windowTitle(), QStringLiteral("About Grimlark"));
    QCOMPARE(control<QLabel>(about, "lblTitle")->text(), QStringLiteral("Grimlark"));
    QCOMPARE(control<QLabel>(about, "lblVersion")->text(), QStringLiteral("Version 1.0.4"));
    QCOMPARE(control<QLabel>(about, "lblDescription")->text(),
             QStringLiteral("Grimlark is a monster creation automation tool for Ragnarok Online "
                            "servers running Freya and Athena server emulation software."));
    QVERIFY(control<QLabel>(about, "Label1")
                ->text()
                .contains(QLatin1String("requests and suggestions")));
    QCOMPARE(control<QPushButton>(about, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    QVERIFY(control<QLabel>(about, "lblDisclaimer")->y() >=
            about->height()); // below the client area
    QTRY_COMPARE(QApplication::focusWidget(),
                 static_cast<QWidget *>(control<QPushButton>(about, "cmdOK")));
    for (QLabel *label : about->findChildren<QLabel *>()) {
        if (label == control<QLabel>(about, "lblDisclaimer") ||
            label == control<QLabel>(about, "picIcon"))
            continue;
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(label->objectName())); // the text shows whole
    }
}

void AboutTest::helpAboutTwiceShowsOneDialog()
{
    UiSession session;
    control<QAction>(session.editor, "mnuAbout")->trigger();
    frmAbout *first = existingAbout();
    control<QAction>(session.editor, "mnuAbout")->trigger();
    QCOMPARE(existingAbout(), first);
    int dialogs = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        dialogs += qobject_cast<frmAbout *>(window) ? 1 : 0;
    QCOMPARE(dialogs, 1);
}

void AboutTest::everyWayOfClosingDestroysIt_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK") << "OK";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("close box") << "close";
}

void AboutTest::everyWayOfClosingDestroysIt()
{
    QFETCH(QString, how);
    UiSession session;
    control<QAction>(session.editor, "mnuAbout")->trigger();
    QPointer<frmAbout> about = existingAbout();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    if (how == QLatin1String("OK"))
        QTest::mouseClick(control<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    else if (how == QLatin1String("Enter"))
        QTest::keyClick(about, Qt::Key_Return);
    else if (how == QLatin1String("Esc"))
        QTest::keyClick(about, Qt::Key_Escape);
    else
        about->close();
    flushDeletes();
    QVERIFY(about.isNull());

    control<QAction>(session.editor, "mnuAbout")->trigger();
    QVERIFY(existingAbout() && existingAbout()->isVisible());
    QCOMPARE(control<QLabel>(existingAbout(), "lblVersion")->text(),
             QStringLiteral("Version 1.0.4"));
}

void AboutTest::systemInfo_data()
{
    QTest::addColumn<bool>("firstKey");
    QTest::addColumn<bool>("secondKey");
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<bool>("canStart");
    QTest::addColumn<QString>("started"); // empty: nothing started
    QTest::addColumn<bool>("unavailable");

    const QString tool = QStringLiteral("C:\\Program Files\\MSInfo\\msinfo32.exe");
    const QString fromFolder = QStringLiteral("C:\\Tools\\MSINFO32.EXE");
    QTest::newRow("no registry keys") << false << false << false << true << "" << true;
    QTest::newRow("first key, starts") << true << false << false << true << tool << false;
    QTest::newRow("first key, cannot start") << true << false << false << false << tool << true;
    QTest::newRow("second key, file there") << false << true << true << true << fromFolder << false;
    QTest::newRow("second key, no file") << false << true << false << true << "" << true;
}

void AboutTest::systemInfo()
{
    QFETCH(bool, firstKey);
    QFETCH(bool, secondKey);
    QFETCH(bool, fileThere);
    QFETCH(bool, canStart);
    QFETCH(QString, started);
    QFETCH(bool, unavailable);

    UiSession session;
    FakePlatform &platform = session.platform;
    if (firstKey)
        platform.fakeRegistry.keys[kFirst]["PATH"] = {
            grimlark::kRegSz, std::string(R"(C:\Program Files\MSInfo\msinfo32.exe)") + '\0'};
    if (secondKey)
        platform.fakeRegistry.keys[kSecond]["MSINFO"] = {grimlark::kRegSz,
                                                         std::string("C:\\Tools") + '\0'};
    if (fileThere)
        platform.files.insert(QStringLiteral("C:\\Tools\\MSINFO32.EXE"));
    platform.canStart = canStart;

    control<QAction>(session.editor, "mnuAbout")->trigger();
    QTest::mouseClick(control<QPushButton>(existingAbout(), "cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(platform.started, started.isEmpty() ? QStringList() : QStringList{started});
    QCOMPARE(platform.messages, unavailable ? QStringList{kUnavailable} : QStringList());
    QVERIFY(existingAbout()->isVisible()); // the dialog stays as it was
}

// The usage a Windows user sees in a box (--help, a mistaken option): no
// console columns, which a proportional face would misalign.
void AboutTest::usageLaidOutForAMessageBox()
{
    const QString console = QStringLiteral("Usage: grimlark [options] [file...]\n"
                                           "Editor for the monster database.\n"
                                           "\n"
                                           "Options:\n"
                                           "  -h, --help          Displays help.\n"
                                           "  --check             Check each file without a\n"
                                           "                      window: status 0.\n"
                                           "  --server <name>     With --check.\n"
                                           "  --very-long-option-name-without-room\n"
                                           "                      Its description below.\n"
                                           "\n"
                                           "Arguments:\n"
                                           "  file                Database files.\n");
    QCOMPARE(grimlark::ui::usageForMessageBox(console),
             QStringLiteral("Usage: grimlark [options] [file...]\n"
                            "Editor for the monster database.\n"
                            "\n"
                            "Options:\n"
                            "-h, --help \u2014 Displays help.\n"
                            "\n"
                            "--check \u2014 Check each file without a window: status 0.\n"
                            "\n"
                            "--server <name> \u2014 With --check.\n"
                            "\n"
                            "--very-long-option-name-without-room \u2014 Its description below.\n"
                            "\n"
                            "Arguments:\n"
                            "file \u2014 Database files."));
}

GRIMLARK_UI_TEST_MAIN(AboutTest)
#include "AboutTest.moc"
