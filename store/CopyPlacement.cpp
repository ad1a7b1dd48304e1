#include "store/CopyPlacement.h"

#include "catalogue/CatalogueList.h"
#include "platform/FailureCause.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace tvn {

namespace {

// Far more namesakes than any Start Menu holds; beyond it the copy fails instead of searching on.
constexpr int kMaxNumberedNames = 999;

// The longest file name the disk takes: 255 UTF-16 units on Windows, 255 bytes elsewhere.
constexpr qsizetype kMaxFileNameSize = 255;

qsizetype fileNameSize(const QString& name) {
#ifdef _WIN32
    return name.size();
#else
    return name.toUtf8().size();
#endif
}

// "Name (tag).lnk", the tag cut so that the name fits the disk. Brackets inside the tag go, since
// the name's bracketed tail is what tells the copy's shortcut by name ("Tools (x86)" would leave
// "Name (Tools" behind). Empty when not even one character of the tag fits.
QString taggedName(const QString& stem, QString tag, const QString& extension) {
    tag.replace(u'(', u' ').replace(u')', u' ');
    tag = tag.simplified();
    while (!tag.isEmpty()) {
        const QString candidate = stem + QStringLiteral(" (%1)").arg(tag) + extension;
        if (fileNameSize(candidate) <= kMaxFileNameSize)
            return candidate;
        tag.chop(tag.size() > 1 && tag.back().isLowSurrogate() ? 2 : 1);
        tag = tag.trimmed();
    }
    return {};
}

} // namespace

bool FolderNames::contains(const QString& folder, const QString& fileName) {
    if (!listed_ || folder_ != folder) {
        folder_ = folder;
        names_.clear();
        listed_ = true;
        if (const auto files = fs_.shortcutFiles(folder))
            for (const QString& file : *files)
                names_.insert(caseFoldedName(file), file);
    }
    return names_.contains(caseFoldedName(fileName));
}

QString FolderNames::spelling(const QString& fileName) const {
    return names_.value(caseFoldedName(fileName));
}

void FolderNames::add(const QString& folder, const QString& fileName) {
    if (listed_ && folder_ == folder)
        names_.insert(caseFoldedName(fileName), fileName);
}

std::optional<CopyPlacement> placeCopy(FileSystem& fs, FolderNames& names, const QString& source,
                                       const QString& folder, const QString& fileName,
                                       const QString& tag) {
    const QString stem = fileName.chopped(4);
    const QString extension = fileName.right(4);
    std::optional<QByteArray> content;
    for (int number = 0; number <= kMaxNumberedNames; ++number) {
        QString candidate = fileName;
        if (number == 1)
            candidate = taggedName(stem, tag, extension);
        else if (number > 1)
            candidate = stem + QStringLiteral(" (%1)").arg(number) + extension;
        if (candidate.isEmpty() || fileNameSize(candidate) > kMaxFileNameSize)
            continue;
        const QString target = joinPath(folder, candidate);
        if (!names.contains(folder, candidate))
            return CopyPlacement{target};
#ifndef _WIN32
        if (names.spelling(candidate) != candidate)
            continue;
#endif
        if (!content)
            content = fs.readFile(source);
        const auto there = fs.readFile(target);
        if (!content)
            return std::nullopt;
        if (there == content)
            return CopyPlacement{target, true};
    }
    // Every name that fits the disk is taken by a namesake: a failure the user can put right.
    recordFailure({QStringLiteral("copy"), source, joinPath(folder, fileName),
                   QStringLiteral("no free name for the copy"), false, FailureKind::NoFreeName});
    return std::nullopt;
}

} // namespace tvn
