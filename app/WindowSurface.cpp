#include "app/FrmMain.h"
#include "app/Geometry.h"
#include "app/OffWindowArea.h"
#include "app/panels/ConfigPanel.h"
#include "app/panels/DebugFrame.h"
#include "app/Widgets.h"
#include "dialogs/MakerAddresses.h"
#include "i18n/BuiltInTexts.h"
#include "i18n/NoticeTexts.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>

// The window surface around the panels: the picture of the left column and its alternative,
// the wait text under the right column, and the store of hidden labels and lists the user
// never sees.

namespace tvn {
namespace {

const QString kWaitText = QStringLiteral("VI PREGO DI ATTENDERE...");
const QString kSmallIconsHint = QStringLiteral(
    "Per approfittare di questo programma dovete scegliere l'opzione 'Mostra icone piccole' "
    "nelle proprietà della barra delle applicazioni (Premete il tasto destro su di essa).");
// The taskbar option the hint names exists on Windows only.
#ifdef _WIN32
constexpr bool kHasSmallIconsOption = true;
#else
constexpr bool kHasSmallIconsOption = false;
#endif

} // namespace

QFrame* FrmMain::makePanel(const QString& name) {
    auto* panel = new QFrame(this);
    shapePanel(*panel, name);
    return panel;
}

void FrmMain::buildWindowSurface() {
    statusFrame = new QFrame(this);
    statusFrame->setObjectName(QStringLiteral("statusFrame"));
    statusFrame->setFrameShape(QFrame::StyledPanel);
    statusFrame->setFrameShadow(QFrame::Sunken);
    statusFrame->setGeometry(kPanelRect);

    pleaseWait = makeLabel(this, QStringLiteral("pleaseWait"), kWaitText, LabelStyle::Title);
    pleaseWait->setAlignment(Qt::AlignCenter);
    pleaseWait->setGeometry(kPanelRect.x() + 12, kPanelRect.y() + 120, kPanelRect.width() - 24, 40);
    progressLine = makeLabel(this, QStringLiteral("progressLine"), QString(), LabelStyle::Strong);
    progressLine->setAlignment(Qt::AlignCenter);
    progressLine->setGeometry(kPanelRect.x() + 12, kPanelRect.y() + 164, kPanelRect.width() - 24,
                              24);

    languagePicture = new QLabel(this);
    languagePicture->setObjectName(QStringLiteral("languagePicture"));
    // The language picture is drawn at its own size from the top-left corner.
    languagePicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    languagePicture->setGeometry(kPreviewPictureRect);

    aboutFrame = new QFrame(this);
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

    helpCover = makePanel(QStringLiteral("helpCover"));
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
    smallIconsHint = makeLabel(helpCover, QStringLiteral("smallIconsHint"), kSmallIconsHint);
    smallIconsHint->setVisible(kHasSmallIconsOption);
    about2Layout->addWidget(smallIconsHint);
    about2Layout->addStretch();
    helpCoverWait =
        makeLabel(helpCover, QStringLiteral("helpCoverWait"), kWaitText, LabelStyle::Strong);
    helpCoverWait->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    about2Layout->addWidget(helpCoverWait);
}

void FrmMain::ShowSurfaceTexts() {
    const QString version = builtInText(BuiltInText::Version, state_.languageIndex)
                                .arg(QStringLiteral(TORVANE_VERSION));
    const QString credit = builtInText(BuiltInText::Freeware, state_.languageIndex);
    aboutFrame->findChild<QLabel*>(QStringLiteral("AboutVersion"))->setText(version);
    aboutFrame->findChild<QLabel*>(QStringLiteral("AboutCredits"))->setText(credit);
    helpCover->findChild<QLabel*>(QStringLiteral("helpCoverVersion"))
        ->setText(version + QStringLiteral(" - ") + credit);
    // The settings' Cancel has no field in the language files.
    config_->setCancelCaption(noticeText(NoticeText::Cancel, state_.languageIndex));
}

bool FrmMain::showsSmallIconsHint() {
    return kHasSmallIconsOption;
}

void FrmMain::buildHiddenStore() {
    hiddenStore = new QFrame(this);
    hiddenStore->setObjectName(QStringLiteral("hiddenStore"));
    hiddenStore->setGeometry(kHiddenStoreRect);
    const QString messages[kMessageCount] = {
        QStringLiteral("Selezionate uno o più collegamenti..."),
        QStringLiteral("Configurazione errata! Se l'errore si riproduce, contattate il "
                       "programmatore."),
        QStringLiteral("Errore durante la creazione del file di configurazione! Il programma "
                       "funzionerà lo stesso, ma verificate che il file non sia di sola lettura. "
                       "Se l'errore si riproduce, contattate il programmatore."),
        kSmallIconsHint,
        QStringLiteral("Prima di cambiare una opzione, vi consiglio di cancellare tutte le "
                       "classificazioni create con questo programma per poi rifarne altre. Per "
                       "far ciò premete RESET dal menu principale. Volete comunque continuare?"),
        QStringLiteral("Siete sicuri di voler cancellare tutte le classificazioni create con "
                       "questo programma?"),
        QStringLiteral("Tutte le classificazioni sono state cancellate. Ora il sistema verrà "
                       "analizzato di nuovo."),
        QStringLiteral("Questo programma vi permette di raggiungere più facilmente i vostri "
                       "programmi e giochi. Come mostra l'immagine, copia i collegamenti del menu "
                       "PROGRAMMI e ne classifica le copie per genere, in categorie che appaiono "
                       "direttamente nel menu Avvio."),
        QStringLiteral("Nome della nuova categoria (Non mettete maiuscole) :"),
        QStringLiteral("Questo programma vi offre la possibilità di spostare automaticamente "
                       "tutti i collegamenti dalla vecchia classificazione ("),
        QStringLiteral(") a quella nuova ("),
        QStringLiteral("). Volete approfittare di questa funzione? Premete NO per lasciare le "
                       "cose come stanno e cambiare semplicemente il nome del tasto oppure "
                       "ANNULLA per annullare tutte le modifiche."),
    };
    auto* store = new QVBoxLayout(hiddenStore);
    const QString names[kMessageCount] = {
        QStringLiteral("selectShortcutsMessage"),   QStringLiteral("wrongSettingsMessage"),
        QStringLiteral("settingsNotSavedMessage"),  QStringLiteral("smallIconsHintMessage"),
        QStringLiteral("resetBeforeChangeMessage"), QStringLiteral("deleteAllQuestion"),
        QStringLiteral("allDeletedMessage"),        QStringLiteral("descriptionMessage"),
        QStringLiteral("newCategoryPrompt"),        QStringLiteral("renameQuestionStart"),
        QStringLiteral("renameQuestionMiddle"),     QStringLiteral("renameQuestionEnd"),
    };
    for (size_t k = 0; k < kMessageCount; ++k) {
        QLabel* label = makeLabel(hiddenStore, names[k], messages[k]);
        label->hide();
        messageLabels[k] = label;
    }
    windowsDriveCaption = makeLabel(hiddenStore, QStringLiteral("windowsDriveCaption"),
                                    QStringLiteral("La cartella di Windows si trova sul disco"));
    store->addWidget(windowsDriveCaption);
    windowsDriveBox = new QComboBox(hiddenStore);
    windowsDriveBox->setObjectName(QStringLiteral("windowsDriveBox"));
    windowsDriveBox->addItem(state_.windowsDrive);
    store->addWidget(windowsDriveBox);
    windowsEditionCaption =
        makeLabel(hiddenStore, QStringLiteral("windowsEditionCaption"),
                  QStringLiteral("Sono in possesso della versione di Windows95 in lingua :"));
    store->addWidget(windowsEditionCaption);
    const QString editions[] = {QStringLiteral("Inglese"), QStringLiteral("Francese"),
                                QStringLiteral("Italiana"), QStringLiteral("Altro")};
    const QString editionNames[] = {
        QStringLiteral("englishEdition"), QStringLiteral("frenchEdition"),
        QStringLiteral("italianEdition"), QStringLiteral("otherEdition")};
    for (int k = 0; k < 4; ++k) {
        auto* option = new QRadioButton(editions[k], hiddenStore);
        option->setObjectName(editionNames[k]);
        store->addWidget(option);
        windowsEditions[static_cast<size_t>(k)] = option;
    }
    new OffWindowArea(*hiddenStore);
}

void FrmMain::LayOutWindow() {
    languagePicture->setGeometry(kPreviewPictureRect);
    languagePicture->show();
    setFixedSize(kClientWidth, kClientHeight);
    move(kMainWindowOuter.topLeft());
    for (QFrame* panel : panels()) {
        panel->setGeometry(kPanelRect);
        panel->hide();
    }
    aboutFrame->setGeometry(kAboutRect);
    aboutFrame->hide();
    helpCover->setGeometry(kPanelRect);
    helpCover->hide();
    debugFrame_->setGeometry(kDebugFrameRect);
    hiddenStore->setGeometry(kHiddenStoreRect);
}

void FrmMain::languagePicturePressed() {
    languagePicture->hide();
    aboutFrame->show();
}

void FrmMain::languagePictureReleased() {
    aboutFrame->hide();
    languagePicture->show();
}

void FrmMain::windowsEditionClicked() {
    // The edition options lie off screen with the message labels: nothing to do.
}

} // namespace tvn
