#!/usr/bin/env python3
"""Checks that the project's own includes point one way: down the folder
orders below. Prints each include that points up or across, or with --list
every include of the project's own files, and exits 1 on a wrong one."""
import fnmatch
import os
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# Each program's folders, highest first; a file may include files of its own
# folder and of the folders listed after it. An entry is a glob pattern, or
# a tuple of patterns that share one place. common/ lies below both programs,
# so a folder of one program can never reach into the other.
ORDERS = {
    "dialog": ["app", "search_dialog", "option_dialogs", "resources", "winlayer", "common"],
    # zuvediv/README.md's folder map says what each folder does.
    "tool": ["zuvediv", "zuvediv/wine", "zuvediv/run", "zuvediv/report", "zuvediv/workers", "zuvediv/cache",
             "zuvediv/documents", "zuvediv/command_line", "zuvediv/output", "zuvediv/ocr", "zuvediv/pdf",
             "zuvediv/text", "zuvediv/platform", "common"],
    # The console bridge is a program of its own.
    "bridge": ["zuvediv/wine_bridge", "common"],
}
# Folders outside both programs, whose includes are not checked.
UNCHECKED = ["tests", "tests/*", "bench", "bench/*", "samples", "samples/*", "scripts", "scripts/*"]

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
# Where a quoted include is looked for: the including file's folder, then
# the include directories of the builds.
SEARCH_ROOTS = [ROOT, ROOT / "zuvediv"]


def source_files():
    try:
        listed = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=ROOT,
                                capture_output=True, text=True, check=True).stdout.split()
    except (OSError, subprocess.CalledProcessError):
        listed = [str(p.relative_to(ROOT)) for p in ROOT.rglob("*") if "build" not in p.parts]
    return sorted(f for f in listed if f.endswith((".cpp", ".h")) and (ROOT / f).is_file())


def matches(folder, entry):
    patterns = entry if isinstance(entry, tuple) else (entry,)
    return any(fnmatch.fnmatchcase(folder, p) for p in patterns)


def place(order, folder):
    return next((i for i, entry in enumerate(order) if matches(folder, entry)), None)


def allowed(source, target):
    """Whether some order has the target's folder at or below the source's."""
    for order in ORDERS.values():
        mine, theirs = place(order, source), place(order, target)
        if mine is not None and theirs is not None and theirs >= mine:
            return True
    return False


def resolve(including, name):
    for base in [(ROOT / including).parent] + SEARCH_ROOTS:
        path = (base / name).resolve()
        if path.is_file() and ROOT in path.parents:
            return path.relative_to(ROOT).as_posix()
    return None  # a generated or a system header


def main():
    listing = "--list" in sys.argv[1:]
    wrong = unplaced = 0
    for source in source_files():
        folder = os.path.dirname(source)
        if any(fnmatch.fnmatchcase(folder, p) for p in UNCHECKED):
            continue
        if all(place(order, folder) is None for order in ORDERS.values()):
            print(f"{source}: its folder {folder}/ is in no order of scripts/check_layers.py")
            unplaced += 1
            continue
        text = (ROOT / source).read_text(encoding="utf-8", errors="replace")
        for name in INCLUDE.findall(text):
            target = resolve(source, name)
            if target is None:
                continue
            ok = allowed(folder, os.path.dirname(target))
            if listing or not ok:
                print(f"{source} -> {target}{'' if ok else '  (points up or across)'}")
            wrong += not ok
    if wrong or unplaced:
        print(f"{wrong} include(s) against the folder order, {unplaced} file(s) in no order")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
