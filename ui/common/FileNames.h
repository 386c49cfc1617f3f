// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

class QByteArray;
class QMimeData;

namespace grimlark::ui {

// File names are the operating system's: on Unix a name is bytes that need not
// be UTF-8 (an old archive's "espa\xF1ol.txt"). Paths travel through the program
// as QString, with each byte that is not UTF-8 kept as a lone surrogate U+DC80
// to U+DCFF, and become bytes again only where a file is opened.

/// The path as the system names the file: its bytes on Unix, UTF-8 on Windows.
std::string nativePath(const QString &path);
/// A file name's bytes (Unix) as a path that keeps every byte.
QString pathFromNative(const QByteArray &bytes);
/// The path for the user to read: the platform's separators, a byte that is
/// not text shown as U+FFFD.
QString displayPath(const QString &path);
/// The program's arguments as paths that keep every byte (Unix); Qt's own
/// decoding of the command line would lose the bytes that are not UTF-8.
QStringList argumentsOf(int argc, char **argv);
/// The path that the Open dialog yields, made the file's real name where Qt's
/// decoding lost bytes of it (Unix): a missing path holding U+FFFD is matched
/// against the names in its folder as they are. Anything else comes back as given.
QString chosenPath(const QString &path);

/// The local files that a drag from a file manager carries, in order, with their
/// names' bytes; empty when it carries anything else (text, a web address).
QStringList droppedFiles(const QMimeData *data);

} // namespace grimlark::ui
