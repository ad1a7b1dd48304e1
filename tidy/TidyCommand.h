#pragma once

#include "platform/ProgramFolders.h"

#include <QStringList>

namespace tvn {

// "torvane tidy [options]": the arguments after "tidy"; returns the exit status (see the usage
// text). Runs without a window; --watch returns when the watcher is stopped.
int runTidyCommand(const QStringList& arguments, const ProgramFolders& folders);

} // namespace tvn
