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
    Introduction = makePanel(QStringLiteral("Introduction"));
    QVBoxLayout* layout = makePanelLayout(Introduction);
    Label4 = makeLabel(Introduction, QStringLiteral("Label4"), QStringLiteral("INTRODUZIONE"),
                       LabelStyle::Title);
    Label1 = makeLabel(
        Introduction, QStringLiteral("Label1"),
        QStringLiteral("Il menu PROGRAMMI del vostro menu Avvio è diventato un caos, pieno di "
                       "icone messe lì da ogni programma installato? Questo programma è un "
                       "classificatore di collegamenti semplice ma potente."));
    Label2 = makeLabel(
        Introduction, QStringLiteral("Label2"),
        QStringLiteral("Copia i collegamenti del menu PROGRAMMI e ne classifica le copie per "
                       "genere (giochi, programmi, multimedia...), in categorie che appaiono "
                       "direttamente nel menu Avvio, come mostra l'immagine qui a fianco."));
    Label3 = makeLabel(Introduction, QStringLiteral("Label3"),
                       QStringLiteral("RILASSATEVI: nessun file del vostro disco verrà "
                                      "modificato o cancellato! I file aggiunti potranno essere "
                                      "cancellati."),
                       LabelStyle::Strong);
    Label7 = makeLabel(Introduction, QStringLiteral("Label7"),
                       QStringLiteral("Ora analizzerò il vostro sistema."));
    DoNotShowAgain = new WrapCheckBox(
        QStringLiteral("Non mostrate più questa introduzione ad ogni avvio del programma"),
        Introduction);
    DoNotShowAgain->setObjectName(QStringLiteral("DoNotShowAgain"));
    layout->addWidget(Label4);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addWidget(Label7);
    layout->addStretch();
    layout->addWidget(DoNotShowAgain);

    Command3 = makeButton(Introduction, QStringLiteral("Command3"), QStringLiteral("Esci!"));
    CContinue =
        makeButton(Introduction, QStringLiteral("CContinue"), QStringLiteral("Continua..."));
    addButtonRow(*layout, {Command3}, {CContinue});
}

void FrmMain::ShowIntroduction() {
    Introduction->show();
    roles_->setDefaultButton(CContinue);
    roles_->setCancelButton(Command3);
    CContinue->setFocus();
    About->hide();
}

void FrmMain::CContinue_Click() {
    leavePanel(Introduction);
    if (CheckDrive())
        return;
    if (state_.configured) {
        ApplySettings();
        return;
    }
    if (showsSmallIconsHint())
        ui_.message(messageText(4));
    ShowConfig();
}

void FrmMain::DoNotShowAgain_Click() {
    mirrorCheckBox(*DoNotShowAgain, *DoNotShowAgain2);
}

void FrmMain::Command3_Click() {
    close();
}

} // namespace tvn
