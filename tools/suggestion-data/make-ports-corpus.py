#!/usr/bin/env python3
"""Writes one ports tree's programs as a corpus the suggestion bench can hold out.

make-ports-corpus.py --slackbuilds|--haikuports|--mports DIR OUT_TSV

Each program of the tree that make-catalogue.py would catalogue with a category, as a line of
the bench's corpus: its category, its name, its one-line description and the tree's name as
its source. Held out (suggestion_bench DATA_FOLDER OUT_TSV), the suggestion meets programs a
packager filed by a taxonomy none of the lists uses, and the catalogue holds none of them.
"""
import os
import runpy
import sys

# The catalogue script's readers, without running it.
PORTS_TREES = runpy.run_path(
    os.path.join(os.path.dirname(os.path.abspath(__file__)), "make-catalogue.py"))["PORTS_TREES"]

kind, tree, out = sys.argv[1:4]
source = kind.lstrip("-")
with open(out, "w", encoding="utf-8") as f:
    f.write("# category\tname\tdescription\tsource: a ports tree's programs, see README\n")
    for category, names, description in PORTS_TREES[kind](tree):
        if description and "\t" not in description:
            f.write("%d\t%s\t%s\t%s\n" % (category, names[0], description, source))
