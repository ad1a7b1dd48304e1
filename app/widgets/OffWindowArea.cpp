#include "app/widgets/OffWindowArea.h"

#include <QEvent>
#include <QWidget>

namespace tvn {

OffWindowArea::OffWindowArea(QWidget& area)
    : QObject(&area)
    , area_(area) {
    area.installEventFilter(this);
    area.parentWidget()->installEventFilter(this);
    update();
}

bool OffWindowArea::eventFilter(QObject* watched, QEvent* event) {
    const bool geometryChanged = event->type() == QEvent::Move || event->type() == QEvent::Resize;
    if ((watched == &area_ && geometryChanged) ||
        (watched == area_.parentWidget() && event->type() == QEvent::Resize))
        update();
    return false;
}

void OffWindowArea::update() {
    area_.setEnabled(area_.parentWidget()->rect().intersects(area_.geometry()));
}

} // namespace tvn
