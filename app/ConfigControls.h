#pragma once

#include "store/ConfigFile.h"

class QCheckBox;

namespace tvn {

class FrmMain;

// A check box's value as the settings store it: 0 unchecked, 1 checked, 2 grey.
int checkBoxValue(const QCheckBox& box);
void setCheckBoxValue(QCheckBox& box, int value);
// Shows the state of `from` in `to`: the two skip-introduction boxes always agree.
void mirrorCheckBox(QCheckBox& from, QCheckBox& to);

// The settings as the window holds them now: the program state and the settings controls.
ConfigRecords configFromWindow(FrmMain& frm);
// Puts the settings into the state and the controls; the language option follows the index.
void applyConfig(FrmMain& frm, const ConfigRecords& records);

} // namespace tvn
