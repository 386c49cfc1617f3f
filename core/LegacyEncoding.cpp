// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "LegacyEncoding.h"

#include <uchardet.h>

#include <memory>
#include <string>

namespace grimlark {

const LegacyEncoding kLegacyEncodings[7] = {
    {"Shift-JIS (CP932)", "windows-31j", 932},
    {"EUC-KR (CP949)", "windows-949", 949},
    // GBK's code page: GB18030's own (54936) is missing where Windows is Wine.
    {"GB18030 (GBK)", "GB18030", 936, true},
    {"Big5 (CP950)", "windows-950", 950},
    {"EUC-JP", "EUC-JP", 20932},
    {"Windows-1252", "windows-1252", 1252},
    {"Latin-1", "ISO-8859-1", 28591},
};

const LegacyEncoding &latin1()
{
    return kLegacyEncodings[6];
}

const LegacyEncoding *legacyEncodingOfCodePage(unsigned codePage)
{
    for (const LegacyEncoding &encoding : kLegacyEncodings)
        if (encoding.codePage == codePage)
            return &encoding;
    return nullptr;
}

const LegacyEncoding *detectLegacyEncoding(std::string_view bytes)
{
    const std::unique_ptr<std::remove_pointer_t<uchardet_t>, void (*)(uchardet_t)> detector(
        uchardet_new(), &uchardet_delete);
    if (!detector || bytes.empty())
        return nullptr;
    if (uchardet_handle_data(detector.get(), bytes.data(), bytes.size()) != 0)
        return nullptr;
    uchardet_data_end(detector.get());
    const std::string name = uchardet_get_charset(detector.get());
    // uchardet's names, each to the Windows superset that servers' editors wrote.
    const struct {
        const char *detected;
        unsigned codePage;
    } kNames[] = {
        {"SHIFT_JIS", 932},   {"CP932", 932},        {"EUC-KR", 949},   {"UHC", 949},
        {"CP949", 949},       {"GB18030", 936},      {"GB2312", 936},   {"GBK", 936},
        {"BIG5", 950},        {"EUC-TW", 950},       {"EUC-JP", 20932}, {"WINDOWS-1252", 1252},
        {"ISO-8859-1", 1252}, {"ISO-8859-15", 1252},
    };
    for (const auto &known : kNames)
        if (name == known.detected)
            return legacyEncodingOfCodePage(known.codePage);
    return nullptr;
}

} // namespace grimlark
