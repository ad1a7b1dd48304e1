#include "platform/SequentialFile.h"

#include "platform/FileSystem.h"
#include "platform/TextCodec.h"

#include <cmath>

namespace tvn {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

bool isSeparator(QChar c) {
    return c == u',' || isLineEnd(c);
}

// The number an item's text reads as: an optional sign, digits with at most one decimal point,
// and an optional exponent (E or D), blanks around it allowed.
std::optional<double> readNumber(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    qsizetype i = begin;
    auto digitsAt = [&](qsizetype at) {
        qsizetype n = 0;
        while (at + n < end && text[at + n] >= u'0' && text[at + n] <= u'9')
            ++n;
        return n;
    };
    if (i < end && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = digitsAt(i);
    i += digits;
    if (i < end && text[i] == u'.') {
        qsizetype fraction = digitsAt(i + 1);
        digits += fraction;
        i += 1 + fraction;
    }
    if (digits == 0)
        return std::nullopt;
    qsizetype mantissaEnd = i;
    if (i < end && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        ++i;
        if (i < end && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        qsizetype exponent = digitsAt(i);
        if (exponent == 0)
            return std::nullopt;
        i += exponent;
    }
    if (i != end)
        return std::nullopt;

    QString normal = text.sliced(begin, end - begin).toString();
    if (mantissaEnd < end)
        normal[mantissaEnd - begin] = u'e';
    bool ok = false;
    double value = normal.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The keywords of the write format and the words a text converts from.
std::optional<bool> readBooleanWord(const SequentialItem& item) {
    if (!item.quoted) {
        if (item.text.compare(u"#TRUE#", Qt::CaseInsensitive) == 0)
            return true;
        if (item.text.compare(u"#FALSE#", Qt::CaseInsensitive) == 0)
            return false;
        return std::nullopt;
    }
    QString word = item.text.trimmed();
    if (word.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

// Rounds half to even, as the original's conversion to an integer does.
double roundHalfEven(double value) {
    double floor = std::floor(value);
    double fraction = value - floor;
    if (fraction > 0.5)
        return floor + 1;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

} // namespace

SequentialReader::SequentialReader(QString text)
    : text_(std::move(text)) {}

std::optional<SequentialReader> SequentialReader::open(FileSystem& fs, const QString& path) {
    auto bytes = fs.readFile(path);
    if (!bytes)
        return std::nullopt;
    return SequentialReader(decodeDataFile(*bytes));
}

bool SequentialReader::atEnd() const {
    return pos_ >= text_.size();
}

SequentialItem SequentialReader::next() {
    SequentialItem item;
    const qsizetype size = text_.size();
    while (pos_ < size && isBlank(text_[pos_]))
        ++pos_;
    if (pos_ >= size)
        return item;

    if (text_[pos_] == u'"') {
        item.quoted = true;
        qsizetype close = text_.indexOf(u'"', pos_ + 1);
        if (close < 0)
            close = size;
        item.text = text_.sliced(pos_ + 1, close - pos_ - 1);
        pos_ = std::min(close + 1, size);
        while (pos_ < size && !isSeparator(text_[pos_]))
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < size && !isSeparator(text_[pos_]))
            ++pos_;
        qsizetype end = pos_;
        while (end > start && isBlank(text_[end - 1]))
            --end;
        item.text = text_.sliced(start, end - start);
    }

    // One separator ends the item: a comma, or a line end (CR LF, LF or a lone CR).
    if (pos_ < size) {
        const QChar separator = text_[pos_++];
        if (separator == u'\r' && pos_ < size && text_[pos_] == u'\n')
            ++pos_;
    }
    return item;
}

std::optional<bool> itemToBoolean(const SequentialItem& item) {
    if (auto word = readBooleanWord(item))
        return word;
    if (!item.quoted && item.text.isEmpty())
        return false;
    if (auto number = readNumber(item.text))
        return *number != 0;
    return std::nullopt;
}

std::optional<int> itemToInteger16(const SequentialItem& item) {
    if (auto word = readBooleanWord(item))
        return *word ? -1 : 0;
    if (!item.quoted && item.text.isEmpty())
        return 0;
    auto number = readNumber(item.text);
    if (!number)
        return std::nullopt;
    double rounded = roundHalfEven(*number);
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<int>(rounded);
}

QString itemToCaption(const SequentialItem& item) {
    if (item.quoted)
        return item.text;
    auto number = readNumber(item.text);
    if (!number)
        return item.text;
    if (*number == 0)
        return QStringLiteral("0");
    // Fifteen significant digits, with an exponent only for very large or small numbers.
    return QString::number(*number, 'G', 15);
}

void SequentialWriter::writeBoolean(bool value) {
    text_ += value ? QStringLiteral("#TRUE#\r\n") : QStringLiteral("#FALSE#\r\n");
}

void SequentialWriter::writeString(const QString& value) {
    if (value.contains(u'"'))
        faithful_ = false;
    text_ += u'"' + value + QStringLiteral("\"\r\n");
}

void SequentialWriter::writeNumber(int value) {
    text_ += QString::number(value) + QStringLiteral("\r\n");
}

QByteArray SequentialWriter::bytes() const {
    return encodeDataFile(text_);
}

bool SequentialWriter::save(FileSystem& fs, const QString& path) const {
    return faithful_ && fs.writeFile(path, bytes());
}

} // namespace tvn
