#!/usr/bin/env python3
"""Names the category words that mislead: those whose programs mostly belong elsewhere.

check-words.py [DATA_DIR]

For each single word of data/Words (uk).tvn, it counts the programs of the catalogue and of the
described programs whose one-line description holds the word (or, for a word ending in '*', a
word it begins, and each such word apart), and prints those seen at least MINIMUM_PROGRAMS
times of which fewer than OWN_SHARE are of the word's own category, with the categories they
are of. A word that fits many kinds of program ("library", "convert") says nothing by itself
and is better left out. Utilities read low: the ports trees have no folder of them, so few
catalogued programs are utilities at all.
"""
import csv
import os
import re
import sys
from collections import Counter

MINIMUM_PROGRAMS = 20
OWN_SHARE = 0.15


def described(path):
    for row in csv.reader(open(path, encoding="utf-8")):
        if len(row) >= 3 and int(row[0]) >= 0 and row[2]:
            yield int(row[0]), set(re.findall(r"[a-z0-9]+", row[2].lower()))


def main():
    data = sys.argv[1] if len(sys.argv) > 1 else "data"
    programs = list(described(os.path.join(data, "Program catalogue.tvn")))
    programs += described(os.path.join(data, "Described programs.tvn"))
    lines = open(os.path.join(data, "Words (uk).tvn"), encoding="utf-8").read().splitlines()
    for category, line in enumerate(lines):
        for word in line.strip('"').split():
            if "_" in word:
                continue
            stem = word.rstrip("*")
            if word.endswith("*"):
                found = Counter(c for c, words in programs
                                if any(w.startswith(stem) for w in words))
            else:
                found = Counter(c for c, words in programs if stem in words)
            report(word, category, found)
            if word.endswith("*"):
                # A word the stem begins may mean another thing ("graphical", "secure").
                begun = {}
                for c, words in programs:
                    for each in words:
                        if each.startswith(stem) and each != stem:
                            begun.setdefault(each, Counter())[c] += 1
                for each, found in sorted(begun.items()):
                    report(f"{word} ({each})", category, found)


def report(word, category, found):
    total = sum(found.values())
    if total >= MINIMUM_PROGRAMS and found[category] < OWN_SHARE * total:
        shares = ", ".join(f"{c}: {n}" for c, n in found.most_common(4))
        print(f"{word:16} category {category}, in {total} descriptions ({shares})")


main()
