#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Vellora contributors
"""Fails when make-help.py lets the German help page fall behind its template.

Usage: check-help-catalogue.py VELLORA_TRACE SOURCE_ROOT

On a scratch copy of the template and the German catalogue: a new text block
fails --check, named, and a plain run adds it with an empty msgstr while the
German page shows its English; with German it passes; German that no longer
quotes the window's caption fails; a block gone from the template leaves an
entry no longer used, which fails too.
"""
import os
import shutil
import subprocess
import sys
import tempfile

ADDED = "A block added for the test."


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    trace, root = sys.argv[1], sys.argv[2]
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        def path(name):
            return os.path.join(scratch, name)

        shutil.copy(os.path.join(root, "resources", "sequences.html.in"), path("page.html.in"))
        shutil.copy(os.path.join(root, "resources", "sequences.de.po"), path("page.de.po"))

        def make(*extra):
            return subprocess.run(
                [sys.executable, os.path.join(root, "scripts", "make-help.py"), trace,
                 "--template", path("page.html.in"), "--html", path("page.html"),
                 "--mht", path("page.mht"), "--de-html", path("page.de.html"),
                 "--po", path("page.de.po")] + list(extra),
                capture_output=True, text=True)

        def edit(name, old, new):
            with open(path(name), encoding="utf-8") as f:
                text = f.read()
            if old not in text:
                sys.exit("check-help-catalogue: %s lacks %r" % (name, old))
            with open(path(name), "w", encoding="utf-8") as f:
                f.write(text.replace(old, new, 1))

        def expect(what, run, failed, says):
            if (run.returncode != 0) != failed or says not in run.stderr:
                problems.append("%s: exit status %d, said %r" % (what, run.returncode, run.stderr))

        def read(name):
            with open(path(name), encoding="utf-8") as f:
                return f.read()

        # Each plain run leaves the pages up to date, so that --check fails for the
        # catalogue alone.
        make()
        expect("the catalogue as it is", make("--check"), False, "")
        edit("page.html.in", '<h2 id="window">', "<p>%s</p>\n\n<h2 id=\"window\">" % ADDED)
        expect("a plain run", make(), False, "<p> “%s” has no German" % ADDED)
        expect("a new block", make("--check"), True, "<p> “%s” has no German" % ADDED)
        if 'msgid "%s"\nmsgstr ""\n' % ADDED not in read("page.de.po"):
            problems.append("the plain run did not add the new block to the catalogue")
        if "<p>%s</p>" % ADDED not in read("page.de.html"):
            problems.append("the German page does not show the new block in English")

        edit("page.de.po", 'msgid "%s"\nmsgstr ""' % ADDED,
             'msgid "%s"\nmsgstr "Ein Block für den Test."' % ADDED)
        make()
        expect("the new block in German", make("--check"), False, "")
        edit("page.de.po", '<span class=\\"caption\\">Anwenden!</span> drücken',
             '<span class=\\"caption\\">Los!</span> drücken')
        make()
        expect("a caption not the window's", make("--check"), True,
               "does not quote the program's “Anwenden!”")
        edit("page.de.po", '<span class=\\"caption\\">Los!</span> drücken',
             '<span class=\\"caption\\">Anwenden!</span> drücken')

        edit("page.html.in", "<p>%s</p>\n\n" % ADDED, "")
        make()
        expect("a block gone", make("--check"), True, "an entry no longer used, “%s”" % ADDED)
    for problem in problems:
        print("check-help-catalogue: " + problem)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
