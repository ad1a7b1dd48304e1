#include "app/panels/ConfigPanel.h"

#include "app/widgets/ButtonRoles.h"
#include "app/widgets/ConfigControls.h"
#include "app/widgets/PathBox.h"
#include "app/widgets/PathLabel.h"
#include "app/widgets/Widgets.h"
#include "app/widgets/WrapCheckBox.h"
#include "i18n/BuiltInTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tvn {

namespace {

// Two spellings of one prefix folder, through links or not.
bool samePrefix(const QString& a, const QString& b) {
    const QString realA = QFileInfo(a).canonicalFilePath();
    return realA.isEmpty() ? QDir::cleanPath(a) == QDir::cleanPath(b)
                           : realA == QFileInfo(b).canonicalFilePath();
}

} // namespace

ConfigPanel::ConfigPanel(QWidget& window, ButtonRoles& roles)
    : QFrame(&window)
    , roles_(roles) {
    shapePanel(*this, QStringLiteral("configPanel"));
    QVBoxLayout* layout = makePanelLayout(this);
    roomySpacing_ = layout->spacing();
    configTitle = makeLabel(this, QStringLiteral("configTitle"), QStringLiteral("CONFIGURAZIONE"),
                            LabelStyle::Title);
    configPrompt = makeLabel(
        this, QStringLiteral("configPrompt"),
        QStringLiteral("Per assicurare il corretto funzionamento del programma vi prego di "
                       "verificare che le seguenti affermazioni siano giuste. Se non lo sono, "
                       "correggetele."));
    startMenuCaption = makeLabel(this, QStringLiteral("startMenuCaption"),
                                 QStringLiteral("Percorso della cartella MENU AVVIO:"));
    startMenuPathBox = new PathBox(QStringLiteral("\\Windows\\Start Menu"), this);
    startMenuPathBox->setObjectName(QStringLiteral("startMenuPathBox"));
    programsCaption =
        makeLabel(this, QStringLiteral("programsCaption"),
                  QStringLiteral("Percorso della cartella PROGRAMMI nel menu Avvio:"));
    programsPathBox = new PathBox(QStringLiteral("\\Windows\\Start Menu\\programs"), this);
    programsPathBox->setObjectName(QStringLiteral("programsPathBox"));
    hideHelpOption = new WrapCheckBox(QStringLiteral("Durante la classificazione delle icone, non "
                                                     "elencare le icone di aiuto, testo e "
                                                     "disinstallazione."),
                                      this);
    hideHelpOption->setObjectName(QStringLiteral("hideHelpOption"));
    skipIntroductionSetting = new WrapCheckBox(QStringLiteral("Selezionatemi se non volete vedere "
                                                              "l'introduzione quando avviate il "
                                                              "programma"),
                                               this);
    skipIntroductionSetting->setObjectName(QStringLiteral("skipIntroductionSetting"));

    tidyOption = new WrapCheckBox(QString(), this);
    tidyOption->setObjectName(QStringLiteral("tidyOption"));

    prefixCaption = makeLabel(this, QStringLiteral("prefixCaption"), QString());
    prefixCaption->setWordWrap(false);
    prefixCaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    prefixChooser = new QComboBox(this);
    prefixChooser->setObjectName(QStringLiteral("prefixChooser"));
    // Long prefix names give way rather than widen the panel.
    prefixChooser->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    prefixChooser->setMinimumContentsLength(10);
    allUsersProgramsLine = new PathLabel(this);
    allUsersProgramsLine->setObjectName(QStringLiteral("allUsersProgramsLine"));
    desktopMenuNote = makeLabel(this, QStringLiteral("desktopMenuNote"), QString());
    desktopMenuNote->hide();

    layout->addWidget(configTitle);
    layout->addWidget(configPrompt);
    auto* prefix = new QHBoxLayout;
    prefix->addWidget(prefixCaption);
    prefix->addWidget(prefixChooser, 1);
    layout->addLayout(prefix);
    auto* paths = new QVBoxLayout;
    paths->setSpacing(3);
    paths->addWidget(startMenuCaption);
    paths->addWidget(startMenuPathBox);
    paths->addSpacing(4);
    paths->addWidget(programsCaption);
    paths->addWidget(programsPathBox);
    paths->addWidget(allUsersProgramsLine);
    layout->addLayout(paths);
    layout->addWidget(hideHelpOption);
    layout->addWidget(skipIntroductionSetting);
    layout->addWidget(tidyOption);
    layout->addWidget(desktopMenuNote);
    layout->addStretch();

    changeLanguageButton =
        makeButton(this, QStringLiteral("changeLanguageButton"), QStringLiteral("Lingua..."));
    settingsOkButton = makeButton(this, QStringLiteral("settingsOkButton"), QStringLiteral("OK"));
    settingsCancelButton = makeButton(this, QStringLiteral("settingsCancelButton"), QString());
    addButtonRow(*layout, {changeLanguageButton}, {settingsCancelButton, settingsOkButton});

    connect(settingsOkButton, &QPushButton::clicked, this, &ConfigPanel::okClicked);
    connect(settingsCancelButton, &QPushButton::clicked, this, &ConfigPanel::cancelClicked);
    connect(changeLanguageButton, &QPushButton::clicked, this, &ConfigPanel::changeLanguageClicked);
    connect(skipIntroductionSetting, &QCheckBox::stateChanged, this, [this] {
        leaveGreyState(*skipIntroductionSetting);
        Q_EMIT skipIntroductionChanged(skipIntroductionSetting->checkState());
    });
    // Only the user's choice of a prefix counts, never the chooser's own filling.
    connect(prefixChooser, &QComboBox::activated, this, &ConfigPanel::prefixChosen);
    connect(startMenuPathBox, &QLineEdit::textChanged, this, &ConfigPanel::pathsChanged);
    connect(programsPathBox, &QLineEdit::textChanged, this, &ConfigPanel::pathsChanged);
}

bool ConfigPanel::event(QEvent* event) {
    // Nothing to fit while the constructor has not made the prompt yet.
    if (configPrompt && (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Resize))
        fitPrompt();
    return QFrame::event(event);
}

void ConfigPanel::fitPrompt() {
    constexpr int kCrowdedSpacing = 2;
    QLayout* lines = layout();
    const int spacing = lines->spacing();
    const bool promptShown = configPrompt->isVisibleTo(this);
    int shownItems = 0;
    for (int i = 0; i < lines->count(); ++i)
        shownItems += lines->itemAt(i)->isEmpty() ? 0 : 1;
    const int promptHeight =
        configPrompt->heightForWidth(contentsRect().width() - lines->contentsMargins().left() -
                                     lines->contentsMargins().right());
    // Every decision is taken at the roomy spacing, whatever the spacing now, so that narrowing
    // the gaps never brings the prompt back and the two never take turns.
    const int othersRoomy = lines->totalHeightForWidth(width()) -
                            (promptShown ? promptHeight + spacing : 0) +
                            (roomySpacing_ - spacing) * (shownItems - (promptShown ? 2 : 1));
    const bool promptFits = othersRoomy + promptHeight + roomySpacing_ <= height();
    const int wanted = othersRoomy <= height() ? roomySpacing_ : kCrowdedSpacing;
    if (promptShown != promptFits)
        configPrompt->setVisible(promptFits);
    if (spacing != wanted)
        lines->setSpacing(wanted);
}

void ConfigPanel::open(bool canCancel, bool canChangeLanguage) {
    show();
    settingsCancelButton->setVisible(canCancel);
    roles_.setDefaultButton(settingsOkButton);
    roles_.setCancelButton(canCancel ? settingsCancelButton : settingsOkButton);
    settingsOkButton->setFocus();
    changeLanguageButton->setVisible(canChangeLanguage);
}

void ConfigPanel::setCancelCaption(const QString& caption) {
    settingsCancelButton->setText(caption);
}

QString ConfigPanel::startMenuPath() const {
    return startMenuPathBox->text();
}

QString ConfigPanel::programsPath() const {
    return programsPathBox->text();
}

void ConfigPanel::setStartMenuPath(const QString& path) {
    startMenuPathBox->setText(path);
}

void ConfigPanel::setProgramsPath(const QString& path) {
    programsPathBox->setText(path);
}

void ConfigPanel::markEmptyPaths(const QString& why) {
    for (QLineEdit* box : {startMenuPathBox, programsPathBox})
        box->setPlaceholderText(box->text().isEmpty() ? why : QString());
}

void ConfigPanel::showPathsFromBeginning() {
    startMenuPathBox->setCursorPosition(0);
    programsPathBox->setCursorPosition(0);
}

void ConfigPanel::selectWrongBox(SettingsProblem::Box box) {
    QLineEdit* wrong = box == SettingsProblem::Box::StartMenu ? startMenuPathBox : programsPathBox;
    wrong->setFocus();
    wrong->selectAll();
}

void ConfigPanel::showAllUsersPrograms(const QString& lead, const QString& folder) {
    allUsersProgramsLine->setLeadAndPath(lead, folder);
}

void ConfigPanel::showDesktopMenuNote(const QString& note, bool visible) {
    desktopMenuNote->setText(note);
    desktopMenuNote->setVisible(visible);
}

void ConfigPanel::showTidyOptionText(int language) {
    tidyOption->setText(builtInText(BuiltInText::TidyOption, language));
}

bool ConfigPanel::tidyOptionChecked() const {
    return tidyOption->isChecked();
}

void ConfigPanel::setTidyOptionChecked(bool checked) {
    tidyOption->setChecked(checked);
}

int ConfigPanel::hideHelpValue() const {
    return checkBoxValue(*hideHelpOption);
}

void ConfigPanel::setHideHelpValue(int value) {
    setCheckBoxValue(*hideHelpOption, value);
}

bool ConfigPanel::hidesHelpShortcuts() const {
    return hideHelpOption->checkState() == Qt::Checked;
}

int ConfigPanel::skipIntroductionValue() const {
    return checkBoxValue(*skipIntroductionSetting);
}

void ConfigPanel::setSkipIntroductionValue(int value) {
    setCheckBoxValue(*skipIntroductionSetting, value);
}

void ConfigPanel::followSkipIntroduction(Qt::CheckState state) {
    followCheckBox(*skipIntroductionSetting, state);
}

void ConfigPanel::hidePrefixChooser() {
    prefixCaption->hide();
    prefixChooser->hide();
}

void ConfigPanel::setPrefixCaption(const QString& caption) {
    prefixCaption->setText(caption);
}

void ConfigPanel::clearPrefixes() {
    prefixChooser->clear();
}

void ConfigPanel::addPrefix(const QString& label, const QString& prefix) {
    prefixChooser->addItem(label, prefix);
    prefixChooser->setItemData(prefixChooser->count() - 1, prefix, Qt::ToolTipRole);
}

void ConfigPanel::addOtherFolderEntry(const QString& label) {
    prefixChooser->addItem(label);
}

int ConfigPanel::prefixEntry(const QString& prefix) {
    for (int k = 0; k + 1 < prefixChooser->count(); ++k)
        if (samePrefix(prefixChooser->itemData(k).toString(), prefix))
            return k;
    const int k = prefixChooser->count() - 1;
    prefixChooser->insertItem(k, QDir::toNativeSeparators(prefix), prefix);
    prefixChooser->setItemData(k, prefix, Qt::ToolTipRole);
    return k;
}

void ConfigPanel::choosePrefixEntry(int entry) {
    prefixChooser->setCurrentIndex(entry);
}

int ConfigPanel::chosenPrefixEntry() const {
    return prefixChooser->currentIndex();
}

QString ConfigPanel::chosenPrefix() const {
    return prefixChooser->currentData().toString();
}

void ConfigPanel::applyAccessibleTexts(int language, const QString& hideHelpDescription) {
    const auto text = [language](BuiltInText t) {
        return builtInText(t, language);
    };
    startMenuPathBox->setAccessibleName(startMenuCaption->text());
    programsPathBox->setAccessibleName(programsCaption->text());
    // Its label gets its text only when the panel fills the chooser.
    prefixChooser->setAccessibleName(text(BuiltInText::PrefixCaption));
    hideHelpOption->setAccessibleDescription(hideHelpDescription);
    startMenuPathBox->setAccessibleDescription(configPrompt->text());
    programsPathBox->setAccessibleDescription(configPrompt->text());
    const std::pair<QWidget*, BuiltInText> described[] = {
        {changeLanguageButton, BuiltInText::ChooseLanguage},
        {settingsOkButton, BuiltInText::ConfirmSettings},
        {settingsCancelButton, BuiltInText::BackToMenu},
        {prefixChooser, BuiltInText::ChoosePrefix},
        {skipIntroductionSetting, BuiltInText::SkipIntroduction},
        {tidyOption, BuiltInText::TidyOptionDescription},
    };
    for (const auto& [control, t] : described)
        control->setAccessibleDescription(text(t));
}

} // namespace tvn
