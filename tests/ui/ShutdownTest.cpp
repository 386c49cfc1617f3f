// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// Ending the program while a modal dialog is open, each way a user or the
// session can: File > Exit (as a screen reader triggers it), the close box and a
// termination signal. The real dialogs run; every way ends the event loop with
// status 0, every window gone and nothing freed twice (run under the sanitizers).

#include "UiTestSupport.h"

#include "ui/common/QuitOnSignal.h"
#include "ui/frmAbout/frmAbout.h"
#include "ui/frmBrowser/frmBrowser.h"
#include "ui/frmMain/frmMain.h"

#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <memory>

using namespace grimlark::ui;
using grimlark::test::control;
using grimlark::test::window;

class ShutdownTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void endsWhileAModalIsOpen_data();
    void endsWhileAModalIsOpen();
};

void ShutdownTest::initTestCase()
{
    catchTerminationSignals();
    quitOnTerminationSignals(qApp, [] {
        auto *editor = window<frmMain>();
        if (editor && editor->isVisible()) // a closed one is hidden
            editor->close();
    });
    qApp->setQuitOnLastWindowClosed(true); // as in the program
}

void ShutdownTest::endsWhileAModalIsOpen_data()
{
    QTest::addColumn<QString>("modal");
    QTest::addColumn<QString>("way");
    for (const char *modal :
         {"comment refusal", "System Info message", "Open dialog", "stalled read's progress",
          "missing file's refusal", "folder's refusal"})
        for (const char *way : {"File > Exit", "close box", "SIGTERM"})
            QTest::addRow("%s, %s", modal, way)
                << QString::fromLatin1(modal) << QString::fromLatin1(way);
}

void ShutdownTest::endsWhileAModalIsOpen()
{
    QFETCH(QString, modal);
    QFETCH(QString, way);
#ifndef Q_OS_UNIX
    if (way == QLatin1String("SIGTERM"))
        QSKIP("Windows has no termination signals");
#endif
    grimlark::test::FakePlatform stalling;
    stalling.stallReads = true;
    stalling.openAnswers << QStringLiteral("/stalled/mob_db.txt");
    const bool stall = modal == QLatin1String("stalled read's progress");
    if (stall) // File > Open of a file whose read hangs in the system
        Platform::setCurrent(&stalling);
    const QPointer<frmMain> editor = new frmMain;
    editor->show();
    QTemporaryDir folder;
    const QString comment = folder.filePath(QStringLiteral("comment.txt"));
    QFile file(comment);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("//1002,PORING\n") > 0);
    file.close();

    // Opens the modal from inside the event loop; its own loop runs there.
    QTimer::singleShot(0, editor, [editor, modal, comment] {
        if (modal == QLatin1String("comment refusal")) {
            editor->OpenDatabasePath(comment);
            auto *listed = new QTimer(editor); // the file is read off this thread
            connect(listed, &QTimer::timeout, editor, [listed] {
                auto *browser = window<frmBrowser>();
                if (!browser)
                    return;
                listed->stop();
                listed->deleteLater();
                control<QListView>(browser, "lstDB")
                    ->setCurrentIndex(control<QListView>(browser, "lstDB")->model()->index(0, 0));
                control<QPushButton>(browser, "cmdLoad")->click();
            });
            listed->start(10);
        } else if (modal == QLatin1String("missing file's refusal")) {
            // The read's refusal, in a message, with nothing of the read left.
            editor->OpenDatabasePath(comment + QStringLiteral(".gone"));
        } else if (modal == QLatin1String("folder's refusal")) {
            editor->OpenDatabasePath(QFileInfo(comment).absolutePath());
        } else if (modal == QLatin1String("System Info message")) {
            control<QAction>(editor, "mnuAbout")->trigger();
            control<QPushButton>(window<frmAbout>(), "cmdSysInfo")->click();
        } else {
            control<QAction>(editor, "mnuOpen")->trigger();
        }
    });
    // Ends the program once the modal is up.
    auto *ender = new QTimer(qApp);
    // The read's progress is modeless: the editor stays in use meanwhile.
    const auto blocked = std::make_shared<bool>(false);
    connect(ender, &QTimer::timeout, qApp, [ender, way, editor, stall, blocked] {
        const QWidget *progress = editor ? editor->findChild<QDialog *>("dlgProgress") : nullptr;
        if (stall ? !(progress && progress->isVisible()) : !QApplication::activeModalWidget())
            return;
        *blocked = stall && QApplication::activeModalWidget();
        ender->deleteLater();
        if (way == QLatin1String("File > Exit"))
            control<QAction>(editor, "mnuExit")->trigger();
        else if (way == QLatin1String("close box"))
            editor->close();
        else
            (void)std::raise(SIGTERM);
    });
    ender->start(10);

    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!*blocked);
    Platform::setCurrent(nullptr);
    grimlark::test::flushDeletes();
    QVERIFY(!editor && !window<frmBrowser>() && !window<frmAbout>());
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

GRIMLARK_UI_TEST_MAIN(ShutdownTest)
#include "ShutdownTest.moc"
