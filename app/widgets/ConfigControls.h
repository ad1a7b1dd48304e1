#pragma once

#include <Qt>

class QCheckBox;

namespace tvn {

// A check box's value as the settings store it: 0 unchecked, 1 checked, 2 grey.
int checkBoxValue(const QCheckBox& box);
void setCheckBoxValue(QCheckBox& box, int value);
// The two skip-introduction boxes always agree: the one the user changed leaves the grey state
// a stored configuration may give (`leaveGreyState`), and the other one follows its state
// (`followCheckBox`).
void leaveGreyState(QCheckBox& box);
void followCheckBox(QCheckBox& box, Qt::CheckState state);

} // namespace tvn
