#include "app/ConfigControls.h"

#include "app/FrmMain.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace tvn {

int checkBoxValue(const QCheckBox& box) {
    switch (box.checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    case Qt::Unchecked:
        break;
    }
    return 0;
}

void setCheckBoxValue(QCheckBox& box, int value) {
    box.setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

// The two skip-introduction boxes always show the same state, the grey one a stored
// configuration may give included. Once a box leaves the grey state, clicks only check and
// uncheck.
void mirrorCheckBox(QCheckBox& from, QCheckBox& to) {
    if (from.checkState() != Qt::PartiallyChecked) {
        from.setTristate(false);
        to.setTristate(false);
    }
    to.setCheckState(from.checkState());
}

ConfigRecords configFromWindow(FrmMain& frm) {
    const ProgramState& state = frm.state();
    return {state.configured,
            state.windowsDrive,
            frm.startMenuPathBox->text(),
            frm.programsPathBox->text(),
            checkBoxValue(*frm.skipIntroduction),
            state.languageIndex,
            checkBoxValue(*frm.hideHelpOption),
            frm.debugBox->text()};
}

void applyConfig(FrmMain& frm, const ConfigRecords& records) {
    ProgramState& state = frm.state();
    state.configured = records.configured;
    state.windowsDrive = records.windowsDrive;
    frm.startMenuPathBox->setText(records.startMenuPath);
    frm.programsPathBox->setText(records.programsPath);
    // Both skip-introduction boxes show the stored value.
    setCheckBoxValue(*frm.skipIntroduction, records.skipIntroduction);
    setCheckBoxValue(*frm.skipIntroductionSetting, records.skipIntroduction);
    state.languageIndex = records.languageIndex;
    if (records.languageIndex >= 0 && records.languageIndex < 3)
        frm.languageOptions[static_cast<size_t>(records.languageIndex)]->setChecked(true);
    setCheckBoxValue(*frm.hideHelpOption, records.hideHelpShortcuts);
    frm.debugBox->setText(records.debugText);
}

} // namespace tvn
