#include "dialogs/FrmAbout.h"

#include "dialogs/AboutTexts.h"
#include "dialogs/Look.h"
#include "dialogs/MakerAddresses.h"
#include "dialogs/Twips.h"
#include "tools/pictures/BuiltInPictures.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

namespace tvn {
namespace {

// The client area: 4020 x 5040 twips.
constexpr int kClientWidth = px(4020);
constexpr int kClientHeight = px(5040);

QLabel* addLabel(QVBoxLayout& layout, QWidget* parent, const QString& name, const QString& text) {
    QLabel* label = makeWindowLabel(parent, name, text);
    label->setWordWrap(true);
    layout.addWidget(label);
    return label;
}

} // namespace

FrmAbout::FrmAbout(int languageIndex, QWidget* parent)
    : QDialog(parent) {
    const AboutTexts texts = aboutTexts(languageIndex);
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(texts.aboutTitle);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setFont(torvaneFont());
    setFixedSize(kClientWidth, kClientHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(kClientWidth - 24, 170);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setFrameShape(QFrame::StyledPanel);
    Image1->setPixmap(QPixmap(builtInPicturePath(BuiltInPicture::About, languageIndex)));
    layout->addWidget(Image1, 0, Qt::AlignHCenter);

    Label1[0] = addLabel(*layout, this, QStringLiteral("Label1_0"), QString());
    Label1[2] =
        addLabel(*layout, this, QStringLiteral("Label1_2"), QString::fromUtf16(kMakerWebAddress));
    Label1[6] = addLabel(*layout, this, QStringLiteral("Label1_6"),
                         texts.writeToUs.arg(QString::fromUtf16(kMakerEmailAddress)));
    layout->addStretch();
    Label1[1] = addLabel(*layout, this, QStringLiteral("Label1_1"), texts.clickToGoOn);
    QFont bold = Label1[1]->font();
    bold.setBold(true);
    Label1[1]->setFont(bold);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(centredOn(screen->geometry(), size()));
}

QPoint FrmAbout::centredOn(const QRect& screen, const QSize& window) {
    // On a screen smaller than the window the window starts off screen.
    return QPoint(screen.x() + screen.width() / 2 - window.width() / 2,
                  screen.y() + screen.height() / 2 - window.height() / 2);
}

void FrmAbout::mouseReleaseEvent(QMouseEvent* event) {
    // The picture and the labels leave their clicks to the window, so any click ends up here.
    if (rect().contains(event->position().toPoint()))
        accept();
}

void FrmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tvn
