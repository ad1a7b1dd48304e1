#include "desktopmenu/DesktopMenuSync.h"

namespace tvn {

// On Windows the Start menu shows the category folders itself: there is nothing to follow.

DesktopMenuEnvironment DesktopMenuEnvironment::fromSystem() {
    return {};
}

DesktopMenuSupport desktopMenuSupport(const QString&, const DesktopMenuEnvironment&) {
    return DesktopMenuSupport::NotNeeded;
}

DesktopMenuRequest desktopMenuRequest(Tvn&, const DesktopMenuEnvironment&) {
    DesktopMenuRequest request;
    request.support = DesktopMenuSupport::NotNeeded;
    return request;
}

DesktopMenuSyncResult syncDesktopMenu(const DesktopMenuRequest&, const DesktopMenuSyncControl&) {
    return {DesktopMenuSupport::NotNeeded, 0, 0, 0, {}, false, {}, {}};
}

void settleGnomeAppFolders(const DesktopMenuSyncResult&, AppFolderChange) {}

} // namespace tvn
