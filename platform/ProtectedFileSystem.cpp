#include "ProtectedFileSystem.h"

#include "FailureCause.h"
#include "FolderChain.h"
#include "Paths.h"

#include <algorithm>
#include <QDir>

namespace tvn {

namespace {

QString parentOf(const QString& path) {
#ifdef _WIN32
    // Windows takes '/' for a separator too: a path spelt with it is guarded all the same.
    const qsizetype separator =
        std::max(path.lastIndexOf(QChar(kPathSeparator)), path.lastIndexOf(u'/'));
#else
    const qsizetype separator = path.lastIndexOf(QChar(kPathSeparator));
#endif
    if (separator < 0)
        return {};
    return separator == 0 ? path.left(1) : path.left(separator);
}

} // namespace

void ProtectedFileSystem::setProtectedFolder(const QString& path) {
    protectedPath_ = path;
    chain_.clear();
    protectedChain();
}

const std::vector<FileId>& ProtectedFileSystem::protectedChain() {
    if (protectedPath_.isEmpty()) {
        chain_.clear();
        return chain_;
    }
    // The folder may appear, or be replaced, after it was set: the cached chain holds only
    // while the path still names the same folder.
    // A folder that cannot be looked up now keeps the chain it had: a failing look-up must not
    // lift the guard. A folder that is really gone leaves only its old identities guarded.
    const auto id = inner_.identity(protectedPath_);
    if (id && (chain_.empty() || chain_.front() != *id))
        chain_ = folderChain(inner_, protectedPath_);
    return chain_;
}

// The path is, lies inside or holds the protected folder as spelt (cleaned, so with '/'),
// letter case ignored. This
// needs no look-up, so it holds even when the disk fails to answer one.
bool ProtectedFileSystem::guardedAsSpelt(const QString& path) const {
    const QString entry = QDir::cleanPath(path);
    const QString folder = QDir::cleanPath(protectedPath_);
    const auto within = [](const QString& inner, const QString& outer) {
        return inner.startsWith(outer, Qt::CaseInsensitive) &&
               (inner.size() == outer.size() || inner[outer.size()] == u'/' ||
                outer.endsWith(u'/'));
    };
    return within(entry, folder) || within(folder, entry);
}

bool ProtectedFileSystem::guarded(const QString& path) {
    const std::vector<FileId>& chain = protectedChain();
    if (chain.empty())
        return false;
    if (guardedAsSpelt(path))
        return true;
    // The entry itself is the protected folder or holds it.
    if (const auto id = inner_.identity(path);
        id && std::find(chain.begin(), chain.end(), *id) != chain.end())
        return true;
    // The entry lies inside: some real ancestor of the folder that holds (or would hold) it is
    // the protected folder. Missing folders are skipped up to the first one that exists.
    QString folder = parentOf(path);
    while (!folder.isEmpty() && !inner_.identity(folder)) {
        const QString up = parentOf(folder);
        folder = up == folder ? QString() : up;
    }
    if (folder.isEmpty())
        return false;
    const auto ancestors = folderChain(inner_, folder);
    return std::find(ancestors.begin(), ancestors.end(), chain.front()) != ancestors.end();
}

bool ProtectedFileSystem::refuse(const char* operation, const QString& path,
                                 const QString& target) {
    recordFailure({QString::fromLatin1(operation), path, target,
                   QStringLiteral("the Programs folder is protected")});
    return false;
}

std::optional<FileSystem::Listing> ProtectedFileSystem::listFolder(const QString& folder) {
    return inner_.listFolder(folder);
}

bool ProtectedFileSystem::folderExists(const QString& path) {
    return inner_.folderExists(path);
}

bool ProtectedFileSystem::fileExists(const QString& path) {
    return inner_.fileExists(path);
}

bool ProtectedFileSystem::createFolder(const QString& path) {
    if (guarded(path))
        return refuse("create folder", path);
    return inner_.createFolder(path);
}

bool ProtectedFileSystem::removeFolder(const QString& path) {
    if (guarded(path))
        return refuse("remove folder", path);
    return inner_.removeFolder(path);
}

bool ProtectedFileSystem::rename(const QString& from, const QString& to) {
    if (guarded(from) || guarded(to))
        return refuse("rename", from, to);
    return inner_.rename(from, to);
}

bool ProtectedFileSystem::copyFile(const QString& from, const QString& to) {
    if (guarded(to))
        return refuse("copy", from, to);
    return inner_.copyFile(from, to);
}

bool ProtectedFileSystem::deleteFile(const QString& path) {
    if (guarded(path))
        return refuse("delete", path);
    return inner_.deleteFile(path);
}

std::optional<QByteArray> ProtectedFileSystem::readFile(const QString& path, qsizetype maxBytes) {
    return inner_.readFile(path, maxBytes);
}

bool ProtectedFileSystem::writeFile(const QString& path, const QByteArray& content) {
    if (guarded(path))
        return refuse("write", path);
    return inner_.writeFile(path, content);
}

std::optional<FileId> ProtectedFileSystem::identity(const QString& path) {
    return inner_.identity(path);
}

} // namespace tvn
