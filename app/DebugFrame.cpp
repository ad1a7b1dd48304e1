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
    Frame1 = new QGroupBox(QStringLiteral("DEBUG :"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(kDebugFrameRect);
    auto* debugLayout = new QHBoxLayout(Frame1);
    DebugBox = new QLineEdit(Frame1);
    DebugBox->setObjectName(QStringLiteral("DebugBox"));
    debugLayout->addWidget(DebugBox, 1);
    CmdDebug = makeButton(Frame1, QStringLiteral("CmdDebug"), QStringLiteral("Kill Config!"));
    debugLayout->addWidget(CmdDebug);
    new OffWindowArea(*Frame1);
}

void FrmMain::CmdDebug_Click() {
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
