#!/usr/bin/env python3
"""Writes one ports tree's programs as a corpus the suggestion bench can hold out.

make-ports-corpus.py [--desktop] --slackbuilds|--haikuports|--mports DIR OUT_TSV

Each program of the tree that make-catalogue.py would catalogue with a category, as a line of
the bench's corpus: its category, its name, its one-line description and the tree's name as
its source. Held out (suggestion_bench DATA_FOLDER OUT_TSV), the suggestion meets programs a
packager filed by a taxonomy none of the lists uses, and the catalogue holds none of them.

With --desktop (SlackBuilds and mports), the ports that install a menu entry get the source
"tree:desktop": the programs a desktop's menu shows, measured apart from the libraries, daemons
and command-line tools a ports tree holds beside them, and held out with the whole tree. Only
whether a port installs an entry is read, never what the entry says; the category stays the
tree's own.
"""
import glob
import os
import runpy
import sys

# The catalogue script's readers, without running it.
PORTS_TREES = runpy.run_path(
    os.path.join(os.path.dirname(os.path.abspath(__file__)), "make-catalogue.py"))["PORTS_TREES"]

# The files of a port that would name a menu entry it installs.
PORT_FILES = {"--slackbuilds": ("*.SlackBuild",), "--mports": ("Makefile", "pkg-plist")}
DESKTOP_MARKS = (".desktop", "share/applications", "DESKTOP_ENTRIES")


def installs_menu_entry(port, kind):
    """Whether the port's folder holds a menu entry, or its build files install one."""
    if glob.glob(os.path.join(port, "*.desktop")):
        return True
    for pattern in PORT_FILES[kind]:
        for path in glob.glob(os.path.join(port, pattern)):
            text = open(path, encoding="utf-8", errors="replace").read()
            if any(mark in text for mark in DESKTOP_MARKS):
                return True
    return False


def desktop_ports(kind, tree):
    """The names of the ports of the tree that install a menu entry."""
    return {os.path.basename(port) for port in glob.glob(os.path.join(tree, "*", "*"))
            if os.path.isdir(port) and installs_menu_entry(port, kind)}


arguments = sys.argv[1:]
desktop = "--desktop" in arguments
if desktop:
    arguments.remove("--desktop")
kind, tree, out = arguments[:3]
if desktop and kind not in PORT_FILES:
    sys.exit("--desktop reads SlackBuilds and mports only")
in_menu = desktop_ports(kind, tree) if desktop else set()
source = kind.lstrip("-")
with open(out, "w", encoding="utf-8") as f:
    f.write("# category\tname\tdescription\tsource: a ports tree's programs, see README\n")
    for category, names, description in PORTS_TREES[kind](tree):
        if description and "\t" not in description:
            part = source + ":desktop" if names[0] in in_menu else source
            f.write("%d\t%s\t%s\t%s\n" % (category, names[0], description, part))
