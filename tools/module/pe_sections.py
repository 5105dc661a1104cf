"""The section table of a PE image (a DLL or EXE), read without a tool chain.

Long section names (".debug_info", ".gnu_debuglink") are written by GNU tools
as "/N": an offset into the COFF string table that follows the symbol table.
"""

import struct
from collections import namedtuple

Section = namedtuple("Section", "name virtual_size raw_size raw_offset")


class NotAnImage(ValueError):
    pass


def read_sections(data):
    """The sections of the image in `data` (bytes), in file order."""
    if data[:2] != b"MZ" or len(data) < 0x40:
        raise NotAnImage("no MZ header")
    (pe_offset,) = struct.unpack_from("<I", data, 0x3C)
    if data[pe_offset:pe_offset + 4] != b"PE\0\0":
        raise NotAnImage("no PE signature")
    coff = pe_offset + 4
    _, count, _, symbols_at, symbol_count, optional_size, _ = struct.unpack_from(
        "<HHIIIHH", data, coff)
    strings_at = symbols_at + 18 * symbol_count if symbols_at else None
    table = coff + 20 + optional_size
    sections = []
    for index in range(count):
        entry = table + 40 * index
        if entry + 40 > len(data):
            raise NotAnImage("section table cut short")
        raw_name, virtual_size, _, raw_size, raw_offset = struct.unpack_from(
            "<8sIIII", data, entry)
        name = raw_name.rstrip(b"\0").decode("ascii", "replace")
        if name.startswith("/") and name[1:].isdigit() and strings_at is not None:
            start = strings_at + int(name[1:])
            name = data[start:data.index(b"\0", start)].decode("ascii", "replace")
        sections.append(Section(name, virtual_size, raw_size, raw_offset))
    return sections


def section_bytes(data, section):
    """What the file holds of `section` (its used part, not the alignment padding)."""
    used = min(section.virtual_size or section.raw_size, section.raw_size)
    return data[section.raw_offset:section.raw_offset + used]
