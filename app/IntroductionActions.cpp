#include "app/FrmMain.h"
#include "app/panels/IntroductionPanel.h"
#include "app/panels/WindowSurface.h"
#include "platform/Ui.h"

#include <QFrame>

// The frame's answers to the Introduction panel.

namespace tvn {

void FrmMain::ShowIntroduction() {
    introduction_->open();
    surface_->hideAboutFrame();
}

void FrmMain::continueClicked() {
    leavePanel(introduction_);
    if (CheckDrive())
        return;
    if (state_.configured) {
        ApplySettings();
        return;
    }
    if (WindowSurface::showsSmallIconsHint())
        ui_.message(messageText(Message::SmallIconsHint));
    ShowConfig();
}

void FrmMain::introductionExitClicked() {
    close();
}

} // namespace tvn
