#include "app/FrmMain.h"
#include "app/Geometry.h"
#include "app/OffWindowArea.h"
#include "app/Widgets.h"
#include "platform/FailureCause.h"
#include "platform/FileSystem.h"
#include "platform/Ui.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

// The debug frame below the window's bottom edge: a text the settings keep and the action
// that deletes the settings file.

namespace tvn {

void FrmMain::buildDebugFrame() {
    debugFrame = new QGroupBox(QStringLiteral("DEBUG :"), this);
    debugFrame->setObjectName(QStringLiteral("debugFrame"));
    debugFrame->setGeometry(kDebugFrameRect);
    auto* debugLayout = new QHBoxLayout(debugFrame);
    debugBox = new QLineEdit(debugFrame);
    debugBox->setObjectName(QStringLiteral("debugBox"));
    debugLayout->addWidget(debugBox, 1);
    killConfigButton =
        makeButton(debugFrame, QStringLiteral("killConfigButton"), QStringLiteral("Kill Config!"));
    debugLayout->addWidget(killConfigButton);
    new OffWindowArea(*debugFrame);
}

void FrmMain::killConfigClicked() {
    // The error report names the failure of this action only.
    clearLastFailure();
    KillConfig(false);
}

void FrmMain::KillConfig(bool silent) {
    if (!silent && ui_.message(QStringLiteral("OK?"), {}, Buttons::YesNo) != Answer::Yes)
        return;
    if (!fs_.deleteFile(configFilePath())) {
        ReportUnexpectedError(ui_);
        return;
    }
    // The next start is a first run; this one goes on as it is.
    state_.configured = false;
    ui_.message(QStringLiteral("OK!"));
}

} // namespace tvn
