#include "platform/CaseInsensitivePaths.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <QList>
#include <sys/stat.h>
#include <utility>

namespace tvn::posix {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kFirstEscape = 0xDC80;
constexpr char16_t kLastEscape = 0xDCFF;

// The code point of the well-formed UTF-8 sequence at the start of `bytes` and its length in
// bytes; a length of 0 when the sequence is not well-formed (overlong, a surrogate, beyond
// U+10FFFF, cut short).
std::pair<char32_t, int> decodeSequence(const unsigned char* bytes, qsizetype size) {
    const unsigned char lead = bytes[0];
    if (lead < 0x80)
        return {lead, 1};
    int length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2, code = lead & 0x1f, smallest = 0x80;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3, code = lead & 0x0f, smallest = 0x800;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4, code = lead & 0x07, smallest = 0x10000;
    } else {
        return {0, 0};
    }
    if (size < length)
        return {0, 0};
    for (int k = 1; k < length; ++k) {
        if ((bytes[k] & 0xc0) != 0x80)
            return {0, 0};
        code = code << 6 | (bytes[k] & 0x3f);
    }
    if (code < smallest || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
        return {0, 0};
    return {code, length};
}

// A code point of the escape range that does not end a surrogate pair stands for one byte.
bool isEscapedByte(QStringView text, qsizetype i) {
    const char16_t c = text[i].unicode();
    return c >= kFirstEscape && c <= kLastEscape && (i == 0 || !text[i - 1].isHighSurrogate());
}

bool isAscii(const char* bytes, qsizetype size) {
    for (qsizetype i = 0; i < size; ++i)
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return false;
    return true;
}

bool entryExists(const QByteArray& path) {
    struct stat st;
    return ::lstat(path.constData(), &st) == 0;
}

// The entry of `folder` equal to `name` ignoring case; among several, the first in name order
// (ties of letter case are broken by the bytes, so the smallest).
std::optional<QByteArray> findIgnoringCase(const QByteArray& folder, const QByteArray& name) {
    const QString wanted = decodeName(name);
    const bool wantedAscii = isAscii(name.constData(), name.size());
    DIR* dir = ::opendir(folder.isEmpty() ? "." : folder.constData());
    if (!dir)
        return std::nullopt;
    std::optional<QByteArray> best;
    while (const dirent* entry = ::readdir(dir)) {
        const qsizetype size = static_cast<qsizetype>(std::strlen(entry->d_name));
        // Simple case folding keeps ASCII letters within ASCII, so an ASCII name can only
        // match another of the same length; non-ASCII names go through the full comparison.
        if (wantedAscii && size != name.size() && isAscii(entry->d_name, size))
            continue;
        if (QString::compare(decodeName(entry->d_name, size), wanted, Qt::CaseInsensitive) != 0)
            continue;
        QByteArray bytes(entry->d_name, size);
        if (!best || bytes < *best)
            best = std::move(bytes);
    }
    ::closedir(dir);
    return best;
}

} // namespace

QString decodeName(const char* bytes, qsizetype size) {
    if (isAscii(bytes, size))
        return QString::fromLatin1(bytes, size);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes);
    QString name;
    name.reserve(size);
    for (qsizetype i = 0; i < size;) {
        const auto [code, length] = decodeSequence(data + i, size - i);
        if (length == 0) {
            name.append(QChar(char16_t(kEscapeBase + data[i])));
            ++i;
            continue;
        }
        if (QChar::requiresSurrogates(code)) {
            name.append(QChar(QChar::highSurrogate(code)));
            name.append(QChar(QChar::lowSurrogate(code)));
        } else {
            name.append(QChar(char16_t(code)));
        }
        i += length;
    }
    return name;
}

QByteArray encodeName(QStringView text) {
    QByteArray bytes;
    qsizetype run = 0; // start of the text not yet encoded
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isEscapedByte(text, i))
            continue;
        bytes += text.mid(run, i - run).toUtf8();
        bytes += char(text[i].unicode() - kEscapeBase);
        run = i + 1;
    }
    if (run == 0)
        return text.toUtf8();
    return bytes + text.mid(run).toUtf8();
}

QByteArray joinNative(const QByteArray& folder, const QByteArray& name) {
    if (folder.isEmpty())
        return name;
    if (folder.endsWith('/'))
        return folder + name;
    return folder + '/' + name;
}

std::optional<QByteArray> resolveExisting(const QByteArray& path) {
    if (path.isEmpty())
        return std::nullopt;
    if (entryExists(path))
        return path;
    if (errno != ENOENT && errno != ENOTDIR)
        return std::nullopt;
    QByteArray current = path.startsWith('/') ? QByteArray("/") : QByteArray();
    for (const QByteArray& name : path.split('/')) {
        if (name.isEmpty())
            continue;
        const QByteArray exact = joinNative(current, name);
        if (name == "." || name == ".." || entryExists(exact)) {
            current = exact;
            continue;
        }
        if (errno != ENOENT)
            return std::nullopt;
        const auto match = findIgnoringCase(current, name);
        if (!match)
            return std::nullopt;
        current = joinNative(current, *match);
    }
    return current;
}

std::optional<Target> resolveTarget(const QByteArray& path) {
    if (path.isEmpty())
        return std::nullopt;
    Target target;
    const qsizetype slash = path.lastIndexOf('/');
    target.name = path.mid(slash + 1);
    const QByteArray folder = slash < 0    ? QByteArray(".")
                              : slash == 0 ? QByteArray("/")
                                           : path.left(slash);
    if (entryExists(path)) {
        target.path = path;
        target.folder = folder;
        target.exists = true;
        return target;
    }
    const auto resolvedFolder = resolveExisting(folder);
    if (!resolvedFolder)
        return std::nullopt;
    target.folder = *resolvedFolder;
    const bool special = target.name.isEmpty() || target.name == "." || target.name == "..";
    const auto match = special ? std::nullopt : findIgnoringCase(target.folder, target.name);
    target.exists = match.has_value();
    target.path = joinNative(target.folder, match ? *match : target.name);
    return target;
}

} // namespace tvn::posix
