#!/usr/bin/env python3
"""Turns the COM registry script (tandrel.rgs, ATL registrar syntax) into the
package's registry rows.

wixl has no Class, ProgId or TypeLib elements (they would write machine-wide)
and no nested RegistryKey, so every key and value the script writes becomes
one explicit per-user RegistryValue. Two outputs:

  --wxi FILE   a WiX include with those RegistryValue elements, placed inside
               the component that installs the module;
  --list FILE  the same keys as flat lines `root\\path|name|type|value`, for
               comparing with what the registrar writes. An empty name is the
               key's default value; a key the script creates without any value
               or sub-key is one line of type KEY; `%MODULE%` stays as written.

What the script means (as the registrar runs it): NoRemove keys are only
walked through, never written or removed; ForceRemove keys are removed with
everything below them and written again; unregistering removes every other
key the script names with everything below it. The package mirrors this by
marking the outermost keys it owns, the ForceRemove keys and the empty ones
for removal with their whole tree at uninstall (Name="*").

Anything the package cannot honour per user is refused with a message and
exit status 1: a root other than HKCU, value types other than s and d, the
Delete keyword, a value in a NoRemove key, unknown replacements, a '|' or a
line break in a name or value, unbalanced braces.
"""

import argparse
import sys
from xml.sax.saxutils import quoteattr

ROOTS = {"HKCU": "HKCU", "HKEY_CURRENT_USER": "HKCU"}
FLAGS = ("NoRemove", "ForceRemove")
MODULE = "%MODULE%"


class ScriptError(Exception):
    pass


def tokenize(text):
    """Whitespace-separated tokens; 'quoted' texts may hold blanks, '' is a quote."""
    tokens = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if c.isspace():
            i += 1
        elif c == "'":
            j, chars = i + 1, []
            while True:
                if j >= n:
                    raise ScriptError("a quoted text is not closed")
                if text[j] == "'":
                    if j + 1 < n and text[j + 1] == "'":
                        chars.append("'")
                        j += 2
                        continue
                    break
                chars.append(text[j])
                j += 1
            tokens.append(("quoted", "".join(chars)))
            i = j + 1
        else:
            j = i
            while j < n and not text[j].isspace():
                j += 1
            tokens.append(("bare", text[i:j]))
            i = j
    return tokens


def listable(text):
    """A name or value the flat list can hold: one line, no field separator."""
    if any(c in text for c in "|\r\n"):
        raise ScriptError("'%s' holds a '|' or a line break" % text)
    return text


class Key:
    def __init__(self, path, flag):
        self.path = path
        self.flag = flag
        self.values = []  # (name, type, value); name "" is the default value
        self.children = []


class Parser:
    def __init__(self, tokens):
        self.tokens = tokens
        self.pos = 0

    def peek(self):
        return self.tokens[self.pos] if self.pos < len(self.tokens) else None

    def take(self, what):
        token = self.peek()
        if token is None:
            raise ScriptError("the script ends where %s was expected" % what)
        self.pos += 1
        return token

    def expect(self, text):
        kind, value = self.take("'%s'" % text)
        if kind != "bare" or value != text:
            raise ScriptError("'%s' expected, found '%s'" % (text, value))

    def at(self, text):
        token = self.peek()
        return token is not None and token == ("bare", text)

    def parse(self):
        roots = []
        while self.peek() is not None:
            kind, name = self.take("a root key")
            root = ROOTS.get(name.upper()) if kind == "bare" else None
            if root is None:
                raise ScriptError("root '%s' is not supported: the package writes per user only"
                                  " (HKCU)" % name)
            key = Key(root, "NoRemove")
            self.expect("{")
            self.block(key)
            roots.append(key)
        return roots

    def block(self, parent):
        while not self.at("}"):
            if self.peek() is None:
                raise ScriptError("a '{' is not closed")
            self.item(parent)
        self.expect("}")

    def item(self, parent):
        kind, word = self.take("a key")
        if kind == "bare" and word == "val":
            _, name = self.take("a value name")
            self.expect("=")
            self.add_value(parent, listable(name))
            return
        if kind == "bare" and word == "Delete":
            raise ScriptError("'Delete' is not supported")
        flag = None
        if kind == "bare" and word in FLAGS:
            flag = word
            kind, word = self.take("a key name")
        if kind == "bare" and word in ("{", "}", "="):
            raise ScriptError("a key name expected, found '%s'" % word)
        key = Key(parent.path + "\\" + listable(word), flag)
        if self.at("="):
            self.pos += 1
            self.add_value(key, "")
        if self.at("{"):
            self.pos += 1
            self.block(key)
        parent.children.append(key)

    def add_value(self, key, name):
        if key.flag == "NoRemove":
            # The package removes every value it writes; the registrar keeps these.
            raise ScriptError("a value in NoRemove key '%s' cannot be packaged" % key.path)
        key.values.append((name,) + self.typed())

    def typed(self):
        kind, letter = self.take("a value type")
        if kind != "bare" or letter not in ("s", "d"):
            raise ScriptError("value type '%s' is not supported (only s and d)" % letter)
        kind, data = self.take("a value")
        if letter == "s":
            stripped = data.replace(MODULE, "")
            if "%" in stripped:
                raise ScriptError("unknown replacement in '%s'" % data)
            return ("REG_SZ", listable(data))
        try:
            hexadecimal = data[:2].lower() == "0x"
            number = int(data[2:], 16) if hexadecimal else int(data, 10)
        except ValueError:
            raise ScriptError("'%s' is not a number" % data) from None
        if not 0 <= number <= 0xFFFFFFFF:
            raise ScriptError("'%s' does not fit a REG_DWORD" % data)
        return ("REG_DWORD", str(number))


def parse(text):
    return Parser(tokenize(text)).parse()


def walk(keys, parent=None):
    """Every key with the key it sits in."""
    for key in keys:
        yield key, parent
        yield from walk(key.children, key)


def flat_lines(roots):
    lines = []
    for key, _ in walk(roots):
        if key.flag == "NoRemove":
            continue
        for name, kind, value in key.values:
            lines.append("%s|%s|%s|%s" % (key.path, name, kind, value))
        if not key.values and not key.children:
            lines.append("%s||KEY|" % key.path)
    return lines


def formatted(text, module_file_id):
    """A literal text as MSI formatted text: brackets escaped, %MODULE% the file."""
    escaped = text.replace("[", "\x00").replace("]", "[\\]]").replace("\x00", "[\\[]")
    if escaped.startswith("#"):
        escaped = "#" + escaped  # a leading # would mark a number
    return escaped.replace(MODULE, "[#%s]" % module_file_id)


def wxi_lines(roots, module_file_id):
    out = []
    key_path_set = False

    def row(root, path, attributes):
        attrs = 'Root="%s" Key=%s' % (root, quoteattr(path)) + attributes
        out.append("    <RegistryValue %s/>" % attrs)

    for key, parent in walk(roots):
        if key.flag == "NoRemove":
            continue
        root, _, path = key.path.partition("\\")
        path_text = formatted(path, module_file_id)
        outermost = parent is None or parent.flag == "NoRemove"
        if outermost or key.flag == "ForceRemove" or not (key.values or key.children):
            # Created at install, removed with everything below it at uninstall,
            # as unregistering removes the keys the script owns.
            row(root, path_text, ' Name="*" Type="string" Value=""')
        for name, kind, value in key.values:
            attributes = ""
            if name:
                attributes += " Name=%s" % quoteattr(formatted(name, module_file_id))
            if kind == "REG_SZ":
                attributes += ' Type="string" Value=%s' % quoteattr(formatted(value, module_file_id))
            else:
                attributes += ' Type="integer" Value="%s"' % value
            if MODULE in value and not key_path_set:
                # The module's own registration tells whether the component is installed.
                attributes += ' KeyPath="yes"'
                key_path_set = True
            row(root, path_text, attributes)
    if not key_path_set:
        raise ScriptError("no value names %s: the component would have no key path" % MODULE)
    return ['<?xml version="1.0" encoding="utf-8"?>',
            "<!-- Generated from tandrel.rgs by rgs_to_wix.py; do not edit. -->",
            "<Include>"] + out + ["</Include>"]


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("script")
    parser.add_argument("--wxi")
    parser.add_argument("--list")
    parser.add_argument("--module-file-id", default="tandrel.dll")
    args = parser.parse_args(argv)
    try:
        with open(args.script, encoding="utf-8") as f:
            roots = parse(f.read())
        wxi = wxi_lines(roots, args.module_file_id)
    except (ScriptError, OSError, UnicodeDecodeError) as error:
        print("%s: %s" % (args.script, error), file=sys.stderr)
        return 1
    if args.wxi:
        with open(args.wxi, "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(wxi) + "\n")
    if args.list:
        with open(args.list, "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(flat_lines(roots)) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
