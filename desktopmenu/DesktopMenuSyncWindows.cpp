#include "desktopmenu/DesktopMenuSync.h"

namespace tvn {

// On Windows the Start menu shows the category folders itself: there is nothing to follow.

DesktopMenuEnvironment DesktopMenuEnvironment::fromSystem() {
    return {};
}

DesktopMenuSupport desktopMenuSupport(const QString&, const DesktopMenuEnvironment&) {
    return DesktopMenuSupport::NotNeeded;
}

DesktopMenuSyncResult SyncDesktopMenu(Tvn&, const DesktopMenuEnvironment&) {
    return {DesktopMenuSupport::NotNeeded, 0, 0, {}};
}

} // namespace tvn
