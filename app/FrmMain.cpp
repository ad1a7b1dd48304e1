#include "app/FrmMain.h"

#include "app/ButtonRoles.h"
#include "app/ListFilter.h"
#include "app/QtListBox.h"
#include "catalogue/SystemAnalysis.h"
#include "dialogs/Look.h"
#include "i18n/BuiltInTexts.h"
#include "platform/Ui.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace tvn {

FrmMain::FrmMain(Ui& ui, FileSystem& fs, ShellFolders& shellFolders,
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
    buildWindowSurface();
    buildLanguagesPanel();
    buildIntroductionPanel();
    buildMenuPanel();
    buildCreationPanel();
    buildModifyPanel();
    buildPurgesPanel();
    buildConfigPanel();
    buildDebugFrame();
    buildHiddenStore();

    notYetBox = std::make_unique<QtListBox>(*NotYet, true);
    purgeListBox = std::make_unique<QtListBox>(*PurgeList, true);
    listModifyBox = std::make_unique<QtListBox>(*ListModify, false);
    notYetFilter->attach(*notYetBox);
    purgeListFilter->attach(*purgeListBox);
    listModifyFilter->attach(*listModifyBox);
    // In a filter box Enter goes on to the list rather than pressing the panel's default button
    // (on the Modify panel, REMOVE); Esc first empties the box.
    roles_->setKeyFirst([this](QWidget& receiver, bool enter) {
        if (!enter)
            return clearShownFilter();
        for (ListFilter* filter : {notYetFilter, listModifyFilter, purgeListFilter})
            if (&receiver == filter->box()) {
                filter->enterList();
                return true;
            }
        return false;
    });
    ApplyAccessibleTexts();
    tvn_ = std::make_unique<Tvn>(
        Tvn{state_, fs_, ui_,
            CatalogueLists{Progs, Progs_Dirs, Fast, Fast_Dirs, *notYetBox, NotYet_Dirs,
                           *purgeListBox, Purge_Dirs, *listModifyBox},
            *this, &shellFolders_});
    connectHandlers();
    ShowUndoTexts();
    ShowSurfaceTexts();
    enableUndoButtons();
    LayOutWindow();
}

FrmMain::~FrmMain() = default;

std::array<QFrame*, 7> FrmMain::panels() const {
    return {Languages, Introduction, Menu, Creation, Modify, Purges, Config};
}

QPushButton* FrmMain::defaultButton() const {
    return roles_->defaultButton();
}

QPushButton* FrmMain::cancelButton() const {
    return roles_->cancelButton();
}

void FrmMain::setPreviewPictureVisible(bool visible) {
    PreviewPicture->setVisible(visible);
}

void FrmMain::setAbout2Visible(bool visible) {
    About2->setVisible(visible);
}

QString FrmMain::progressText() const {
    return Label31->text();
}

void FrmMain::setProgressText(const QString& text) {
    // A bare number is the walks' folder counter: the label says what it counts, after the
    // number the next step reads back.
    bool isCount = false;
    text.toLongLong(&isCount);
    Label31->setText(isCount ? builtInText(BuiltInText::FoldersRead, state_.languageIndex).arg(text)
                             : text);
}

QString FrmMain::debugText() const {
    return DebugBox->text();
}

bool FrmMain::hideHelpShortcuts() const {
    return ChkHide->checkState() == Qt::Checked;
}

// A button reads "&" as the mark of its shortcut letter; the user's "fun & games" shows as
// written when each "&" is doubled.
QString FrmMain::categoryCaption(int k) const {
    if (k < 0 || k >= kCategoryCount)
        return {};
    return Categories[static_cast<size_t>(k)]->text().replace(QStringLiteral("&&"),
                                                              QStringLiteral("&"));
}

void FrmMain::setCategoryCaption(int k, const QString& caption) {
    if (k >= 0 && k < kCategoryCount)
        Categories[static_cast<size_t>(k)]->setText(
            QString(caption).replace(QStringLiteral("&"), QStringLiteral("&&")));
}

QString FrmMain::messageText(int k) const {
    return k >= 1 && k <= kMessageCount ? Msg[static_cast<size_t>(k - 1)]->text() : QString();
}

void FrmMain::connectHandlers() {
    const auto onClick = [this](QPushButton* button, void (FrmMain::*handler)()) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    // Languages.
    onClick(CmdLanguageOK, &FrmMain::CmdLanguageOK_Click);
    onClick(Command4, &FrmMain::Command4_Click);
    // Introduction. A change of either skip box, by the user or by the settings, shows in
    // the other one.
    onClick(CContinue, &FrmMain::CContinue_Click);
    onClick(Command3, &FrmMain::Command3_Click);
    connect(DoNotShowAgain, &QCheckBox::stateChanged, this, &FrmMain::DoNotShowAgain_Click);
    // Menu. CLASSIFY, MODIFY, CLEAN UP and Settings have their handlers with the panel they
    // open.
    onClick(CAdd, &FrmMain::CAdd_Click);
    onClick(Command6, &FrmMain::Command6_Click);
    onClick(CShowPurges, &FrmMain::CShowPurges_Click);
    onClick(Command7, &FrmMain::Command7_Click);
    onClick(CExit, &FrmMain::CExit_Click);
    onClick(Command5, &FrmMain::Command5_Click);
    onClick(CReAnalyse, &FrmMain::CReAnalyse_Click);
    onClick(Command9, &FrmMain::Command9_Click);
    onClick(Command11, &FrmMain::Command11_Click);
    // Creation. A mouse press on a category button comes through eventFilter; the done
    // button of move mode (Command8) has its handler with the Modify panel.
    onClick(Command10, &FrmMain::Command10_Click);
    onClick(Command8, &FrmMain::Command8_Click);
    for (int k = 0; k < kCategoryCount; ++k) {
        QPushButton* button = Categories[static_cast<size_t>(k)];
        connect(button, &QPushButton::clicked, this, [this, k] { Categories_Click(k); });
        button->installEventFilter(this);
    }
    connect(MnuChangeCategorie, &QAction::triggered, this, &FrmMain::MnuChangeCategorie_Click);
    // Modify.
    onClick(CRemove, &FrmMain::CRemove_Click);
    onClick(CMove, &FrmMain::CMove_Click);
    onClick(Command2, &FrmMain::Command2_Click);
    // Purges.
    onClick(CPurge, &FrmMain::CPurge_Click);
    onClick(Command1, &FrmMain::Command1_Click);
    // Undo, on the three panels and by key.
    for (QPushButton* undo : {CmdUndoCreation, CmdUndoModify, CmdUndoPurges})
        onClick(undo, &FrmMain::Undo_Click);
    auto* undoKey = new QShortcut(QKeySequence::Undo, this);
    connect(undoKey, &QShortcut::activated, this, &FrmMain::Undo_Click);
    // Config.
    onClick(COK, &FrmMain::COK_Click);
    onClick(CmdChangeLanguage, &FrmMain::CmdChangeLanguage_Click);
    connect(DoNotShowAgain2, &QCheckBox::stateChanged, this, &FrmMain::DoNotShowAgain2_Click);
    // Only the user's choice of a prefix refills the boxes, never the chooser's own filling.
    connect(CboPrefix, &QComboBox::activated, this, &FrmMain::CboPrefix_Click);
    // Whatever changes a path box, the all-users line follows.
    connect(StartMenuCustomPath, &QLineEdit::textChanged, this, &FrmMain::ShowAllUsersPrograms);
    connect(ProgramsMenuCustomPath, &QLineEdit::textChanged, this, &FrmMain::ShowAllUsersPrograms);
    // The debug frame.
    onClick(CmdDebug, &FrmMain::CmdDebug_Click);
    // The window surface: a press on the picture comes through eventFilter.
    for (QRadioButton* option : Version)
        connect(option, &QRadioButton::clicked, this, &FrmMain::Version_Click);
    PreviewPicture->installEventFilter(this);
    About->installEventFilter(this);
    NotYet->installEventFilter(this);
    // The suggestion follows the current entry, whoever moved it, once the change is complete:
    // the widget reports its own changes while the list box is still updating.
    connect(NotYet->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FrmMain::ShowSuggestion, Qt::QueuedConnection);
    connect(notYetBox.get(), &QtListBox::countsChanged, this, &FrmMain::ShowSuggestion,
            Qt::QueuedConnection);
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        creationKeyPress(watched, *static_cast<QKeyEvent*>(event)))
        return true;
    // The menu key or Shift+F10 on a category button.
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard &&
        categoryContextMenu(watched))
        return true;
    // The second press of a double click comes as a double-click event.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == PreviewPicture) {
            PreviewPicture_MouseDown();
            // The picture is gone from under the mouse: the frame now takes the release.
            pictureHeld_ = true;
            About->grabMouse();
            return true;
        }
        for (int k = 0; k < kCategoryCount; ++k)
            if (watched == Categories[static_cast<size_t>(k)])
                Categories_MouseDown(k, mouse->button(), mouse->globalPosition().toPoint());
    } else if (event->type() == QEvent::MouseButtonRelease && pictureHeld_ &&
               (watched == PreviewPicture || watched == About)) {
        pictureHeld_ = false;
        About->releaseMouse();
        PreviewPicture_MouseUp();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool FrmMain::clearShownFilter() {
    const std::pair<QFrame*, ListFilter*> filtered[] = {
        {Creation, notYetFilter}, {Modify, listModifyFilter}, {Purges, purgeListFilter}};
    for (const auto& [panel, filter] : filtered)
        if (panel->isVisible())
            return filter->clear();
    return false;
}

void FrmMain::leavePanel(QFrame* panel) {
    panel->hide();
    ui_.pumpEvents();
}

void FrmMain::returnToMenu(QFrame* panel) {
    leavePanel(panel);
    tvn::RefreshClassified(tvn());
    SyncDesktopMenu();
    ShowMenu();
}

} // namespace tvn
