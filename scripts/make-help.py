#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Vellora contributors
"""Builds the help document from resources/sequences.html.in, in three forms:
resources/sequences.html, a single self-contained page, resources/sequences.mht,
the same page as a web page archive, and resources/sequences.de.html, the page in
German.

Usage: scripts/make-help.py VELLORA_TRACE [--template FILE] [--html FILE] [--mht FILE]
                            [--de-html FILE] [--po FILE] [--ts FILE] [--check]

VELLORA_TRACE is a built vellora-trace binary. The script asks it for the gaps of
every formula (--compare --json, which lists them all) for every size n that the
template marks, writes them into the marked cells

    <td class="gaps" data-formula="F" data-n="N"></td>

(F is the formula's index from 0, in the order of the window's formula list), works
out the gaps that the usual rules of the literature would take, for comparison,

    <td class="usual" data-rule="R" data-n="N"></td>

(R is one of the keys of USUAL_RULES), draws every example canvas

    <div class="canvas" data-formula="F" data-step="K" data-sequence="..."></div>

from step K (counted from 1) of the trace of that sequence, and writes the page as it
is and wrapped into an MHTML file (a MIME multipart/related message with CRLF line
endings whose root part is the page, quoted-printable). The page must load nothing
from elsewhere: a picture would go in as a data: URI. A file is left untouched when
it is already the same, so regenerating does not change the MHTML Date header for
nothing.

The German page comes from the same template. Its prose is translated through the
message catalogue resources/sequences.de.po (gettext PO, msgid the English, msgstr
the German), whose units are the template's text blocks (title, headings,
paragraphs, list items, table cells and figure captions that hold a word), with
their inline markup, whitespace collapsed. What the program says is not translated
by hand: the canvases' sentences come from vellora-trace in a German locale, the
status lines, the word for no gaps and the sentences of the table marked
class="sentence" from translations/vellora_de.ts, and a block that quotes one of the
program's texts (a caption, <code> or <em>“…”</em>) must quote its German. A plain
run brings the catalogue up to date, adding every new block with an empty msgstr
and keeping entries no longer used at its end as obsolete (#~) for their text;
until a block has its German, the page shows its English.

With --check it writes nothing and fails, naming the file, if a file is not what it
would write (the MHTML Date header aside), and, naming the block, if a block has no
German or the catalogue holds an entry no longer used.
"""

import argparse
import email.utils
import html
import json
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BOUNDARY = "----=_Vellora_Help_Part_0"
CONTENT_LOCATION = "https://vellora.invalid/sequences.html"
SUBJECT = "Vellora: Shell sort and its gap sequences"

GAPS_CELL = re.compile(
    r'(<td class="gaps" data-formula="(\d+)" data-n="(\d+)">)(.*?)(</td>)', re.S)
USUAL_CELL = re.compile(
    r'(<td class="usual" data-rule="([a-z-]+)" data-n="(\d+)">)(.*?)(</td>)', re.S)
CANVAS = re.compile(
    r'(<div class="canvas" data-formula="(\d+)" data-step="(\d+)" '
    r'data-sequence="([0-9 ]+)">)(</div>)')
# What would make a browser fetch something: the page has to work from a bare file.
EXTERNAL = re.compile(
    r"""<(?:script|link|iframe|object|embed|base)\b|@import"""
    r"""|\b(?:src|srcset)\s*=\s*(?!["']?data:)|url\(\s*(?!["']?data:)""", re.I)
# The note at the top of the template, which is not for readers of the page.
TEMPLATE_NOTE = re.compile(r"<!--\s*Template.*?-->\n", re.S)

# The template's text blocks, the units of the German catalogue. None holds another.
BLOCK = re.compile(r"<(title|h[1-3]|p|li|th|td|figcaption)\b([^>]*)>(.*?)</\1>", re.S)
SENTENCE_CELL = 'class="sentence"'
TAG = re.compile(r"<(/?)([a-z][a-z0-9]*)\b[^>]*>")
# Where a block quotes the program: a caption, code, or words in quotation marks.
QUOTE = re.compile(r'<span class="caption">(.*?)</span>|<code>(.*?)</code>|<em>“(.*?)”</em>')
HREF = re.compile(r'href="([^"]*)"')
PLACE = re.compile(r"%(\d)")
HTML_WIDTH = 95
PO_WIDTH = 79
PO_HEADER = (["# The German of the help page: msgid is the English of a text block of",
              "# resources/sequences.html.in, msgstr its German. scripts/make-help.py adds new",
              "# blocks with an empty msgstr and keeps those no longer used at the end (#~).",
              "# SPDX-License-Identifier: GPL-3.0-or-later",
              "# SPDX-FileCopyrightText: Vellora contributors"],
             "Project-Id-Version: Vellora help\nMIME-Version: 1.0\n"
             "Content-Type: text/plain; charset=UTF-8\nContent-Transfer-Encoding: 8bit\n"
             "Language: de\n")
GERMAN_LOCALE = {"LANGUAGE": "de", "LC_ALL": "de_DE.UTF-8"}

# The colours of the boxes, as the window draws them.
GREEN, YELLOW, RED = "#00ff00", "#ffff00", "#ff0000"
GRAY, WHITE = "#a0a0a4", "#ffffff"
LIGHT_BLUE, PURPLE = "#7f7fff", "#a020f0"


def fail(message):
    sys.exit("make-help: " + message)


def run(trace, args, locale=None):
    env = dict(os.environ, **locale) if locale else None
    try:
        return subprocess.run([trace] + args, check=True, capture_output=True, text=True,
                              env=env).stdout
    except (OSError, subprocess.CalledProcessError) as e:
        fail("running %s failed: %s" % (trace, e))


def run_trace(trace, args):
    return json.loads(run(trace, args))


def fill(pattern, values):
    """pattern with %1, %2, ... replaced by values, a list or a dict keyed by the digits."""
    if isinstance(values, (list, tuple)):
        values = {str(i + 1): str(v) for i, v in enumerate(values)}
    return PLACE.sub(lambda m: values[m.group(1)], pattern)


def normal(text):
    return " ".join(text.split())


class Language:
    """A language of the page and the program's own words in it: English as the sources
    say them, German as translations/vellora_de.ts does."""

    def __init__(self, code, ts=None, locale=None):
        self.code, self.locale, self.texts, self.said = code, locale, {}, {}
        if ts is None:
            return
        try:
            root = ElementTree.parse(ts).getroot()
        except (OSError, ElementTree.ParseError) as e:
            fail("cannot read %s: %s" % (ts, e))
        self.ts = ts
        for context in root.iter("context"):
            for message in context.iter("message"):
                translation = message.find("translation")
                if translation is not None and translation.text and not translation.get("type"):
                    key = (context.findtext("name"), message.findtext("source"))
                    self.texts[key] = translation.text
        # Each text the program says, whitespace collapsed, as a pattern whose
        # places match anything, with its translations; a line of a text of
        # several lines counts too, where its translation has as many.
        pairs = [(s, t) for (_, s), t in self.texts.items()]
        pairs += [pair for s, t in pairs if "\n" in s and s.count("\n") == t.count("\n")
                  for pair in zip(s.split("\n"), t.split("\n"))]
        for source, translation in pairs:
            source = normal(source)
            if source not in self.said:
                parts = PLACE.split(source)
                regex = "".join(re.escape(part) if i % 2 == 0 else "(.+?)"
                                for i, part in enumerate(parts))
                self.said[source] = (re.compile(regex + "$"), parts[1::2], set())
            self.said[source][2].add(normal(translation))

    def tr(self, context, source):
        if self.code == "en":
            return source
        if (context, source) not in self.texts:
            fail('%s has no finished translation of "%s"' % (self.ts, source))
        return self.texts[(context, source)]

    def german_of(self, text, places=True):
        """The German of a text the program says, its places filled in as in text: a set of
        the program's ways to say it, empty when the program does not say it."""
        text = normal(text)
        if text in self.said:
            return set(self.said[text][2])
        if not places:
            return set()
        for regex, numbers, translations in self.said.values():
            m = regex.match(text) if numbers else None
            if m:
                return {fill(t, dict(zip(numbers, m.groups()))) for t in translations}
        return set()


def compare(trace, n):
    """vellora-trace --compare for a sequence of length n: every formula, by index."""
    result = run_trace(trace, ["--compare", "--json"] + [str(i) for i in range(1, n + 1)])
    if not isinstance(result, list) or not result \
            or not all(isinstance(e, dict) and "formula" in e and "gaps" in e for e in result):
        fail("vellora-trace --compare did not list the formulas with their gaps")
    return result


def fill_gaps(page, trace, language):
    sizes = sorted({int(m.group(3)) for m in GAPS_CELL.finditer(page)})
    if not sizes:
        fail("the template marks no gap list")
    lists = {n: [entry["gaps"] for entry in compare(trace, n)] for n in sizes}
    none = language.tr("vellora-trace", "none")
    # The page calls each formula what the window's list calls it (the German blocks that
    # name one are checked against the program's German).
    for entry in compare(trace, sizes[0]):
        if language.code == "en" and entry["formula"] not in page:
            fail('the page never names "%s"' % entry["formula"])

    def cell(m):
        formula, n = int(m.group(2)), int(m.group(3))
        if formula >= len(lists[n]):
            fail("no formula %d: vellora-trace knows %d" % (formula, len(lists[n])))
        text = ", ".join(str(g) for g in lists[n][formula]) or none
        return m.group(1) + text + m.group(5)

    return GAPS_CELL.sub(cell, page)


def sedgewick_terms(limit):
    """1, 5, 19, 41, 109, ...: the terms of Sedgewick's sequence up to limit."""
    terms, i = [], 0
    while True:
        if i % 2 == 0:
            h = 9 * (2 ** i - 2 ** (i // 2)) + 1
        else:
            h = 2 ** (i + 3) - 6 * 2 ** ((i + 1) // 2) + 1
        if h > limit:
            return terms
        terms.append(h)
        i += 1


def below_n(n):
    """Sedgewick's sequence as usually applied: every term below n."""
    return [h for h in reversed(sedgewick_terms(n)) if h < n]


def knuth_own(n):
    """Knuth's statement: h1 = 1, h(s+1) = 3 h(s) + 1, stop with h(t) when h(t+2) >= n."""
    terms, t = [1, 4, 13], 1
    while terms[t + 1] < n:  # terms[t + 1] is h(t+2)
        t += 1
        terms.append(3 * terms[-1] + 1)
    return terms[:t][::-1]


def sedgewick_wayne(n):
    """The textbook loop: h = 1; while (h < n/3) h = 3*h + 1; then h /= 3 down to 1 (Java ints)."""
    h, gaps = 1, []
    while h < n // 3:
        h = 3 * h + 1
    while h >= 1:
        gaps.append(h)
        h //= 3
    return gaps


USUAL_RULES = {"below-n": below_n, "knuth": knuth_own, "sedgewick-wayne": sedgewick_wayne}


def fill_usual(page, language):
    none = language.tr("vellora-trace", "none")

    def cell(m):
        rule, n = m.group(2), int(m.group(3))
        if rule not in USUAL_RULES:
            fail("no usual rule %s" % rule)
        return m.group(1) + (", ".join(str(g) for g in USUAL_RULES[rule](n)) or none) + m.group(5)

    return USUAL_CELL.sub(cell, page)


def box(value, colour, extra=""):
    return '<span class="box%s" style="background:%s">%s</span>' % (extra, colour, value)


def german_sentence(trace, formula, numbers, step_number, language):
    """The sentence of a step as the program says it in the language's locale (its JSON
    stays English)."""
    out = run(trace, ["--formula", str(formula)] + numbers.split(), language.locale)
    places = {"1": str(step_number), "2": r"\d+", "3": "(.*)"}
    line = "".join(re.escape(part) if i % 2 == 0 else places[part] for i, part in
                   enumerate(PLACE.split(language.tr("vellora-trace", "Step %1/%2: %3"))))
    m = re.search("^" + line + "$", out, re.M)
    if not m:
        fail("vellora-trace did not print step %d of %s in %s" % (step_number, numbers,
                                                                 language.code))
    return m.group(1)


def draw_canvas(trace, formula, step_number, numbers, language):
    """One step of a trace as boxes and the status panel below them."""
    doc = run_trace(trace, ["--json", "--formula", str(formula)] + numbers.split())
    steps = doc["steps"]
    if not 1 <= step_number <= len(steps):
        fail("the trace of %s has no step %d" % (numbers, step_number))
    step = steps[step_number - 1]
    gaps, seq = doc["gaps"], step["seq"]
    n = len(seq)
    g, s = step["gap_idx"], step["sub_start"]
    h = gaps[g] if g != -1 else 0
    highlighted = {step["pos_a"], step["pos_b"]} - {-1}

    rows = []
    if g != -1:
        # Applied: green with a tick; in force: yellow, framed; to come: red.
        looks = [(GREEN, " ticked") if i < g else (YELLOW, " framed") if i == g else (RED, "")
                 for i in range(len(gaps))]
        # As wide as the sequence row: boxes of 30 pixels whose borders overlap.
        rows.append('<div class="row gaprow" style="width:%dpx">%s</div>' % (
            29 * n + 1, "".join(box(v, c, m) for v, (c, m) in zip(gaps, looks))))
    in_sub = [s != -1 and i >= s and (i - s) % h == 0 for i in range(n)]
    # A member of the subsequence has a line down to its copy below.
    rows.append('<div class="row">%s</div>' % "".join(
        box(v, GRAY, " linked") if in_sub[i] else box(v, WHITE) for i, v in enumerate(seq)))
    if s != -1:
        rows.append('<div class="row">%s</div>' % "".join(
            box(v, PURPLE, " framed dark") if in_sub[i] and i in highlighted
            else box(v, LIGHT_BLUE) if in_sub[i]
            else box("", "transparent", " empty") for i, v in enumerate(seq)))
    sentence = step["text"] if language.code == "en" else german_sentence(
        trace, formula, numbers, step_number, language)
    status = "\n".join([
        sentence, "",
        fill(language.tr("MainWindow", "Current step: %1/%2"), [step_number, len(steps)]),
        fill(language.tr("MainWindow", "Total number of operations: %1, incl. %2 swaps."),
             [doc["operations"], doc["swaps"]])])
    return "\n" + "\n".join(rows) + '\n<pre class="status">' + html.escape(status) + "</pre>\n"


def fill_canvases(page, trace, language):
    def canvas(m):
        inner = draw_canvas(trace, int(m.group(2)), int(m.group(3)), m.group(4), language)
        return m.group(1) + inner + m.group(5)

    return CANVAS.sub(canvas, page)


def quoted_printable(text):
    """Quoted-printable body with CRLF line breaks and lines of at most 76 characters."""
    out = []
    for line in text.split("\n"):
        raw = line.encode("utf-8")
        tokens = []
        for i, byte in enumerate(raw):
            plain = 33 <= byte <= 126 and byte != ord("=")
            inner_blank = byte == ord(" ") and i != len(raw) - 1
            tokens.append(chr(byte) if plain or inner_blank else "=%02X" % byte)
        current = ""
        for token in tokens:
            if len(current) + len(token) > 75:
                out.append(current + "=")
                current = ""
            current += token
        out.append(current)
    return "\r\n".join(out)


def mhtml(page, date):
    headers = [
        "From: Vellora <help@vellora.invalid>",
        "Subject: " + SUBJECT,
        "Date: " + date,
        "MIME-Version: 1.0",
        "Content-Type: multipart/related;",
        '\ttype="text/html";',
        '\tboundary="%s"' % BOUNDARY,
    ]
    part = [
        "--" + BOUNDARY,
        "Content-Type: text/html; charset=utf-8",
        "Content-Transfer-Encoding: quoted-printable",
        "Content-Location: " + CONTENT_LOCATION,
        "",
        quoted_printable(page),
        "",
        "--" + BOUNDARY + "--",
        "",
    ]
    return "\r\n".join(headers + ["", "This is a web page archive (MHTML)."] + part)


def without_date(document):
    """The document less its Date header, for comparing two documents."""
    return re.sub(r"^Date: [^\r]*\r\n", "", document, count=1, flags=re.M)


def read_template(template):
    try:
        with open(template, encoding="utf-8") as f:
            return TEMPLATE_NOTE.sub("", f.read(), count=1)
    except OSError as e:
        fail("cannot read %s: %s" % (template, e))


def block_unit(inner):
    """A block's unit of the catalogue, whitespace collapsed; None if it holds no word."""
    text = normal(inner)
    letters = "".join(c if c.isalpha() else " " for c in html.unescape(TAG.sub(" ", text)))
    return text if any(len(word) > 1 for word in letters.split()) else None


def units_of(page):
    """The template's text blocks, in order, each once, with the element it first appears in."""
    units = {}
    for m in BLOCK.finditer(page):
        tag, attrs, inner = m.groups()
        if BLOCK.search(inner):
            fail("a <%s> of the template holds another text block: %s" % (tag, normal(inner)[:60]))
        text = block_unit(inner)
        if text and SENTENCE_CELL not in attrs:
            units.setdefault(text, tag)
    return units


def program_sentence(english, language):
    """A sentence of a step, which the sentence cells quote, as the program says it."""
    said = language.german_of(html.unescape(english))
    if len(said) != 1:
        fail("the sentence “%s” is not one the program says" % normal(english))
    return html.escape(said.pop(), quote=False)


def translation_problem(msgid, entry, language):
    """What keeps the German of a block from the page, or None."""
    # What the block quotes of the program, its German quotes as the German program says it.
    quotes = [(normal(html.unescape(TAG.sub(" ", msgid))), False)]
    for m in QUOTE.finditer(msgid):
        text = html.unescape(next(g for g in m.groups() if g is not None))
        quotes.append((text, True))
        if m.group(1) is not None and not language.german_of(text, places=False):
            fail("the template's caption “%s” is none of the program's" % text)
    if entry is None or not entry["msgstr"]:
        return "has no German"
    msgstr = entry["msgstr"]
    if entry["fuzzy"]:
        return "has German marked fuzzy"
    opened = []
    for m in TAG.finditer(msgstr):
        closing, name = m.groups()
        if name == "br":
            continue
        if not closing:
            opened.append(name)
        elif not opened or opened.pop() != name:
            return "has German that closes <%s> out of turn" % name
    if opened:
        return "has German that leaves <%s> open" % opened[-1]
    lost = sorted(set(HREF.findall(msgid)) - set(HREF.findall(msgstr)))
    if lost:
        return "has German without the link to %s" % lost[0]
    german = normal(html.unescape(TAG.sub(" ", msgstr)))
    for text, places in quotes:
        said = language.german_of(text, places)
        if said and not any(s in german for s in said):
            return "has German that does not quote the program's “%s”" % sorted(said)[0]
    return None


def wrap(text, column):
    """text in lines of at most HTML_WIDTH columns, the first starting at column, broken
    between words, never inside a tag, and after each <br>."""
    lines, line, room = [], "", HTML_WIDTH - column
    for word in re.findall(r"(?:<[^>]*>|[^\s<])+", text):
        if line and (len(line) + 1 + len(word) > room or line.endswith("<br>")):
            lines.append(line)
            line, room = word, HTML_WIDTH
        else:
            line = line + " " + word if line else word
    return "\n".join(lines + [line])


def translate_page(page, german, language):
    """The template with its text blocks in German: from the catalogue where it has them,
    the sentence cells as the program says them."""
    def block(m):
        tag, attrs, inner = m.groups()
        opening = "<%s%s>" % (tag, attrs)
        if SENTENCE_CELL in attrs:
            text = "<br>".join(program_sentence(part, language) for part in inner.split("<br>"))
        elif block_unit(inner) is None:
            return m.group(0)
        else:
            text = german.get(block_unit(inner), block_unit(inner))
            if "\n" in inner:  # a block of several lines stays so
                text = wrap(text, m.start() - page.rfind("\n", 0, m.start()) - 1 + len(opening))
        return opening + text + "</%s>" % tag

    if '<html lang="en">' not in page:
        fail('the template does not start with <html lang="en">')
    return BLOCK.sub(block, page).replace('<html lang="en">', '<html lang="%s">' % language.code, 1)


def build_page(trace, page, language, german=None):
    if german is not None:
        page = translate_page(page, german, language)
    page = fill_canvases(fill_usual(fill_gaps(page, trace, language), language), trace, language)
    external = EXTERNAL.search(page)
    if external:
        fail("the page would load something from elsewhere (%r); inline it" % external.group(0))
    return page


def po_unquote(path, number, text):
    if len(text) < 2 or text[0] != '"' or text[-1] != '"':
        fail("%s:%d: a string must be in double quotes" % (path, number))
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)),
                  text[1:-1])


def read_po(path):
    """The header and the entries of a PO file, by msgid: each its msgstr, whether fuzzy,
    the translator's comments and whether obsolete (#~)."""
    entries, entry, field = [], None, None
    try:
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")
    except FileNotFoundError:
        return PO_HEADER, {}
    except (OSError, UnicodeDecodeError) as e:
        fail("cannot read %s: %s" % (path, e))
    for number, line in enumerate(lines, 1):
        obsolete = line.startswith("#~")
        if obsolete:
            line = line[2:].strip()
        if entry is None or (field == "msgstr" and not line.startswith('"')):
            entry, field = {"comments": [], "fuzzy": False, "obsolete": False}, None
            entries.append(entry)
        keyword = re.match(r"(msgid|msgstr)\s+(.*)$", line)
        if not line.strip():
            entry = None
        elif line.startswith("#,"):
            entry["fuzzy"] = "fuzzy" in line
        elif line.startswith("# ") or line == "#":
            entry["comments"].append(line)
        elif line.startswith("#"):
            pass  # the element a block is, and such: written anew
        elif keyword:
            field = keyword.group(1)
            entry[field] = po_unquote(path, number, keyword.group(2))
            entry["obsolete"] = obsolete
        elif line.startswith('"') and field:
            entry[field] += po_unquote(path, number, line)
        else:
            fail("%s:%d: cannot read %r" % (path, number, line))
    header, catalogue = PO_HEADER, {}
    for entry in entries:
        if "msgid" not in entry:
            continue
        if "msgstr" not in entry:
            fail('%s: "%s" has no msgstr' % (path, entry["msgid"][:60]))
        if entry["msgid"]:
            catalogue[entry["msgid"]] = entry
        else:
            header = (entry["comments"], entry["msgstr"])
    return header, catalogue


def po_field(keyword, text, prefix):
    """A msgid or msgstr as gettext writes it: on one line if it fits, else in lines of at
    most PO_WIDTH columns that end in a blank or a newline."""
    escaped = text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n")
    if "\n" not in text and len(prefix + keyword) + len(escaped) + 3 <= PO_WIDTH:
        return ['%s%s "%s"' % (prefix, keyword, escaped)]
    lines = ['%s%s ""' % (prefix, keyword)]
    for chunk in re.findall(r".*?\\n|.+", escaped):
        line = ""
        for piece in re.findall(r"[^ ]+ *| +", chunk):
            if line and len(prefix + line + piece) + 2 > PO_WIDTH:
                lines.append('%s"%s"' % (prefix, line))
                line = ""
            line += piece
        lines.append('%s"%s"' % (prefix, line))
    return lines


def write_po(header, units, catalogue):
    """The catalogue with an entry for every unit, in the template's order, and after them
    the entries no longer used, obsolete."""
    comments, fields = header
    out = comments + po_field("msgid", "", "") + po_field("msgstr", fields, "")
    for msgid, tag in units.items():
        entry = catalogue.get(msgid, {"comments": [], "fuzzy": False, "msgstr": ""})
        out += [""] + entry["comments"] + ["#. <%s>" % tag]
        out += ["#, fuzzy"] if entry["fuzzy"] else []
        out += po_field("msgid", msgid, "") + po_field("msgstr", entry["msgstr"], "")
    for msgid, entry in catalogue.items():
        if msgid not in units:
            out += [""] + entry["comments"] + (["#, fuzzy"] if entry["fuzzy"] else [])
            out += po_field("msgid", msgid, "#~ ") + po_field("msgstr", entry["msgstr"], "#~ ")
    return "\n".join(out) + "\n"


def up_to_date(path, document, same):
    try:
        with open(path, encoding="utf-8", newline="") as f:
            return same(f.read(), document)
    except (OSError, UnicodeDecodeError):
        return False


def main():
    resources = os.path.join(ROOT, "resources")
    parser = argparse.ArgumentParser(
        description="Build the help document sequences.html and .mht, and sequences.de.html.")
    parser.add_argument("trace", help="path of a built vellora-trace")
    parser.add_argument("--template", default=os.path.join(resources, "sequences.html.in"))
    parser.add_argument("--html", default=os.path.join(resources, "sequences.html"))
    parser.add_argument("--mht", default=os.path.join(resources, "sequences.mht"))
    parser.add_argument("--de-html", default=os.path.join(resources, "sequences.de.html"))
    parser.add_argument("--po", default=os.path.join(resources, "sequences.de.po"),
                        help="the German of the page's text blocks")
    parser.add_argument("--ts", default=os.path.join(ROOT, "translations", "vellora_de.ts"),
                        help="the program's German")
    parser.add_argument("--check", action="store_true",
                        help="write nothing; fail if a file is not what would be written")
    args = parser.parse_args()

    template = read_template(args.template)
    page = build_page(args.trace, template, Language("en"))
    german = Language("de", args.ts, GERMAN_LOCALE)
    units = units_of(template)
    header, catalogue = read_po(args.po)
    untranslated, translated = [], {}
    for msgid, tag in units.items():
        problem = translation_problem(msgid, catalogue.get(msgid), german)
        if problem:
            untranslated.append("<%s> “%s” %s" % (tag, msgid[:70], problem))
        else:
            translated[msgid] = catalogue[msgid]["msgstr"]
    unused = ["an entry no longer used, “%s”: reuse its German, then delete it" % msgid[:70]
              for msgid in catalogue if msgid not in units]

    outputs = [
        (args.html, page, lambda a, b: a == b),
        (args.mht, mhtml(page, email.utils.formatdate(usegmt=True)),
         lambda a, b: without_date(a) == without_date(b)),
        (args.de_html, build_page(args.trace, template, german, translated), lambda a, b: a == b),
    ]
    if not args.check:
        outputs.append((args.po, write_po(header, units, catalogue), lambda a, b: a == b))
    stale = 0
    for path, document, same in outputs:
        if up_to_date(path, document, same):
            print("make-help: %s is up to date" % path)
        elif args.check:
            print("make-help: %s is out of date: it is not what %s and %s give; run "
                  "scripts/make-help.py VELLORA_TRACE" % (path, args.template, args.trace),
                  file=sys.stderr)
            stale += 1
        else:
            with open(path, "w", encoding="utf-8", newline="") as f:
                f.write(document)
            print("make-help: wrote %s" % path)
    for problem in untranslated + unused:
        print("make-help: %s: %s" % (args.po, problem), file=sys.stderr)
    if untranslated and not args.check:
        print("make-help: %s shows the blocks above in English until they have German"
              % args.de_html, file=sys.stderr)
    if stale or (args.check and untranslated + unused):
        sys.exit(1)


if __name__ == "__main__":
    main()
