#!/usr/bin/python3
"""Prints the desktop menu as a freedesktop menu parser reads it, as JSON: one object per entry
with its submenu path, its name and its Exec command split into arguments.

The root menu is a plain one that merges the user's applications-merged folder, so only the
user's XDG folders ($XDG_DATA_HOME, $XDG_CONFIG_HOME) count."""
import json
import os
import sys
import tempfile

os.environ["XDG_DATA_DIRS"] = "/nonexistent"
os.environ["XDG_CONFIG_DIRS"] = "/nonexistent"
import xdg.Menu  # noqa: E402  (reads the XDG variables when imported)

ROOT = """<!DOCTYPE Menu PUBLIC "-//freedesktop//DTD Menu 1.0//EN"
 "http://www.freedesktop.org/standards/menu-spec/1.0/menu.dtd">
<Menu>
  <Name>Applications</Name>
  <DefaultAppDirs/>
  <DefaultDirectoryDirs/>
  <DefaultMergeDirs/>
</Menu>
"""

KEY_FILE_ESCAPES = {"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}


def key_file_value(raw):
    out, i = [], 0
    while i < len(raw):
        if raw[i] == "\\" and i + 1 < len(raw) and raw[i + 1] in KEY_FILE_ESCAPES:
            out.append(KEY_FILE_ESCAPES[raw[i + 1]])
            i += 2
        else:
            out.append(raw[i])
            i += 1
    return "".join(out)


def exec_arguments(value):
    """Splits an Exec value as a launcher does: quoted arguments with \\ before " ` $ \\,
    a backslash outside quotes taking the next character literally, %% for %."""
    args, current, in_arg, i = [], [], False, 0
    while i < len(value):
        c = value[i]
        if c == '"':
            in_arg = True
            i += 1
            while i < len(value) and value[i] != '"':
                if value[i] == "\\" and i + 1 < len(value) and value[i + 1] in '"`$\\':
                    i += 1
                current.append(value[i])
                i += 1
            i += 1
        elif c == "\\" and i + 1 < len(value):
            current.append(value[i + 1])
            in_arg = True
            i += 2
        elif c == " ":
            if in_arg:
                args.append("".join(current))
            current, in_arg = [], False
            i += 1
        else:
            current.append(c)
            in_arg = True
            i += 1
    if in_arg:
        args.append("".join(current))
    return [arg.replace("%%", "%") for arg in args]


def walk(menu, path, entries):
    for item in menu.getEntries():
        if isinstance(item, xdg.Menu.Menu):
            walk(item, path + [item.getName()], entries)
        elif isinstance(item, xdg.Menu.MenuEntry):
            desktop = item.DesktopEntry
            entries.append({"menu": "/".join(path), "name": desktop.getName(),
                            "exec": exec_arguments(key_file_value(desktop.get("Exec")))})


def main():
    with tempfile.TemporaryDirectory() as folder:
        root = os.path.join(folder, "applications.menu")
        with open(root, "w") as file:
            file.write(ROOT)
        entries = []
        walk(xdg.Menu.parse(root), [], entries)
    json.dump(entries, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main()
