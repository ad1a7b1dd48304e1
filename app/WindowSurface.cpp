#include "app/FrmMain.h"
#include "app/Geometry.h"
#include "app/OffWindowArea.h"
#include "app/Widgets.h"
#include "dialogs/MakerAddresses.h"
#include "i18n/BuiltInTexts.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
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
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    // A panel hides whatever lies under it, the wait text included.
    panel->setAutoFillBackground(true);
    panel->setGeometry(kPanelRect);
    return panel;
}

void FrmMain::buildWindowSurface() {
    Picture5 = new QFrame(this);
    Picture5->setObjectName(QStringLiteral("Picture5"));
    Picture5->setFrameShape(QFrame::StyledPanel);
    Picture5->setFrameShadow(QFrame::Sunken);
    Picture5->setGeometry(kPanelRect);

    Label17 = makeLabel(this, QStringLiteral("Label17"), kWaitText, LabelStyle::Title);
    Label17->setAlignment(Qt::AlignCenter);
    Label17->setGeometry(kPanelRect.x() + 12, kPanelRect.y() + 120, kPanelRect.width() - 24, 40);
    Label31 = makeLabel(this, QStringLiteral("Label31"), QString(), LabelStyle::Strong);
    Label31->setAlignment(Qt::AlignCenter);
    Label31->setGeometry(kPanelRect.x() + 12, kPanelRect.y() + 164, kPanelRect.width() - 24, 24);

    PreviewPicture = new QLabel(this);
    PreviewPicture->setObjectName(QStringLiteral("PreviewPicture"));
    // The language picture is drawn at its own size from the top-left corner.
    PreviewPicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PreviewPicture->setGeometry(kPreviewPictureRect);

    About = new QFrame(this);
    About->setObjectName(QStringLiteral("About"));
    About->setFrameShape(QFrame::StyledPanel);
    About->setAutoFillBackground(true);
    About->setGeometry(kAboutRect);
    auto* aboutLayout = new QVBoxLayout(About);
    aboutLayout->setContentsMargins(10, 14, 10, 10);
    Label30 =
        makeLabel(About, QStringLiteral("Label30"), QStringLiteral("TORVANE"), LabelStyle::Title);
    Label30->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    aboutLayout->addWidget(Label30);
    aboutLayout->addSpacing(4);
    const std::pair<const char*, QString> aboutLines[] = {
        {"AboutVersion", QString()},
        {"AboutCredits", QString()},
        {"AboutWebAddress", QString::fromUtf16(kMakerWebAddress)},
        {"AboutEmailAddress", QString::fromUtf16(kMakerEmailAddress)},
    };
    for (const auto& [name, text] : aboutLines) {
        QLabel* line = makeLabel(About, QString::fromLatin1(name), text);
        line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        aboutLayout->addWidget(line);
    }
    aboutLayout->addStretch();

    About2 = makePanel(QStringLiteral("About2"));
    auto* about2Layout = new QVBoxLayout(About2);
    about2Layout->setContentsMargins(12, 12, 12, 12);
    about2Layout->setSpacing(10);
    Label32 =
        makeLabel(About2, QStringLiteral("Label32"), QStringLiteral("TORVANE"), LabelStyle::Title);
    Label32->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    about2Layout->addWidget(Label32);
    QLabel* about2Version = makeLabel(About2, QStringLiteral("About2Version"), QString());
    about2Version->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    about2Layout->addWidget(about2Version);
    about2Layout->addSpacing(12);
    Label6 = makeLabel(About2, QStringLiteral("Label6"), kSmallIconsHint);
    Label6->setVisible(kHasSmallIconsOption);
    about2Layout->addWidget(Label6);
    about2Layout->addStretch();
    Label35 = makeLabel(About2, QStringLiteral("Label35"), kWaitText, LabelStyle::Strong);
    Label35->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    about2Layout->addWidget(Label35);
}

void FrmMain::ShowSurfaceTexts() {
    const QString version = builtInText(BuiltInText::Version, state_.languageIndex)
                                .arg(QStringLiteral(TORVANE_VERSION));
    const QString credit = builtInText(BuiltInText::Freeware, state_.languageIndex);
    About->findChild<QLabel*>(QStringLiteral("AboutVersion"))->setText(version);
    About->findChild<QLabel*>(QStringLiteral("AboutCredits"))->setText(credit);
    About2->findChild<QLabel*>(QStringLiteral("About2Version"))
        ->setText(version + QStringLiteral(" - ") + credit);
}

bool FrmMain::showsSmallIconsHint() {
    return kHasSmallIconsOption;
}

void FrmMain::buildHiddenStore() {
    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(kHiddenStoreRect);
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
    auto* store = new QVBoxLayout(Picture1);
    for (int k = 1; k <= kMessageCount; ++k) {
        QLabel* label = makeLabel(Picture1, QStringLiteral("Msg%1").arg(k),
                                  messages[static_cast<size_t>(k - 1)]);
        label->hide();
        Msg[static_cast<size_t>(k - 1)] = label;
    }
    Label26 = makeLabel(Picture1, QStringLiteral("Label26"),
                        QStringLiteral("La cartella di Windows si trova sul disco"));
    store->addWidget(Label26);
    Drive1 = new QComboBox(Picture1);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->addItem(state_.windowsDrive);
    store->addWidget(Drive1);
    Label27 = makeLabel(Picture1, QStringLiteral("Label27"),
                        QStringLiteral("Sono in possesso della versione di Windows95 in lingua :"));
    store->addWidget(Label27);
    const QString editions[] = {QStringLiteral("Inglese"), QStringLiteral("Francese"),
                                QStringLiteral("Italiana"), QStringLiteral("Altro")};
    for (int k = 0; k < 4; ++k) {
        auto* option = new QRadioButton(editions[k], Picture1);
        option->setObjectName(QStringLiteral("Version%1").arg(k));
        store->addWidget(option);
        Version[static_cast<size_t>(k)] = option;
    }
    new OffWindowArea(*Picture1);
}

void FrmMain::LayOutWindow() {
    PreviewPicture->setGeometry(kPreviewPictureRect);
    PreviewPicture->show();
    setFixedSize(kClientWidth, kClientHeight);
    move(kMainWindowOuter.topLeft());
    for (QFrame* panel : panels()) {
        panel->setGeometry(kPanelRect);
        panel->hide();
    }
    About->setGeometry(kAboutRect);
    About->hide();
    About2->setGeometry(kPanelRect);
    About2->hide();
    Frame1->setGeometry(kDebugFrameRect);
    Picture1->setGeometry(kHiddenStoreRect);
}

void FrmMain::PreviewPicture_MouseDown() {
    PreviewPicture->hide();
    About->show();
}

void FrmMain::PreviewPicture_MouseUp() {
    About->hide();
    PreviewPicture->show();
}

void FrmMain::Version_Click() {
    // The edition options lie off screen with the message labels: nothing to do.
}

} // namespace tvn
