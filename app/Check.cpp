// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Check.h"

#include "core/DatabaseFile.h"
#include "core/LineCheck.h"
#include "ui/common/FileNames.h"
#include "ui/common/Text.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

namespace grimlark::app {

namespace {

/// One line of a file as the browser reads it.
struct FileLine {
    const std::string &file; ///< the file's name as shown
    std::size_t number;      ///< counted from 1
    std::string_view text;   ///< as UTF-8
    std::string_view bytes;  ///< as the file holds it
    const char *namesIn;     ///< the file's encoding, for its names
    bool dump;               ///< the file is an SQL dump: its statements are the monsters
};

/// Writes `text` to `stream`; false when it could not be written.
bool put(std::FILE *stream, const std::string &text)
{
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
}

/// Reads each file as the browser does and hands over its lines in order.
/// Returns 2 when a file could not be read (said on standard error), else 0.
int eachLine(const QStringList &paths, const std::function<bool(const FileLine &)> &handle)
{
    int status = 0;
    for (const QString &path : paths) {
        DatabaseFile file;
        const ReadResult read = readDatabaseFile(ui::nativePath(path), file);
        const std::string shown = ui::toUtf8(ui::displayPath(path));
        if (read.status != ReadStatus::Done) {
            (void)std::fprintf(stderr, "grimlark: %s: cannot be %s: %s\n", shown.c_str(),
                               failedWhileReading(read) ? "read" : "opened",
                               describe(read).c_str());
            status = 2;
            continue;
        }
        const LegacyEncoding &encoding =
            chooseEncoding(file, ui::preferredEncoding(), ui::decodesStrictly);
        const char *namesIn = file.allUtf8() ? "UTF-8" : encoding.label;
        FileForm form; // in an SQL dump, the statements are the monsters
        for (std::size_t i = 0; i < file.lines(); ++i)
            form.add(file.line(i));
        const bool dump = form.dump();
        for (std::size_t i = 0; i < file.lines(); ++i) {
            const std::string_view bytes = file.line(i);
            const std::string text =
                file.isUtf8(i) ? std::string(bytes) : ui::toUtf8(ui::decodeLegacy(bytes, encoding));
            if (!handle({shown, i + 1, text, bytes, namesIn, dump}))
                return 2;
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
    bool found = false;
    const int status = eachLine(paths, [&](const FileLine &line) {
        for (const LineReport &report :
             checkLine(line.text, line.bytes, line.namesIn, servers, line.dump)) {
            found = true;
            if (!put(stdout, where(line, report)))
                return false;
        }
        return true;
    });
    return std::fflush(stdout) != 0 ? 2 : std::max(status, found ? 1 : 0);
}

int convertFiles(const QStringList &paths, Layout target, bool sql)
{
    bool lost = false;
    const int status = eachLine(paths, [&](const FileLine &line) {
        const ConvertedLine converted = convertLine(line.text, line.bytes, target, sql, line.dump);
        for (const LineReport &report : converted.lost) {
            lost = true;
            if (!put(stderr, where(line, report)))
                return false;
        }
        return put(stdout, converted.bytes + "\n");
    });
    return std::fflush(stdout) != 0 ? 2 : std::max(status, lost ? 1 : 0);
}

} // namespace grimlark::app
