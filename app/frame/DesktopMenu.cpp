#include "app/frame/MainWindow.h"
#include "app/panels/ConfigPanel.h"
#include "app/panels/WindowSurface.h"
#include "catalogue/ProgressText.h"
#include "i18n/BuiltInTexts.h"
#include "platform/Ui.h"

#include <QDir>
#include <QTimer>

// The desktop's application menu, kept in step with the category folders after the store
// changes, and the settings panel's note where it cannot be.

namespace tvn {

void MainWindow::setDesktopMenu(DesktopMenuEnvironment environment) {
    desktopMenu_ = std::move(environment);
    surface_->addDesktopMenuStatus();
}

void MainWindow::syncDesktopMenu() {
    requestDesktopMenuSync(false);
}

void MainWindow::syncDesktopMenuSoon() {
    if (!desktopMenu_)
        return;
    if (!desktopMenuSoon_) {
        desktopMenuSoon_ = new QTimer(this);
        desktopMenuSoon_->setSingleShot(true);
        // A run of classifications, click after click, gets one sync once the clicks pause.
        desktopMenuSoon_->setInterval(300);
        connect(desktopMenuSoon_, &QTimer::timeout, this, [this] { requestDesktopMenuSync(true); });
    }
    desktopMenuSoon_->start();
}

void MainWindow::requestDesktopMenuSync(bool quietly) {
    if (desktopMenuSoon_)
        desktopMenuSoon_->stop();
    if (!desktopMenu_)
        return;
    DesktopMenuRequest request = desktopMenuRequest(tvn(), *desktopMenu_);
    if (request.support != DesktopMenuSupport::Available)
        return;
    if (!desktopMenuSync_)
        desktopMenuSync_ = std::make_unique<DesktopMenuSyncQueue>(DesktopMenuSyncQueue::Listener{
            [this](qsizetype done, qsizetype total) {
                // A sync of the few entries a click classified says nothing: the line would
                // flicker at every click.
                if (desktopMenuQuiet_ && desktopMenuAsked_.elapsed() < 1000)
                    return;
                surface_->setDesktopMenuStatus(
                    builtInText(BuiltInText::MenuUpdating, state_.languageIndex)
                        .arg(percentText(done, total + 1).value_or(QString())));
            },
            [this](const DesktopMenuSyncResult& result) {
                desktopMenuSyncFinished(result);
            }});
    desktopMenuQuiet_ = quietly;
    desktopMenuAsked_.start();
    desktopMenuSync_->request(std::move(request));
    if (quietly)
        return;
    surface_->setDesktopMenuStatus(
        builtInText(BuiltInText::MenuUpdating, state_.languageIndex).arg(QString()));
    surface_->showDesktopMenuStatus();
}

bool MainWindow::desktopMenuSyncing() const {
    return (desktopMenuSoon_ && desktopMenuSoon_->isActive()) ||
           (desktopMenuSync_ && desktopMenuSync_->busy());
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
