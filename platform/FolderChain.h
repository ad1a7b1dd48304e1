#pragma once

#include "FileSystem.h"

#include <vector>

namespace tvn {

// The objects from `folder` up to the root, following the real parents on disk (".."), so no
// spelling, letter case or link changes the answer; empty when the folder does not exist.
std::vector<FileId> folderChain(FileSystem& fs, const QString& folder);

// True when `folder` is `inner` or one of the folders that hold it, judged by the objects on
// disk; false when either does not exist.
bool isSameOrAncestor(FileSystem& fs, const QString& folder, const QString& inner);

} // namespace tvn
