#!/usr/bin/python3
"""Prints the desktop menu as a freedesktop menu parser (python3-xdg) reads it from the user's
XDG folders alone: one line per entry, its submenus and name, then its Exec arguments as a
launcher splits them, tab-separated."""
import os
import sys
import tempfile

os.environ["XDG_DATA_DIRS"] = os.environ["XDG_CONFIG_DIRS"] = "/nonexistent"
import xdg.Menu  # noqa: E402  (reads the XDG variables when imported)

# The parser needs no document type: the root menu is the bare element.
ROOT = """<Menu><Name>Applications</Name><DefaultAppDirs/><DefaultDirectoryDirs/><DefaultMergeDirs/></Menu>
"""


def exec_arguments(raw):
    """The key file's escapes first; then double quotes with \\ before " ` $ \\ inside, a
    backslash outside quotes taking the next character as it is, and %% for %."""
    value = raw.replace("\\\\", "\0").replace("\\s", " ").replace("\0", "\\")
    args, current, started, quoted, i = [], "", False, False, 0
    while i < len(value):
        c = value[i]
        if c == "\\" and i + 1 < len(value) and (not quoted or value[i + 1] in '"`$\\'):
            current, i = current + value[i + 1], i + 2
            continue
        if c == '"':
            quoted, started = not quoted, True
        elif c == " " and not quoted:
            if started:
                args.append(current.replace("%%", "%"))
            current, started = "", False
        else:
            current, started = current + c, True
        i += 1
    if started:
        args.append(current.replace("%%", "%"))
    return args


def walk(menu, path):
    for item in menu.getEntries():
        if isinstance(item, xdg.Menu.Menu):
            walk(item, path + [item.getName()])
        elif isinstance(item, xdg.Menu.MenuEntry):
            entry = item.DesktopEntry
            print("\t".join(["/".join(path + [entry.getName()])] + exec_arguments(entry.get("Exec"))))


with tempfile.TemporaryDirectory() as folder:
    root = os.path.join(folder, "applications.menu")
    with open(root, "w") as file:
        file.write(ROOT)
    walk(xdg.Menu.parse(root), [])
sys.stdout.flush()
