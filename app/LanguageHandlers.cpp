#include "FrmMain.h"

#include <QFrame>
#include <QPushButton>

// The language panel.

namespace tvn {

void FrmMain::CmdLanguageOK_Click() {
    ReadLanguageChoice();
    LoadLanguageTexts();
    About->hide();
    Languages->hide();
    if (state_.configured)
        ShowConfig();
    else
        ShowIntroduction();
}

void FrmMain::CmdChangeLanguage_Click() {
    ShowLanguages();
    // The exit button is offered only on the first start's language panel.
    Command4->hide();
}

void FrmMain::LoadLanguageTexts() {
    // Stand-in: applies the chosen language's text file to every caption and loads its
    // picture; comes with the language files.
}

} // namespace tvn
