#pragma once

#include "platform/FileSystem.h"

#include <vector>

namespace tvn {

// The objects from `folder` up to the root, following the real parents on disk (".."), so no
// spelling, letter case or link changes the answer; empty when the folder does not exist.
std::vector<FileId> folderChain(FileSystem& fs, const QString& folder);

// True when `folder` is `inner` or one of the folders that hold it, judged by the objects on
// disk; false when either does not exist.
bool isSameOrAncestor(FileSystem& fs, const QString& folder, const QString& inner);

// True when both paths name one folder: the same path, or two spellings of the same object on
// disk (another letter case, a "..", a link). Two different paths of folders that do not exist
// name none.
bool isSameFolder(FileSystem& fs, const QString& a, const QString& b);

} // namespace tvn
