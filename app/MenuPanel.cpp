#include "app/ButtonRoles.h"
#include "app/FrmMain.h"
#include "app/Widgets.h"
#include "catalogue/SystemAnalysis.h"
#include "dialogs/FrmInfo.h"
#include "platform/Ui.h"
#include "store/Reset.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

// The main menu: four main actions in a column, each with the label that describes it, and
// the five secondary buttons in a row along the bottom. The buttons that open a panel have
// their handlers with that panel; the menu's own actions are here: the re-analysis, the reset,
// help, the information window and the exit.

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

void FrmMain::ShowMenu() {
    Menu->show();
    roles_->setDefaultButton(CAdd);
    roles_->setCancelButton(CExit);
    CAdd->setFocus();
}

void FrmMain::CReAnalyse_Click() {
    leavePanel(Menu);
    tvn::AnalyseSystem(tvn());
    // A failed analysis has opened the settings panel; showing the menu as well would leave
    // two panels on screen with Enter and Esc pressing the menu's hidden-behind buttons.
    if (!state_.scanFailed)
        ShowMenu();
}

void FrmMain::Command7_Click() {
    if (!ConfirmReset(tvn()))
        return;
    leavePanel(Menu);
    undoable(UndoScope::Menu, [this] { DeleteAllClassifications(tvn()); });
    // The copies are gone even when the analysis failed: their entries go too. Removing entries
    // needs no Wine and shows no progress, so the settings panel may show meanwhile.
    SyncDesktopMenu();
    // A failed analysis has opened the settings panel; the menu would show beside it.
    if (state_.scanFailed)
        return;
    ShowMenu();
    Menu->show();
}

void FrmMain::Command9_Click() {
    // Hiding the menu takes the focus from its button; it goes back when the menu returns, so
    // that the keyboard does not end up in a control the user cannot see.
    const QPointer<QWidget> focus = focusWidget();
    Menu->hide();
    PreviewPicture->hide();
    About->show();
    About2->show();
    // Nothing runs while the help shows: no wait text.
    Label35->hide();
    ui_.message(messageText(8));
    Label35->show();
    PreviewPicture->show();
    About->hide();
    About2->hide();
    Menu->show();
    if (focus)
        focus->setFocus();
}

void FrmMain::Command11_Click() {
    FrmInfo info(*this, state_.languageIndex);
    ui_.showModal(info);
}

void FrmMain::CExit_Click() {
    close();
}

} // namespace tvn
