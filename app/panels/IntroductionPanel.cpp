#include "app/panels/IntroductionPanel.h"

#include "app/widgets/ButtonRoles.h"
#include "app/widgets/ConfigControls.h"
#include "app/widgets/Widgets.h"
#include "app/widgets/WrapCheckBox.h"
#include "i18n/BuiltInTexts.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tvn {

IntroductionPanel::IntroductionPanel(QWidget& window, ButtonRoles& roles)
    : QFrame(&window)
    , roles_(roles) {
    shapePanel(*this, QStringLiteral("introductionPanel"));
    QVBoxLayout* layout = makePanelLayout(this);
    introductionTitle = makeLabel(this, QStringLiteral("introductionTitle"),
                                  QStringLiteral("INTRODUZIONE"), LabelStyle::Title);
    purposeText = makeLabel(
        this, QStringLiteral("purposeText"),
        QStringLiteral("Il menu PROGRAMMI del vostro menu Avvio è diventato un caos, pieno di "
                       "icone messe lì da ogni programma installato? Questo programma è un "
                       "classificatore di collegamenti semplice ma potente."));
    whatItDoesText = makeLabel(
        this, QStringLiteral("whatItDoesText"),
        QStringLiteral("Copia i collegamenti del menu PROGRAMMI e ne classifica le copie per "
                       "genere (giochi, programmi, multimedia...), in categorie che appaiono "
                       "direttamente nel menu Avvio, come mostra l'immagine qui a fianco."));
    nothingChangedText =
        makeLabel(this, QStringLiteral("nothingChangedText"),
                  QStringLiteral("RILASSATEVI: nessun file del vostro disco verrà "
                                 "modificato o cancellato! I file aggiunti potranno essere "
                                 "cancellati."),
                  LabelStyle::Strong);
    analysisNextText = makeLabel(this, QStringLiteral("analysisNextText"),
                                 QStringLiteral("Ora analizzerò il vostro sistema."));
    skipIntroduction = new WrapCheckBox(
        QStringLiteral("Non mostrate più questa introduzione ad ogni avvio del programma"), this);
    skipIntroduction->setObjectName(QStringLiteral("skipIntroduction"));
    layout->addWidget(introductionTitle);
    layout->addWidget(purposeText);
    layout->addWidget(whatItDoesText);
    layout->addWidget(nothingChangedText);
    layout->addWidget(analysisNextText);
    layout->addStretch();
    layout->addWidget(skipIntroduction);

    introductionExitButton =
        makeButton(this, QStringLiteral("introductionExitButton"), QStringLiteral("Esci!"));
    continueButton =
        makeButton(this, QStringLiteral("continueButton"), QStringLiteral("Continua..."));
    addButtonRow(*layout, {introductionExitButton}, {continueButton});

    connect(continueButton, &QPushButton::clicked, this, &IntroductionPanel::continueClicked);
    connect(introductionExitButton, &QPushButton::clicked, this, &IntroductionPanel::exitClicked);
    connect(skipIntroduction, &QCheckBox::stateChanged, this, [this] {
        leaveGreyState(*skipIntroduction);
        Q_EMIT skipIntroductionChanged(skipIntroduction->checkState());
    });
}

void IntroductionPanel::open() {
    show();
    roles_.setDefaultButton(continueButton);
    roles_.setCancelButton(introductionExitButton);
    continueButton->setFocus();
}

void IntroductionPanel::armExitButton() {
    roles_.setCancelButton(introductionExitButton);
}

int IntroductionPanel::skipIntroductionValue() const {
    return checkBoxValue(*skipIntroduction);
}

void IntroductionPanel::setSkipIntroductionValue(int value) {
    setCheckBoxValue(*skipIntroduction, value);
}

void IntroductionPanel::followSkipIntroduction(Qt::CheckState state) {
    followCheckBox(*skipIntroduction, state);
}

void IntroductionPanel::applyAccessibleTexts(int language) {
    continueButton->setAccessibleDescription(analysisNextText->text());
    introductionExitButton->setAccessibleDescription(
        builtInText(BuiltInText::EndProgram, language));
    skipIntroduction->setAccessibleDescription(
        builtInText(BuiltInText::SkipIntroduction, language));
}

} // namespace tvn
