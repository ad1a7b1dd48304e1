#include "platform/TextCodec.h"

#include <array>

namespace tvn {

namespace {

// The characters of the bytes 0x80 to 0x9F. The five bytes windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 control of the same number, as Windows
// converts them, so every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
constexpr qsizetype kUtf8BomSize = 3;

bool startsWithBom(const QByteArray& bytes) {
    return bytes.startsWith(QByteArrayView(kUtf8Bom, kUtf8BomSize));
}

std::optional<char> windows1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

std::optional<QByteArray> toWindows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        auto byte = windows1252Byte(c.unicode());
        if (!byte)
            return std::nullopt;
        bytes.append(*byte);
    }
    return bytes;
}

QString fromWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char byte : bytes) {
        auto b = static_cast<unsigned char>(byte);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b));
    }
    return text;
}

QString decodeDataFile(const QByteArray& bytes) {
    if (startsWithBom(bytes))
        return QString::fromUtf8(bytes.constData() + kUtf8BomSize, bytes.size() - kUtf8BomSize);
    return fromWindows1252(bytes);
}

QByteArray encodeDataFile(const QString& text) {
    // A windows-1252 text that happens to begin with the three characters of the byte-order
    // mark would read back as UTF-8, so it is written as UTF-8 too.
    if (auto bytes = toWindows1252(text); bytes && !startsWithBom(*bytes))
        return *bytes;
    return QByteArray(kUtf8Bom, kUtf8BomSize) + text.toUtf8();
}

} // namespace tvn
