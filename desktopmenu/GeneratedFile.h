#pragma once

#include <QByteArray>
#include <QString>

namespace tvn {

// Writes `bytes` to a new file beside `path` and renames it over `path`, so no half-written file
// ever bears the name, even when the sync is killed. Not synced to the disk: every such file is
// made again from the Start Menu by the next sync, and a sync writes thousands of them, where a
// sync each would cost far more than the files themselves.
bool writeGeneratedFile(const QString& path, const QByteArray& bytes);

// Makes `path` a second name of the generated file `existing` the same way: far cheaper than a
// new file of the same bytes. False when it cannot (another disk, a file system without links).
bool linkGeneratedFile(const QString& existing, const QString& path);

} // namespace tvn
