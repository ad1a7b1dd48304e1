#include "app/FrmMain.h"
#include "app/panels/ConfigPanel.h"
#include "i18n/BuiltInTexts.h"
#include "platform/Ui.h"

#include <QDir>

// The desktop's application menu, kept in step with the category folders after the store
// changes, and the settings panel's note where it cannot be.

namespace tvn {

void FrmMain::setDesktopMenu(DesktopMenuEnvironment environment) {
    desktopMenu_ = std::move(environment);
}

void FrmMain::SyncDesktopMenu() {
    if (!desktopMenu_)
        return;
    const DesktopMenuSyncResult result = tvn::SyncDesktopMenu(tvn(), *desktopMenu_);
    // Once a run: a prefix where Wine fails keeps failing at every sync.
    if (result.failed.isEmpty() || menuFailureShown_)
        return;
    menuFailureShown_ = true;
    QStringList copies;
    for (const QString& copy : result.failed)
        copies << QDir::toNativeSeparators(copy);
    ui_.message(builtInText(BuiltInText::MenuEntriesFailed, state_.languageIndex), {}, Buttons::Ok,
                Icon::Exclamation, copies.join(u'\n'));
}

void FrmMain::ShowDesktopMenuNote() {
    const bool noWine = desktopMenu_ && desktopMenuSupport(state_.startMenuPath, *desktopMenu_) ==
                                            DesktopMenuSupport::WineMissing;
    config_->showDesktopMenuNote(builtInText(BuiltInText::NoWineForMenu, state_.languageIndex),
                                 noWine);
}

} // namespace tvn
