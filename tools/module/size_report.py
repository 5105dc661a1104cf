#!/usr/bin/env python3
"""What takes the room in tandrel.dll: its sections as the file holds them,
then, from the linker's map, what each library and each object puts into
the loaded sections (code, read-only data, unwind tables, ...).

  size_report.py [--top N] MODULE.dll MODULE.map

Build the map with the DLL (cmake/ShippedModule.cmake writes tandrel.map
beside it). The biggest functions: `<triple>-nm --size-sort -S -C` on
tandrel.dll.debug, which keeps the symbols the DLL no longer has.
"""

import argparse
import collections
import os
import re
import sys

sys.path.insert(0, os.path.dirname(__file__))
import pe_sections  # noqa: E402

# " .text.name  0xADDRESS  0xSIZE  file", the name alone on its line when long.
INPUT_SECTION = re.compile(r"^ (\S+)?\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$")
OUTPUT_SECTION = re.compile(r"^(\.\w+)\s")
LOADED = (".text", ".rdata", ".data", ".pdata", ".xdata", ".eh_frame", ".bss", ".rsrc", ".idata", ".CRT",
          ".tls", ".edata", ".reloc")


def contributions(map_lines):
    """(output section, input file, size) for every input section placed in a loaded section."""
    output = None
    pending_name = False
    for line in map_lines:
        heading = OUTPUT_SECTION.match(line)
        if heading:
            output = heading.group(1) if heading.group(1) in LOADED else None
            continue
        if output is None:
            continue
        if re.match(r"^ \S+$", line):  # a long input section name; its numbers follow
            pending_name = True
            continue
        match = INPUT_SECTION.match(line)
        if match and (match.group(1) or pending_name):
            size = int(match.group(3), 16)
            if size and not match.group(4).startswith("0x"):
                yield output, match.group(4), size
        pending_name = False


def library_of(path):
    """libstdc++.a for '.../libstdc++.a(string-inst.o)', the object itself otherwise."""
    return os.path.basename(path.split("(")[0])


def member_of(path):
    member = re.search(r"\(([^)]*)\)$", path)
    return "%s(%s)" % (library_of(path), member.group(1)) if member else os.path.basename(path)


def report(module, map_file, top):
    with open(module, "rb") as f:
        data = f.read()
    print("%s: %d bytes" % (os.path.basename(module), len(data)))
    for section in sorted(pe_sections.read_sections(data), key=lambda s: -s.raw_size):
        print("  %-16s %9d" % (section.name, section.raw_size))

    with open(map_file, errors="replace") as f:
        rows = list(contributions(f))
    by_section = collections.Counter()
    by_library = collections.defaultdict(collections.Counter)
    by_member = collections.Counter()
    for output, path, size in rows:
        by_section[output] += size
        by_library[library_of(path)][output] += size
        by_member[member_of(path)] += size
    total = sum(by_section.values())
    print("\nBy library (bytes placed, all loaded sections; %d in all):" % total)
    for library, sections in sorted(by_library.items(), key=lambda item: -sum(item[1].values())):
        size = sum(sections.values())
        if size * 200 < total:
            continue  # under half a per cent
        parts = ", ".join("%s %d" % (name, n) for name, n in sections.most_common(3))
        print("  %-34s %9d %5.1f%%  (%s)" % (library, size, 100.0 * size / total, parts))
    print("\nThe %d biggest objects:" % top)
    for member, size in by_member.most_common(top):
        print("  %-58s %8d" % (member, size))


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--top", type=int, default=25)
    parser.add_argument("module")
    parser.add_argument("map")
    args = parser.parse_args(argv)
    report(args.module, args.map, args.top)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
