#include "app/frame/MainWindow.h"
#include "app/panels/ConfigPanel.h"
#include "app/panels/DebugFrame.h"
#include "app/panels/HiddenStore.h"
#include "app/panels/ListPanel.h"
#include "app/panels/WindowSurface.h"
#include "app/widgets/Geometry.h"
#include "i18n/BuiltInTexts.h"
#include "i18n/NoticeTexts.h"

#include <QFrame>

// Where start-up places the window and its areas, and the texts of the surface around the
// panels that the language files have no field for.

namespace tvn {

void MainWindow::showSurfaceTexts() {
    surface_->showVersion(builtInText(BuiltInText::Version, state_.languageIndex)
                              .arg(QStringLiteral(TORVANE_VERSION)),
                          builtInText(BuiltInText::Freeware, state_.languageIndex));
    // The settings' Cancel has no field in the language files.
    config_->setCancelCaption(noticeText(NoticeText::Cancel, state_.languageIndex));
    purges_->showEmptyListText(builtInText(BuiltInText::NoOrphans, state_.languageIndex));
}

void MainWindow::layOutWindow() {
    surface_->layOut();
    setFixedSize(kClientWidth, kClientHeight);
    move(kMainWindowOuter.topLeft());
    for (QFrame* panel : panels()) {
        panel->setGeometry(kPanelRect);
        panel->hide();
    }
    debugFrame_->setGeometry(kDebugFrameRect);
    hiddenStore_->setGeometry(kHiddenStoreRect);
}

} // namespace tvn
