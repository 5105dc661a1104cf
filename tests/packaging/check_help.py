#!/usr/bin/env python3
"""Checks the help's sources against the add-in they describe:

- the start page quotes every message the add-in can show, and the texts of
  its toolbar, menus and country chooser, exactly as the add-in words them;
- every link, picture and anchor of the pages and the table of contents
  resolves to a file the project compiles into the help;
- the compiled help holds the two topics the add-in opens.

  check_help.py HELP_DIR STRINGS_INC DIALOG_TEXTS_H [COMPILED_CHM]
"""

import html
import os
import re
import sys
from html.parser import HTMLParser

# String-table entries the start page must quote, by identifier.
QUOTED_STRINGS = (
    "kCaptionInformation", "kLatestVersion", "kUpdateCheckFailed", "kNewerVersion",
    "kNotLoggedIn", "kCannotCallSelf", "kCannotChatSelf", "kApiErrorUnknownUser",
    "kNoConferenceSupport", "kOfferHelp", "kApiErrorInvalidNumber", "kApiErrorCallSelf",
    "kApiErrorOther", "kMenuCallContact", "kMenuMessageContact", "kMenuReplyCall",
    "kMenuReplyMessage", "kMenuConference", "kMenuImConference", "kTipSkypeOut", "kTipCall", "kTipChat", "kTipHelpMenu",
    "kTipBuySkypeOut", "kMenuTandrelHelp", "kMenuOptions", "kMenuCheckUpdate", "kMenuContactUs",
    "kMenuAbout", "kInvalidPhoneNumber", "kPromptPhoneNumber", "kPromptSkypeName",
    "kSkypeNotInstalled", "kSkypeNotRunning", "kSkypeAccessDenied", "kUnsafeTarget",
    "kNoSkypeLinkProgram", "kNoTelLinkProgram", "kCallViaDesktopApi", "kCallViaSkypeLinks",
    "kCallViaTelLinks", "kIncomingCreateContact",
)
QUOTED_DIALOG_TEXTS = (
    "TANDREL_COUNTRY_PROMPT", "TANDREL_COUNTRY_ALWAYS_USE_LABEL", "TANDREL_OPTIONS_SCREEN_POP",
    "TANDREL_OPTIONS_CLASSIC_TOOLBAR", "TANDREL_OPTIONS_CALL_VIA", "TANDREL_INCOMING_TITLE",
    "TANDREL_INCOMING_OPEN", "TANDREL_INCOMING_CLOSE",
)
# Texts the add-in composes in code rather than in the string table.
QUOTED_FIXED = (
    "Choose or enter the Skype Name of the person you want to contact",
    "Choose or enter the telephone number you want to dial using SkypeOut",
    "Unknown Skype Attachment Status '", "'. Please report this error and the status to ",
    "Skype Name",
)
TOPICS_OPENED = ("index.htm", "skypecall.htm")


def c_literal(text):
    escapes = {"n": "\n", '"': '"', "\\": "\\"}
    return re.sub(r"\\(.)", lambda m: escapes.get(m.group(1), m.group(1)), text)


def string_table(path):
    pattern = re.compile(r'^TANDREL_STRING\(\s*\d+\s*,\s*(\w+)\s*,\s*"((?:[^"\\]|\\.)*)"\)')
    with open(path, encoding="utf-8") as f:
        return {m.group(1): c_literal(m.group(2)) for m in map(pattern.match, f) if m}


def dialog_texts(path):
    with open(path, encoding="utf-8") as f:
        source = f.read().replace("\\\n", " ")
    texts = {}
    for name, body in re.findall(r"^#define (\w+)\s+(.*)$", source, re.M):
        texts[name] = "".join(c_literal(s) for s in re.findall(r'"((?:[^"\\]|\\.)*)"', body))
    return texts


class Page(HTMLParser):
    """The visible text, the local references and the anchors of one page."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.text, self.references, self.anchors = [], [], set()

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if "id" in attrs:
            self.anchors.add(attrs["id"])
        for name in ("href", "src"):
            if attrs.get(name):
                self.references.append(attrs[name])
        if tag == "param" and (attrs.get("name") or "").lower() == "local":
            self.references.append(attrs.get("value") or "")

    def handle_data(self, data):
        self.text.append(data)


def read_page(path):
    page = Page()
    with open(path, encoding="utf-8") as f:
        page.feed(f.read())
    return page


def normalised(text):
    return " ".join(html.unescape(text).split())


def project_files(help_dir):
    with open(os.path.join(help_dir, "tandrel.hhp"), encoding="utf-8") as f:
        lines = [line.strip() for line in f]
    files = lines[lines.index("[FILES]") + 1:]
    return [line for line in files if line and not line.startswith("[")]


def problems(help_dir, strings_path, dialogs_path, chm_path):
    found = []
    files = project_files(help_dir)
    pages = {name: read_page(os.path.join(help_dir, name))
             for name in files + ["toc.hhc"] if name.endswith((".htm", ".hhc"))}
    found += ["topic %s is not compiled into the help" % t for t in TOPICS_OPENED
              if t not in files]

    start = normalised(" ".join(pages["index.htm"].text))
    table = string_table(strings_path)
    dialogs = dialog_texts(dialogs_path)
    wanted = [table[i] for i in QUOTED_STRINGS] + [dialogs[i] for i in QUOTED_DIALOG_TEXTS]
    for text in wanted + list(QUOTED_FIXED):
        for line in text.split("\n"):
            if normalised(line) not in start:
                found.append("index.htm does not quote: %s" % line)

    for name, page in pages.items():
        for reference in page.references:
            if re.match(r"^[a-z]+:", reference):
                continue  # mailto: and web addresses
            target, _, anchor = reference.partition("#")
            target = target or name
            if target not in files:
                found.append("%s refers to %s, which the help does not hold" % (name, target))
            elif anchor and anchor not in pages[target].anchors:
                found.append("%s refers to #%s, which %s lacks" % (name, anchor, target))

    if chm_path:
        with open(chm_path, "rb") as f:
            compiled = f.read()
        found += ["the compiled help lacks /%s" % t for t in TOPICS_OPENED
                  if ("/" + t).encode() not in compiled]
    return found


def main(argv):
    if len(argv) not in (3, 4):
        print(__doc__, file=sys.stderr)
        return 2
    found = problems(*argv, *([None] * (4 - len(argv))))
    for problem in found:
        print(problem, file=sys.stderr)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
