#include "app/frame/MainWindow.h"
#include "platform/FailureCause.h"
#include "platform/FileSystem.h"
#include "platform/Ui.h"

// The frame's answer to the debug frame: deleting the settings file.

namespace tvn {

void MainWindow::killConfigClicked() {
    // The error report names the failure of this action only.
    clearLastFailure();
    killConfig(false);
}

void MainWindow::killConfig(bool silent) {
    if (!silent && ui_.message(QStringLiteral("OK?"), {}, Buttons::YesNo) != Answer::Yes)
        return;
    if (!fs_.deleteFile(configFilePath())) {
        reportUnexpectedError(ui_);
        return;
    }
    // The next start is a first run; this one goes on as it is.
    state_.configured = false;
    ui_.message(QStringLiteral("OK!"));
}

} // namespace tvn
