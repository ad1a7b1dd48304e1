#include "tools/demoprefix/ProgramFile.h"

#include <map>
#include <utility>

namespace tvn::tools {

namespace {

constexpr quint32 kIconType = 3;
constexpr quint32 kIconGroupType = 14;
constexpr quint32 kVersionType = 16;
constexpr quint32 kSectionRva = 0x1000;
constexpr quint32 kFileAlignment = 0x200;
constexpr quint16 kOptionalHeaderSize = 224;

void put16(QByteArray& out, quint16 value) {
    out.append(char(value & 0xFF)).append(char(value >> 8));
}

void put32(QByteArray& out, quint32 value) {
    put16(out, quint16(value & 0xFFFF));
    put16(out, quint16(value >> 16));
}

void set32(QByteArray& out, qsizetype at, quint32 value) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = char((value >> (8 * i)) & 0xFF);
}

void padTo(QByteArray& out, qsizetype alignment) {
    while (out.size() % alignment)
        out.append('\0');
}

QByteArray bitmapOf(const ProgramIconImage& image) {
    QByteArray out;
    put32(out, 40);
    put32(out, quint32(image.size));
    put32(out, quint32(image.size * 2)); // the colours and the mask
    put16(out, 1);
    put16(out, 32);
    for (int i = 0; i < 6; ++i)
        put32(out, 0);
    for (int i = 0; i < image.size * image.size; ++i)
        put32(out, image.argb);
    const int maskRow = ((image.size + 31) / 32) * 4;
    out.append(QByteArray(maskRow * image.size, '\0'));
    return out;
}

// A block of a version resource: its length, value length, type, key, value and children.
QByteArray versionBlock(const QString& key, const QByteArray& value, bool text,
                        const QByteArray& children) {
    QByteArray out;
    put16(out, 0);
    put16(out, quint16(text ? value.size() / 2 : value.size()));
    put16(out, text ? 1 : 0);
    for (const QChar c : key)
        put16(out, c.unicode());
    put16(out, 0);
    padTo(out, 4);
    out += value;
    padTo(out, 4);
    out += children;
    out[0] = char(out.size() & 0xFF);
    out[1] = char(out.size() >> 8);
    return out;
}

QByteArray utf16z(const QString& text) {
    QByteArray out;
    for (const QChar c : text)
        put16(out, c.unicode());
    put16(out, 0);
    return out;
}

QByteArray versionResource(const ProgramFileContent& content) {
    QByteArray strings;
    for (const auto& [key, value] :
         {std::pair{QStringLiteral("CompanyName"), content.company},
          std::pair{QStringLiteral("FileDescription"), content.description},
          std::pair{QStringLiteral("ProductName"), content.product}}) {
        if (value.isEmpty())
            continue;
        strings += versionBlock(key, utf16z(value), true, {});
        padTo(strings, 4);
    }
    QByteArray fixed;
    put32(fixed, 0xFEEF04BD);
    put32(fixed, 0x10000);
    fixed.append(QByteArray(44, '\0'));
    QByteArray translation;
    put16(translation, 0x0409);
    put16(translation, 0x04B0);
    QByteArray children = versionBlock(QStringLiteral("StringFileInfo"), {}, true,
                                       versionBlock(QStringLiteral("040904b0"), {}, true, strings));
    padTo(children, 4);
    children += versionBlock(QStringLiteral("VarFileInfo"), {}, true,
                             versionBlock(QStringLiteral("Translation"), translation, false, {}));
    return versionBlock(QStringLiteral("VS_VERSION_INFO"), fixed, false, children);
}

// The resource section: the three directory levels (type, id, one language each), the data
// entries, then the data.
QByteArray resourceSection(const std::map<quint32, std::vector<QByteArray>>& resources) {
    qsizetype count = 0;
    for (const auto& [type, items] : resources)
        count += qsizetype(items.size());
    const qsizetype types = qsizetype(resources.size());
    const quint32 typeDirectories = quint32(16 + 8 * types);
    quint32 languageDirectories = typeDirectories;
    for (const auto& [type, items] : resources)
        languageDirectories += quint32(16 + 8 * items.size());
    const quint32 dataEntries = languageDirectories + quint32(count * 24);
    quint32 data = dataEntries + quint32(count * 16);

    const auto directoryHeader = [](QByteArray& out, qsizetype entries) {
        put32(out, 0);
        put32(out, 0);
        put32(out, 0);
        put16(out, 0);
        put16(out, quint16(entries));
    };
    QByteArray out;
    directoryHeader(out, types);
    quint32 next = typeDirectories;
    for (const auto& [type, items] : resources) {
        put32(out, type);
        put32(out, 0x80000000 | next);
        next += quint32(16 + 8 * items.size());
    }
    qsizetype language = 0;
    for (const auto& [type, items] : resources) {
        directoryHeader(out, qsizetype(items.size()));
        for (qsizetype id = 0; id < qsizetype(items.size()); ++id, ++language) {
            put32(out, quint32(id + 1));
            put32(out, 0x80000000 | quint32(languageDirectories + language * 24));
        }
    }
    QByteArray payload;
    for (qsizetype i = 0; i < count; ++i) {
        directoryHeader(out, 1);
        put32(out, 0x409);
        put32(out, quint32(dataEntries + i * 16));
    }
    for (const auto& [type, items] : resources) {
        for (const QByteArray& item : items) {
            put32(out, kSectionRva + data + quint32(payload.size()));
            put32(out, quint32(item.size()));
            put32(out, 0);
            put32(out, 0);
            payload += item;
            padTo(payload, 4);
        }
    }
    return out + payload;
}

} // namespace

QByteArray programFileBytes(const ProgramFileContent& content) {
    std::map<quint32, std::vector<QByteArray>> resources;
    quint16 iconId = 0;
    for (const auto& group : content.iconGroups) {
        QByteArray directory;
        put16(directory, 0);
        put16(directory, 1);
        put16(directory, quint16(group.size()));
        for (const ProgramIconImage& image : group) {
            QByteArray bytes = image.png.isEmpty() ? bitmapOf(image) : image.png;
            directory.append(char(image.size & 0xFF)).append(char(image.size & 0xFF));
            directory.append('\0').append('\0');
            put16(directory, 1);
            put16(directory, 32);
            put32(directory, quint32(bytes.size()));
            put16(directory, ++iconId);
            resources[kIconType].push_back(std::move(bytes));
        }
        resources[kIconGroupType].push_back(directory);
    }
    if (!content.description.isEmpty() || !content.product.isEmpty() || !content.company.isEmpty())
        resources[kVersionType].push_back(versionResource(content));
    QByteArray section = resourceSection(resources);
    const quint32 sectionSize = quint32(section.size());
    padTo(section, kFileAlignment);

    QByteArray out;
    put16(out, 0x5A4D); // MZ
    out.append(QByteArray(0x3A, '\0'));
    put32(out, 0x40);
    out += QByteArray("PE\0\0", 4);
    put16(out, 0x14C); // i386
    put16(out, 1);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put16(out, kOptionalHeaderSize);
    put16(out, 0x0102);
    const qsizetype optional = out.size();
    out.append(QByteArray(kOptionalHeaderSize, '\0'));
    out[optional] = char(0x0B); // PE32
    out[optional + 1] = char(0x01);
    set32(out, optional + 28, 0x400000); // image base
    set32(out, optional + 32, 0x1000);   // section alignment
    set32(out, optional + 36, kFileAlignment);
    set32(out, optional + 56, kSectionRva + ((sectionSize + 0xFFF) & ~0xFFFu)); // image size
    set32(out, optional + 60, kFileAlignment);                                  // headers' size
    out[optional + 68] = char(2); // a windowed program
    set32(out, optional + 92, 16);
    set32(out, optional + 96 + 2 * 8, kSectionRva);
    set32(out, optional + 96 + 2 * 8 + 4, sectionSize);
    out += QByteArray(".rsrc\0\0\0", 8);
    put32(out, sectionSize);
    put32(out, kSectionRva);
    put32(out, quint32(section.size()));
    put32(out, kFileAlignment);
    out.append(QByteArray(12, '\0'));
    put32(out, 0x40000040); // initialised, readable data
    padTo(out, kFileAlignment);
    return out + section;
}

} // namespace tvn::tools
