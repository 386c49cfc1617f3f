// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include "tests/common/Controls.h"
#include "tests/common/FakeRegistry.h"
#include "ui/common/Platform.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <chrono>
#include <map>
#include <set>
#include <thread>
#include <vector>

namespace grimlark::ui {
class FindDialog;
class LineTextBox;
class frmAbout;
class frmBrowser;
class frmMain;
class frmOutput;
} // namespace grimlark::ui

namespace grimlark::test {

// The windows, by the names the suites know them by.
using ui::FindDialog;
using ui::frmAbout;
using ui::frmBrowser;
using ui::frmMain;
using ui::frmOutput;
using ui::LineTextBox;

/// Operating-system services that answer from fields and record what was asked.
class FakePlatform final : public ui::Platform {
public:
    QStringList
        openAnswers; ///< what the Open dialog yields in turn (paths a line); none left = cancel
    QStringList openStartPaths;
    QStringList openFilters;
    QStringList messages;
    QStringList started;
    bool canStart = true;
    std::set<QString> files;
    FakeRegistry fakeRegistry;

    QStringList openTitles; ///< each Open dialog's caption
    QStringList openFileNames(QWidget *, const QString &filter, const QString &startPath,
                              const QString &title) override
    {
        openTitles << title;
        openFilters << filter;
        openStartPaths << startPath;
        if (openAnswers.isEmpty())
            return {};
        return openAnswers.takeFirst().split(QLatin1Char('\n')); // several, one a line
    }
    void message(QWidget *, const QString &text) override { messages << text; }
    /// What each question is answered in turn (a choice's index); none left: closed.
    std::vector<int> choiceAnswers;
    QStringList questions;
    int choose(QWidget *, const QString &text, const QStringList &) override
    {
        questions << text;
        if (choiceAnswers.empty())
            return -1;
        const int answer = choiceAnswers.front();
        choiceAnswers.erase(choiceAnswers.begin());
        return answer;
    }
    QString notKept; ///< settingsNotKept's answer
    QString settingsNotKept() override { return notKept; }
    bool startDetached(const QString &commandLine) override
    {
        started << commandLine;
        return canStart && !commandLine.isEmpty();
    }
    bool fileExists(const QString &path) override { return files.count(path) > 0; }
    Registry &registry() override { return fakeRegistry; }
    /// As on Windows: the lookup runs against the fake registry.
    bool hasSystemInfo() override { return true; }
    std::map<QString, QVariant> settings; ///< what the program keeps between runs
    QVariant setting(const QString &key) override
    {
        const auto found = settings.find(key);
        return found == settings.end() ? QVariant() : found->second;
    }
    void setSetting(const QString &key, const QVariant &value) override { settings[key] = value; }
    /// Set: every read hangs inside the system for good, as on a dead network mount.
    bool stallReads = false;
    /// Not Done: every read ends so, its bytes read so far thrown away.
    ReadResult readOutcome;
    DatabaseReader databaseReader() override
    {
        if (readOutcome.status != ReadStatus::Done)
            return [outcome = readOutcome](const std::string &, DatabaseFile &,
                                           const ReadProgress &) { return outcome; };
        if (!stallReads)
            return Platform::databaseReader();
        return [](const std::string &, DatabaseFile &, const ReadProgress &) {
            for (;;) // never returns; the thread ends with the process
                std::this_thread::sleep_for(std::chrono::hours(1));
            return ReadResult{};
        };
    }
};

/// One test's world: a fake platform in place and a shown editor; on leaving,
/// every window is closed and destroyed, so the next test starts afresh.
class UiSession {
public:
    UiSession();
    ~UiSession();
    UiSession(const UiSession &) = delete;
    UiSession &operator=(const UiSession &) = delete;

    FakePlatform platform;
    QPointer<frmMain> editor;

    /// Writes `bytes` to a file in a temporary folder and returns its path.
    QString writeFile(const QString &name, const QByteArray &bytes);
    /// Opens `path` through File > Open and waits until it is read.
    void open(const QString &path);
    /// Waits until every file asked for is read and listed (or refused).
    void waitForReads();
    /// Generate > Text Entry, and the line "Code Output" then shows, exactly
    /// as a copy of it gives it.
    QString generateTextEntry();

private:
    QTemporaryDir m_dir;
};

/// Destroys the windows whose closing asked for their deletion.
void flushDeletes();

/// Runs `TestClass` with the program's own look, so that sizes are measured in
/// the font and style the windows are drawn with.
int runUiTest(int argc, char **argv, QObject *test);

} // namespace grimlark::test

#define GRIMLARK_UI_TEST_MAIN(TestClass)                                                           \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return grimlark::test::runUiTest(argc, argv, &test);                                       \
    }
