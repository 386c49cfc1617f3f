// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Check.h"

#include "core/DatabaseFile.h"
#include "core/LineCheck.h"
#include "core/SqlDump.h"
#include "ui/common/FileNames.h"
#include "ui/common/Text.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace grimlark::app {

namespace {

/// A file's lines as UTF-8, each decoded as the browser decodes it.
std::string textOf(const DatabaseFile &file, std::size_t i, const LegacyEncoding &encoding)
{
    const std::string_view bytes = file.line(i);
    return file.isUtf8(i) ? std::string(bytes) : ui::toUtf8(ui::decodeLegacy(bytes, encoding));
}

} // namespace

int checkFiles(const QStringList &paths, unsigned servers)
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
        bool legacy = false;
        for (std::size_t i = 0; i < file.lines() && !legacy; ++i)
            legacy = !file.isUtf8(i);
        const char *namesIn = legacy ? encoding.label : "UTF-8";
        // In an SQL dump, the statements are the monsters.
        bool dump = false;
        for (std::size_t i = 0; i < file.lines() && !dump; ++i)
            dump = isSqlStatement(file.line(i));
        std::string out;
        for (std::size_t i = 0; i < file.lines(); ++i) {
            const std::string text = textOf(file, i, encoding);
            for (const LineReport &report : checkLine(text, file.line(i), namesIn, servers, dump)) {
                out += shown + ":" + std::to_string(i + 1) + ": " + report.field + ": " +
                       report.message + "\n";
                status = std::max(status, 1);
            }
            if (out.size() > (1 << 16) || i + 1 == file.lines()) {
                if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size())
                    return 2;
                out.clear();
            }
        }
    }
    return std::fflush(stdout) == 0 ? status : 2;
}

} // namespace grimlark::app
