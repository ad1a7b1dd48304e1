#include "app/panels/WindowSurface.h"

#include "app/widgets/Geometry.h"
#include "app/widgets/Widgets.h"
#include "dialogs/MakerAddresses.h"
#include "i18n/LanguagePictureFile.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>
#include <utility>

namespace tvn {
namespace {

const QString kWaitText = QStringLiteral("VI PREGO DI ATTENDERE...");
// The taskbar option the hint names exists on Windows only.
#ifdef _WIN32
constexpr bool kHasSmallIconsOption = true;
#else
constexpr bool kHasSmallIconsOption = false;
#endif

} // namespace

WindowSurface::WindowSurface(QWidget& window)
    : QObject(&window)
    , window_(window) {
    statusFrame = new QFrame(&window);
    statusFrame->setObjectName(QStringLiteral("statusFrame"));
    statusFrame->setFrameShape(QFrame::StyledPanel);
    statusFrame->setFrameShadow(QFrame::Sunken);
    statusFrame->setGeometry(kPanelRect);

    pleaseWait = makeLabel(&window, QStringLiteral("pleaseWait"), kWaitText, LabelStyle::Title);
    pleaseWait->setAlignment(Qt::AlignCenter);
    pleaseWait->setGeometry(kPanelRect.x() + 12, kPanelRect.y() + 120, kPanelRect.width() - 24, 40);
    progressLine =
        makeLabel(&window, QStringLiteral("progressLine"), QString(), LabelStyle::Strong);
    progressLine->setAlignment(Qt::AlignCenter);
    progressLine->setGeometry(kPanelRect.x() + 12, kPanelRect.y() + 164, kPanelRect.width() - 24,
                              24);

    languagePicture = new QLabel(&window);
    languagePicture->setObjectName(QStringLiteral("languagePicture"));
    // The language picture is drawn at its own size from the top-left corner.
    languagePicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    languagePicture->setGeometry(kPreviewPictureRect);

    aboutFrame = new QFrame(&window);
    aboutFrame->setObjectName(QStringLiteral("aboutFrame"));
    aboutFrame->setFrameShape(QFrame::StyledPanel);
    aboutFrame->setAutoFillBackground(true);
    aboutFrame->setGeometry(kAboutRect);
    auto* aboutLayout = new QVBoxLayout(aboutFrame);
    aboutLayout->setContentsMargins(10, 14, 10, 10);
    aboutTitle = makeLabel(aboutFrame, QStringLiteral("aboutTitle"), QStringLiteral("TORVANE"),
                           LabelStyle::Title);
    aboutTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    aboutLayout->addWidget(aboutTitle);
    aboutLayout->addSpacing(4);
    const std::pair<const char*, QString> aboutLines[] = {
        {"AboutVersion", QString()},
        {"AboutCredits", QString()},
        {"AboutWebAddress", QString::fromUtf16(kMakerWebAddress)},
        {"AboutEmailAddress", QString::fromUtf16(kMakerEmailAddress)},
    };
    for (const auto& [name, text] : aboutLines) {
        QLabel* line = makeLabel(aboutFrame, QString::fromLatin1(name), text);
        line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        aboutLayout->addWidget(line);
    }
    aboutLayout->addStretch();

    helpCover = new QFrame(&window);
    shapePanel(*helpCover, QStringLiteral("helpCover"));
    auto* about2Layout = new QVBoxLayout(helpCover);
    about2Layout->setContentsMargins(12, 12, 12, 12);
    about2Layout->setSpacing(10);
    helpCoverTitle = makeLabel(helpCover, QStringLiteral("helpCoverTitle"),
                               QStringLiteral("TORVANE"), LabelStyle::Title);
    helpCoverTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    about2Layout->addWidget(helpCoverTitle);
    QLabel* about2Version = makeLabel(helpCover, QStringLiteral("helpCoverVersion"), QString());
    about2Version->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    about2Layout->addWidget(about2Version);
    about2Layout->addSpacing(12);
    smallIconsHint = makeLabel(helpCover, QStringLiteral("smallIconsHint"), smallIconsHintText());
    smallIconsHint->setVisible(kHasSmallIconsOption);
    about2Layout->addWidget(smallIconsHint);
    about2Layout->addStretch();
    helpCoverWait =
        makeLabel(helpCover, QStringLiteral("helpCoverWait"), kWaitText, LabelStyle::Strong);
    helpCoverWait->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    about2Layout->addWidget(helpCoverWait);

    // A press on the picture shows the about frame until the mouse comes up.
    languagePicture->installEventFilter(this);
    aboutFrame->installEventFilter(this);
}

void WindowSurface::layOut() {
    languagePicture->setGeometry(kPreviewPictureRect);
    languagePicture->show();
    aboutFrame->setGeometry(kAboutRect);
    aboutFrame->hide();
    helpCover->setGeometry(kPanelRect);
    helpCover->hide();
}

void WindowSurface::setLanguagePictureVisible(bool visible) {
    languagePicture->setVisible(visible);
}

void WindowSurface::loadLanguagePicture(Ui& ui, FileSystem& fs, const ProgramFolders& folders,
                                        int languageIndex) {
    tvn::loadLanguagePicture(ui, fs, folders, languageIndex, *languagePicture);
}

void WindowSurface::hideAboutFrame() {
    aboutFrame->hide();
}

void WindowSurface::setHelpCoverVisible(bool visible) {
    helpCover->setVisible(visible);
}

void WindowSurface::coverForHelp() {
    languagePicture->hide();
    aboutFrame->show();
    helpCover->show();
    helpCoverWait->hide();
}

void WindowSurface::uncoverAfterHelp() {
    helpCoverWait->show();
    languagePicture->show();
    aboutFrame->hide();
    helpCover->hide();
}

QString WindowSurface::progressText() const {
    return progressLine->text();
}

void WindowSurface::setProgressText(const QString& text) {
    progressLine->setText(text);
}

void WindowSurface::showVersion(const QString& version, const QString& credit) {
    aboutFrame->findChild<QLabel*>(QStringLiteral("AboutVersion"))->setText(version);
    aboutFrame->findChild<QLabel*>(QStringLiteral("AboutCredits"))->setText(credit);
    helpCover->findChild<QLabel*>(QStringLiteral("helpCoverVersion"))
        ->setText(version + QStringLiteral(" - ") + credit);
}

void WindowSurface::addDesktopMenuStatus() {
    if (desktopMenuStatus)
        return;
    desktopMenuStatus = makeLabel(&window_, QStringLiteral("desktopMenuStatus"), QString());
    desktopMenuStatus->setGeometry(kPanelRect.x(), kPanelRect.bottom() + 4, kPanelRect.width(), 18);
    desktopMenuStatus->hide();
}

void WindowSurface::setDesktopMenuStatus(const QString& text) {
    desktopMenuStatus->setText(text);
}

void WindowSurface::showDesktopMenuStatus() {
    desktopMenuStatus->show();
}

QString WindowSurface::smallIconsHintText() {
    return QStringLiteral(
        "Per approfittare di questo programma dovete scegliere l'opzione 'Mostra icone piccole' "
        "nelle proprietà della barra delle applicazioni (Premete il tasto destro su di essa).");
}

bool WindowSurface::showsSmallIconsHint() {
    return kHasSmallIconsOption;
}

bool WindowSurface::eventFilter(QObject* watched, QEvent* event) {
    // The second press of a double click comes as a double-click event.
    if ((event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::MouseButtonDblClick) &&
        watched == languagePicture) {
        languagePicture->hide();
        aboutFrame->show();
        // The picture is gone from under the mouse: the frame now takes the release.
        pictureHeld_ = true;
        aboutFrame->grabMouse();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && pictureHeld_ &&
        (watched == languagePicture || watched == aboutFrame)) {
        pictureHeld_ = false;
        aboutFrame->releaseMouse();
        aboutFrame->hide();
        languagePicture->show();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tvn
