#include "app/panels/HiddenStore.h"

#include "app/widgets/Geometry.h"
#include "app/widgets/OffWindowArea.h"
#include "app/widgets/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tvn {

HiddenStore::HiddenStore(QWidget& window, const QString& smallIconsHint,
                         const QString& windowsDrive)
    : QFrame(&window) {
    setObjectName(QStringLiteral("hiddenStore"));
    setGeometry(kHiddenStoreRect);
    const QString messages[kMessageCount] = {
        QStringLiteral("Selezionate uno o più collegamenti..."),
        QStringLiteral("Configurazione errata! Se l'errore si riproduce, contattate il "
                       "programmatore."),
        QStringLiteral("Errore durante la creazione del file di configurazione! Il programma "
                       "funzionerà lo stesso, ma verificate che il file non sia di sola lettura. "
                       "Se l'errore si riproduce, contattate il programmatore."),
        smallIconsHint,
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
        QStringLiteral("Nome della nuova categoria (non mettete maiuscole):"),
        QStringLiteral("Questo programma vi offre la possibilità di spostare automaticamente "
                       "tutti i collegamenti dalla vecchia classificazione ("),
        QStringLiteral(") a quella nuova ("),
        QStringLiteral("). Volete approfittare di questa funzione? Premete NO per lasciare le "
                       "cose come stanno e cambiare semplicemente il nome del tasto oppure "
                       "ANNULLA per mantenere il vecchio nome."),
    };
    auto* store = new QVBoxLayout(this);
    const QString names[kMessageCount] = {
        QStringLiteral("selectShortcutsMessage"),   QStringLiteral("wrongSettingsMessage"),
        QStringLiteral("settingsNotSavedMessage"),  QStringLiteral("smallIconsHintMessage"),
        QStringLiteral("resetBeforeChangeMessage"), QStringLiteral("deleteAllQuestion"),
        QStringLiteral("allDeletedMessage"),        QStringLiteral("descriptionMessage"),
        QStringLiteral("newCategoryPrompt"),        QStringLiteral("renameQuestionStart"),
        QStringLiteral("renameQuestionMiddle"),     QStringLiteral("renameQuestionEnd"),
    };
    for (size_t k = 0; k < kMessageCount; ++k) {
        QLabel* label = makeLabel(this, names[k], messages[k]);
        label->hide();
        messageLabels[k] = label;
    }
    windowsDriveCaption = makeLabel(this, QStringLiteral("windowsDriveCaption"),
                                    QStringLiteral("La cartella di Windows si trova sul disco"));
    store->addWidget(windowsDriveCaption);
    windowsDriveBox = new QComboBox(this);
    windowsDriveBox->setObjectName(QStringLiteral("windowsDriveBox"));
    windowsDriveBox->addItem(windowsDrive);
    store->addWidget(windowsDriveBox);
    windowsEditionCaption =
        makeLabel(this, QStringLiteral("windowsEditionCaption"),
                  QStringLiteral("Sono in possesso della versione di Windows95 in lingua:"));
    store->addWidget(windowsEditionCaption);
    const QString editions[] = {QStringLiteral("Inglese"), QStringLiteral("Francese"),
                                QStringLiteral("Italiana"), QStringLiteral("Altro")};
    const QString editionNames[] = {
        QStringLiteral("englishEdition"), QStringLiteral("frenchEdition"),
        QStringLiteral("italianEdition"), QStringLiteral("otherEdition")};
    for (int k = 0; k < 4; ++k) {
        auto* option = new QRadioButton(editions[k], this);
        option->setObjectName(editionNames[k]);
        store->addWidget(option);
        windowsEditions[static_cast<size_t>(k)] = option;
    }
    new OffWindowArea(*this);
}

QString HiddenStore::messageText(Message message) const {
    return messageLabels[static_cast<size_t>(message) - 1]->text();
}

QString HiddenStore::windowsDrive() const {
    return windowsDriveBox->currentText();
}

void HiddenStore::selectWindowsDrive(const QString& drive) {
    // Without drive letters the saved drive is a stored name that always selects.
    if (windowsDriveBox->findText(drive) < 0)
        windowsDriveBox->addItem(drive);
    windowsDriveBox->setCurrentText(drive);
}

} // namespace tvn
