// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// Runs the About dialog's lookup of the system information tool against the
// real registry through advapi32, for tools/windows-check.sh, which sets the keys
// for each case with `reg add` and compares what this prints.
//
// Prints "command: TEXT" when the lookup yields a command line, "none" when it
// yields nothing.

#include "core/Registry.h"
#include "core/SysInfo.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>

int main()
{
    const auto command =
        grimlark::findSysInfoCommand(grimlark::windowsRegistry(), [](const std::string &path) {
            const DWORD attributes = GetFileAttributesA(path.c_str());
            return attributes != INVALID_FILE_ATTRIBUTES &&
                   !(attributes & FILE_ATTRIBUTE_DIRECTORY);
        });
    if (command)
        std::printf("command: %s\n", command->c_str());
    else
        std::printf("none\n");
    return 0;
}
