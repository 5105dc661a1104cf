#!/usr/bin/env python3
"""Refuses a package that would not install as promised: for the current user
only, without elevation, in the registry view of its bitness.

  check_package.py --msiinfo PATH --arch x86|x64 PACKAGE.msi

Reads the package's tables with msiinfo; prints what is wrong and exits 1.
"""

import argparse
import subprocess
import sys

ROOT_HKCU = 1
COMPONENT_64BIT = 256
WORD_COUNT_NO_ELEVATION = 8
REQUIRED_TABLES = ("Component", "Directory", "Feature", "File", "Media", "Property", "Registry",
                   "RemoveFile", "Upgrade")


def msiinfo(tool, *args):
    return subprocess.run([tool] + list(args), check=True, capture_output=True,
                          text=True).stdout


def table_rows(tool, package, table):
    """The rows of one table; msiinfo prints the columns, their types and the key first."""
    lines = msiinfo(tool, "export", package, table).splitlines()
    header = lines[0].split("\t")
    return [dict(zip(header, line.split("\t"))) for line in lines[3:] if line]


def problems(tool, package, arch):
    found = []
    tables = set(msiinfo(tool, "tables", package).split())
    found += ["table %s is missing" % t for t in REQUIRED_TABLES if t not in tables]
    for row in table_rows(tool, package, "Registry"):
        if int(row["Root"]) != ROOT_HKCU:
            found.append("registry row %s is not under HKEY_CURRENT_USER" % row["Registry"])
    for row in table_rows(tool, package, "Component"):
        is_64 = bool(int(row["Attributes"]) & COMPONENT_64BIT)
        if is_64 != (arch == "x64"):
            found.append("component %s is not in the %s registry view" % (row["Component"], arch))
    properties = {row["Property"]: row["Value"] for row in table_rows(tool, package, "Property")}
    if "ALLUSERS" in properties:
        found.append("ALLUSERS is set: the package would install for every user")
    for line in msiinfo(tool, "suminfo", package).splitlines():
        if line.startswith("Source:"):  # the Word Count property
            if not int(line.split()[1]) & WORD_COUNT_NO_ELEVATION:
                found.append("the package asks for elevation")
        if line.startswith("Template:") and not line.split()[1].startswith(
                "x64;" if arch == "x64" else "Intel;"):
            found.append("the package's platform is not %s" % arch)
    return found


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--msiinfo", default="msiinfo")
    parser.add_argument("--arch", choices=("x86", "x64"), required=True)
    parser.add_argument("package")
    args = parser.parse_args(argv)
    found = problems(args.msiinfo, args.package, args.arch)
    for problem in found:
        print("%s: %s" % (args.package, problem), file=sys.stderr)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
