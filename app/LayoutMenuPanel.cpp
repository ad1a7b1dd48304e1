#include "FrmMain.h"
#include "Widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// The main menu: four main actions in a column, each with the label that describes it, and
// the five secondary buttons in a row along the bottom.

namespace tvn {

void FrmMain::buildMenuPanel() {
    Menu = makePanel(QStringLiteral("Menu"));
    QVBoxLayout* layout = makePanelLayout(Menu);
    Label9 = makeLabel(Menu, QStringLiteral("Label9"), QStringLiteral("MENU PRINCIPALE"),
                       LabelStyle::Title);
    Label8 = makeLabel(Menu, QStringLiteral("Label8"),
                       QStringLiteral("Scegliete ora ciò che desiderate fare... "));
    layout->addWidget(Label9);
    layout->addWidget(Label8);
    layout->addSpacing(4);

    CAdd = makeButton(Menu, QStringLiteral("CAdd"), QStringLiteral("CLASSIFICA"));
    Label10 = makeLabel(Menu, QStringLiteral("Label10"),
                        QStringLiteral("Classificare le icone che non sono state ancora "
                                       "classificate (Consigliato)."));
    Command6 = makeButton(Menu, QStringLiteral("Command6"), QStringLiteral("MODIFICA"));
    Label12 = makeLabel(Menu, QStringLiteral("Label12"),
                        QStringLiteral("Spostare o cancellare le classificazioni create con "
                                       "questo programma."));
    CShowPurges = makeButton(Menu, QStringLiteral("CShowPurges"), QStringLiteral("DEPURA"));
    Label11 = makeLabel(Menu, QStringLiteral("Label11"),
                        QStringLiteral("Trovare e cancellare le icone classificate, i quali "
                                       "collegamenti originali non esistono più."));
    Command7 = makeButton(Menu, QStringLiteral("Command7"), QStringLiteral("RESET"));
    Label13 = makeLabel(Menu, QStringLiteral("Label13"),
                        QStringLiteral("Cancellare TUTTE le classificazioni create con questo "
                                       "programma."));

    auto* actions = new QGridLayout;
    actions->setHorizontalSpacing(12);
    actions->setVerticalSpacing(12);
    const std::pair<QPushButton*, QLabel*> rows[] = {
        {CAdd, Label10}, {Command6, Label12}, {CShowPurges, Label11}, {Command7, Label13}};
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

    CExit = makeButton(Menu, QStringLiteral("CExit"), QStringLiteral("Esci!"));
    Command5 = makeButton(Menu, QStringLiteral("Command5"), QStringLiteral("Configura..."));
    CReAnalyse = makeButton(Menu, QStringLiteral("CReAnalyse"), QStringLiteral("Rianalizza!"));
    Command9 = makeButton(Menu, QStringLiteral("Command9"), QStringLiteral("Aiuto..."));
    Command11 = makeButton(Menu, QStringLiteral("Command11"), QStringLiteral("Info..."));
    auto* secondary = new QHBoxLayout;
    secondary->setSpacing(5);
    // Each button as wide as its caption needs, the room left shared between them.
    for (QPushButton* button : {CExit, Command5, CReAnalyse, Command9, Command11}) {
        button->setMinimumWidth(0);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        secondary->addWidget(button);
    }
    layout->addLayout(secondary);
}

} // namespace tvn
