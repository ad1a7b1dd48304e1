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
    menuPanel = makePanel(QStringLiteral("menuPanel"));
    QVBoxLayout* layout = makePanelLayout(menuPanel);
    menuTitle = makeLabel(menuPanel, QStringLiteral("menuTitle"), QStringLiteral("MENU PRINCIPALE"),
                          LabelStyle::Title);
    menuPrompt = makeLabel(menuPanel, QStringLiteral("menuPrompt"),
                           QStringLiteral("Scegliete ora ciò che desiderate fare... "));
    layout->addWidget(menuTitle);
    layout->addWidget(menuPrompt);
    layout->addSpacing(4);

    classifyButton =
        makeButton(menuPanel, QStringLiteral("classifyButton"), QStringLiteral("CLASSIFICA"));
    classifyDescription =
        makeLabel(menuPanel, QStringLiteral("classifyDescription"),
                  QStringLiteral("Classificare le icone che non sono state ancora "
                                 "classificate (Consigliato)."));
    modifyButton =
        makeButton(menuPanel, QStringLiteral("modifyButton"), QStringLiteral("MODIFICA"));
    modifyDescription =
        makeLabel(menuPanel, QStringLiteral("modifyDescription"),
                  QStringLiteral("Spostare o cancellare le classificazioni create con "
                                 "questo programma."));
    cleanUpButton =
        makeButton(menuPanel, QStringLiteral("cleanUpButton"), QStringLiteral("DEPURA"));
    cleanUpDescription =
        makeLabel(menuPanel, QStringLiteral("cleanUpDescription"),
                  QStringLiteral("Trovare e cancellare le icone classificate, i quali "
                                 "collegamenti originali non esistono più."));
    resetButton = makeButton(menuPanel, QStringLiteral("resetButton"), QStringLiteral("RESET"));
    resetDescription =
        makeLabel(menuPanel, QStringLiteral("resetDescription"),
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

    exitButton = makeButton(menuPanel, QStringLiteral("exitButton"), QStringLiteral("Esci!"));
    settingsButton =
        makeButton(menuPanel, QStringLiteral("settingsButton"), QStringLiteral("Configura..."));
    rescanButton =
        makeButton(menuPanel, QStringLiteral("rescanButton"), QStringLiteral("Rianalizza!"));
    helpButton = makeButton(menuPanel, QStringLiteral("helpButton"), QStringLiteral("Aiuto..."));
    infoButton = makeButton(menuPanel, QStringLiteral("infoButton"), QStringLiteral("Info..."));
    auto* secondary = new QHBoxLayout;
    secondary->setSpacing(5);
    // Each button as wide as its caption needs, the room left shared between them.
    for (QPushButton* button : {exitButton, settingsButton, rescanButton, helpButton, infoButton}) {
        button->setMinimumWidth(0);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        secondary->addWidget(button);
    }
    layout->addLayout(secondary);
}

void FrmMain::ShowMenu() {
    menuPanel->show();
    roles_->setDefaultButton(classifyButton);
    roles_->setCancelButton(exitButton);
    classifyButton->setFocus();
}

void FrmMain::rescanClicked() {
    leavePanel(menuPanel);
    tvn::AnalyseSystem(tvn());
    // A failed analysis has opened the settings panel; showing the menu as well would leave
    // two panels on screen with Enter and Esc pressing the menu's hidden-behind buttons.
    if (!state_.scanFailed)
        ShowMenu();
}

void FrmMain::resetClicked() {
    if (!ConfirmReset(tvn()))
        return;
    leavePanel(menuPanel);
    undoable(UndoScope::Menu, [this] { DeleteAllClassifications(tvn()); });
    // The copies are gone even when the analysis failed: their entries go too. Removing entries
    // needs no Wine and shows no progress, so the settings panel may show meanwhile.
    SyncDesktopMenu();
    // A failed analysis has opened the settings panel; the menu would show beside it.
    if (state_.scanFailed)
        return;
    ShowMenu();
    menuPanel->show();
}

void FrmMain::helpClicked() {
    // Hiding the menu takes the focus from its button; it goes back when the menu returns, so
    // that the keyboard does not end up in a control the user cannot see.
    const QPointer<QWidget> focus = focusWidget();
    menuPanel->hide();
    languagePicture->hide();
    aboutFrame->show();
    helpCover->show();
    // Nothing runs while the help shows: no wait text.
    helpCoverWait->hide();
    ui_.message(messageText(Message::Description));
    helpCoverWait->show();
    languagePicture->show();
    aboutFrame->hide();
    helpCover->hide();
    menuPanel->show();
    if (focus)
        focus->setFocus();
}

void FrmMain::infoClicked() {
    FrmInfo info(*this, state_.languageIndex);
    ui_.showModal(info);
}

void FrmMain::exitClicked() {
    close();
}

} // namespace tvn
