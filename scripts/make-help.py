#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Vellora contributors
"""Builds the help document from resources/sequences.html.in, in two forms:
resources/sequences.html, a single self-contained page, and resources/sequences.mht,
the same page as a web page archive.

Usage: scripts/make-help.py VELLORA_TRACE [--template FILE] [--html FILE] [--mht FILE] [--check]

VELLORA_TRACE is a built vellora-trace binary. The script asks it for the gaps of
all seven formulas (--compare --json) for every size n that the template marks, writes
them into the marked cells

    <td class="gaps" data-formula="F" data-n="N"></td>

(F is the formula's index 0 to 6, in the order of the window's formula list), works
out the gaps that the usual rules of the literature would take, for comparison,

    <td class="usual" data-rule="R" data-n="N"></td>

(R is one of the keys of USUAL_RULES), draws every example canvas

    <div class="canvas" data-formula="F" data-step="K" data-sequence="..."></div>

from step K (counted from 1) of the trace of that sequence, and writes the page as it
is and wrapped into an MHTML file (a MIME multipart/related message with CRLF line
endings whose root part is the page, quoted-printable). The page must load nothing
from elsewhere: a picture would go in as a data: URI. A file is left untouched when
it is already the same, so regenerating does not change the MHTML Date header for
nothing. With --check it writes nothing and fails, naming the file, if either
file is not what it would write (the Date header aside).
"""

import argparse
import email.utils
import html
import json
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FORMULA_COUNT = 7
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

# The colours of the boxes, as the window draws them.
GREEN, YELLOW, RED = "#00ff00", "#ffff00", "#ff0000"
GRAY, WHITE = "#a0a0a4", "#ffffff"
LIGHT_BLUE, PURPLE = "#7f7fff", "#a020f0"


def fail(message):
    sys.exit("make-help: " + message)


def run_trace(trace, args):
    try:
        out = subprocess.run([trace] + args, check=True, capture_output=True, text=True).stdout
    except (OSError, subprocess.CalledProcessError) as e:
        fail("running %s failed: %s" % (trace, e))
    return json.loads(out)


def compare(trace, n):
    """vellora-trace --compare for a sequence of length n: the seven formulas by index."""
    result = run_trace(trace, ["--compare", "--json"] + [str(i) for i in range(1, n + 1)])
    if not isinstance(result, list) or len(result) != FORMULA_COUNT:
        fail("vellora-trace --compare did not give %d formulas" % FORMULA_COUNT)
    return result


def fill_gaps(page, trace):
    sizes = sorted({int(m.group(3)) for m in GAPS_CELL.finditer(page)})
    if not sizes:
        fail("the template marks no gap list")
    lists = {n: [entry["gaps"] for entry in compare(trace, n)] for n in sizes}
    # The page calls each formula what the window's list calls it.
    for entry in compare(trace, sizes[0]):
        if entry["formula"] not in page:
            fail('the page never names "%s"' % entry["formula"])

    def cell(m):
        formula, n = int(m.group(2)), int(m.group(3))
        if formula >= FORMULA_COUNT:
            fail("no formula %d" % formula)
        text = ", ".join(str(g) for g in lists[n][formula]) or "none"
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


def fill_usual(page):
    def cell(m):
        rule, n = m.group(2), int(m.group(3))
        if rule not in USUAL_RULES:
            fail("no usual rule %s" % rule)
        return m.group(1) + (", ".join(str(g) for g in USUAL_RULES[rule](n)) or "none") + m.group(5)

    return USUAL_CELL.sub(cell, page)


def box(value, colour, extra=""):
    return '<span class="box%s" style="background:%s">%s</span>' % (extra, colour, value)


def draw_canvas(trace, formula, step_number, numbers):
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
    status = "%s\n\nCurrent step: %d/%d\nTotal number of operations: %d, incl. %d swaps." % (
        step["text"], step_number, len(steps), doc["operations"], doc["swaps"])
    return "\n" + "\n".join(rows) + '\n<pre class="status">' + html.escape(status) + "</pre>\n"


def fill_canvases(page, trace):
    def canvas(m):
        inner = draw_canvas(trace, int(m.group(2)), int(m.group(3)), m.group(4))
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


def build_page(trace, template):
    with open(template, encoding="utf-8") as f:
        page = f.read()
    page = TEMPLATE_NOTE.sub("", page, count=1)
    page = fill_canvases(fill_usual(fill_gaps(page, trace)), trace)
    external = EXTERNAL.search(page)
    if external:
        fail("the page would load something from elsewhere (%r); inline it" % external.group(0))
    return page


def up_to_date(path, document, same):
    try:
        with open(path, encoding="utf-8", newline="") as f:
            return same(f.read(), document)
    except (OSError, UnicodeDecodeError):
        return False


def main():
    resources = os.path.join(ROOT, "resources")
    parser = argparse.ArgumentParser(description="Build the help document sequences.html and .mht.")
    parser.add_argument("trace", help="path of a built vellora-trace")
    parser.add_argument("--template", default=os.path.join(resources, "sequences.html.in"))
    parser.add_argument("--html", default=os.path.join(resources, "sequences.html"))
    parser.add_argument("--mht", default=os.path.join(resources, "sequences.mht"))
    parser.add_argument("--check", action="store_true",
                        help="write nothing; fail if a file is not what would be written")
    args = parser.parse_args()

    page = build_page(args.trace, args.template)
    outputs = [
        (args.html, page, lambda a, b: a == b),
        (args.mht, mhtml(page, email.utils.formatdate(usegmt=True)),
         lambda a, b: without_date(a) == without_date(b)),
    ]
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
    if stale:
        sys.exit(1)


if __name__ == "__main__":
    main()
