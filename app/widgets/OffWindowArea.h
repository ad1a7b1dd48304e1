#pragma once

#include <QObject>

class QWidget;

namespace tvn {

// Keeps the controls of an area placed outside its window's client area (the debug frame, the
// store of hidden labels) out of reach of the keyboard. Such controls count as shown, so Tab,
// or a panel that hides while it holds the focus, would hand them the focus and the keys typed
// next. The area is disabled while it lies out of sight and enabled once it is moved into view.
class OffWindowArea final : public QObject {
public:
    // Watches `area` (a child of the window) for its whole life.
    explicit OffWindowArea(QWidget& area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();

    QWidget& area_;
};

} // namespace tvn
