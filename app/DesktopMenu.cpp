#include "app/FrmMain.h"
#include "app/Geometry.h"
#include "app/Widgets.h"
#include "catalogue/ProgressText.h"
#include "i18n/BuiltInTexts.h"
#include "platform/Ui.h"

#include <QDir>
#include <QLabel>

// The desktop's application menu, kept in step with the category folders after the store
// changes, and the settings panel's note where it cannot be.

namespace tvn {

void FrmMain::setDesktopMenu(DesktopMenuEnvironment environment) {
    desktopMenu_ = std::move(environment);
    if (desktopMenuStatus)
        return;
    desktopMenuStatus = makeLabel(this, QStringLiteral("desktopMenuStatus"), QString());
    desktopMenuStatus->setGeometry(kPanelRect.x(), kPanelRect.bottom() + 4, kPanelRect.width(), 18);
    desktopMenuStatus->hide();
}

void FrmMain::SyncDesktopMenu() {
    if (!desktopMenu_)
        return;
    DesktopMenuRequest request = desktopMenuRequest(tvn(), *desktopMenu_);
    if (request.support != DesktopMenuSupport::Available)
        return;
    if (!desktopMenuSync_)
        desktopMenuSync_ = std::make_unique<DesktopMenuSyncQueue>(DesktopMenuSyncQueue::Listener{
            [this](qsizetype done, qsizetype total) {
                desktopMenuStatus->setText(
                    builtInText(BuiltInText::MenuUpdating, state_.languageIndex)
                        .arg(percentText(done, total + 1).value_or(QString())));
            },
            [this](const DesktopMenuSyncResult& result) {
                desktopMenuSyncFinished(result);
            }});
    desktopMenuSync_->request(std::move(request));
    desktopMenuStatus->setText(
        builtInText(BuiltInText::MenuUpdating, state_.languageIndex).arg(QString()));
    desktopMenuStatus->show();
}

bool FrmMain::desktopMenuSyncing() const {
    return desktopMenuSync_ && desktopMenuSync_->busy();
}

void FrmMain::desktopMenuSyncFinished(const DesktopMenuSyncResult& result) {
    desktopMenuStatus->setText(builtInText(BuiltInText::MenuUpToDate, state_.languageIndex));
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
    desktopMenuNote->setText(builtInText(BuiltInText::NoWineForMenu, state_.languageIndex));
    desktopMenuNote->setVisible(noWine);
}

} // namespace tvn
