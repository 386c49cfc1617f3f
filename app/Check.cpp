// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Check.h"
#include "Console.h"

#include "core/EntryLoader.h"
#include "core/FileEdit.h"
#include "core/FileWrite.h"
#include "core/HerculesEntry.h"
#include "core/LineCheck.h"
#include "core/RathenaMobDb.h"
#include "core/Utf8.h"
#include "ui/common/DatabaseRead.h"
#include "ui/common/FileNames.h"
#include "ui/common/ItemFiles.h"
#include "ui/common/Text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <new>
#include <optional>
#include <string>
#include <system_error>
#include <unordered_map>

namespace grimlark::app {

namespace {

/// One line of a file as the browser reads it.
struct FileLine {
    const QString &path;     ///< the file's path, as named
    const std::string &file; ///< the file's name as shown
    std::size_t number;      ///< counted from 1
    std::string_view text;   ///< as UTF-8
    std::string_view bytes;  ///< as the file holds it
    const char *namesIn;     ///< the file's encoding, for its names
    FileKind kind;           ///< text lines, an SQL dump or a YAML database
    const Fingerprint &read; ///< the file's bytes as read
};

/// A standard stream written by the commands: the first failure is kept, and
/// nothing more is written after it.
class Stream {
public:
    /// What a stream carries: UTF-8 text (findings, messages), which a Windows
    /// console is given as its own characters, or a file's own bytes (the
    /// converted lines, whose names keep the file's encoding), written as they
    /// are.
    enum class Carries { Text, Bytes };

    Stream(std::FILE *file, Carries carries) : m_file(file), m_carries(carries) {}

    bool put(const std::string &text)
    {
        errno = 0;
        if (m_error == 0 && !(m_carries == Carries::Text ? writeText(m_file, text)
                                                         : std::fwrite(text.data(), 1, text.size(),
                                                                       m_file) == text.size()))
            m_error = errno != 0 ? errno : EIO;
        return m_error == 0;
    }
    /// Writes out what is buffered; false when this or an earlier write failed.
    bool finish()
    {
        if (m_error == 0 && std::fflush(m_file) != 0)
            m_error = errno != 0 ? errno : EIO;
        return m_error == 0;
    }
    int error() const { return m_error; }

private:
    std::FILE *m_file;
    Carries m_carries;
    int m_error = 0;
};

/// The status to end with once the answer is written: `status`, or 2 when a
/// stream failed, said on standard error where it can be. A reader that went
/// away (a closed pipe: `| head`) is not told anything.
int finish(int status, Stream &out, Stream &err)
{
    const bool written = out.finish();
    if (!written && out.error() != EPIPE)
        (void)err.put("grimlark: cannot write the answer to standard output: " +
                      std::generic_category().message(out.error()) + "\n");
    return err.finish() && written ? status : 2;
}

/// A file's name as the commands print it: as it is, so that editors read the
/// findings as a compiler's; in quotes, its control and invisible characters
/// named, where it holds one (or a quote), so that no name can start a line
/// of its own or drive the terminal.
std::string printedName(const std::string &name)
{
    const std::string quoted = quoteValue(name, std::string::npos);
    return quoted.size() == name.size() + 2 && name.find('"') == std::string::npos ? name : quoted;
}

/// Reads each file as the browser does and hands over its lines in order.
/// Returns 2 when a file could not be read or a line not held (said on
/// standard error, `err`), else 0; `handle` returns false to stop.
int eachLine(const QStringList &paths, Stream &err,
             const std::function<bool(const FileLine &)> &handle)
{
    int status = 0;
    for (const QString &path : paths) {
        const ui::ReadDatabase read = ui::readDatabase(ui::nativePath(path));
        const std::string shown = printedName(ui::toUtf8(ui::displayPath(path)));
        if (read.result.status != ReadStatus::Done) {
            (void)err.put("grimlark: " + shown + ": cannot be " +
                          (failedWhileReading(read.result) ? "read" : "opened") + ": " +
                          describe(read.result) + "\n");
            status = 2;
            continue;
        }
        const LegacyEncoding *names = read.namesEncoding();
        const char *namesIn = names ? names->label : "UTF-8";
        for (std::size_t i = 0; i < read.file.lines(); ++i) {
            try {
                const std::string_view bytes = read.file.line(i);
                const std::string text = read.text(i);
                if (!handle({path, shown, read.file.sourceLine(i) + 1, text, bytes, namesIn,
                             read.kind, read.file.fingerprint()}))
                    return 2;
            } catch (const std::bad_alloc &) {
                (void)err.put("grimlark: " + shown + ":" +
                              std::to_string(read.file.sourceLine(i) + 1) +
                              ": there is not enough memory to read this line; stopped "
                              "here.\n");
                return 2;
            }
        }
    }
    return status;
}

std::string where(const FileLine &line, const LineReport &report)
{
    return line.file + ":" + std::to_string(line.number) + ": " + report.field + ": " +
           report.message + "\n";
}

} // namespace

int checkFiles(const QStringList &paths, unsigned servers)
{
    Stream out(stdout, Stream::Carries::Text), err(stderr, Stream::Carries::Text);
    bool found = false;
    // Where each ID stood first, in this file or one named before it: the
    // servers keep the later monster of an ID.
    std::unordered_map<long long, std::string> firstAt;
    // The items of each file's own server, beside it, read anew for each file.
    const QString *itemsOf = nullptr;
    ui::ReadItems items;
    const int status = eachLine(paths, err, [&](const FileLine &line) {
        if (itemsOf != &line.path) {
            itemsOf = &line.path;
            items = ui::readItemFiles(ui::itemFilesBeside(line.path, line.kind));
        }
        std::optional<long long> id;
        std::vector<LineReport> reports =
            checkLine(line.text, line.bytes, line.namesIn, servers, line.kind, &id,
                      items.items.empty() ? nullptr : &items.items);
        if (id) {
            const std::string here = line.file + ":" + std::to_string(line.number);
            const auto [at, first] = firstAt.emplace(*id, here);
            if (!first) {
                reports.push_back({"ID", "ID " + std::to_string(*id) + " is at " + at->second +
                                             " already: the servers keep this monster, the "
                                             "later one."});
                at->second = here;
            }
        }
        for (const LineReport &report : reports) {
            found = true;
            if (!out.put(where(line, report)))
                return false;
        }
        return true;
    });
    return finish(std::max(status, found ? 1 : 0), out, err);
}

int convertFiles(const QStringList &paths, Layout target, bool sql, const QStringList &itemFiles,
                 bool inPlace)
{
    Stream out(stdout, Stream::Carries::Bytes), err(stderr, Stream::Carries::Text);
    bool lost = false, unwritten = false;
    bool framed = false, closeFrame = false;
    const auto readItems = [&err, &lost](const QStringList &files) {
        ui::ReadItems read = ui::readItemFiles(files);
        for (const QString &problem : std::as_const(read.problems)) {
            lost = true;
            (void)err.put("grimlark: items of " + ui::toUtf8(problem) + "\n");
        }
        return read;
    };
    const ui::ReadItems targetItems = readItems(itemFiles);
    // In place, each file's new bytes are gathered, then put in its place.
    std::string converted;
    const auto put = [&](const std::string &bytes) {
        if (!inPlace)
            return out.put(bytes);
        converted += bytes;
        return true;
    };
    const auto closeTheFrame = [&] {
        if (closeFrame)
            (void)put(std::string(kHerculesFrameEnd));
        closeFrame = false;
    };
    struct Converting {
        QString path;
        std::string shown;
        Fingerprint read;
    };
    std::optional<Converting> converting;
    const auto writeBack = [&] {
        if (!converting)
            return;
        closeTheFrame();
        // Only over the file as it was read: read again, in its own line ends.
        const std::string native = ui::nativePath(converting->path);
        std::string now;
        std::string why;
        if (const ReadResult read = readFile(native, now); read.status != ReadStatus::Done) {
            why = "it could not be read again: " + describe(read);
        } else if (fingerprintOf(now) != converting->read) {
            why = describe(WriteResult{WriteResult::Status::Changed});
        } else {
            const LineEnds ends = lineEndsOf(now);
            const WriteResult wrote = replaceFileSafely(
                native, now, ends.mixed ? converted : withLineEnds(converted, ends.end));
            if (wrote.status != WriteResult::Status::Done)
                why = describe(wrote);
        }
        if (!why.empty()) {
            unwritten = true;
            (void)err.put("grimlark: " + converting->shown + ": not converted in place: " + why +
                          "; the file is as it was.\n");
        }
        converted.clear();
        framed = false;
        converting.reset();
    };
    // The items of the file's own server, read anew for each file.
    const QString *itemsOf = nullptr;
    ui::ReadItems sourceItems;
    const int status = eachLine(paths, err, [&](const FileLine &line) {
        if (itemsOf != &line.path) {
            if (inPlace) {
                writeBack();
                converting = Converting{line.path, line.file, line.read};
            }
            itemsOf = &line.path;
            sourceItems = readItems(ui::itemFilesBeside(line.path, line.kind));
        }
        const ConvertItems items{sourceItems.items.empty() ? nullptr : &sourceItems.items,
                                 targetItems.items.empty() ? nullptr : &targetItems.items};
        // rAthena and Hercules read their databases only within their
        // frames: a file of another form is given one (Hercules' is closed
        // after the last line).
        if (!framed && !sql && target == Layout::RathenaYaml && line.kind != FileKind::Yaml &&
            !put(std::string(kRathenaYamlFrame)))
            return false;
        if (!framed && !sql && target == Layout::Hercules && line.kind != FileKind::Config) {
            if (!put(std::string(kHerculesFrameStart)))
                return false;
            closeFrame = true;
        }
        framed = true;
        const ConvertedLine result =
            convertLine(line.text, line.bytes, target, sql, line.kind, line.namesIn, items);
        for (const LineReport &report : result.lost) {
            lost = true;
            // A loss that cannot be said still ends the run with 2 (finish),
            // but the conversion goes on whole.
            (void)err.put(where(line, report));
        }
        return put(result.bytes + "\n");
    });
    if (inPlace)
        writeBack();
    else
        closeTheFrame();
    return finish(std::max({status, unwritten ? 2 : 0, lost ? 1 : 0}), out, err);
}

} // namespace grimlark::app
