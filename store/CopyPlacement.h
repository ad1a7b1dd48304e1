#pragma once

#include <optional>
#include <QHash>
#include <QString>

namespace tvn {

class FileSystem;

// The shortcut names a folder holds, listed once and kept up to date by the one action that adds
// to it: a look-up per copy would read a large category folder once per copy.
class FolderNames {
public:
    explicit FolderNames(FileSystem& fs)
        : fs_(fs) {}
    bool contains(const QString& folder, const QString& fileName);
    // The name as the folder spells it, of a file `contains` found.
    QString spelling(const QString& fileName) const;
    void add(const QString& folder, const QString& fileName);

private:
    FileSystem& fs_;
    QString folder_;
    // Each name by its case-folded form.
    QHash<QString, QString> names_;
    bool listed_ = false;
};

// Where a copy of the shortcut `source` goes in `folder`. Two vendors' shortcuts often share a
// name ("Play", "Settings"): a copy never replaces another shortcut. The candidates are the
// shortcut's own file name (`fileName`, ".lnk" in any case), then "Name (tag).lnk" when a tag is
// given (the folder the shortcut came from), then "Name (2).lnk", "Name (3).lnk"…: the first one
// free is the target, and one of that very name (letter case included, where the disk tells
// cases apart: "Tool.lnk" and "tool.LNK" are twins of one folder) that already holds the very same
// bytes means the copy is there already. When every name that fits is taken, the failure is
// recorded as such (FailureKind::NoFreeName).
struct CopyPlacement {
    QString target;
    bool alreadyThere = false;
};
// Nothing when no candidate is left or a namesake cannot be read.
std::optional<CopyPlacement> placeCopy(FileSystem& fs, FolderNames& names, const QString& source,
                                       const QString& folder, const QString& fileName,
                                       const QString& tag);

} // namespace tvn
