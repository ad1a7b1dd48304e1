#include "app/panels/LanguagesPanel.h"

#include "app/widgets/ButtonRoles.h"
#include "app/widgets/Widgets.h"
#include "dialogs/BuiltInPictures.h"
#include "i18n/BuiltInTexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tvn {

LanguagesPanel::LanguagesPanel(QWidget& window, ButtonRoles& roles)
    : QFrame(&window)
    , roles_(roles) {
    shapePanel(*this, QStringLiteral("languagesPanel"));
    QVBoxLayout* layout = makePanelLayout(this);
    // No language is chosen yet: the prompt stands in all three.
    italianPrompt = makeLabel(this, QStringLiteral("italianPrompt"),
                              QStringLiteral("Prima di cominciare, scegliete la vostra lingua:"),
                              LabelStyle::Strong);
    frenchPrompt = makeLabel(this, QStringLiteral("frenchPrompt"),
                             QStringLiteral("Avant de commencer, choisissez votre langue\u00A0:"),
                             LabelStyle::Strong);
    englishPrompt =
        makeLabel(this, QStringLiteral("englishPrompt"),
                  QStringLiteral("Before you start, choose your language:"), LabelStyle::Strong);
    layout->addSpacing(10);
    layout->addWidget(italianPrompt);
    layout->addWidget(frenchPrompt);
    layout->addWidget(englishPrompt);
    layout->addSpacing(16);

    auto* choices = new QGridLayout;
    choices->setHorizontalSpacing(12);
    choices->setVerticalSpacing(10);
    choices->setContentsMargins(40, 0, 0, 0);
    const QString names[] = {QStringLiteral("English"), QStringLiteral("Français"),
                             QStringLiteral("Italiano")};
    const BuiltInPicture flags[] = {BuiltInPicture::FlagUnitedKingdom, BuiltInPicture::FlagFrance,
                                    BuiltInPicture::FlagItaly};
    const QString optionNames[] = {QStringLiteral("english"), QStringLiteral("french"),
                                   QStringLiteral("italian")};
    for (int k = 0; k < 3; ++k) {
        auto* flag = new QLabel(this);
        flag->setObjectName(optionNames[k] + QStringLiteral("Flag"));
        // A one-pixel frame around the flag drawn at its own size.
        flag->setFrameShape(QFrame::Box);
        flag->setPixmap(QPixmap(builtInPicturePath(flags[k])));
        flag->setFixedSize(flag->pixmap().size() + QSize(2, 2));
        languageFlags[static_cast<size_t>(k)] = flag;
        auto* option = new QRadioButton(names[k], this);
        option->setObjectName(optionNames[k] + QStringLiteral("Option"));
        languageOptions[static_cast<size_t>(k)] = option;
        choices->addWidget(flag, k, 0);
        choices->addWidget(option, k, 1);
    }
    choices->setColumnStretch(1, 1);
    languageOptions[0]->setChecked(true);
    layout->addLayout(choices);
    layout->addStretch();

    // Shown before any language is chosen: in all three, as the prompts above.
    languagesExitButton = makeButton(this, QStringLiteral("languagesExitButton"),
                                     QStringLiteral("Exit / Quitter / Esci"));
    languageOkButton = makeButton(this, QStringLiteral("languageOkButton"), QStringLiteral("OK"));
    addButtonRow(*layout, {languagesExitButton}, {languageOkButton});

    connect(languageOkButton, &QPushButton::clicked, this, &LanguagesPanel::okClicked);
    connect(languagesExitButton, &QPushButton::clicked, this, &LanguagesPanel::exitClicked);
}

void LanguagesPanel::open() {
    show();
    roles_.setCancelButton(languagesExitButton);
    roles_.setDefaultButton(languageOkButton);
    languageOkButton->setFocus();
}

void LanguagesPanel::hideExitButton() {
    languagesExitButton->hide();
}

int LanguagesPanel::chosenLanguage(int fallback) const {
    for (int k = 0; k < 3; ++k)
        if (languageOptions[static_cast<size_t>(k)]->isChecked())
            return k;
    return fallback;
}

void LanguagesPanel::choose(int language) {
    if (language >= 0 && language < 3)
        languageOptions[static_cast<size_t>(language)]->setChecked(true);
}

void LanguagesPanel::applyAccessibleTexts(int language) {
    languageOkButton->setAccessibleDescription(builtInText(BuiltInText::UseLanguage, language));
    languagesExitButton->setAccessibleDescription(builtInText(BuiltInText::EndProgram, language));
    for (QRadioButton* option : languageOptions)
        option->setAccessibleDescription(builtInText(BuiltInText::ChooseLanguage, language));
}

} // namespace tvn
