#pragma once

#include "platform/ProgramFolders.h"

#include <QTextStream>

namespace tvn {

class ProgramFolderLock;
class ProtectedFileSystem;
class ShellFolders;
class Ui;
class UndoJournal;
struct TidyOptions;

// "torvane tidy --watch": tidies at once, then again once the Programs trees have been quiet
// for a moment after a change, until SIGTERM or SIGINT (never in the middle of a tidy). While
// the window holds the program folder it steps aside and tidies once the window is closed.
// Returns the exit status.
int watchAndTidy(const TidyOptions& options, const ProgramFolders& folders,
                 ProtectedFileSystem& guard, UndoJournal& journal, Ui& ui,
                 ShellFolders& shellFolders, ProgramFolderLock& lock, QTextStream& out,
                 QTextStream& err);

} // namespace tvn
