#include "app/panels/MenuPanel.h"

#include "app/widgets/ButtonRoles.h"
#include "app/widgets/Widgets.h"
#include "i18n/BuiltInTexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace tvn {

MenuPanel::MenuPanel(QWidget& window, ButtonRoles& roles)
    : QFrame(&window)
    , roles_(roles) {
    shapePanel(*this, QStringLiteral("menuPanel"));
    QVBoxLayout* layout = makePanelLayout(this);
    menuTitle = makeLabel(this, QStringLiteral("menuTitle"), QStringLiteral("MENU PRINCIPALE"),
                          LabelStyle::Title);
    menuPrompt = makeLabel(this, QStringLiteral("menuPrompt"),
                           QStringLiteral("Scegliete ora ciò che desiderate fare... "));
    layout->addWidget(menuTitle);
    layout->addWidget(menuPrompt);
    layout->addSpacing(4);

    classifyButton =
        makeButton(this, QStringLiteral("classifyButton"), QStringLiteral("CLASSIFICA"));
    classifyDescription =
        makeLabel(this, QStringLiteral("classifyDescription"),
                  QStringLiteral("Classificare le icone che non sono state ancora "
                                 "classificate (Consigliato)."));
    modifyButton = makeButton(this, QStringLiteral("modifyButton"), QStringLiteral("MODIFICA"));
    modifyDescription =
        makeLabel(this, QStringLiteral("modifyDescription"),
                  QStringLiteral("Spostare o cancellare le classificazioni create con "
                                 "questo programma."));
    cleanUpButton = makeButton(this, QStringLiteral("cleanUpButton"), QStringLiteral("DEPURA"));
    cleanUpDescription =
        makeLabel(this, QStringLiteral("cleanUpDescription"),
                  QStringLiteral("Trovare e cancellare le icone classificate i cui "
                                 "collegamenti originali non esistono più."));
    resetButton = makeButton(this, QStringLiteral("resetButton"), QStringLiteral("RESET"));
    resetDescription =
        makeLabel(this, QStringLiteral("resetDescription"),
                  QStringLiteral("Cancellare TUTTE le classificazioni create con questo "
                                 "programma."));

    auto* actions = new QGridLayout;
    actions->setHorizontalSpacing(12);
    actions->setVerticalSpacing(12);
    const std::pair<QPushButton*, QLabel*> rows[] = {{classifyButton, classifyDescription},
                                                     {modifyButton, modifyDescription},
                                                     {cleanUpButton, cleanUpDescription},
                                                     {resetButton, resetDescription}};
    int row = 0;
    for (const auto& [button, label] : rows) {
        button->setMinimumWidth(104);
        button->setMinimumHeight(28);
        actions->addWidget(button, row, 0, Qt::AlignTop);
        actions->addWidget(label, row, 1, Qt::AlignVCenter);
        ++row;
    }
    actions->setColumnStretch(1, 1);
    layout->addLayout(actions);
    layout->addStretch();

    exitButton = makeButton(this, QStringLiteral("exitButton"), QStringLiteral("Esci!"));
    settingsButton =
        makeButton(this, QStringLiteral("settingsButton"), QStringLiteral("Configura..."));
    rescanButton = makeButton(this, QStringLiteral("rescanButton"), QStringLiteral("Rianalizza!"));
    helpButton = makeButton(this, QStringLiteral("helpButton"), QStringLiteral("Aiuto..."));
    infoButton = makeButton(this, QStringLiteral("infoButton"), QStringLiteral("Info..."));
    auto* secondary = new QHBoxLayout;
    secondary->setSpacing(5);
    // Each button as wide as its caption needs, the room left shared between them.
    for (QPushButton* button : {exitButton, settingsButton, rescanButton, helpButton, infoButton}) {
        button->setMinimumWidth(0);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        secondary->addWidget(button);
    }
    layout->addLayout(secondary);

    const std::pair<QPushButton*, void (MenuPanel::*)()> clicks[] = {
        {classifyButton, &MenuPanel::classifyClicked},
        {modifyButton, &MenuPanel::modifyClicked},
        {cleanUpButton, &MenuPanel::cleanUpClicked},
        {resetButton, &MenuPanel::resetClicked},
        {exitButton, &MenuPanel::exitClicked},
        {settingsButton, &MenuPanel::settingsClicked},
        {rescanButton, &MenuPanel::rescanClicked},
        {helpButton, &MenuPanel::helpClicked},
        {infoButton, &MenuPanel::infoClicked},
    };
    for (const auto& [button, clicked] : clicks)
        connect(button, &QPushButton::clicked, this, clicked);
}

void MenuPanel::open() {
    show();
    roles_.setDefaultButton(classifyButton);
    roles_.setCancelButton(exitButton);
    classifyButton->setFocus();
}

void MenuPanel::applyAccessibleTexts(int language) {
    const std::pair<QPushButton*, QLabel*> describedByLabel[] = {
        {classifyButton, classifyDescription},
        {modifyButton, modifyDescription},
        {cleanUpButton, cleanUpDescription},
        {resetButton, resetDescription},
    };
    for (const auto& [button, label] : describedByLabel)
        button->setAccessibleDescription(label->text());
    const std::pair<QPushButton*, BuiltInText> described[] = {
        {exitButton, BuiltInText::EndProgram},  {settingsButton, BuiltInText::OpenSettings},
        {rescanButton, BuiltInText::ReAnalyse}, {helpButton, BuiltInText::ShowHelp},
        {infoButton, BuiltInText::ShowInfo},
    };
    for (const auto& [button, text] : described)
        button->setAccessibleDescription(builtInText(text, language));
}

std::vector<std::pair<QString, QString>> MenuPanel::mainActions() const {
    return {{classifyButton->text(), classifyDescription->text()},
            {modifyButton->text(), modifyDescription->text()},
            {cleanUpButton->text(), cleanUpDescription->text()},
            {resetButton->text(), resetDescription->text()}};
}

} // namespace tvn
