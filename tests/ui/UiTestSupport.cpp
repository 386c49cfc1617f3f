// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "UiTestSupport.h"

#include "ui/common/Appearance.h"
#include "ui/frmMain/frmMain.h"
#include "ui/frmOutput/LineTextBox.h"
#include "ui/frmOutput/frmOutput.h"

#include <QAction>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>

namespace grimlark::test {

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

UiSession::UiSession()
{
    ui::Platform::setCurrent(&platform);
    editor = new frmMain;
    editor->show();
    editor->activateWindow();
    if (!QTest::qWaitForWindowExposed(editor))
        qWarning("the editor was not exposed");
}

UiSession::~UiSession()
{
    if (editor)
        editor->close();
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    flushDeletes();
    ui::Platform::setCurrent(nullptr);
}

QString UiSession::writeFile(const QString &name, const QByteArray &bytes)
{
    QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the fixture %s", qPrintable(path));
    return path;
}

void UiSession::open(const QString &path)
{
    platform.openAnswers << path;
    control<QAction>(editor, "mnuOpen")->trigger();
    waitForReads();
}

void UiSession::waitForReads()
{
    // Files are read off the window thread; the list fills when the read ends.
    auto idle = [this] { return !editor || !editor->isReading(); };
    if (!QTest::qWaitFor(idle, 20000))
        qWarning("a read did not end");
}

QString UiSession::generateTextEntry()
{
    control<QAction>(editor, "mnuTextGen")->trigger();
    const auto *box = control<LineTextBox>(window<frmOutput>(), "txtMobInfo");
    return box->exactText(0, box->document()->characterCount());
}

int runUiTest(int argc, char **argv, QObject *test)
{
    // Qt's test paths: nothing a test does (the Open dialog's history) reaches
    // the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    ui::applyAppearance(*qApp);
    qApp->setQuitOnLastWindowClosed(false);
    return QTest::qExec(test, argc, argv);
}

} // namespace grimlark::test
