// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// Save Into File on the 200k-line file: one monster of it saved with
// a box changed (the file read again and cut, the record made, the new file
// read back, then written beside the old with its backup, flushed and moved
// over it), against writing the file's bytes once, flushed and moved over it.

#include "BenchData.h"

#include "core/EntryLoader.h"
#include "core/FileWrite.h"
#include "ui/common/RecordSave.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <filesystem>
#include <fstream>

using namespace grimlark;

namespace {
constexpr int kLines = 200000;

/// A monster the editor loads (the benchmark's own lines hold values past
/// the lists: they are for reading).
constexpr const char *kPoring =
    "1002,PORING,Poring,1,50,0,2,1,1,7,10,0,5,1,1,1,0,6,30,10,12,1,3,21,131,400,1872,672,480,909,"
    "7000,1202,100,938,400,512,1000,713,1500,512,150,619,20,0,0,0,0,4001,1,0,0,0,0,0,0,0,0\n";

/// A copy of the benchmark's file, to be written into, Poring first.
std::string copyOfTheFile()
{
    const std::string copy =
        (std::filesystem::temp_directory_path() / "grimlark-bench-save.txt").string();
    std::ofstream(copy, std::ios::binary) << kPoring << bench::readAll(bench::databaseFile(kLines));
    return copy;
}

void SaveIntoFile_200kLines(benchmark::State &state)
{
    const std::string path = copyOfTheFile();
    ui::SaveRequest request;
    request.path = QString::fromStdString(path);
    request.record = 0;
    int hp = 1;
    for (auto _ : state) {
        state.PauseTiming(); // the browser's listing, which the save is compared with
        const ui::ReadDatabase read = ui::readDatabase(path);
        request.listed = read.file.fingerprint();
        request.entry = startupEntry();
        (void)LoadEntryIntoEditor(read.text(*request.record), request.entry);
        request.entry.HP = std::to_string(++hp);
        state.ResumeTiming();
        const ui::SaveOutcome saved = ui::saveIntoFile(request);
        if (saved.status != ui::SaveOutcome::Status::Saved)
            state.SkipWithError(saved.reason.c_str());
    }
    std::filesystem::remove(path);
    std::filesystem::remove(backupPathOf(path));
}
BENCHMARK(SaveIntoFile_200kLines)->Unit(benchmark::kMillisecond);

void SaveIntoFile_Baseline_WriteOnce(benchmark::State &state)
{
    const std::string path = copyOfTheFile();
    const std::string bytes = bench::readAll(path);
    for (auto _ : state) {
        std::string made;
        FileSteps steps;
        if (steps.writeBeside(path, bytes, made) != 0 || steps.moveOver(made, path) != 0)
            state.SkipWithError("the file could not be written");
    }
    std::filesystem::remove(path);
}
BENCHMARK(SaveIntoFile_Baseline_WriteOnce)->Unit(benchmark::kMillisecond);

} // namespace
