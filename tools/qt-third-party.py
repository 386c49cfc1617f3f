#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The third-party parts inside the Windows Qt that Grimlark ships, and their
notices.

  qt-third-party.py collect SOURCE PREFIX
      From a Qt source tree, keeps every part its qt_attribution.json files
      name (and the licence file each names) in PREFIX/third-party, beside
      the Qt built from that source.

  qt-third-party.py notices PREFIX TABLE OUTPUT
      Decides by TABLE (packaging/windows/qt-parts.txt), a row for each
      folder of Qt's source that holds parts, which parts the Qt in PREFIX
      compiled into its DLLs, reading the features its configure step chose
      (the config headers of the modules that ship), and writes
      OUTPUT/qt-third-party.txt (their notices) and OUTPUT/licenses/ (their
      licence texts). Fails, naming what is wrong, where the table does not
      decide every folder of parts in the source, or where configure chose a
      bundled copy (a QT_FEATURE_system_* off) that no row accounts for: so a
      part new to Qt cannot ship unnamed.
"""
import glob
import json
import os
import re
import shutil
import sys
import textwrap


def collect(source, prefix):
    out = os.path.join(prefix, "third-party")
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(os.path.join(out, "licenses"))
    parts = []
    for path in sorted(glob.glob(os.path.join(source, "src", "**", "qt_attribution.json"),
                                 recursive=True)):
        with open(path, encoding="utf-8") as f:
            entries = json.loads(f.read(), strict=False)  # Qt's files hold raw line breaks
        for entry in entries if isinstance(entries, list) else [entries]:
            folder = os.path.dirname(path)
            entry["Path"] = os.path.relpath(folder, source)
            licence = entry.get("LicenseFile")
            if licence and os.path.isfile(os.path.join(folder, licence)):
                shutil.copyfile(os.path.join(folder, licence),
                                os.path.join(out, "licenses", entry["Id"] + ".txt"))
                entry["LicenseCopy"] = entry["Id"] + ".txt"
            parts.append(entry)
    with open(os.path.join(out, "attributions.json"), "w", encoding="utf-8") as f:
        json.dump(parts, f, indent=1, ensure_ascii=False)


def features(prefix):
    """QT_FEATURE_x -> True/False, as the Qt build configured the modules that
    ship. (qconfig-bootstrapped.h is the reduced set of Qt's build tools.)"""
    found = {}
    for module in ("QtCore", "QtGui", "QtWidgets"):
        pattern = os.path.join(prefix, "include", module, "**", "*config*.h")
        for header in sorted(glob.glob(pattern, recursive=True)):
            if header.endswith("-bootstrapped.h"):
                continue
            with open(header, encoding="utf-8") as f:
                for name, value in re.findall(r"#define QT_FEATURE_(\w+) (-?1)", f.read()):
                    if found.get(name, value == "1") != (value == "1"):
                        sys.exit(f"{header}: QT_FEATURE_{name} differs from another header's")
                    found[name] = value == "1"
    return found


def read_table(path):
    rows = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            folder, _, rule = line.partition(":")
            rows[folder.strip()] = (rule.strip(), number)
    return rows


def ships(rule, configured, where, errors):
    if rule == "always":
        return True
    if rule.startswith("never"):
        return False
    for token in rule.split():
        name = token.lstrip("!")
        if name not in configured:
            errors.append(f"{where}: the Qt build has no feature {name}")
            return False
        if configured[name] == token.startswith("!"):
            return False
    return True


def notices(prefix, table_path, output):
    with open(os.path.join(prefix, "third-party", "attributions.json"), encoding="utf-8") as f:
        parts = json.load(f)
    configured = features(prefix)
    table = read_table(table_path)
    errors = []
    known = {part["Path"] for part in parts}
    for folder, (_, number) in table.items():
        if folder not in known:
            errors.append(f"{table_path}:{number}: Qt's source has no parts in {folder}")
    # Every copy configure took from Qt's own source instead of the system's
    # must be a condition of some row.
    named = " ".join(rule for rule, _ in table.values())
    for feature, on in sorted(configured.items()):
        if feature.startswith("system_") and not on and f"!{feature}" not in named.split():
            errors.append(f"Qt was configured with its own copy of {feature[7:]} "
                          f"(QT_FEATURE_{feature} off), which {table_path} does not name")
    shipped = []
    for part in parts:
        row = table.get(part["Path"])
        if row is None:
            errors.append(f"{table_path}: Qt's source has a part {part['Id']} ({part['Name']}) "
                          f"in {part['Path']}, a folder the table does not decide")
        elif ships(row[0], configured, f"{table_path}:{row[1]}", errors):
            shipped.append(part)
    if errors:
        sys.exit("\n".join(errors))

    licences = os.path.join(output, "licenses")
    shutil.rmtree(licences, ignore_errors=True)
    os.makedirs(licences)
    blocks = []
    for part in sorted(shipped, key=lambda p: p["Name"].lower()):
        lines = [part["Name"] + (f", version {part['Version']}" if part.get("Version") else "")]
        body = [part.get("QtUsage", "")]
        body += [line for line in part.get("Copyright", "").splitlines() if line.strip()]
        terms = part.get("LicenseId") or part.get("License") or "no licence: public domain"
        if part.get("LicenseCopy"):
            name = f"licenses/{part['Id']}.txt"
            shutil.copyfile(os.path.join(prefix, "third-party", "licenses", part["LicenseCopy"]),
                            os.path.join(output, name))
            terms += f" ({name.replace('/', chr(92))})"
        body.append(f"Licence: {terms}.")
        body.append("Source: " + (part.get("DownloadLocation") or
                                  f"Qt's own source, {part['Path']}"))
        for paragraph in body:
            lines += textwrap.wrap(paragraph, 76, initial_indent="  ", subsequent_indent="    ",
                                   break_long_words=False, break_on_hyphens=False)
        blocks.append("\n".join(lines))
    with open(os.path.join(output, "qt-third-party.txt"), "w", encoding="utf-8") as f:
        f.write("\n\n".join(blocks) + "\n")


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "collect":
        collect(sys.argv[2], sys.argv[3])
    elif len(sys.argv) == 5 and sys.argv[1] == "notices":
        notices(sys.argv[2], sys.argv[3], sys.argv[4])
    else:
        sys.exit(__doc__)
