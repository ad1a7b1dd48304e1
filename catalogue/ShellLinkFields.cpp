#include "catalogue/ShellLinkFields.h"

#include "catalogue/ShellLinkFormat.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <QStringList>
#include <QtEndian>
#include <utility>

#ifdef Q_OS_WIN
#include "platform/AnsiCodePage.h"
#else
#include "platform/TextCodec.h"
#endif

namespace tvn {

namespace {

using namespace shell_link;

constexpr qsizetype kFlagsOffset = 0x14;
constexpr qsizetype kIconIndexOffset = 0x38;

constexpr quint32 kLocalPathPresent = 0x01; // link information flag
constexpr qsizetype kUnicodeLinkInfoHeaderSize = 0x24;

constexpr quint32 kEnvironmentBlockSignature = 0xA0000001;
constexpr qsizetype kEnvironmentBlockSize = 0x314;
constexpr qsizetype kEnvironmentAnsiOffset = 8;
constexpr qsizetype kEnvironmentAnsiSize = 260;
constexpr qsizetype kEnvironmentUnicodeOffset = kEnvironmentAnsiOffset + kEnvironmentAnsiSize;

constexpr quint32 kFileEntryExtensionSignature = 0xBEEF0004;
constexpr qsizetype kFileEntryNameOffset = 14;

bool fits(QByteArrayView bytes, qsizetype at, qsizetype count) {
    return at >= 0 && count >= 0 && at <= bytes.size() && count <= bytes.size() - at;
}

std::optional<quint16> le16(QByteArrayView bytes, qsizetype at) {
    if (!fits(bytes, at, 2))
        return std::nullopt;
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

std::optional<quint32> le32(QByteArrayView bytes, qsizetype at) {
    if (!fits(bytes, at, 4))
        return std::nullopt;
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

// The bytes from `at` on; none when `at` lies outside.
QByteArrayView from(QByteArrayView bytes, qsizetype at) {
    return fits(bytes, at, 0) ? bytes.sliced(at) : QByteArrayView();
}

// The bytes before the first terminator (a zero unit of `unitSize` bytes), at most `maxUnits`
// units of them.
QByteArrayView untilTerminator(QByteArrayView bytes, qsizetype unitSize, qsizetype maxUnits) {
    const qsizetype limit = std::min(bytes.size() / unitSize, maxUnits) * unitSize;
    qsizetype end = 0;
    while (end < limit && std::any_of(bytes.begin() + end, bytes.begin() + end + unitSize,
                                      [](char byte) { return byte != '\0'; }))
        end += unitSize;
    return bytes.first(end);
}

// Shell-link ANSI strings are in the writer's ANSI code page: on Windows that of this system, in
// a Wine prefix Wine's own, windows-1252 for the languages the program speaks.
QString ansiText(QByteArrayView bytes) {
    const QByteArray text = untilTerminator(bytes, 1, kMaxShellLinkTextChars).toByteArray();
#ifdef Q_OS_WIN
    return textFromAnsi(text);
#else
    return fromWindows1252(text);
#endif
}

QString unicodeText(QByteArrayView bytes) {
    const QByteArrayView text = untilTerminator(bytes, 2, kMaxShellLinkTextChars);
    if (text.isEmpty()) // its data may be null, which the conversion must not be given
        return {};
    QString result(text.size() / 2, Qt::Uninitialized);
    qFromLittleEndian<quint16>(text.data(), result.size(), result.data());
    return result;
}

QString joinedPath(const QString& folder, const QString& rest) {
    if (folder.isEmpty() || rest.isEmpty() || folder.endsWith(u'\\') || rest.startsWith(u'\\'))
        return (folder + rest).left(kMaxShellLinkTextChars);
    return (folder + u'\\' + rest).left(kMaxShellLinkTextChars);
}

// The local path the link information holds: its base path (Unicode when given) followed by the
// common path suffix; empty when it holds none.
QString linkInfoPath(QByteArrayView info) {
    const auto headerSize = le32(info, 4);
    const auto flags = le32(info, 8);
    if (!headerSize || !flags || !(*flags & kLocalPathPresent))
        return {};
    const auto text = [&](qsizetype ansiOffsetAt, qsizetype unicodeOffsetAt) {
        if (*headerSize >= kUnicodeLinkInfoHeaderSize)
            if (const auto offset = le32(info, unicodeOffsetAt); offset && *offset != 0)
                if (QString unicode = unicodeText(from(info, *offset)); !unicode.isEmpty())
                    return unicode;
        const auto offset = le32(info, ansiOffsetAt);
        return offset ? ansiText(from(info, *offset)) : QString();
    };
    const QString base = text(16, 28);
    return base.isEmpty() ? QString() : joinedPath(base, text(24, 32));
}

// The target an environment-variable block holds, Unicode when given, its variables unexpanded.
QString environmentTarget(QByteArrayView block) {
    if (block.size() < kEnvironmentBlockSize)
        return {};
    const QString unicode =
        unicodeText(block.sliced(kEnvironmentUnicodeOffset, 2 * kEnvironmentAnsiSize));
    return unicode.isEmpty() ? ansiText(block.sliced(kEnvironmentAnsiOffset, kEnvironmentAnsiSize))
                             : unicode;
}

// The long name the file entry's 0xBEEF0004 extension block holds, wherever its version puts it.
QString extensionLongName(QByteArrayView block) {
    const auto version = le16(block, 2);
    if (!version || *version < 3)
        return {};
    const qsizetype nameOffset = *version >= 9 ? 46 : *version == 8 ? 42 : *version == 7 ? 38 : 20;
    return unicodeText(from(block, nameOffset));
}

// A file entry's name: the long name of its extension block when it has one, else its primary
// (short or Unicode) name.
QString fileEntryName(QByteArrayView item, bool unicodeName) {
    const qsizetype unitSize = unicodeName ? 2 : 1;
    const QByteArrayView primary =
        untilTerminator(from(item, kFileEntryNameOffset), unitSize, item.size());
    // The extension blocks follow the name's terminator, on an even offset.
    qsizetype at = kFileEntryNameOffset + primary.size() + unitSize;
    at += at % 2;
    while (const auto size = le16(item, at)) {
        if (*size < 8 || !fits(item, at, *size))
            break;
        const QByteArrayView block = item.sliced(at, *size);
        if (le32(block, 4) == kFileEntryExtensionSignature)
            if (QString name = extensionLongName(block); !name.isEmpty())
                return name;
        at += *size;
    }
    return unicodeName ? unicodeText(primary) : ansiText(primary);
}

// The path the item list names, from its volume's drive and its file entries ("C:\Program
// Files\...\app.exe"); empty when it names something else (a network place, a control panel
// item, a folder known by its class).
QString itemListPath(QByteArrayView list) {
    QString drive;
    QStringList names;
    qsizetype at = 0;
    while (const auto size = le16(list, at)) {
        if (*size == 0)
            break;
        if (*size < 3 || !fits(list, at, *size))
            return {};
        const QByteArrayView item = list.sliced(at, *size);
        const quint8 type = quint8(item[2]);
        switch (type & 0x70) {
        case 0x10: // the root: the computer, whose volumes follow
            break;
        case 0x20: { // a volume: "C:\"
            const QString volume = ansiText(item.sliced(3));
            if (volume.size() < 2 || !volume[0].isLetter() || volume[1] != u':')
                return {};
            drive = volume.left(2);
            break;
        }
        case 0x30: { // a folder or file
            const QString name = fileEntryName(item, (type & 0x04) != 0);
            if (name.isEmpty())
                return {};
            names.push_back(name);
            break;
        }
        default:
            return {};
        }
        at += *size;
    }
    if (drive.isEmpty() || names.isEmpty())
        return {};
    return joinedPath(drive, names.join(u'\\'));
}

// Reads the parts of a shell link in the order the file holds them. Each part's size is checked
// against what remains; a part that does not fit ends the reading.
class ShellLinkReader {
public:
    explicit ShellLinkReader(QByteArrayView bytes)
        : bytes_(bytes)
        , flags_(*le32(bytes, kFlagsOffset)) {
        fields_.iconIndex = qint32(*le32(bytes, kIconIndexOffset));
    }

    // The target path is decoded from the best place that holds one, the others left alone.
    ShellLinkFields read() {
        readParts();
        fields_.targetPath = linkInfoPath(linkInfo_);
        if (fields_.targetPath.isEmpty())
            fields_.targetPath = environmentTarget(environmentBlock_);
        if (fields_.targetPath.isEmpty())
            fields_.targetPath = itemListPath(itemList_);
        if (fields_.targetPath.isEmpty())
            fields_.targetPath = relativePath_;
        return fields_;
    }

private:
    void readParts() {
        if ((flags_ & HasItemList) && !readItemList())
            return;
        if ((flags_ & HasLinkInfo) && !readLinkInfo())
            return;
        for (const auto& [flag, field] :
             {std::pair{HasName, &fields_.description}, std::pair{HasRelativePath, &relativePath_},
              std::pair{HasWorkingDir, &fields_.workingFolder},
              std::pair{HasArguments, &fields_.arguments},
              std::pair{HasIconLocation, &fields_.iconLocation}})
            if ((flags_ & flag) && !readString(*field))
                return;
        readExtraData();
    }

    bool readItemList() {
        const auto size = le16(bytes_, at_);
        if (!size || !fits(bytes_, at_ + 2, *size))
            return false;
        itemList_ = bytes_.sliced(at_ + 2, *size);
        at_ += 2 + *size;
        return true;
    }

    bool readLinkInfo() {
        const auto size = le32(bytes_, at_);
        if (!size || *size < 4 || !fits(bytes_, at_, *size))
            return false;
        if (!(flags_ & ForceNoLinkInfo))
            linkInfo_ = bytes_.sliced(at_, *size);
        at_ += *size;
        return true;
    }

    // A string-data entry: its length in characters, then the characters, no terminator.
    bool readString(QString& field) {
        const auto count = le16(bytes_, at_);
        const qsizetype size = count ? *count * ((flags_ & IsUnicode) ? 2 : 1) : 0;
        if (!count || !fits(bytes_, at_ + 2, size))
            return false;
        const QByteArrayView text = bytes_.sliced(at_ + 2, size);
        field = (flags_ & IsUnicode) ? unicodeText(text) : ansiText(text);
        at_ += 2 + size;
        return true;
    }

    // The extra-data blocks, up to the terminal block (size below 4) or one that does not fit.
    void readExtraData() {
        while (const auto size = le32(bytes_, at_)) {
            if (*size < 8 || !fits(bytes_, at_, *size))
                return;
            if (le32(bytes_, at_ + 4) == kEnvironmentBlockSignature)
                environmentBlock_ = bytes_.sliced(at_, *size);
            at_ += *size;
        }
    }

    QByteArrayView bytes_;
    quint32 flags_;
    qsizetype at_ = qsizetype(kHeaderSize);
    ShellLinkFields fields_;
    QByteArrayView itemList_;
    QByteArrayView linkInfo_;
    QByteArrayView environmentBlock_;
    QString relativePath_;
};

bool isShellLink(QByteArrayView bytes) {
    return bytes.size() >= qsizetype(kHeaderSize) && le32(bytes, 0) == kHeaderSize &&
           bytes.sliced(4, kLinkClassIdSize) == QByteArrayView(kLinkClassId, kLinkClassIdSize);
}

} // namespace

std::optional<ShellLinkFields> parseShellLink(QByteArrayView bytes) {
    if (!isShellLink(bytes))
        return std::nullopt;
    return ShellLinkReader(bytes).read();
}

std::optional<ShellLinkFields> readShellLink(FileSystem& fs, const QString& path) {
    const auto bytes = fs.readFile(path, kMaxShellLinkBytes);
    if (!bytes)
        return std::nullopt;
    return parseShellLink(*bytes);
}

} // namespace tvn
