#include "platform/FolderChain.h"

#include "platform/Paths.h"

#include <algorithm>

namespace tvn {

namespace {

// Far deeper than any real tree; it only bounds the walk up if ".." never reaches a fixed point.
constexpr int kMaxDepth = 4096;

} // namespace

std::vector<FileId> folderChain(FileSystem& fs, const QString& folder) {
    std::vector<FileId> chain;
    QString current = folder;
    auto id = fs.identity(current);
    while (id && static_cast<int>(chain.size()) < kMaxDepth) {
        chain.push_back(*id);
        current = joinPath(current, QStringLiteral(".."));
        const auto up = fs.identity(current);
        if (!up || *up == *id)
            break;
        id = up;
    }
    return chain;
}

bool isSameOrAncestor(FileSystem& fs, const QString& folder, const QString& inner) {
    const auto id = fs.identity(folder);
    if (!id)
        return false;
    const std::vector<FileId> chain = folderChain(fs, inner);
    return std::find(chain.begin(), chain.end(), *id) != chain.end();
}

bool isSameFolder(FileSystem& fs, const QString& a, const QString& b) {
    if (a == b)
        return true;
    const auto id = fs.identity(a);
    return id && id == fs.identity(b);
}

} // namespace tvn
