#include "FrmMain.h"
#include "LanguagePictureFile.h"
#include "LanguageTextFile.h"
#include "QtTranslations.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

// The language panel, the language texts and the language picture.

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
    useQtTranslations(state_.languageIndex);
    tvn::LoadLanguageTexts(ui_, fs_, state_.appFolder, state_.languageIndex, *this,
                           [this] { LoadLanguagePicture(); });
}

void FrmMain::LoadLanguagePicture() {
    tvn::LoadLanguagePicture(ui_, fs_, state_.appFolder, state_.languageIndex, *PreviewPicture);
}

void FrmMain::Version_Click() {
    // The edition options lie off screen with the message labels: nothing to do.
}

} // namespace tvn
