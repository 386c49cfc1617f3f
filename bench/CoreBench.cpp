// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// The core alone: line reading as the browser reads (the whole file, split in
// place) against a plain getline loop over the same bytes, and generation and
// loading in lines per second, and a whole file checked as `grimlark --check`
// checks it and `grimlark --convert` converts it.

#include "BenchData.h"

#include "core/DatabaseFile.h"
#include "core/EntryLoader.h"
#include "core/FileReader.h"
#include "core/HerculesMobDb.h"
#include "core/LineCheck.h"
#include "core/LineReader.h"
#include "core/RathenaMobDb.h"
#include "core/ServerRules.h"
#include "core/TextEntry.h"

#include <benchmark/benchmark.h>
#include <yaml.h>

#include <fstream>
#include <string>
#include <vector>

using namespace grimlark;

namespace {
constexpr int kLines = 200000;

// What the browser does: the whole file into one buffer, split in place.
void ReadFile_SplitInPlace_Core(benchmark::State &state)
{
    const std::string path = bench::databaseFile(kLines);
    const auto bytes = static_cast<int64_t>(bench::readAll(path).size());
    for (auto _ : state) {
        std::string text;
        readFile(path, text);
        size_t lines = 0;
        splitLines(text, [&lines](std::string_view line) {
            benchmark::DoNotOptimize(line.data());
            ++lines;
        });
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(ReadFile_SplitInPlace_Core)->Unit(benchmark::kMillisecond);

void ReadLines_Baseline_Getline(benchmark::State &state)
{
    const std::string path = bench::databaseFile(kLines);
    const auto bytes = static_cast<int64_t>(bench::readAll(path).size());
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::string line;
        size_t lines = 0;
        while (std::getline(in, line)) {
            benchmark::DoNotOptimize(line.data());
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(ReadLines_Baseline_Getline)->Unit(benchmark::kMillisecond);

/// The whole file read and cut as the program reads it, and `perLine` run on
/// each line, which returns how much it made (kept from the optimiser).
template <typename PerLine> void eachLineOfTheFile(benchmark::State &state, PerLine perLine)
{
    const std::string path = bench::databaseFile(kLines);
    const auto bytes = static_cast<int64_t>(bench::readAll(path).size());
    for (auto _ : state) {
        DatabaseFile file;
        readDatabaseFile(path, file);
        std::size_t made = 0;
        for (std::size_t i = 0; i < file.lines(); ++i)
            made += perLine(file.line(i));
        benchmark::DoNotOptimize(made);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

// What `grimlark --check` does with a file: every line loaded and judged by
// both servers' rules (the file is ASCII: nothing to decode).
void CheckFile_BothServers_Core(benchmark::State &state)
{
    eachLineOfTheFile(state, [](std::string_view line) {
        return checkLine(line, line, "UTF-8", kEveryServer, FileKind::Text).size();
    });
}
BENCHMARK(CheckFile_BothServers_Core)->Unit(benchmark::kMillisecond);

// What `grimlark --convert eathena58` does with a classic file: every line
// loaded and written in the later layout.
void ConvertFile_ToLaterLayout_Core(benchmark::State &state)
{
    eachLineOfTheFile(state, [](std::string_view line) {
        return convertLine(line, line, Layout::LaterEathena, false, FileKind::Text).bytes.size();
    });
}
BENCHMARK(ConvertFile_ToLaterLayout_Core)->Unit(benchmark::kMillisecond);

// A 100 MB line of commas refused for its count, beside reading 100 MB.
void LoadEntryIntoEditor_Refuses100MBLine(benchmark::State &state)
{
    const std::string line(100u << 20, ',');
    for (auto _ : state) {
        MonsterEntry entry;
        benchmark::DoNotOptimize(LoadEntryIntoEditor(line, entry).status);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(line.size()));
}
BENCHMARK(LoadEntryIntoEditor_Refuses100MBLine)->Unit(benchmark::kMillisecond);

std::vector<std::string> monsterLines()
{
    std::vector<std::string> lines;
    std::string text;
    readFile(bench::databaseFile(20000), text);
    splitLines(text, [&lines](std::string_view line) {
        if (line.size() > 100 && line.find("//") == std::string_view::npos)
            lines.emplace_back(line);
    });
    return lines;
}

void LoadEntryIntoEditor_PerLine(benchmark::State &state)
{
    const std::vector<std::string> lines = monsterLines();
    MonsterEntry entry;
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadEntryIntoEditor(lines[i], entry));
        i = (i + 1) % lines.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(LoadEntryIntoEditor_PerLine);

void BuildTextEntry_PerLine(benchmark::State &state)
{
    std::vector<MonsterEntry> entries;
    for (const std::string &line : monsterLines()) {
        entries.emplace_back();
        LoadEntryIntoEditor(line, entries.back());
    }
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildTextEntry(entries[i]));
        i = (i + 1) % entries.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BuildTextEntry_PerLine);

} // namespace

namespace {

// The plain read that also keeps what it read, as any list of the lines must.
void ReadLines_Baseline_GetlineKeepingLines(benchmark::State &state)
{
    const std::string path = bench::databaseFile(kLines);
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::vector<std::string> lines;
        std::string line;
        while (std::getline(in, line))
            lines.push_back(line);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(ReadLines_Baseline_GetlineKeepingLines)->Unit(benchmark::kMillisecond);

// rAthena's YAML database opened as the browser opens it (read, parsed by
// libyaml into nodes, its frame checked, a record a monster), against
// libyaml's bare parse of the same bytes, event by event: within 2 times.
constexpr int kYamlMonsters = 2675; // rAthena's renewal database

void OpenYamlDatabase_Core(benchmark::State &state)
{
    const std::string path = bench::yamlDatabaseFile(kYamlMonsters);
    const auto bytes = static_cast<int64_t>(bench::readAll(path).size());
    for (auto _ : state) {
        DatabaseFile file;
        readDatabaseFile(path, file);
        const RathenaMobDb db = readRathenaMobDb(file.bytes());
        file = DatabaseFile::withSpans(std::move(file), db.lineSpans());
        benchmark::DoNotOptimize(file.lines());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(OpenYamlDatabase_Core)->Unit(benchmark::kMillisecond);

void ParseYaml_Baseline_Libyaml(benchmark::State &state)
{
    const std::string path = bench::yamlDatabaseFile(kYamlMonsters);
    const auto bytes = static_cast<int64_t>(bench::readAll(path).size());
    for (auto _ : state) {
        const std::string text = bench::readAll(path);
        yaml_parser_t parser;
        yaml_parser_initialize(&parser);
        yaml_parser_set_input_string(&parser, reinterpret_cast<const unsigned char *>(text.data()),
                                     text.size());
        std::size_t events = 0;
        yaml_event_t event;
        while (yaml_parser_parse(&parser, &event) != 0) {
            const bool end = event.type == YAML_STREAM_END_EVENT;
            yaml_event_delete(&event);
            ++events;
            if (end)
                break;
        }
        yaml_parser_delete(&parser);
        benchmark::DoNotOptimize(events);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(ParseYaml_Baseline_Libyaml)->Unit(benchmark::kMillisecond);

// Every monster of it loaded into an entry and written back, as a click in
// the browser and Generate do, one after another.
/// Each record of `file` loaded and written back, `monsters` of them.
void loadAndWriteEach(benchmark::State &state, const DatabaseFile &file, int monsters)
{
    for (auto _ : state) {
        std::size_t made = 0;
        for (std::size_t i = 0; i < file.lines(); ++i) {
            MonsterEntry entry;
            if (LoadEntryIntoEditor(file.line(i), entry).loaded())
                made += BuildTextEntry(entry).size();
        }
        benchmark::DoNotOptimize(made);
    }
    state.SetItemsProcessed(state.iterations() * monsters);
}

void LoadAndWriteYamlEntries_Core(benchmark::State &state)
{
    DatabaseFile file;
    readDatabaseFile(bench::yamlDatabaseFile(kYamlMonsters), file);
    const RathenaMobDb db = readRathenaMobDb(file.bytes());
    loadAndWriteEach(state, DatabaseFile::withSpans(std::move(file), db.lineSpans()),
                     kYamlMonsters);
}
BENCHMARK(LoadAndWriteYamlEntries_Core)->Unit(benchmark::kMillisecond);

// Hercules' database opened as the browser opens it (read, parsed by our
// reader of its libconfig, its frame checked, a record a monster), against
// reading its bytes and cutting them into lines.
constexpr int kConfigMonsters = 1759; // Hercules' renewal database

void OpenHerculesDatabase_Core(benchmark::State &state)
{
    const std::string path = bench::configDatabaseFile(kConfigMonsters);
    const auto bytes = static_cast<int64_t>(bench::readAll(path).size());
    for (auto _ : state) {
        DatabaseFile file;
        readDatabaseFile(path, file);
        const HerculesMobDb db = readHerculesMobDb(file.bytes());
        file = DatabaseFile::withSpans(std::move(file), db.lineSpans());
        benchmark::DoNotOptimize(file.lines());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(OpenHerculesDatabase_Core)->Unit(benchmark::kMillisecond);

void ReadHerculesDatabase_Baseline_Lines(benchmark::State &state)
{
    const std::string path = bench::configDatabaseFile(kConfigMonsters);
    const auto bytes = static_cast<int64_t>(bench::readAll(path).size());
    for (auto _ : state) {
        DatabaseFile file;
        readDatabaseFile(path, file);
        benchmark::DoNotOptimize(file.lines());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(ReadHerculesDatabase_Baseline_Lines)->Unit(benchmark::kMillisecond);

// Every monster of it loaded and written back.
void LoadAndWriteHerculesGroups_Core(benchmark::State &state)
{
    DatabaseFile file;
    readDatabaseFile(bench::configDatabaseFile(kConfigMonsters), file);
    const HerculesMobDb db = readHerculesMobDb(file.bytes());
    loadAndWriteEach(state, DatabaseFile::withSpans(std::move(file), db.lineSpans()),
                     kConfigMonsters);
}
BENCHMARK(LoadAndWriteHerculesGroups_Core)->Unit(benchmark::kMillisecond);

} // namespace
