#pragma once

#include <QString>

namespace tvn {

// The Wine prefix that holds `folder` and that Wine has set up (its .update-timestamp file
// exists); empty when there is none. Wine sets up any other prefix folder before it runs a
// program there: some 700 MB and a minute, and the demo prefixes are not meant for it.
QString setUpWinePrefixOf(const QString& folder);

// The Windows path ("C:\users\ann\Start Menu") of the existing Unix path `unixPath` as the
// programs of `prefix` see it: through the drive links of the prefix's dosdevices/ folder,
// the drive whose folder lies closest above it (C: rather than Z:, which is the whole disk).
// Empty when no drive reaches it.
QString windowsPathIn(const QString& prefix, const QString& unixPath);

} // namespace tvn
