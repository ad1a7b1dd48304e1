#include "platform/WineRegFile.h"

#include <QtEndian>

namespace tvn::wine {

namespace {

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr std::uint32_t kRegMultiSz = 7;

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

void skipSpaces(QByteArrayView line, qsizetype& pos) {
    while (pos < line.size() && isSpace(line[pos]))
        ++pos;
}

// The lines of the content, one at a time, without their line ends.
class Lines {
public:
    explicit Lines(QByteArrayView content)
        : content_(content) {}

    qsizetype position() const { return pos_; }
    void rewind(qsizetype position) { pos_ = position; }

    std::optional<QByteArrayView> next() {
        if (pos_ >= content_.size())
            return std::nullopt;
        qsizetype end = content_.indexOf('\n', pos_);
        if (end < 0)
            end = content_.size();
        QByteArrayView line = content_.sliced(pos_, end - pos_);
        pos_ = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        return line;
    }

private:
    QByteArrayView content_;
    qsizetype pos_ = 0;
};

QByteArray utf16Data(const QString& text) {
    QByteArray data((text.size() + 1) * 2, '\0');
    for (qsizetype i = 0; i < text.size(); ++i)
        qToLittleEndian<char16_t>(text[i].unicode(), data.data() + 2 * i);
    return data;
}

// Comma-separated hex bytes, continued on the next line after a final "\". A continuation line
// that does not read is given back, so that a value or key written on it is not lost.
std::optional<QByteArray> readHex(QByteArrayView line, qsizetype pos, Lines& lines) {
    QByteArray data;
    std::optional<qsizetype> continuation;
    auto fail = [&]() -> std::optional<QByteArray> {
        if (continuation)
            lines.rewind(*continuation);
        return std::nullopt;
    };
    for (;;) {
        while (pos + 1 < line.size() && hexDigit(line[pos]) >= 0 && hexDigit(line[pos + 1]) >= 0) {
            data.append(char(hexDigit(line[pos]) * 16 + hexDigit(line[pos + 1])));
            pos += 2;
            if (pos < line.size() && line[pos] == ',')
                ++pos;
        }
        skipSpaces(line, pos);
        if (pos == line.size())
            return data;
        if (line[pos] != '\\' || pos + 1 != line.size())
            return fail();
        continuation = lines.position();
        auto continued = lines.next();
        if (!continued)
            return std::nullopt;
        line = *continued;
        pos = 0;
        skipSpaces(line, pos);
    }
}

std::optional<std::uint32_t> readDword(QByteArrayView line, qsizetype pos) {
    std::uint32_t number = 0;
    int digits = 0;
    for (; pos < line.size() && hexDigit(line[pos]) >= 0; ++pos, ++digits)
        number = number * 16 + std::uint32_t(hexDigit(line[pos]));
    skipSpaces(line, pos);
    if (digits == 0 || digits > 8 || pos != line.size())
        return std::nullopt;
    return number;
}

// The data of a value line from `pos` (just after the "="); nothing when malformed.
std::optional<RegValue> readData(QByteArrayView line, qsizetype pos, Lines& lines) {
    RegValue value;
    const QByteArrayView rest = line.sliced(pos);
    auto text = [&](std::uint32_t type, qsizetype tag) -> std::optional<RegValue> {
        qsizetype at = pos + tag;
        auto parsed = unescape(line, at, '"');
        if (!parsed)
            return std::nullopt;
        value.type = type;
        value.data = utf16Data(*parsed);
        return value;
    };
    if (rest.startsWith("\""))
        return text(kRegSz, 1);
    if (rest.startsWith("str:\""))
        return text(kRegSz, 5);
    if (rest.startsWith("str(2):\""))
        return text(kRegExpandSz, 8);
    if (rest.startsWith("str(7):\""))
        return text(kRegMultiSz, 8);
    if (rest.startsWith("dword:")) {
        auto number = readDword(line, pos + 6);
        if (!number)
            return std::nullopt;
        value.type = kRegDword;
        value.data.resize(4);
        qToLittleEndian(*number, value.data.data());
        return value;
    }
    qsizetype at = pos;
    if (rest.startsWith("hex:")) {
        value.type = kRegBinary;
        at += 4;
    } else if (rest.startsWith("hex(")) {
        at += 4;
        std::uint32_t type = 0;
        int digits = 0;
        for (; at < line.size() && hexDigit(line[at]) >= 0 && digits < 8; ++at, ++digits)
            type = type * 16 + std::uint32_t(hexDigit(line[at]));
        if (digits == 0 || !line.sliced(at).startsWith("):"))
            return std::nullopt;
        value.type = type;
        at += 2;
    } else {
        return std::nullopt;
    }
    auto data = readHex(line, at, lines);
    if (!data)
        return std::nullopt;
    value.data = std::move(*data);
    return value;
}

// A value line: "name"=data or @=data.
std::optional<RegValue> readValue(QByteArrayView line, qsizetype pos, Lines& lines) {
    QString name;
    if (line[pos] == '@') {
        ++pos;
    } else {
        ++pos;
        auto parsed = unescape(line, pos, '"');
        if (!parsed)
            return std::nullopt;
        name = std::move(*parsed);
    }
    skipSpaces(line, pos);
    if (pos >= line.size() || line[pos] != '=')
        return std::nullopt;
    ++pos;
    skipSpaces(line, pos);
    auto value = readData(line, pos, lines);
    if (value)
        value->name = std::move(name);
    return value;
}

enum class Match { None, Above, Exact };

// How a section's key name relates to the wanted one (names joined by "\").
Match matchKey(const QString& section, const QString& wanted) {
    if (wanted.isEmpty())
        return section.isEmpty() ? Match::Exact : Match::Above;
    if (!section.startsWith(wanted, Qt::CaseInsensitive))
        return Match::None;
    if (section.size() == wanted.size())
        return Match::Exact;
    return section[wanted.size()] == u'\\' ? Match::Above : Match::None;
}

void store(std::vector<RegValue>& values, RegValue value) {
    for (RegValue& known : values) {
        if (known.name.compare(value.name, Qt::CaseInsensitive) == 0) {
            known = std::move(value);
            return;
        }
    }
    values.push_back(std::move(value));
}

} // namespace

std::optional<QString> unescape(QByteArrayView line, qsizetype& pos, char end) {
    QString text;
    QByteArray raw; // a run of plain bytes, decoded together so UTF-8 sequences stay whole
    auto flush = [&] {
        if (!raw.isEmpty()) {
            text += QString::fromUtf8(raw);
            raw.clear();
        }
    };
    auto plain = [&](char c) {
        if (static_cast<unsigned char>(c) < 0x80 && raw.isEmpty())
            text += QLatin1Char(c);
        else
            raw.append(c);
    };
    while (pos < line.size() && line[pos] != end) {
        const char c = line[pos++];
        if (c != '\\') {
            plain(c);
            continue;
        }
        if (pos >= line.size())
            return std::nullopt;
        flush();
        const char e = line[pos++];
        switch (e) {
        case 'a':
            text += QChar(u'\a');
            break;
        case 'b':
            text += QChar(u'\b');
            break;
        case 'e':
            text += QChar(u'\x1b');
            break;
        case 'f':
            text += QChar(u'\f');
            break;
        case 'n':
            text += QChar(u'\n');
            break;
        case 'r':
            text += QChar(u'\r');
            break;
        case 't':
            text += QChar(u'\t');
            break;
        case 'v':
            text += QChar(u'\v');
            break;
        case 'x': {
            char16_t unit = 0;
            int digits = 0;
            for (; digits < 4 && pos < line.size() && hexDigit(line[pos]) >= 0; ++digits)
                unit = char16_t(unit * 16 + hexDigit(line[pos++]));
            text += digits > 0 ? QChar(unit) : QChar(u'x');
            break;
        }
        case '0':
        case '1':
        case '2':
        case '3':
        case '4':
        case '5':
        case '6':
        case '7': {
            char16_t unit = char16_t(e - '0');
            for (int digits = 1;
                 digits < 3 && pos < line.size() && line[pos] >= '0' && line[pos] <= '7'; ++digits)
                unit = char16_t(unit * 8 + (line[pos++] - '0'));
            text += QChar(unit);
            break;
        }
        default:
            plain(e);
            break;
        }
    }
    flush();
    if (pos >= line.size())
        return std::nullopt;
    ++pos;
    return text;
}

std::optional<std::vector<RegValue>> findKey(QByteArrayView content, const QStringList& path) {
    Lines lines(content);
    auto header = lines.next();
    if (!header || *header != "WINE REGISTRY Version 2")
        return std::nullopt;

    const QString wanted = path.join(u'\\');
    std::vector<RegValue> values;
    bool found = path.isEmpty();
    bool inKey = false;
    while (auto line = lines.next()) {
        qsizetype pos = 0;
        skipSpaces(*line, pos);
        if (pos >= line->size())
            continue;
        const char first = (*line)[pos];
        if (first == '[') {
            ++pos;
            auto name = unescape(*line, pos, ']');
            const Match match = name ? matchKey(*name, wanted) : Match::None;
            inKey = match == Match::Exact;
            found = found || match != Match::None;
        } else if (inKey && (first == '"' || first == '@')) {
            if (auto value = readValue(*line, pos, lines))
                store(values, std::move(*value));
        }
    }
    if (!found)
        return std::nullopt;
    return values;
}

} // namespace tvn::wine
