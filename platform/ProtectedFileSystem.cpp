#include "ProtectedFileSystem.h"

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

bool ProtectedFileSystem::isChainFolder(const std::vector<FileId>& chain, const QString& path) {
    const auto id = inner_.identity(path);
    return id && std::find(chain.begin(), chain.end(), *id) != chain.end();
}

// Some real ancestor of `folder`, or of the first of its ancestors that exists, is the protected
// folder: whatever lies in it lies inside the tree.
bool ProtectedFileSystem::liesInside(const std::vector<FileId>& chain, QString folder) {
    while (!folder.isEmpty() && !inner_.identity(folder)) {
        const QString up = parentOf(folder);
        folder = up == folder ? QString() : up;
    }
    if (folder.isEmpty())
        return false;
    const auto ancestors = folderChain(inner_, folder);
    return std::find(ancestors.begin(), ancestors.end(), chain.front()) != ancestors.end();
}

bool ProtectedFileSystem::guarded(const QString& path) {
    const std::vector<FileId>& chain = protectedChain();
    if (chain.empty())
        return false;
    return guardedAsSpelt(path) || isChainFolder(chain, path) || liesInside(chain, parentOf(path));
}

// A file operation acts on the entry itself, never on a folder it is or links to (each file
// system refuses to copy onto, write or delete a folder), so the folder that holds the entry
// decides. That spares looking up an entry that does not exist yet.
bool ProtectedFileSystem::guardedFile(const QString& path) {
    const std::vector<FileId>& chain = protectedChain();
    if (chain.empty())
        return false;
    return guardedAsSpelt(path) || liesInside(chain, parentOf(path));
}

std::optional<FileSystem::Listing> ProtectedFileSystem::listFolder(const QString& folder) {
    return inner_.listFolder(folder);
}

std::optional<FileSystem::FolderContent> ProtectedFileSystem::folderContent(const QString& folder) {
    return inner_.folderContent(folder);
}

bool ProtectedFileSystem::folderExists(const QString& path) {
    return inner_.folderExists(path);
}

bool ProtectedFileSystem::fileExists(const QString& path) {
    return inner_.fileExists(path);
}

bool ProtectedFileSystem::createFolder(const QString& path) {
    return !guarded(path) && inner_.createFolder(path);
}

bool ProtectedFileSystem::removeFolder(const QString& path) {
    return !guarded(path) && inner_.removeFolder(path);
}

bool ProtectedFileSystem::rename(const QString& from, const QString& to) {
    const std::vector<FileId>& chain = protectedChain();
    if (chain.empty())
        return inner_.rename(from, to);
    // A rename within one folder (the refresh of a folder, away and back) judges it once.
    const QString fromFolder = parentOf(from);
    const QString toFolder = parentOf(to);
    const bool guardedRename = guardedAsSpelt(from) || guardedAsSpelt(to) ||
                               isChainFolder(chain, from) || isChainFolder(chain, to) ||
                               liesInside(chain, fromFolder) ||
                               (toFolder != fromFolder && liesInside(chain, toFolder));
    return !guardedRename && inner_.rename(from, to);
}

bool ProtectedFileSystem::copyFile(const QString& from, const QString& to) {
    return !guardedFile(to) && inner_.copyFile(from, to);
}

bool ProtectedFileSystem::deleteFile(const QString& path) {
    return !guardedFile(path) && inner_.deleteFile(path);
}

std::optional<QByteArray> ProtectedFileSystem::readFile(const QString& path, qsizetype maxBytes) {
    return inner_.readFile(path, maxBytes);
}

bool ProtectedFileSystem::writeFile(const QString& path, const QByteArray& content) {
    return !guardedFile(path) && inner_.writeFile(path, content);
}

std::optional<FileId> ProtectedFileSystem::identity(const QString& path) {
    return inner_.identity(path);
}

} // namespace tvn
