#pragma once

#include <QtGlobal>

// The fixed parts of the shell-link file format, shared by the reader and the demo prefix's
// writer so that the two cannot drift apart.

namespace tvn::shell_link {

// The header's flags that say which parts follow it.
enum LinkFlag : quint32 {
    HasItemList = 0x01,
    HasLinkInfo = 0x02,
    HasName = 0x04,
    HasRelativePath = 0x08,
    HasWorkingDir = 0x10,
    HasArguments = 0x20,
    HasIconLocation = 0x40,
    IsUnicode = 0x80,
    ForceNoLinkInfo = 0x100,
};

// The header's size, which is also its first field.
inline constexpr quint32 kHeaderSize = 0x4C;
// 00021401-0000-0000-C000-000000000046, the link class identifier, in its on-disk byte order;
// the string's terminating zero is not part of it.
inline constexpr char kLinkClassId[] =
    "\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46";
inline constexpr qsizetype kLinkClassIdSize = sizeof kLinkClassId - 1;

} // namespace tvn::shell_link
