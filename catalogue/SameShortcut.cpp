#include "catalogue/SameShortcut.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"

#include <optional>
#include <QHash>
#include <utility>

namespace tvn {

namespace {

struct NameGroup {
    std::vector<int> sources;
    std::vector<int> copies;
};

QString stemOf(const QString& fileName) {
    return fileName.endsWith(QStringLiteral(".lnk"), Qt::CaseInsensitive) ? fileName.chopped(4)
                                                                          : fileName;
}

// Names are the fast answer; only a group where they could mislead is read from disk.
bool namesSuffice(const NameGroup& group, CatalogueList progs, CatalogueList copies) {
    if (group.sources.size() != 1)
        return group.sources.empty();
    const QString source = caseFoldedName(progs.names.at(group.sources.front()));
    for (int copy : group.copies)
        if (caseFoldedName(copies.names.at(copy)) != source)
            return false;
    return true;
}

void matchByContent(FileSystem& fs, const NameGroup& group, CatalogueList progs,
                    CatalogueList copies, ShortcutMatches& matches) {
    const auto read = [&](CatalogueList list, int k) {
        return fs.readFile(joinPath(list.folders.at(k), list.names.at(k)));
    };
    std::vector<std::optional<QByteArray>> sources;
    for (int source : group.sources)
        sources.push_back(read(progs, source));
    for (int copy : group.copies) {
        const auto content = read(copies, copy);
        for (size_t s = 0; content && s < sources.size(); ++s)
            if (sources[s] == content) {
                matches.sourceClassified[static_cast<size_t>(group.sources[s])] = true;
                matches.copyHasSource[static_cast<size_t>(copy)] = true;
            }
    }
    // A shortcut rewritten since its copy was made (a program updated) keeps its copy by name,
    // when no namesake could claim that copy too.
    for (int copy : group.copies) {
        if (matches.copyHasSource[static_cast<size_t>(copy)])
            continue;
        const QString name = caseFoldedName(copies.names.at(copy));
        int candidate = -1;
        int candidates = 0;
        for (int source : group.sources)
            if (!matches.sourceClassified[static_cast<size_t>(source)] &&
                caseFoldedName(progs.names.at(source)) == name) {
                candidate = source;
                ++candidates;
            }
        if (candidates == 1) {
            matches.sourceClassified[static_cast<size_t>(candidate)] = true;
            matches.copyHasSource[static_cast<size_t>(copy)] = true;
        }
    }
}

} // namespace

QString sharedNameKey(const QString& fileName) {
    QString stem = stemOf(fileName);
    // "Tool (x86) (Vendor)" is the copy of a "Tool (x86)": every bracketed tail goes.
    while (stem.endsWith(u')')) {
        const qsizetype open = stem.lastIndexOf(QStringLiteral(" ("));
        if (open <= 0)
            break;
        stem.truncate(open);
    }
    return caseFoldedName(stem);
}

ShortcutMatches matchCopiesToShortcuts(FileSystem& fs, CatalogueList progs, CatalogueList copies) {
    ShortcutMatches matches{std::vector<bool>(static_cast<size_t>(progs.count())),
                            std::vector<bool>(static_cast<size_t>(copies.count()))};
    QHash<QString, NameGroup> groups;
    groups.reserve(progs.count());
    for (int k = 0; k < progs.count(); ++k)
        groups[sharedNameKey(progs.names.at(k))].sources.push_back(k);
    for (int k = 0; k < copies.count(); ++k)
        groups[sharedNameKey(copies.names.at(k))].copies.push_back(k);
    for (const NameGroup& group : std::as_const(groups)) {
        if (!namesSuffice(group, progs, copies)) {
            matchByContent(fs, group, progs, copies, matches);
            continue;
        }
        if (group.sources.empty() || group.copies.empty())
            continue;
        matches.sourceClassified[static_cast<size_t>(group.sources.front())] = true;
        for (int copy : group.copies)
            matches.copyHasSource[static_cast<size_t>(copy)] = true;
    }
    return matches;
}

} // namespace tvn
