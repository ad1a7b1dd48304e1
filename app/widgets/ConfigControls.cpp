#include "app/widgets/ConfigControls.h"

#include <QCheckBox>

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

// Once a box leaves the grey state, clicks only check and uncheck.
void leaveGreyState(QCheckBox& box) {
    if (box.checkState() != Qt::PartiallyChecked)
        box.setTristate(false);
}

void followCheckBox(QCheckBox& box, Qt::CheckState state) {
    if (state != Qt::PartiallyChecked)
        box.setTristate(false);
    box.setCheckState(state);
}

} // namespace tvn
