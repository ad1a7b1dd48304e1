#include "platform/ProtectedFileSystem.h"

#include "platform/FailureCause.h"
#include "platform/FolderChain.h"
#include "platform/Paths.h"

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

// The path is, lies inside or holds the folder as spelt (cleaned, so with '/'), letter case
// ignored. This needs no look-up, so it holds even when the disk fails to answer one.
bool guardedAsSpelt(const QString& path, const QString& protectedPath) {
    const QString entry = QDir::cleanPath(path);
    const QString folder = QDir::cleanPath(protectedPath);
    const auto within = [](const QString& inner, const QString& outer) {
        return inner.startsWith(outer, Qt::CaseInsensitive) &&
               (inner.size() == outer.size() || inner[outer.size()] == u'/' ||
                outer.endsWith(u'/'));
    };
    return within(entry, folder) || within(folder, entry);
}

} // namespace

void ProtectedFileSystem::setProtectedFolders(const QStringList& paths) {
    trees_.clear();
    for (const QString& path : paths) {
        if (path.isEmpty())
            continue;
        trees_.push_back({path, {}});
        chainOf(trees_.back());
    }
}

const std::vector<FileId>& ProtectedFileSystem::chainOf(Tree& tree) {
    // The folder may appear, or be replaced, after it was set: the cached chain holds only
    // while the path still names the same folder.
    // A folder that cannot be looked up now keeps the chain it had: a failing look-up must not
    // lift the guard. A folder that is really gone leaves only its old identities guarded.
    const auto id = inner_.identity(tree.path);
    if (id && (tree.chain.empty() || tree.chain.front() != *id))
        tree.chain = folderChain(inner_, tree.path);
    return tree.chain;
}

std::vector<const ProtectedFileSystem::Tree*> ProtectedFileSystem::existingTrees() {
    std::vector<const Tree*> trees;
    for (Tree& tree : trees_)
        if (!chainOf(tree).empty())
            trees.push_back(&tree);
    return trees;
}

bool ProtectedFileSystem::spelt(const Trees& trees, const QString& path) {
    return std::any_of(trees.begin(), trees.end(),
                       [&path](const Tree* tree) { return guardedAsSpelt(path, tree->path); });
}

bool ProtectedFileSystem::isChainFolder(const Trees& trees, const QString& path) {
    const auto id = inner_.identity(path);
    return id && std::any_of(trees.begin(), trees.end(), [&id](const Tree* tree) {
               return std::find(tree->chain.begin(), tree->chain.end(), *id) != tree->chain.end();
           });
}

// Some real ancestor of `folder`, or of the first of its ancestors that exists, is a protected
// folder: whatever lies in it lies inside that tree.
bool ProtectedFileSystem::liesInside(const Trees& trees, QString folder) {
    while (!folder.isEmpty() && !inner_.identity(folder)) {
        const QString up = parentOf(folder);
        folder = up == folder ? QString() : up;
    }
    if (folder.isEmpty())
        return false;
    const auto ancestors = folderChain(inner_, folder);
    return std::any_of(trees.begin(), trees.end(), [&ancestors](const Tree* tree) {
        return std::find(ancestors.begin(), ancestors.end(), tree->chain.front()) !=
               ancestors.end();
    });
}

bool ProtectedFileSystem::guarded(const QString& path) {
    const Trees trees = existingTrees();
    if (trees.empty())
        return false;
    return spelt(trees, path) || isChainFolder(trees, path) || liesInside(trees, parentOf(path));
}

// A file operation acts on the entry itself, never on a folder it is or links to (each file
// system refuses to copy onto, write or delete a folder), so the folder that holds the entry
// decides. That spares looking up an entry that does not exist yet.
bool ProtectedFileSystem::guardedFile(const QString& path) {
    const Trees trees = existingTrees();
    if (trees.empty())
        return false;
    return spelt(trees, path) || liesInside(trees, parentOf(path));
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

bool ProtectedFileSystem::refuse(const char* operation, const QString& path,
                                 const QString& target) {
    recordFailure({QString::fromLatin1(operation), path, target,
                   QStringLiteral("the Programs folders are protected")});
    return false;
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
    const Trees trees = existingTrees();
    if (trees.empty())
        return inner_.rename(from, to);
    // A rename within one folder (the refresh of a folder, away and back) judges it once.
    const QString fromFolder = parentOf(from);
    const QString toFolder = parentOf(to);
    const bool guardedRename = spelt(trees, from) || spelt(trees, to) ||
                               isChainFolder(trees, from) || isChainFolder(trees, to) ||
                               liesInside(trees, fromFolder) ||
                               (toFolder != fromFolder && liesInside(trees, toFolder));
    if (guardedRename)
        return refuse("rename", from, to);
    return inner_.rename(from, to);
}

bool ProtectedFileSystem::copyFile(const QString& from, const QString& to) {
    if (guardedFile(to))
        return refuse("copy", from, to);
    return inner_.copyFile(from, to);
}

bool ProtectedFileSystem::deleteFile(const QString& path) {
    if (guardedFile(path))
        return refuse("delete", path);
    return inner_.deleteFile(path);
}

int ProtectedFileSystem::removeLeftoverTemporaries(const QString& folder) {
    if (guarded(folder)) {
        refuse("remove temporaries", folder);
        return 0;
    }
    return inner_.removeLeftoverTemporaries(folder);
}

std::optional<FileSystem::TrashedFile> ProtectedFileSystem::moveToTrash(const QString& path) {
    if (guardedFile(path)) {
        refuse("move to trash", path);
        return std::nullopt;
    }
    return inner_.moveToTrash(path);
}

bool ProtectedFileSystem::restoreFromTrash(const TrashedFile& file) {
    if (guardedFile(file.original))
        return refuse("restore from trash", file.trashed, file.original);
    return inner_.restoreFromTrash(file);
}

std::optional<QByteArray> ProtectedFileSystem::readFile(const QString& path, qsizetype maxBytes) {
    return inner_.readFile(path, maxBytes);
}

bool ProtectedFileSystem::writeFile(const QString& path, const QByteArray& content) {
    if (guardedFile(path))
        return refuse("write", path);
    return inner_.writeFile(path, content);
}

std::optional<FileId> ProtectedFileSystem::identity(const QString& path) {
    return inner_.identity(path);
}

} // namespace tvn
