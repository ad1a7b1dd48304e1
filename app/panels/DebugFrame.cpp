#include "app/panels/DebugFrame.h"

#include "app/widgets/Geometry.h"
#include "app/widgets/OffWindowArea.h"
#include "app/widgets/Widgets.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace tvn {

DebugFrame::DebugFrame(QWidget& window)
    : QGroupBox(QStringLiteral("DEBUG :"), &window) {
    setObjectName(QStringLiteral("debugFrame"));
    setGeometry(kDebugFrameRect);
    auto* debugLayout = new QHBoxLayout(this);
    debugBox = new QLineEdit(this);
    debugBox->setObjectName(QStringLiteral("debugBox"));
    debugLayout->addWidget(debugBox, 1);
    killConfigButton =
        makeButton(this, QStringLiteral("killConfigButton"), QStringLiteral("Kill Config!"));
    debugLayout->addWidget(killConfigButton);
    new OffWindowArea(*this);
    connect(killConfigButton, &QPushButton::clicked, this, &DebugFrame::killConfigClicked);
}

QString DebugFrame::text() const {
    return debugBox->text();
}

void DebugFrame::setText(const QString& text) {
    debugBox->setText(text);
}

} // namespace tvn
