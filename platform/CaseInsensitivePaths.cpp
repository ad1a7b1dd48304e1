#include "CaseInsensitivePaths.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <QList>
#include <sys/stat.h>

namespace tvn::posix {

namespace {

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
    const QString wanted = QString::fromUtf8(name);
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
        const auto decoded = decodeName(entry->d_name, size);
        if (!decoded || QString::compare(*decoded, wanted, Qt::CaseInsensitive) != 0)
            continue;
        QByteArray bytes(entry->d_name, size);
        if (!best || bytes < *best)
            best = std::move(bytes);
    }
    ::closedir(dir);
    return best;
}

} // namespace

std::optional<QString> decodeName(const char* bytes, qsizetype size) {
    QString name = QString::fromUtf8(bytes, size);
    if (!isAscii(bytes, size) && name.toUtf8() != QByteArrayView(bytes, size))
        return std::nullopt;
    return name;
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
