#include "app/frame/MainWindow.h"

#include "app/panels/ConfigPanel.h"
#include "app/panels/CreationPanel.h"
#include "app/panels/DebugFrame.h"
#include "app/panels/HiddenStore.h"
#include "app/panels/IntroductionPanel.h"
#include "app/panels/LanguagesPanel.h"
#include "app/panels/ListPanel.h"
#include "app/panels/MenuPanel.h"
#include "app/panels/WindowSurface.h"
#include "app/widgets/ButtonRoles.h"
#include "app/widgets/QtListBox.h"
#include "catalogue/SystemAnalysis.h"
#include "dialogs/Look.h"
#include "i18n/BuiltInTexts.h"
#include "platform/Paths.h"
#include "platform/Ui.h"

#include <QDir>
#include <QFrame>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>

namespace tvn {

MainWindow::MainWindow(Ui& ui, FileSystem& fs, ShellFolders& shellFolders,
                       std::function<QString()> currentFolder, QWidget* parent)
    : QWidget(parent)
    , ui_(ui)
    , fs_(fs)
    , shellFolders_(shellFolders)
    , currentFolder_(std::move(currentFolder)) {
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("TORVANE"));
    setFont(torvaneFont());
    roles_ = std::make_unique<ButtonRoles>(*this);

    // Creation order is stacking order: the wait text lies under every panel.
    surface_ = new WindowSurface(*this);
    languages_ = new LanguagesPanel(*this, *roles_);
    introduction_ = new IntroductionPanel(*this, *roles_);
    menu_ = new MenuPanel(*this, *roles_);
    creation_ = new CreationPanel(*this, *roles_);
    modify_ = new ListPanel(*this, *roles_, ListPanel::modifyShape());
    purges_ = new ListPanel(*this, *roles_, ListPanel::purgesShape());
    config_ = new ConfigPanel(*this, *roles_);
    debugFrame_ = new DebugFrame(*this);
    hiddenStore_ = new HiddenStore(*this, WindowSurface::smallIconsHintText(), state_.windowsDrive);
    // Beside each copy, its category: the folder of the Start Menu it lies in.
    modify_->showFolderBesideEachEntry([this](int row) {
        const QString folder = copyFolders.at(row);
        const QString startMenu = state_.startMenuPath + QChar(kPathSeparator);
        return folder.startsWith(startMenu, Qt::CaseInsensitive)
                   ? QDir::toNativeSeparators(folder.mid(startMenu.size()))
                   : QString();
    });

    // In a filter box Enter goes on to the list rather than pressing the panel's default button
    // (on the Modify panel, REMOVE), and in the Creation list it classifies as suggested; Esc
    // first empties the box.
    roles_->setKeyFirst([this](QWidget& receiver, bool enter) {
        if (!enter)
            return clearShownFilter();
        return creation_->enterListFrom(receiver) || modify_->enterListFrom(receiver) ||
               purges_->enterListFrom(receiver) || classifyAsSuggestedFrom(receiver);
    });
    applyAccessibleTexts();
    tvn_ = std::make_unique<Tvn>(
        Tvn{state_, fs_, ui_,
            CatalogueLists{shortcutNames, shortcutFolders, copyNames, copyFolders,
                           creation_->unclassified(), unclassifiedFolders, purges_->entries(),
                           orphanFolders, modify_->entries()},
            *this, &shellFolders_});
    connectHandlers();
    showUndoTexts();
    creation_->showReviewTexts(state_.languageIndex);
    config_->showTidyOptionText(state_.languageIndex);
    showSurfaceTexts();
    enableUndoButtons();
    layOutWindow();
}

MainWindow::~MainWindow() = default;

std::array<QFrame*, 7> MainWindow::panels() const {
    return {languages_, introduction_, menu_, creation_, modify_, purges_, config_};
}

QPushButton* MainWindow::defaultButton() const {
    return roles_->defaultButton();
}

QPushButton* MainWindow::cancelButton() const {
    return roles_->cancelButton();
}

void MainWindow::setLanguagePictureVisible(bool visible) {
    surface_->setLanguagePictureVisible(visible);
}

void MainWindow::setHelpCoverVisible(bool visible) {
    surface_->setHelpCoverVisible(visible);
}

QString MainWindow::progressText() const {
    return surface_->progressText();
}

void MainWindow::setProgressText(const QString& text) {
    // A bare number is the walks' folder counter: the label says what it counts, after the
    // number the next step reads back.
    bool isCount = false;
    text.toLongLong(&isCount);
    if (isCount) {
        surface_->setProgressText(
            builtInText(BuiltInText::FoldersRead, state_.languageIndex).arg(text));
        return;
    }
    // A percentage is written as the interface language writes it: French with a no-break
    // space before the sign, English and Italian with none.
    static const QRegularExpression percentage(QStringLiteral("(\\d+) %$"));
    QString shown = text;
    shown.replace(percentage, state_.languageIndex == 1 ? QStringLiteral("\\1\u00a0%")
                                                        : QStringLiteral("\\1%"));
    surface_->setProgressText(shown);
}

QString MainWindow::debugText() const {
    return debugFrame_->text();
}

bool MainWindow::hideHelpShortcuts() const {
    return config_->hidesHelpShortcuts();
}

QString MainWindow::categoryCaption(int k) const {
    return creation_->categoryCaption(k);
}

void MainWindow::setCategoryCaption(int k, const QString& caption) {
    creation_->setCategoryCaption(k, caption);
}

QString MainWindow::messageText(Message message) const {
    return hiddenStore_->messageText(message);
}

void MainWindow::connectHandlers() {
    // Languages.
    connect(languages_, &LanguagesPanel::okClicked, this, &MainWindow::languageOkClicked);
    connect(languages_, &LanguagesPanel::exitClicked, this, &MainWindow::languagesExitClicked);
    // Introduction. A change of either skip box, by the user or by the settings, shows in
    // the other one, the Config panel's.
    connect(introduction_, &IntroductionPanel::continueClicked, this, &MainWindow::continueClicked);
    connect(introduction_, &IntroductionPanel::exitClicked, this,
            &MainWindow::introductionExitClicked);
    connect(introduction_, &IntroductionPanel::skipIntroductionChanged, config_,
            &ConfigPanel::followSkipIntroduction);
    // Menu. CLASSIFY, MODIFY, CLEAN UP and Settings have their answers with the panel they
    // open.
    connect(menu_, &MenuPanel::classifyClicked, this, &MainWindow::classifyClicked);
    connect(menu_, &MenuPanel::modifyClicked, this, &MainWindow::modifyClicked);
    connect(menu_, &MenuPanel::cleanUpClicked, this, &MainWindow::cleanUpClicked);
    connect(menu_, &MenuPanel::resetClicked, this, &MainWindow::resetClicked);
    connect(menu_, &MenuPanel::exitClicked, this, &MainWindow::exitClicked);
    connect(menu_, &MenuPanel::settingsClicked, this, &MainWindow::settingsClicked);
    connect(menu_, &MenuPanel::rescanClicked, this, &MainWindow::rescanClicked);
    connect(menu_, &MenuPanel::helpClicked, this, &MainWindow::helpClicked);
    connect(menu_, &MenuPanel::infoClicked, this, &MainWindow::infoClicked);
    // Creation. The done button of move mode has its answer with the Modify panel's.
    connect(creation_, &CreationPanel::doneClicked, this, &MainWindow::creationDoneClicked);
    connect(creation_, &CreationPanel::moveDoneClicked, this, &MainWindow::moveDoneClicked);
    connect(creation_, &CreationPanel::categoryClicked, this, &MainWindow::categoryClicked);
    connect(creation_, &CreationPanel::categoryPressed, this, &MainWindow::categoryPressed);
    connect(creation_, &CreationPanel::classifyAsSuggestedClicked, this,
            &MainWindow::classifyAsSuggestedClicked);
    connect(creation_, &CreationPanel::renameCategoryRequested, this,
            &MainWindow::renameCategoryTriggered);
    // The suggestion follows the current entry, whoever moved it.
    connect(creation_, &CreationPanel::currentEntryChanged, this, &MainWindow::showSuggestion);
    // Modify.
    connect(modify_, &ListPanel::actClicked, this, &MainWindow::removeClicked);
    connect(modify_, &ListPanel::otherClicked, this, &MainWindow::moveClicked);
    connect(modify_, &ListPanel::backClicked, this, &MainWindow::modifyDoneClicked);
    // Purges.
    connect(purges_, &ListPanel::actClicked, this, &MainWindow::purgeClicked);
    connect(purges_, &ListPanel::backClicked, this, &MainWindow::purgesBackClicked);
    // Undo, on the three panels and by key.
    connect(creation_, &CreationPanel::undoClicked, this, &MainWindow::undoRequested);
    connect(modify_, &ListPanel::undoClicked, this, &MainWindow::undoRequested);
    connect(purges_, &ListPanel::undoClicked, this, &MainWindow::undoRequested);
    auto* undoKey = new QShortcut(QKeySequence::Undo, this);
    connect(undoKey, &QShortcut::activated, this, &MainWindow::undoRequested);
    // Config. Whatever changes a path box, the all-users line follows.
    connect(config_, &ConfigPanel::okClicked, this, &MainWindow::settingsOkClicked);
    connect(config_, &ConfigPanel::cancelClicked, this, &MainWindow::settingsCancelClicked);
    connect(config_, &ConfigPanel::changeLanguageClicked, this, &MainWindow::changeLanguageClicked);
    connect(config_, &ConfigPanel::skipIntroductionChanged, introduction_,
            &IntroductionPanel::followSkipIntroduction);
    connect(config_, &ConfigPanel::prefixChosen, this, &MainWindow::prefixChosen);
    connect(config_, &ConfigPanel::pathsChanged, this, &MainWindow::showAllUsersPrograms);
    // The debug frame.
    connect(debugFrame_, &DebugFrame::killConfigClicked, this, &MainWindow::killConfigClicked);
}

bool MainWindow::clearShownFilter() {
    if (creation_->isVisible())
        return creation_->clearFilter();
    if (modify_->isVisible())
        return modify_->clearFilter();
    if (purges_->isVisible())
        return purges_->clearFilter();
    return false;
}

void MainWindow::leavePanel(QFrame* panel) {
    panel->hide();
    ui_.pumpEvents();
}

void MainWindow::returnToMenu(QFrame* panel) {
    leavePanel(panel);
    tvn::refreshClassified(tvn());
    syncDesktopMenu();
    showMenu();
}

} // namespace tvn
