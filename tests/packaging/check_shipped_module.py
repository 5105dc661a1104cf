#!/usr/bin/env python3
"""Refuses a package whose tandrel.dll is not in the form we ship: small
enough, no debug information inside, and a .gnu_debuglink that names the
debug file built beside it and carries that file's CRC, so a debugger given
the symbols finds exactly the matching ones.

  check_shipped_module.py --msiextract PATH --max-bytes N PACKAGE.msi MODULE.debug

Unpacks the package with msiextract; prints what is wrong and exits 1.
"""

import argparse
import os
import subprocess
import sys
import tempfile
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools", "module"))
import pe_sections  # noqa: E402

MODULE = "tandrel.dll"


def unpacked_module(msiextract, package, folder):
    subprocess.run([msiextract, "-C", folder, package], check=True, capture_output=True)
    for root, _, files in os.walk(folder):
        if MODULE in files:
            return os.path.join(root, MODULE)
    return None


def debuglink(data, sections):
    """(file name, CRC) from the .gnu_debuglink section, or None."""
    for section in sections:
        if section.name == ".gnu_debuglink":
            content = pe_sections.section_bytes(data, section)
            name_end = content.index(b"\0")
            crc_at = (name_end + 4) & ~3
            crc = int.from_bytes(content[crc_at:crc_at + 4], "little")
            return content[:name_end].decode("ascii", "replace"), crc
    return None


def problems(module, debug_file, max_bytes):
    found = []
    with open(module, "rb") as f:
        data = f.read()
    if len(data) > max_bytes:
        found.append("%s is %d bytes, more than %d" % (MODULE, len(data), max_bytes))
    sections = pe_sections.read_sections(data)
    inside = sorted(s.name for s in sections if s.name.startswith(".debug"))
    if inside:
        found.append("%s carries debug information: %s" % (MODULE, " ".join(inside)))
    with open(debug_file, "rb") as f:
        debug = f.read()
    link = debuglink(data, sections)
    if link is None:
        found.append("%s has no .gnu_debuglink" % MODULE)
    else:
        name, crc = link
        if name != os.path.basename(debug_file):
            found.append("%s links %r, not %r" % (MODULE, name, os.path.basename(debug_file)))
        if crc != zlib.crc32(debug):
            found.append("%s links a different build of %s (CRC %08x, the file's %08x)" %
                         (MODULE, name, crc, zlib.crc32(debug)))
    if not any(s.name == ".debug_info" and s.raw_size for s in pe_sections.read_sections(debug)):
        found.append("%s holds no debug information" % os.path.basename(debug_file))
    return found


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--msiextract", default="msiextract")
    parser.add_argument("--max-bytes", type=int, required=True)
    parser.add_argument("package")
    parser.add_argument("debug_file")
    args = parser.parse_args(argv)
    with tempfile.TemporaryDirectory() as folder:
        module = unpacked_module(args.msiextract, args.package, folder)
        if module is None:
            found = ["the package holds no %s" % MODULE]
        else:
            found = problems(module, args.debug_file, args.max_bytes)
            size = os.path.getsize(module)
    for problem in found:
        print("%s: %s" % (args.package, problem), file=sys.stderr)
    if not found:
        print("%s: %s of %d bytes, its debug information in %s" %
              (args.package, MODULE, size, os.path.basename(args.debug_file)))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
