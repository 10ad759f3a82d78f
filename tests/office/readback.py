#!/usr/bin/env python3
"""Reads the reader's saved RTF files back with LibreOffice and compares them with the view.

The Windows test program (tests/win32/ui/OfficeExportTest.cpp) leaves in one folder, for
each case NAME: NAME.rtf as saved, NAME.view.txt with the view's text, and NAME.expect with
what an office suite must find (term, boldRuns, colour, sizeTwips, hits). This script converts
every file with `soffice --headless --convert-to fodt` (LibreOffice's own flat document
format: it keeps the character size to the half point, where its HTML export rounds to whole
points) and checks, per file:

- the same words in the same order as the view's text;
- exactly the expected number of bold runs (bold characters in a row within a paragraph),
  each one holding the search term;
- on every character that is not blank, a positive size within half a point of the size the
  view draws with, and the chosen text colour.

A case saved with the Arabic shown also leaves NAME.arabic.txt (UTF-8, one verse's Arabic a
line, as the package has it; its NAME.view.txt is UTF-8 too). Its paragraphs with Arabic must
hold exactly those texts, in order, right to left, in the Arabic face and at arabicSizeTwips.
The bold runs in them must be exactly the lines of NAME.arabic-bold.txt (a search in the
Arabic: the words that hold a hit, as the package has them), or none without that file; the
bold runs above (boldRuns, term) are those of the other paragraphs.

Without LibreOffice the check fails; it never passes without having read the files.
"""
import fcntl
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

NS = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "style": "urn:oasis:names:tc:opendocument:xmlns:style:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
    "fo": "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0",
}
# The cases the Windows test program leaves; each must be there.
CASES = ["cari-sabar", "surat-93", "warna", "clipboard", "besar", "tentang", "arab", "kutip-arab",
         "cari-arab", "juz-30", "juz-30-arab"]
ARABIC_FACE = "Amiri Quran"


def q(prefix, name):
    return "{%s}%s" % (NS[prefix], name)


def fail(message):
    print("office read-back: " + message, file=sys.stderr)
    sys.exit(1)


def read_expect(path):
    values = {}
    with open(path, encoding="ascii") as f:
        for line in f:
            key, _, value = line.rstrip("\n").partition("=")
            values[key] = value
    return values


# One LibreOffice at a time on this machine: two started at once on fresh profiles (the two
# builds' suites side by side, on a fresh machine) can take each other down at start.
LOCK_PATH = os.path.join(tempfile.gettempdir(), "nurvela-office-readback.lock")


def run_office(command):
    """Runs LibreOffice under the machine-wide lock; returns (exit code, its output)."""
    with open(LOCK_PATH, "a") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        try:
            result = subprocess.run(command, capture_output=True, text=True, timeout=900)
        finally:
            fcntl.flock(lock, fcntl.LOCK_UN)
    return result.returncode, (result.stdout + result.stderr).strip()


def convert(folder, names):
    soffice = shutil.which("soffice") or shutil.which("libreoffice")
    if not soffice:
        fail("LibreOffice (soffice) is not installed, so the saved files cannot be read back; "
             "scripts/setup.sh installs it (package libreoffice-writer-nogui)")
    out = os.path.join(folder, "fodt")
    shutil.rmtree(out, ignore_errors=True)
    profile = os.path.join(os.path.dirname(os.path.abspath(folder)), "office-profile")
    command = [soffice, "-env:UserInstallation=file://" + profile, "--headless",
               "--convert-to", "fodt", "--outdir", out]
    command += [os.path.join(folder, n + ".rtf") for n in names]

    def missing():
        return [n for n in names if not os.path.exists(os.path.join(out, n + ".fodt"))]

    code, said = run_office(command)
    if len(missing()) == len(names):
        # Nothing converted: LibreOffice died at start, which a fresh machine's first start can
        # do now and then. Once more, on a profile made anew; a second failure is reported.
        print("office read-back: LibreOffice converted nothing (exit %d); starting it once more "
              "on a new profile. It said: %s" % (code, said), file=sys.stderr)
        shutil.rmtree(profile, ignore_errors=True)
        code, said = run_office(command)
    for name in missing():
        fail("LibreOffice did not convert %s.rtf (exit %d): %s" % (name, code, said))
    return out


class Styles:
    """Character properties of the document's styles, parents and defaults resolved."""

    def __init__(self, root):
        self.styles = {}
        self.defaults = {}
        for holder in ("styles", "automatic-styles"):
            for block in root.iter(q("office", holder)):
                for s in block.findall(q("style", "style")):
                    key = (s.get(q("style", "family")), s.get(q("style", "name")))
                    self.styles[key] = (s.get(q("style", "parent-style-name")), self.props(s))
                for s in block.findall(q("style", "default-style")):
                    self.defaults[s.get(q("style", "family"))] = self.props(s)

    @staticmethod
    def props(element):
        found = {}
        p = element.find(q("style", "text-properties"))
        if p is not None:
            for attribute in ("font-weight", "color", "font-size"):
                value = p.get(q("fo", attribute))
                if value is not None:
                    found[attribute] = value
            for attribute in ("font-name-complex", "font-size-complex", "font-weight-complex"):
                value = p.get(q("style", attribute))
                if value is not None:
                    found[attribute] = value
        p = element.find(q("style", "paragraph-properties"))
        if p is not None and p.get(q("style", "writing-mode")) is not None:
            found["writing-mode"] = p.get(q("style", "writing-mode"))
        return found

    def resolve(self, family, name):
        chain = []
        seen = set()
        while name and (family, name) in self.styles and name not in seen:
            seen.add(name)
            parent, props = self.styles[(family, name)]
            chain.append(props)
            name = parent
        merged = {}
        for props in reversed(chain):
            merged.update(props)
        return merged

    def paragraph(self, name):
        merged = dict(self.defaults.get("paragraph", {}))
        merged.update(self.resolve("paragraph", name))
        return merged

    def text(self, base, name):
        merged = dict(base)
        merged.update(self.resolve("text", name))
        return merged


def paragraphs(path):
    """Each paragraph as a list of (character, properties)."""
    root = ET.parse(path).getroot()
    styles = Styles(root)
    body = root.find(q("office", "body")).find(q("office", "text"))
    result = []

    def walk(element, props, chars):
        if element.text:
            chars.extend((c, props) for c in element.text)
        for child in element:
            if child.tag == q("text", "span"):
                walk(child, styles.text(props, child.get(q("text", "style-name"))), chars)
            elif child.tag == q("text", "s"):
                chars.extend((" ", props) for _ in range(int(child.get(q("text", "c"), "1"))))
            elif child.tag == q("text", "tab"):
                chars.append(("\t", props))
            elif child.tag == q("text", "line-break"):
                chars.append(("\n", props))
            else:
                walk(child, props, chars)
            if child.tail:
                chars.extend((c, props) for c in child.tail)

    for p in body.iter():
        if p.tag in (q("text", "p"), q("text", "h")):
            chars = []
            walk(p, styles.paragraph(p.get(q("text", "style-name"))), chars)
            result.append(chars)
    return result


def size_in_twips(value):
    match = re.fullmatch(r"([0-9.]+)pt", value or "")
    return round(float(match.group(1)) * 20) if match else None


def is_arabic(c):
    return "\u0600" <= c <= "\u06ff" or "\u08a0" <= c <= "\u08ff"


def bold_runs(paras, bold):
    """Characters in a row within a paragraph of which bold(props) holds."""
    runs = []
    for p in paras:
        run = None
        for c, props in p:
            if bold(props) and c != "\n":
                run = (run or "") + c
            elif run is not None:
                runs.append(run)
                run = None
        if run is not None:
            runs.append(run)
    return runs


def holds_arabic(paragraph):
    return any(is_arabic(c) for c, _ in paragraph)


def check_arabic(paras, arabic_lines, arabic_bold, expect):
    """The paragraphs that hold Arabic: the package's text exactly, right to left, in the
    Arabic face and size, and bold where the view shows it bold."""
    problems = []
    found = [p for p in paras if holds_arabic(p)]
    texts = ["".join(c for c, _ in p) for p in found]
    if texts != arabic_lines:
        at = next((i for i, (a, b) in enumerate(zip(texts, arabic_lines)) if a != b),
                  min(len(texts), len(arabic_lines)))
        problems.append("Arabic paragraph %d differs from the package's (%d paragraphs, %d "
                        "expected): %r" % (at, len(texts), len(arabic_lines),
                                           texts[at][:40] if at < len(texts) else None))
    twips = int(expect["arabicSizeTwips"])
    wrong = 0
    for p in found:
        for c, props in p:
            if not is_arabic(c):
                continue
            if (props.get("writing-mode") != "rl-tb" or
                    props.get("font-name-complex") != ARABIC_FACE or
                    size_in_twips(props.get("font-size-complex")) != twips):
                wrong += 1
    if wrong:
        problems.append("%d Arabic characters not right to left in %s at %d twips" %
                        (wrong, ARABIC_FACE, twips))
    # Right-to-left text carries its weight apart from the rest (the complex-script weight).
    runs = [r.strip() for r in bold_runs(found, lambda props: props.get("font-weight-complex")
                                         == "bold" or props.get("font-weight") == "bold")]
    wanted = arabic_bold or []
    if runs != wanted:
        at = next((i for i, (a, b) in enumerate(zip(runs, wanted)) if a != b),
                  min(len(runs), len(wanted)))
        problems.append("Arabic bold run %d differs (%d runs, %d expected): %r, expected %r" %
                        (at, len(runs), len(wanted), runs[at] if at < len(runs) else None,
                         wanted[at] if at < len(wanted) else None))
    print("%-15s %4d Arabic paragraphs equal to the package's, right to left, %s %g pt; "
          "%d bold runs in them, %d expected" %
          ("", len(found) if not problems else 0, ARABIC_FACE, twips / 20, len(runs),
           len(wanted)))
    return problems


def check(name, fodt, view_text, expect, arabic_lines=None, arabic_bold=None):
    problems = []
    paras = paragraphs(fodt)

    office_words = [w for p in paras for w in "".join(c for c, _ in p).split()]
    view_words = view_text.split()
    if office_words != view_words:
        at = next((i for i, (a, b) in enumerate(zip(office_words, view_words)) if a != b),
                  min(len(office_words), len(view_words)))
        problems.append("words differ from the view's at word %d: office %r, view %r "
                        "(%d words against %d)" % (at, office_words[at:at + 5],
                                                   view_words[at:at + 5], len(office_words),
                                                   len(view_words)))

    runs = bold_runs([p for p in paras if not holds_arabic(p)],
                     lambda props: props.get("font-weight") == "bold")
    wanted_runs = int(expect["boldRuns"])
    if len(runs) != wanted_runs:
        problems.append("%d bold runs, %d expected" % (len(runs), wanted_runs))
    term = expect["term"].lower()
    strays = [r for r in runs if term and term not in r.lower()]
    if strays:
        problems.append("bold runs without %r: %r" % (term, strays[:5]))

    twips = int(expect["sizeTwips"])
    colour = expect["colour"].lower()
    sizes = set()
    wrong_size = wrong_colour = 0
    for p in paras:
        for c, props in p:
            if c.isspace() or is_arabic(c):
                continue
            size = size_in_twips(props.get("font-size"))
            sizes.add(size)
            # The file holds half points: the view's size, cut to a half point.
            if size is None or size <= 0 or not 0 <= twips - size < 10:
                wrong_size += 1
            if colour and props.get("color", "").lower() != colour:
                wrong_colour += 1
    if wrong_size:
        problems.append("%d characters not at the view's %d twips (sizes found: %s)" %
                        (wrong_size, twips, sorted(sizes, key=lambda s: s or 0)))
    if wrong_colour:
        problems.append("%d characters not in %s" % (wrong_colour, expect["colour"]))

    shown = ", ".join("%g pt" % (s / 20) for s in sorted(s for s in sizes if s))
    print("%-15s %4d bold runs found, %4d expected (%s hits%s); %s; %s; %d words" %
          (name + ".rtf", len(runs), wanted_runs, expect["hits"],
           ", term %r" % expect["term"] if term else "", shown or "no size",
           expect["colour"] or "colours not checked", len(office_words)))
    if arabic_lines is not None:
        problems += check_arabic(paras, arabic_lines, arabic_bold, expect)
    return problems


def main():
    if len(sys.argv) != 2:
        fail("usage: readback.py FOLDER")
    folder = sys.argv[1]
    missing = [n for n in CASES if not all(os.path.exists(os.path.join(folder, n + ext))
                                           for ext in (".rtf", ".view.txt", ".expect"))]
    if missing:
        fail("no saved files for %s in %s (the Windows test program leaves them there)" %
             (", ".join(missing), folder))
    out = convert(folder, CASES)
    failures = 0
    for name in CASES:
        arabic_path = os.path.join(folder, name + ".arabic.txt")
        arabic_lines = None
        if os.path.exists(arabic_path):
            with open(arabic_path, encoding="utf-8", newline="") as f:
                arabic_lines = f.read().split("\n")[:-1]
        arabic_bold = None
        bold_path = os.path.join(folder, name + ".arabic-bold.txt")
        if os.path.exists(bold_path):
            with open(bold_path, encoding="utf-8", newline="") as f:
                arabic_bold = f.read().split("\n")[:-1]
        with open(os.path.join(folder, name + ".view.txt"),
                  encoding="utf-8" if arabic_lines is not None else "cp1252") as f:
            view_text = f.read()
        problems = check(name, os.path.join(out, name + ".fodt"), view_text,
                         read_expect(os.path.join(folder, name + ".expect")), arabic_lines,
                         arabic_bold)
        for problem in problems:
            print("  FAILED: " + problem)
        failures += bool(problems)
    print("%d passed, %d failed" % (len(CASES) - failures, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
