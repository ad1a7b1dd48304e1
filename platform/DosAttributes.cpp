#include "platform/DosAttributes.h"

namespace tvn {

namespace {

std::optional<std::uint32_t> parseHex(QByteArrayView text) {
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X') || text.size() > 10)
        return std::nullopt;
    std::uint32_t result = 0;
    for (const char c : text.sliced(2)) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        result = result << 4 | static_cast<std::uint32_t>(digit);
    }
    return result;
}

std::uint32_t readLittleEndian(QByteArrayView bytes, qsizetype offset, int width) {
    std::uint32_t result = 0;
    for (int i = width - 1; i >= 0; --i)
        result = result << 8 | static_cast<unsigned char>(bytes[offset + i]);
    return result;
}

// Samba's record: a NUL-terminated hexadecimal text (empty from version 4 on), padding to an
// even offset, a 16-bit version, the version again as a 32-bit union tag, then the fields of
// that version, all little-endian. Versions 3 to 5 begin with a validity mask whose bit 0 says
// the attribute word that follows is set.
std::optional<std::uint32_t> parseSambaRecord(QByteArrayView value, qsizetype textEnd) {
    qsizetype offset = (textEnd + 2) & ~qsizetype(1);
    const auto has = [&](qsizetype bytes) {
        return offset + bytes <= value.size();
    };
    if (!has(6))
        return std::nullopt;
    const std::uint32_t version = readLittleEndian(value, offset, 2);
    if (readLittleEndian(value, offset + 2, 4) != version)
        return std::nullopt;
    offset += 6;
    switch (version) {
    case 1:
    case 0xFFFF:
        if (!has(4))
            return std::nullopt;
        return readLittleEndian(value, offset, 4);
    case 2:
        if (!has(8))
            return std::nullopt;
        return readLittleEndian(value, offset + 4, 4);
    case 3:
    case 4:
    case 5:
        if (!has(8) || (readLittleEndian(value, offset, 4) & 1) == 0)
            return std::nullopt;
        return readLittleEndian(value, offset + 4, 4);
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<std::uint32_t> parseDosAttributes(QByteArrayView value) {
    const qsizetype nul = value.indexOf('\0');
    QByteArrayView text = nul < 0 ? value : value.first(nul);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.sliced(1, text.size() - 2);
    if (!text.isEmpty())
        return parseHex(text);
    return nul < 0 ? std::nullopt : parseSambaRecord(value, nul);
}

bool dosAttributesHide(QByteArrayView value) {
    const auto attributes = parseDosAttributes(value);
    return attributes && (*attributes & (kDosHidden | kDosSystem)) != 0;
}

} // namespace tvn
