#pragma once

#include <QString>

namespace tvn {

// The Wine prefix that holds `folder`: the nearest folder, the folder itself included, that
// holds system.reg and dosdevices/. Tried on the path as given, then on the path with its
// links resolved. Empty when there is none.
QString winePrefixOf(const QString& folder);

// The Windows path ("C:\users\ann\Start Menu") of the existing Unix path `unixPath` as the
// programs of `prefix` see it: through the drive links of the prefix's dosdevices/ folder,
// the drive whose folder lies closest above it (C: rather than Z:, which is the whole disk).
// Empty when no drive reaches it.
QString windowsPathIn(const QString& prefix, const QString& unixPath);

} // namespace tvn
