#pragma once

#include "catalogue/ClueWords.h"

#include <QString>

namespace tvn {

struct ShellLinkFields;

// True where a shortcut named `name` starts its program through `path`, a program that runs
// others without being them (an interpreter, a shell, a script host or a sandbox: "javaw.exe",
// "cmd.exe", "wscript.exe", "/usr/bin/flatpak"), and the shortcut is not the host's own
// ("Windows PowerShell", "Python 3.12"). Such a shortcut names its program only in its
// arguments: the host's name, folders and version texts say nothing of that program.
bool startsThroughHost(const QString& name, const QString& path);
// The same for a target already cut into its parts.
bool startsThroughHost(const QString& name, const TargetParts& target);

// The file that tells which program a shortcut named `name` starts: its target, or the file its
// icon comes from where the target is none (a document or a folder has no program of its own)
// or a host that runs the program.
QString programPathOf(const QString& name, const ShellLinkFields& fields);

} // namespace tvn
