#include "dialogs/AboutDialog.h"

#include "dialogs/AboutTexts.h"
#include "dialogs/BuiltInPictures.h"
#include "dialogs/Look.h"
#include "dialogs/MakerAddresses.h"
#include "dialogs/Twips.h"

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

AboutDialog::AboutDialog(int languageIndex, QWidget* parent)
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

    picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setFixedSize(kClientWidth - 24, 170);
    picture->setAlignment(Qt::AlignCenter);
    picture->setFrameShape(QFrame::StyledPanel);
    picture->setPixmap(QPixmap(builtInPicturePath(BuiltInPicture::About, languageIndex)));
    layout->addWidget(picture, 0, Qt::AlignHCenter);

    blankLine = addLabel(*layout, this, QStringLiteral("blankLine"), QString());
    webAddress =
        addLabel(*layout, this, QStringLiteral("webAddress"), QString::fromUtf16(kMakerWebAddress));
    emailInvitation = addLabel(*layout, this, QStringLiteral("emailInvitation"),
                               texts.writeToUs.arg(QString::fromUtf16(kMakerEmailAddress)));
    layout->addStretch();
    continuePrompt = addLabel(*layout, this, QStringLiteral("continuePrompt"), texts.clickToGoOn);
    QFont bold = continuePrompt->font();
    bold.setBold(true);
    continuePrompt->setFont(bold);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(centredOn(screen->geometry(), size()));
}

QPoint AboutDialog::centredOn(const QRect& screen, const QSize& window) {
    // On a screen smaller than the window the window starts off screen.
    return QPoint(screen.x() + screen.width() / 2 - window.width() / 2,
                  screen.y() + screen.height() / 2 - window.height() / 2);
}

void AboutDialog::mouseReleaseEvent(QMouseEvent* event) {
    // The picture and the labels leave their clicks to the window, so any click ends up here.
    if (rect().contains(event->position().toPoint()))
        accept();
}

void AboutDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tvn
