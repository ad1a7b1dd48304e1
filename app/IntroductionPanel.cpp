#include "app/ButtonRoles.h"
#include "app/ConfigControls.h"
#include "app/FrmMain.h"
#include "app/Widgets.h"
#include "app/WrapCheckBox.h"
#include "platform/Ui.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// The Introduction panel, shown at start unless the user asked not to see it again.

namespace tvn {

void FrmMain::buildIntroductionPanel() {
    introductionPanel = makePanel(QStringLiteral("introductionPanel"));
    QVBoxLayout* layout = makePanelLayout(introductionPanel);
    introductionTitle = makeLabel(introductionPanel, QStringLiteral("introductionTitle"),
                                  QStringLiteral("INTRODUZIONE"), LabelStyle::Title);
    purposeText = makeLabel(
        introductionPanel, QStringLiteral("purposeText"),
        QStringLiteral("Il menu PROGRAMMI del vostro menu Avvio è diventato un caos, pieno di "
                       "icone messe lì da ogni programma installato? Questo programma è un "
                       "classificatore di collegamenti semplice ma potente."));
    whatItDoesText = makeLabel(
        introductionPanel, QStringLiteral("whatItDoesText"),
        QStringLiteral("Copia i collegamenti del menu PROGRAMMI e ne classifica le copie per "
                       "genere (giochi, programmi, multimedia...), in categorie che appaiono "
                       "direttamente nel menu Avvio, come mostra l'immagine qui a fianco."));
    nothingChangedText =
        makeLabel(introductionPanel, QStringLiteral("nothingChangedText"),
                  QStringLiteral("RILASSATEVI: nessun file del vostro disco verrà "
                                 "modificato o cancellato! I file aggiunti potranno essere "
                                 "cancellati."),
                  LabelStyle::Strong);
    analysisNextText = makeLabel(introductionPanel, QStringLiteral("analysisNextText"),
                                 QStringLiteral("Ora analizzerò il vostro sistema."));
    skipIntroduction = new WrapCheckBox(
        QStringLiteral("Non mostrate più questa introduzione ad ogni avvio del programma"),
        introductionPanel);
    skipIntroduction->setObjectName(QStringLiteral("skipIntroduction"));
    layout->addWidget(introductionTitle);
    layout->addWidget(purposeText);
    layout->addWidget(whatItDoesText);
    layout->addWidget(nothingChangedText);
    layout->addWidget(analysisNextText);
    layout->addStretch();
    layout->addWidget(skipIntroduction);

    introductionExitButton = makeButton(introductionPanel, QStringLiteral("introductionExitButton"),
                                        QStringLiteral("Esci!"));
    continueButton = makeButton(introductionPanel, QStringLiteral("continueButton"),
                                QStringLiteral("Continua..."));
    addButtonRow(*layout, {introductionExitButton}, {continueButton});
}

void FrmMain::ShowIntroduction() {
    introductionPanel->show();
    roles_->setDefaultButton(continueButton);
    roles_->setCancelButton(introductionExitButton);
    continueButton->setFocus();
    aboutFrame->hide();
}

void FrmMain::continueClicked() {
    leavePanel(introductionPanel);
    if (CheckDrive())
        return;
    if (state_.configured) {
        ApplySettings();
        return;
    }
    if (showsSmallIconsHint())
        ui_.message(messageText(Message::SmallIconsHint));
    ShowConfig();
}

void FrmMain::skipIntroductionToggled() {
    mirrorCheckBox(*skipIntroduction, *skipIntroductionSetting);
}

void FrmMain::introductionExitClicked() {
    close();
}

} // namespace tvn
