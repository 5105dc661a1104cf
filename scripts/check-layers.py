#!/usr/bin/env python3
"""Fails when an #include breaks the layer table (scripts/layers.txt).

Checks every C and C++ file under src/, tools/ and tests/: a quoted include
"a/b.h" must come from the file's own folder or from one the table lets it
include from; an angle include of a platform header (<windows.h>, any
<*.h> but Boost's and GoogleTest's) is allowed only in folders marked
"windows". Prints one line per broken include and exits 1 if there is any.
"""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TABLE = os.path.join(ROOT, "scripts", "layers.txt")
SCANNED = ("src", "tools", "tests")
SOURCE_SUFFIXES = (".h", ".hpp", ".c", ".cc", ".cpp", ".inc")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
# Angle includes that are not platform headers even though they end in ".h".
PORTABLE_PREFIXES = ("boost/", "gtest/", "gmock/")


def read_table(path):
    """{folder: set of folders it names}, {folders marked windows}, errors."""
    direct, windows, errors = {}, set(), []
    with open(path, encoding="utf-8") as table:
        for number, line in enumerate(table, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            folder, arrow, rest = line.partition("<-")
            folder = folder.strip()
            if not arrow or not folder or folder in direct:
                errors.append(f"{path}:{number}: expected '<folder> <- <folders>' once per folder")
                continue
            names = set(rest.split())
            if "windows" in names:
                windows.add(folder)
                names.discard("windows")
            direct[folder] = names
    for folder, names in direct.items():
        for name in names - set(direct):
            errors.append(f"{path}: {folder} names {name}, which has no line of its own")
    return direct, windows, errors


def closure(direct):
    """Every folder each folder may include from, itself included."""
    allowed = {}

    def visit(folder, seen):
        if folder in allowed:
            return allowed[folder]
        reach = {folder}
        for name in direct.get(folder, ()):
            if name not in seen:  # a cycle in the table adds nothing new
                reach |= visit(name, seen | {name})
        allowed[folder] = reach
        return reach

    for folder in direct:
        visit(folder, {folder})
    return allowed


def owner(path, folders):
    """The longest listed folder that holds `path` (relative, '/'-separated)."""
    best = None
    for folder in folders:
        if path == folder or path.startswith(folder + "/"):
            if best is None or len(folder) > len(best):
                best = folder
    return best


def source_of(include, folders):
    """The folder a quoted include with a '/' comes from, or None."""
    first = include.split("/", 1)[0]
    if f"src/{first}" in folders:
        return f"src/{first}"
    if os.path.isdir(os.path.join(ROOT, "tests", first)):
        return owner(f"tests/{include}", folders)
    return None


def check_file(relative, folders, allowed, windows):
    problems = []
    folder = owner(relative, folders)
    if folder is None:
        return [f"{relative}: its folder is not in scripts/layers.txt"]
    with open(os.path.join(ROOT, relative), encoding="utf-8", errors="replace") as source:
        for number, line in enumerate(source, 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            kind, include = match.groups()
            where = f"{relative}:{number}: #include {kind}{include}{'>' if kind == '<' else kind}"
            if kind == "<":
                platform_header = include.endswith(".h") and not include.startswith(
                    PORTABLE_PREFIXES)
                if platform_header and folder not in windows:
                    problems.append(f"{where}: only the win32 adapters include platform headers")
                continue
            if "/" not in include:
                continue  # beside the including file
            source = source_of(include, folders)
            if source is None:
                problems.append(f"{where}: comes from no folder of scripts/layers.txt")
            elif source not in allowed[folder]:
                problems.append(f"{where}: {folder} may not include from {source}")
    return problems


def main():
    direct, windows, problems = read_table(TABLE)
    if problems:
        print("\n".join(problems))
        return 1
    allowed = closure(direct)
    checked = 0
    for top in SCANNED:
        for directory, subdirectories, files in os.walk(os.path.join(ROOT, top)):
            subdirectories.sort()
            for name in sorted(files):
                if name.endswith(SOURCE_SUFFIXES):
                    relative = os.path.relpath(os.path.join(directory, name), ROOT)
                    problems += check_file(relative.replace(os.sep, "/"), direct, allowed,
                                           windows)
                    checked += 1
    if problems:
        print("\n".join(problems))
        print(f"layer check: {len(problems)} include(s) break scripts/layers.txt")
        return 1
    print(f"layer check: {checked} files keep scripts/layers.txt")
    return 0


if __name__ == "__main__":
    sys.exit(main())
