#include "BuiltInPictures.h"
#include "FrmMain.h"
#include "Widgets.h"
#include "WrapCheckBox.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

// The panels a user meets first: the language choice, the introduction and the settings.

namespace tvn {

void FrmMain::buildLanguagesPanel() {
    Languages = makePanel(QStringLiteral("Languages"));
    QVBoxLayout* layout = makePanelLayout(Languages);
    // No language is chosen yet: the prompt stands in all three.
    Label37 = makeLabel(Languages, QStringLiteral("Label37"),
                        QStringLiteral("Prima di cominciare, scegliete la vostra lingua:"),
                        LabelStyle::Strong);
    Label36 = makeLabel(Languages, QStringLiteral("Label36"),
                        QStringLiteral("Avant de commencer, choisissez votre langue\u00A0:"),
                        LabelStyle::Strong);
    Label14 =
        makeLabel(Languages, QStringLiteral("Label14"),
                  QStringLiteral("Before you start, choose your language:"), LabelStyle::Strong);
    layout->addSpacing(10);
    layout->addWidget(Label37);
    layout->addWidget(Label36);
    layout->addWidget(Label14);
    layout->addSpacing(16);

    auto* choices = new QGridLayout;
    choices->setHorizontalSpacing(12);
    choices->setVerticalSpacing(10);
    choices->setContentsMargins(40, 0, 0, 0);
    const QString names[] = {QStringLiteral("English"), QStringLiteral("Français"),
                             QStringLiteral("Italiano")};
    const BuiltInPicture flags[] = {BuiltInPicture::FlagUnitedKingdom, BuiltInPicture::FlagFrance,
                                    BuiltInPicture::FlagItaly};
    for (int k = 0; k < 3; ++k) {
        auto* flag = new QLabel(Languages);
        flag->setObjectName(QStringLiteral("Flag%1").arg(k));
        // A one-pixel frame around the flag drawn at its own size.
        flag->setFrameShape(QFrame::Box);
        flag->setPixmap(QPixmap(builtInPicturePath(flags[k])));
        flag->setFixedSize(flag->pixmap().size() + QSize(2, 2));
        Flag[static_cast<size_t>(k)] = flag;
        auto* option = new QRadioButton(names[k], Languages);
        option->setObjectName(QStringLiteral("Language%1").arg(k));
        Language[static_cast<size_t>(k)] = option;
        choices->addWidget(flag, k, 0);
        choices->addWidget(option, k, 1);
    }
    choices->setColumnStretch(1, 1);
    Language[0]->setChecked(true);
    layout->addLayout(choices);
    layout->addStretch();

    Command4 = makeButton(Languages, QStringLiteral("Command4"), QStringLiteral("Exit!"));
    CmdLanguageOK = makeButton(Languages, QStringLiteral("CmdLanguageOK"), QStringLiteral("OK"));
    addButtonRow(*layout, {Command4}, {CmdLanguageOK});
}

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

void FrmMain::buildConfigPanel() {
    Config = makePanel(QStringLiteral("Config"));
    QVBoxLayout* layout = makePanelLayout(Config);
    Label24 = makeLabel(Config, QStringLiteral("Label24"), QStringLiteral("CONFIGURAZIONE"),
                        LabelStyle::Title);
    Label25 = makeLabel(
        Config, QStringLiteral("Label25"),
        QStringLiteral("Per assicurare il corretto funzionamento del programma vi prego di "
                       "verificare che le seguenti affermazioni siano giuste. Se non lo sono, "
                       "correggetele."));
    Label28 = makeLabel(Config, QStringLiteral("Label28"),
                        QStringLiteral("Percorso della cartella MENU AVVIO :"));
    StartMenuCustomPath = new QLineEdit(QStringLiteral("\\Windows\\Start Menu"), Config);
    StartMenuCustomPath->setObjectName(QStringLiteral("StartMenuCustomPath"));
    Label29 = makeLabel(Config, QStringLiteral("Label29"),
                        QStringLiteral("Percorso della cartella PROGRAMMI nel Menu Avvio :"));
    ProgramsMenuCustomPath =
        new QLineEdit(QStringLiteral("\\Windows\\Start Menu\\programs"), Config);
    ProgramsMenuCustomPath->setObjectName(QStringLiteral("ProgramsMenuCustomPath"));
    ChkHide = new WrapCheckBox(QStringLiteral("Durante la classificazione delle icone, non "
                                              "elencare le icone di aiuto, testo e "
                                              "disinstallazione."),
                               Config);
    ChkHide->setObjectName(QStringLiteral("ChkHide"));
    DoNotShowAgain2 = new WrapCheckBox(QStringLiteral("Selezionatemi se non volete vedere "
                                                      "l'introduzione quando avviate il "
                                                      "programma"),
                                       Config);
    DoNotShowAgain2->setObjectName(QStringLiteral("DoNotShowAgain2"));

    layout->addWidget(Label24);
    layout->addWidget(Label25);
    auto* paths = new QVBoxLayout;
    paths->setSpacing(3);
    paths->addWidget(Label28);
    paths->addWidget(StartMenuCustomPath);
    paths->addSpacing(4);
    paths->addWidget(Label29);
    paths->addWidget(ProgramsMenuCustomPath);
    layout->addLayout(paths);
    layout->addWidget(ChkHide);
    layout->addWidget(DoNotShowAgain2);
    layout->addStretch();

    CmdChangeLanguage =
        makeButton(Config, QStringLiteral("CmdChangeLanguage"), QStringLiteral("Lingua..."));
    COK = makeButton(Config, QStringLiteral("COK"), QStringLiteral("OK"));
    addButtonRow(*layout, {CmdChangeLanguage}, {COK});
}

} // namespace tvn
