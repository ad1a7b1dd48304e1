#include "app/frame/MainWindow.h"
#include "app/panels/IntroductionPanel.h"
#include "app/panels/WindowSurface.h"
#include "platform/Ui.h"

#include <QFrame>

// The frame's answers to the Introduction panel.

namespace tvn {

void MainWindow::showIntroduction() {
    introduction_->open();
    surface_->hideAboutFrame();
}

void MainWindow::continueClicked() {
    leavePanel(introduction_);
    if (checkDrive())
        return;
    if (state_.configured) {
        applySettings();
        return;
    }
    if (WindowSurface::showsSmallIconsHint())
        ui_.message(messageText(Message::SmallIconsHint));
    showConfig();
}

void MainWindow::introductionExitClicked() {
    close();
}

} // namespace tvn
