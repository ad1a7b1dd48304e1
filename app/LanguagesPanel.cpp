#include "app/ButtonRoles.h"
#include "app/FrmMain.h"
#include "app/Widgets.h"
#include "i18n/LanguageFiles.h"
#include "i18n/LanguagePictureFile.h"
#include "i18n/LanguageTextFile.h"
#include "i18n/QtTranslations.h"
#include "platform/ProgramFolders.h"
#include "tools/pictures/BuiltInPictures.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

// The Languages panel, the language texts and the language picture.

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

    // Shown before any language is chosen: in all three, as the prompts above.
    Command4 =
        makeButton(Languages, QStringLiteral("Command4"), QStringLiteral("Exit / Quitter / Esci"));
    CmdLanguageOK = makeButton(Languages, QStringLiteral("CmdLanguageOK"), QStringLiteral("OK"));
    addButtonRow(*layout, {Command4}, {CmdLanguageOK});
}

void FrmMain::ShowLanguages() {
    Config->hide();
    Languages->show();
    roles_->setCancelButton(Command4);
    roles_->setDefaultButton(CmdLanguageOK);
    CmdLanguageOK->setFocus();
}

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

void FrmMain::Command4_Click() {
    close();
}

void FrmMain::ReadLanguageChoice() {
    state_.languageIndex = chosenLanguage();
}

int FrmMain::chosenLanguage() const {
    for (int k = 0; k < 3; ++k)
        if (Language[static_cast<size_t>(k)]->isChecked())
            return k;
    return state_.languageIndex;
}

int FrmMain::systemLanguage() {
    switch (QLocale::system().language()) {
    case QLocale::French:
        return 1;
    case QLocale::Italian:
        return 2;
    default:
        return 0;
    }
}

void FrmMain::LoadLanguageTexts() {
    useQtTranslations(state_.languageIndex);
    // The texts the language files have no field for follow the ones they have.
    if (tvn::LoadLanguageTexts(ui_, fs_, state_.dataFolders(), state_.languageIndex, *this,
                               [this] { LoadLanguagePicture(); })) {
        ShowUndoTexts();
        ShowSurfaceTexts();
    }
    categoryWords_ = ReadCategoryWords(
        fs_, dataFilePath(fs_, state_.dataFolders(), categoryWordsFileName(state_.languageIndex)));
    ApplyAccessibleTexts();
    ShowSuggestion();
}

void FrmMain::LoadLanguagePicture() {
    tvn::LoadLanguagePicture(ui_, fs_, state_.dataFolders(), state_.languageIndex, *PreviewPicture);
}

} // namespace tvn
