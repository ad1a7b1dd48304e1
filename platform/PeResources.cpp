#include "platform/PeResources.h"

#include <algorithm>
#include <optional>
#include <QIODevice>
#include <QtEndian>
#include <utility>

namespace tvn {

namespace {

constexpr quint32 kIconType = 3;
constexpr quint32 kIconGroupType = 14;
constexpr quint32 kVersionType = 16;

constexpr quint32 kHighBit = 0x80000000;
// No real file has more sections than the loader accepts, nor more entries in one resource
// directory than this.
constexpr quint16 kMaxSections = 96;
constexpr qsizetype kMaxDirectoryEntries = 4096;
constexpr qsizetype kMaxGroupBytes = 6 + 14 * 256;
constexpr qsizetype kMaxVersionBytes = 64 * 1024;

quint16 le16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 le32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

struct Section {
    quint32 virtualAddress;
    quint32 rawSize;
    quint32 rawOffset;
};

// One entry of a resource directory: a resource type, a resource's name or id, or a language.
struct DirectoryEntry {
    quint32 name;
    quint32 target;

    bool named() const { return name & kHighBit; }
    bool leadsToDirectory() const { return target & kHighBit; }
    quint32 offset() const { return target & ~kHighBit; }
};

class PeFile {
public:
    explicit PeFile(QIODevice& file)
        : file_(file)
        , size_(file.size()) {}

    // Finds the sections and the resource directory; false for a file that is no PE file or
    // has none.
    bool open() {
        const auto dos = read(0, 0x40);
        if (!dos || !dos->startsWith("MZ"))
            return false;
        const qint64 pe = le32(*dos, 0x3C);
        const auto header = read(pe, 24);
        if (!header || !header->startsWith(QByteArrayView("PE\0\0", 4)))
            return false;
        const quint16 sectionCount = le16(*header, 6);
        const quint16 optionalSize = le16(*header, 20);
        const auto optional = read(pe + 24, optionalSize);
        if (!optional || optionalSize < 2 || sectionCount > kMaxSections)
            return false;
        const quint16 magic = le16(*optional, 0);
        const qsizetype directories = magic == 0x10B ? 96 : magic == 0x20B ? 112 : -1;
        // The resource directory is the third data directory, 8 bytes each.
        const qsizetype resource = directories + 2 * 8;
        if (directories < 0 || optionalSize < resource + 8 || le32(*optional, directories - 4) < 3)
            return false;
        resourceRva_ = le32(*optional, resource);
        const auto table = read(pe + 24 + optionalSize, qint64(sectionCount) * 40);
        if (!table || resourceRva_ == 0)
            return false;
        for (quint16 i = 0; i < sectionCount; ++i)
            sections_.push_back(
                {le32(*table, i * 40 + 12), le32(*table, i * 40 + 16), le32(*table, i * 40 + 20)});
        return true;
    }

    // The entries of the resource directory at `offset` from the start of the resources; none
    // where it cannot be read.
    std::vector<DirectoryEntry> directory(quint32 offset) const {
        const auto header = readResource(offset, 16);
        if (!header)
            return {};
        const qsizetype count = std::min<qsizetype>(
            qsizetype(le16(*header, 12)) + le16(*header, 14), kMaxDirectoryEntries);
        const auto table = readResource(quint64(offset) + 16, count * 8);
        if (!table)
            return {};
        std::vector<DirectoryEntry> entries;
        for (qsizetype i = 0; i < count; ++i)
            entries.push_back({le32(*table, i * 8), le32(*table, i * 8 + 4)});
        return entries;
    }

    // The resource entries of the type `type`, in the file's order.
    std::vector<DirectoryEntry> resourcesOfType(quint32 type) const {
        for (const DirectoryEntry& entry : directory(0))
            if (!entry.named() && entry.name == type && entry.leadsToDirectory())
                return directory(entry.offset());
        return {};
    }

    // The data of a resource entry in its first language, at most `maxBytes` of it; nothing when
    // it is larger or cannot be read.
    std::optional<QByteArray> data(const DirectoryEntry& resource, qsizetype maxBytes) const {
        if (!resource.leadsToDirectory())
            return std::nullopt;
        const std::vector<DirectoryEntry> languages = directory(resource.offset());
        if (languages.empty() || languages.front().leadsToDirectory())
            return std::nullopt;
        const auto entry = readResource(languages.front().offset(), 16);
        if (!entry)
            return std::nullopt;
        const quint32 size = le32(*entry, 4);
        if (size > quint64(maxBytes))
            return std::nullopt;
        return readRva(le32(*entry, 0), size);
    }

private:
    std::optional<QByteArray> read(qint64 offset, qint64 count) const {
        if (offset < 0 || count < 0 || offset > size_ || count > size_ - offset)
            return std::nullopt;
        if (!file_.seek(offset))
            return std::nullopt;
        QByteArray bytes = file_.read(count);
        if (bytes.size() != count)
            return std::nullopt;
        return bytes;
    }

    // The bytes at a virtual address, which must lie within one section's data in the file.
    std::optional<QByteArray> readRva(quint64 rva, quint64 count) const {
        for (const Section& section : sections_) {
            if (rva < section.virtualAddress || rva - section.virtualAddress > section.rawSize ||
                count > section.rawSize - (rva - section.virtualAddress))
                continue;
            return read(qint64(section.rawOffset) + qint64(rva - section.virtualAddress),
                        qint64(count));
        }
        return std::nullopt;
    }

    std::optional<QByteArray> readResource(quint64 offset, quint64 count) const {
        return readRva(quint64(resourceRva_) + offset, count);
    }

    QIODevice& file_;
    qint64 size_;
    quint32 resourceRva_ = 0;
    std::vector<Section> sections_;
};

const DirectoryEntry* withId(const std::vector<DirectoryEntry>& entries, quint32 id) {
    for (const DirectoryEntry& entry : entries)
        if (!entry.named() && entry.name == id)
            return &entry;
    return nullptr;
}

// One block of a version resource: a length, a value and a key, then child blocks, each
// aligned on 4 bytes. Blocks that do not fit in their parent end the reading of that parent.
struct VersionBlock {
    QString key;
    qsizetype valueStart = 0;
    qsizetype valueBytes = 0;
    qsizetype childrenStart = 0;
    qsizetype end = 0;
};

qsizetype aligned(qsizetype at) {
    return (at + 3) & ~qsizetype(3);
}

std::optional<VersionBlock> versionBlock(const QByteArray& bytes, qsizetype at, qsizetype limit) {
    if (at + 6 > limit)
        return std::nullopt;
    const qsizetype length = le16(bytes, at);
    if (length < 6 || length > limit - at)
        return std::nullopt;
    VersionBlock block;
    block.end = at + length;
    qsizetype key = at + 6;
    for (; key + 2 <= block.end && le16(bytes, key) != 0; key += 2)
        block.key += QChar(le16(bytes, key));
    block.valueStart = std::min(aligned(key + 2), block.end);
    // A text value's length counts UTF-16 units, any other's bytes.
    const qsizetype valueLength = le16(bytes, at + 2) * (le16(bytes, at + 4) == 1 ? 2 : 1);
    block.valueBytes = std::min(valueLength, block.end - block.valueStart);
    block.childrenStart = std::min(aligned(block.valueStart + block.valueBytes), block.end);
    return block;
}

std::vector<VersionBlock> children(const QByteArray& bytes, const VersionBlock& parent) {
    std::vector<VersionBlock> blocks;
    qsizetype at = parent.childrenStart;
    while (const auto block = versionBlock(bytes, at, parent.end)) {
        blocks.push_back(*block);
        at = aligned(block->end);
    }
    return blocks;
}

QString versionText(const QByteArray& bytes, const VersionBlock& block) {
    QString text;
    for (qsizetype at = block.valueStart; at + 2 <= block.valueStart + block.valueBytes; at += 2) {
        const quint16 unit = le16(bytes, at);
        if (unit == 0 || text.size() == kMaxPeVersionTextChars)
            break;
        text += QChar(unit);
    }
    return text.trimmed();
}

} // namespace

std::vector<PeIconImage> peIconGroup(QIODevice& file, int index) {
    PeFile pe(file);
    if (!pe.open())
        return {};
    const std::vector<DirectoryEntry> groups = pe.resourcesOfType(kIconGroupType);
    const DirectoryEntry* group = nullptr;
    if (index >= 0 && qsizetype(index) < qsizetype(groups.size()))
        group = &groups[index];
    else if (index < 0)
        group = withId(groups, quint32(-qint64(index)));
    const auto directory = group ? pe.data(*group, kMaxGroupBytes) : std::nullopt;
    if (!directory || directory->size() < 6 || le16(*directory, 2) != 1)
        return {};
    const qsizetype count =
        std::min<qsizetype>({le16(*directory, 4), (directory->size() - 6) / 14, kMaxPeIconImages});
    const std::vector<DirectoryEntry> icons = pe.resourcesOfType(kIconType);
    std::vector<PeIconImage> images;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype at = 6 + i * 14;
        const DirectoryEntry* icon = withId(icons, le16(*directory, at + 12));
        auto data = icon ? pe.data(*icon, kMaxPeIconImageBytes) : std::nullopt;
        if (!data || data->isEmpty())
            continue;
        const auto side = [](quint8 pixels) {
            return pixels == 0 ? 256 : int(pixels);
        };
        images.push_back({side(quint8(directory->at(at))), side(quint8(directory->at(at + 1))),
                          le16(*directory, at + 6), std::move(*data)});
    }
    return images;
}

ProgramVersionTexts peVersionTexts(QIODevice& file) {
    PeFile pe(file);
    if (!pe.open())
        return {};
    const std::vector<DirectoryEntry> versions = pe.resourcesOfType(kVersionType);
    const auto bytes =
        versions.empty() ? std::nullopt : pe.data(versions.front(), kMaxVersionBytes);
    const auto root = bytes ? versionBlock(*bytes, 0, bytes->size()) : std::nullopt;
    if (!root)
        return {};
    ProgramVersionTexts texts;
    for (const VersionBlock& info : children(*bytes, *root)) {
        if (info.key != u"StringFileInfo")
            continue;
        const std::vector<VersionBlock> tables = children(*bytes, info);
        if (tables.empty())
            continue;
        const std::vector<VersionBlock> strings = children(*bytes, tables.front());
        for (const VersionBlock& string : strings) {
            if (string.key == u"FileDescription")
                texts.description = versionText(*bytes, string);
            else if (string.key == u"ProductName")
                texts.product = versionText(*bytes, string);
            else if (string.key == u"CompanyName")
                texts.company = versionText(*bytes, string);
        }
        break;
    }
    return texts;
}

} // namespace tvn
