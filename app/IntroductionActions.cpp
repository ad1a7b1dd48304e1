#include "app/FrmMain.h"
#include "app/panels/IntroductionPanel.h"
#include "platform/Ui.h"

#include <QFrame>

// The frame's answers to the Introduction panel.

namespace tvn {

void FrmMain::ShowIntroduction() {
    introduction_->open();
    aboutFrame->hide();
}

void FrmMain::continueClicked() {
    leavePanel(introduction_);
    if (CheckDrive())
        return;
    if (state_.configured) {
        ApplySettings();
        return;
    }
    if (showsSmallIconsHint())
        ui_.message(messageText(Message::SmallIconsHint));
    ShowConfig();
}

void FrmMain::introductionExitClicked() {
    close();
}

} // namespace tvn
