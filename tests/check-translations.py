#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Vellora contributors
"""Fails when a text the user sees has no translation.

Usage: check-translations.py LUPDATE SOURCE_ROOT TS_FILE...

Each translation file is brought up to date with the sources in a scratch copy
(lupdate, as the update_translations target does), so that a text added to the
sources but not to the file counts as untranslated. Every message must then
have a finished translation with the same numbered places (%1, %2, ...) as its
source.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

SOURCES = ("model", "render", "app", "cli")


def places(text):
    return sorted(set(re.findall(r"%\d", text or "")))


def check(lupdate, root, ts_file):
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        copy = Path(scratch) / ts_file.name
        shutil.copy(ts_file, copy)
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none"]
                       + [str(root / d) for d in SOURCES] + ["-ts", str(copy)], check=True)
        for context in ET.parse(copy).getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                source = message.findtext("source")
                translation = message.find("translation")
                where = f"{ts_file.name}: {name}: {source!r}"
                if translation is None or not (translation.text or "").strip() \
                        or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                    problems.append(f"{where} has no translation")
                elif places(source) != places(translation.text):
                    problems.append(f"{where}: the translation's places {places(translation.text)}"
                                    f" differ from {places(source)}")
    return problems


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    lupdate, root = sys.argv[1], Path(sys.argv[2])
    problems = [p for ts in sys.argv[3:] for p in check(lupdate, root, Path(ts))]
    for problem in problems:
        print(problem)
    if problems:
        print("Run `cmake --build build --target update_translations`, then translate.")
        sys.exit(1)
    print(f"every text translated in {len(sys.argv) - 3} file(s)")


if __name__ == "__main__":
    main()
