#pragma once

#include "platform/ShellFolders.h"

#include <QHash>

namespace tvn {

// The Shell Folders of a Wine prefix: read from the prefix's user.reg (the machine's from its
// system.reg) and mapped from the Windows path to the Unix one through the prefix's dosdevices
// links.
class WineShellFolders final : public ShellFolders {
public:
    // `prefix` is the absolute path of the prefix folder; an empty one finds nothing.
    explicit WineShellFolders(QString prefix);

    // The prefix Wine itself uses: $WINEPREFIX, or ~/.wine when it is unset; empty when the
    // variable is set but not an absolute path (Wine refuses such a prefix).
    static QString defaultWinePrefix();

    // The prefix that holds `folder`: the nearest folder above it holding system.reg and
    // dosdevices/, looked for along the path as given and then along its real path on disk;
    // empty when there is none.
    static QString prefixHolding(const QString& folder);

    QString prefix() const override { return prefix_; }
    void setPrefix(const QString& prefix) override {
        prefix_ = prefix;
        drives_.clear();
    }

    QString shellFolder(const QString& valueName) override;
    // Read from the system.reg of the prefix holding the Start Menu folder, which need not be
    // this object's prefix, and mapped through that prefix's dosdevices links.
    QString allUsersPrograms(const QString& startMenuFolder) override;

    // The Unix path of an absolute Windows path ("C:\users\ann" -> "<prefix>/drive_c/users/ann"):
    // the drive's link resolved, each name spelled as the disk spells it, ignoring letter case;
    // from the first name that is missing on, the names as written. Empty when the path does
    // not begin with a drive letter, a colon and a separator, or the drive is not mapped.
    QString unixPath(const QString& windowsPath) const;

    // The Unix path of a file a shortcut names (its target, its icon): the variables Wine sets
    // for every program (%SystemRoot%, %ProgramFiles%...) expanded, and a path without a drive
    // taken from the Windows folder `base`, the shortcut's own. Empty as unixPath says.
    QString unixPathOfLinkedFile(const QString& path, const QString& base) const;

private:
    QString prefix_;
    // The resolved drive folders, by drive link: a sync resolves thousands of paths.
    mutable QHash<QString, QString> drives_;
};

} // namespace tvn
