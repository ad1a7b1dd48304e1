#include "app/frame/MainWindow.h"
#include "app/panels/ConfigPanel.h"
#include "app/panels/WindowSurface.h"
#include "catalogue/ProgressText.h"
#include "i18n/BuiltInTexts.h"
#include "platform/Ui.h"

#include <QDir>

// The desktop's application menu, kept in step with the category folders after the store
// changes, and the settings panel's note where it cannot be.

namespace tvn {

void MainWindow::setDesktopMenu(DesktopMenuEnvironment environment) {
    desktopMenu_ = std::move(environment);
    surface_->addDesktopMenuStatus();
}

void MainWindow::syncDesktopMenu() {
    if (!desktopMenu_)
        return;
    DesktopMenuRequest request = desktopMenuRequest(tvn(), *desktopMenu_);
    if (request.support != DesktopMenuSupport::Available)
        return;
    if (!desktopMenuSync_)
        desktopMenuSync_ = std::make_unique<DesktopMenuSyncQueue>(DesktopMenuSyncQueue::Listener{
            [this](qsizetype done, qsizetype total) {
                surface_->setDesktopMenuStatus(
                    builtInText(BuiltInText::MenuUpdating, state_.languageIndex)
                        .arg(percentText(done, total + 1).value_or(QString())));
            },
            [this](const DesktopMenuSyncResult& result) {
                desktopMenuSyncFinished(result);
            }});
    desktopMenuSync_->request(std::move(request));
    surface_->setDesktopMenuStatus(
        builtInText(BuiltInText::MenuUpdating, state_.languageIndex).arg(QString()));
    surface_->showDesktopMenuStatus();
}

bool MainWindow::desktopMenuSyncing() const {
    return desktopMenuSync_ && desktopMenuSync_->busy();
}

void MainWindow::desktopMenuSyncFinished(const DesktopMenuSyncResult& result) {
    surface_->setDesktopMenuStatus(builtInText(BuiltInText::MenuUpToDate, state_.languageIndex));
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

void MainWindow::showDesktopMenuNote() {
    const bool noWine = desktopMenu_ && desktopMenuSupport(state_.startMenuPath, *desktopMenu_) ==
                                            DesktopMenuSupport::WineMissing;
    config_->showDesktopMenuNote(builtInText(BuiltInText::NoWineForMenu, state_.languageIndex),
                                 noWine);
}

} // namespace tvn
