// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// The windows, offscreen: opening a database file into the browser (first and
// second open) against the plain read, and building and showing the editor
// against a plain main window holding as many plain widgets, and showing a
// 1.7 MB generated line against putting it into a plain text box.

#include "BenchData.h"

#include "core/DatabaseFile.h"
#include "core/Registry.h"
#include "tests/common/Controls.h"
#include "ui/common/Platform.h"
#include "ui/frmBrowser/DatabaseListModel.h"
#include "ui/frmBrowser/frmBrowser.h"
#include "ui/frmMain/frmMain.h"
#include "ui/frmOutput/LineTextBox.h"
#include "ui/frmOutput/frmOutput.h"

#include <benchmark/benchmark.h>

#include <memory>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>

using namespace grimlark;
using namespace grimlark::ui;
using grimlark::test::control;
using grimlark::test::window;

namespace {

/// Answers every Open dialog with one path.
class PathPlatform final : public ui::Platform {
public:
    QString path;
    QStringList openFileNames(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {path};
    }
    void message(QWidget *, const QString &) override {}
    int choose(QWidget *, const QString &, const QStringList &) override { return -1; }
    bool startDetached(const QString &) override { return false; }
    bool fileExists(const QString &) override { return false; }
    Registry &registry() override { return m_none; }
    bool hasSystemInfo() override { return false; }
    QVariant setting(const QString &) override { return {}; }
    void setSetting(const QString &, const QVariant &) override {}

private:
    NoRegistry m_none;
};

void flush()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void closeBrowser()
{
    if (frmBrowser *browser = window<frmBrowser>())
        browser->close();
    flush();
}

/// Opens the file and waits until the browser is shown with every line laid out.
void openAndShow(frmMain &editor)
{
    editor.OpenDatabaseFile();
    while (editor.isReading()) // the file is read on a thread of its own
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents(); // the list lays out its rows
}

void OpenDatabaseFile_FirstOpen(benchmark::State &state)
{
    const int lines = static_cast<int>(state.range(0));
    PathPlatform platform;
    platform.path = QString::fromStdString(bench::databaseFile(lines));
    const auto bytes = static_cast<double>(bench::readAll(platform.path.toStdString()).size());
    ui::Platform::setCurrent(&platform);
    frmMain *editor = window<frmMain>() ? window<frmMain>() : new frmMain;
    editor->show(); // reading goes on only while the editor is open

    long growth = 0;
    for (auto _ : state) {
        state.PauseTiming();
        closeBrowser();
        const long idle = bench::residentBytes();
        bench::resetPeak();
        state.ResumeTiming();

        openAndShow(*editor);

        state.PauseTiming();
        if (window<frmBrowser>()->model()->rowCount() != lines)
            state.SkipWithError("not every line was listed");
        growth = std::max(growth, bench::peakResidentBytes() - idle);
        state.ResumeTiming();
    }
    closeBrowser();
    state.counters["peak_over_file"] = static_cast<double>(growth) / bytes;
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
    ui::Platform::setCurrent(nullptr);
}
BENCHMARK(OpenDatabaseFile_FirstOpen)->Arg(200000)->Unit(benchmark::kMillisecond);

void OpenDatabaseFile_SecondOpen(benchmark::State &state)
{
    const int lines = static_cast<int>(state.range(0));
    PathPlatform platform;
    platform.path = QString::fromStdString(bench::databaseFile(lines));
    ui::Platform::setCurrent(&platform);
    frmMain *editor = window<frmMain>() ? window<frmMain>() : new frmMain;
    editor->show(); // reading goes on only while the editor is open

    for (auto _ : state) {
        state.PauseTiming();
        closeBrowser();
        openAndShow(*editor); // the browser now holds the file once
        // Select a line of the first file, so that the view has to keep track of it.
        frmBrowser *browser = window<frmBrowser>();
        control<QListView>(browser, "lstDB")->setCurrentIndex(browser->model()->index(lines / 2));
        state.ResumeTiming();

        openAndShow(*editor); // its lines go in before the existing ones
    }
    closeBrowser();
    state.counters["ns_per_line"] = benchmark::Counter(
        static_cast<double>(lines),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    ui::Platform::setCurrent(nullptr);
}
BENCHMARK(OpenDatabaseFile_SecondOpen)
    ->Arg(50000)
    ->Arg(100000)
    ->Arg(200000)
    ->Arg(400000)
    ->Unit(benchmark::kMillisecond);

void Startup_Editor(benchmark::State &state)
{
    for (auto _ : state) {
        auto *editor = new frmMain;
        editor->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        editor->close();
        flush();
        state.ResumeTiming();
    }
}
BENCHMARK(Startup_Editor)->Unit(benchmark::kMillisecond);

void Startup_Baseline_PlainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        auto *window = new QMainWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        auto *client = new QWidget(window);
        window->setCentralWidget(client);
        for (int i = 0; i < 5; ++i)
            new QGroupBox(QStringLiteral("Frame"), client);
        for (int i = 0; i < 53; ++i) {
            new QLineEdit(QStringLiteral("0"), client);
            new QLabel(QStringLiteral("Label"), client);
        }
        for (int i = 0; i < 4; ++i)
            (new QComboBox(client))->addItems({QStringLiteral("1"), QStringLiteral("2")});
        for (int i = 0; i < 12; ++i)
            new QCheckBox(QStringLiteral("Mode"), client);
        for (const char *menu : {"File", "Generate", "Help"})
            window->menuBar()
                ->addMenu(QString::fromLatin1(menu))
                ->addAction(QStringLiteral("Item"));
        window->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        window->close();
        flush();
        state.ResumeTiming();
    }
}
BENCHMARK(Startup_Baseline_PlainWindow)->Unit(benchmark::kMillisecond);

/// A line of 1.7 MB: every text field 30,000 characters without a blank.
void fillWithLongFields(frmMain &editor)
{
    for (QLineEdit *box :
         editor.findChildren<QLineEdit *>(QRegularExpression(QStringLiteral("^txt"))))
        box->setText(QString(30000, QLatin1Char('x')));
}

/// Generate > Text Entry of a 1.7 MB line, until the output window is shown
/// and its text laid out (the scroll bar knows its range).
void TextEntry_LongLine_Shown(benchmark::State &state)
{
    auto *editor = new frmMain;
    fillWithLongFields(*editor);
    for (auto _ : state) {
        control<QAction>(editor, "mnuTextGen")->trigger();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(control<LineTextBox>(window<frmOutput>(), "txtMobInfo")
                                     ->verticalScrollBar()
                                     ->maximum());
        state.PauseTiming();
        window<frmOutput>()->close();
        flush();
        state.ResumeTiming();
    }
    editor->close();
    flush();
}
BENCHMARK(TextEntry_LongLine_Shown)->Unit(benchmark::kMillisecond);

/// One name of 3 MB (a tenth of the 30 MB that once froze the window): put
/// into its box as a load does, then Generate > Text Entry until shown.
void HugeName_LoadAndTextEntry(benchmark::State &state)
{
    auto *editor = new frmMain;
    const QString name(3000000, QLatin1Char('n'));
    for (auto _ : state) {
        control<QLineEdit>(editor, "txtName")->setText(name);
        control<QAction>(editor, "mnuTextGen")->trigger();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(control<LineTextBox>(window<frmOutput>(), "txtMobInfo")
                                     ->verticalScrollBar()
                                     ->maximum());
        state.PauseTiming();
        window<frmOutput>()->close();
        control<QLineEdit>(editor, "txtName")->clear();
        flush();
        state.ResumeTiming();
    }
    editor->close();
    flush();
}
BENCHMARK(HugeName_LoadAndTextEntry)->Unit(benchmark::kMillisecond);

/// The same line put into a plain, unwrapped text box of the same size and shown.
void TextEntry_Baseline_PlainTextAssignment(benchmark::State &state)
{
    auto *editor = new frmMain;
    fillWithLongFields(*editor);
    editor->BuildTextEntry();
    const QString line = editor->strGen;
    editor->close();
    flush();
    for (auto _ : state) {
        auto *box = new QPlainTextEdit;
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->resize(553, 209);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setPlainText(line);
        box->show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(box->verticalScrollBar()->maximum());
        state.PauseTiming();
        box->close();
        flush();
        state.ResumeTiming();
    }
}
BENCHMARK(TextEntry_Baseline_PlainTextAssignment)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

/// A list holding one file of `bytes`, as the browser holds it.
std::unique_ptr<DatabaseListModel> listOf(std::string bytes)
{
    auto model = std::make_unique<DatabaseListModel>();
    model->addFile(DatabaseFile(std::move(bytes)), latin1());
    return model;
}

// Find that finds nothing: every line searched, in its bytes.
void Find_Miss_200kLines(benchmark::State &state)
{
    const auto model = listOf(bench::readAll(bench::databaseFile(200000)));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            model->findRow(QStringLiteral("NO_SUCH_MONSTER"), -1, true, Qt::CaseInsensitive));
}
BENCHMARK(Find_Miss_200kLines)->Unit(benchmark::kMillisecond);

// The same over 50 million empty lines (50 MB): the rows, not the bytes, count.
void Find_Miss_50MEmptyLines(benchmark::State &state)
{
    const auto model = listOf(std::string(50000000, '\n'));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            model->findRow(QStringLiteral("1002"), -1, true, Qt::CaseInsensitive));
}
BENCHMARK(Find_Miss_50MEmptyLines)->Unit(benchmark::kMillisecond);

} // namespace
