#pragma once

#include "platform/ProgramVersionText.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <vector>

class QIODevice;

namespace tvn {

// The resources of a Windows program or library file (the PE format) that the desktop menu and
// the category suggestion use: icons and the version texts. The reader seeks to each part it
// needs and reads only that: a few kilobytes of headers and directories, and the resources
// themselves up to the limits below. Every offset, count and size is checked against the file
// and the limits, and the directory walk never goes deeper than its three levels, so a damaged
// or huge file gives nothing rather than a hang or a read beyond its end.

// One image of an icon group: its size and colour depth as the group lists them (a width of 0
// stands for 256), and its data: a PNG file, or a device-independent bitmap as an .ico file
// holds it (header, colours, image, then the transparency mask).
struct PeIconImage {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    QByteArray data;
};

inline constexpr qsizetype kMaxPeIconImageBytes = 1024 * 1024;
inline constexpr int kMaxPeIconImages = 32;
inline constexpr qsizetype kMaxPeVersionTextChars = 256;

// The images of the icon group a shortcut's icon location names: `index` 0 or above is the
// index-th group in the file's resource order, a negative one the group whose resource id is
// -`index`. Images that are missing, empty or over kMaxPeIconImageBytes are left out; empty for
// a file without that group, or no PE file at all. `file` is open for reading.
std::vector<PeIconImage> peIconGroup(QIODevice& file, int index);

// The description, product and maker of the file's version resource, from its first string
// table, each cut at kMaxPeVersionTextChars characters.
ProgramVersionTexts peVersionTexts(QIODevice& file);

} // namespace tvn
