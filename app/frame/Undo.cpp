#include "store/Undo.h"

#include "app/frame/MainWindow.h"
#include "app/panels/CreationPanel.h"
#include "app/panels/ListPanel.h"
#include "app/panels/MenuPanel.h"
#include "app/widgets/QtListBox.h"
#include "catalogue/CatalogueList.h"
#include "catalogue/SystemAnalysis.h"
#include "i18n/BuiltInTexts.h"
#include "i18n/NoticeTexts.h"
#include "platform/FailureCause.h"
#include "platform/Paths.h"
#include "platform/Ui.h"
#include "store/ModifyList.h"
#include "store/OrphanPurge.h"

#include <algorithm>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QSet>

// Undo: each panel takes back its own last action, several steps back within the session. The
// journal under the file system keeps what each action changed; here the panels record their
// actions, and after an undo rebuild their lists as they do when they open.

namespace tvn {

void MainWindow::setUndoJournal(UndoJournal& journal) {
    journal_ = &journal;
    journal.setDeleteForGoodQuestion([this](const QString& path) {
        // The shortcut as the lists name it, and the category folder it lies in.
        const QFileInfo file(path);
        const QString name = file.suffix().compare(u"lnk", Qt::CaseInsensitive) == 0
                                 ? file.completeBaseName()
                                 : file.fileName();
        return ui_.message(builtInText(BuiltInText::DeleteForGood, state_.languageIndex)
                               .arg(name, file.dir().dirName()),
                           {}, Buttons::YesNoNoFirst, Icon::Exclamation) == Answer::Yes;
    });
    enableUndoButtons();
}

void MainWindow::undoable(UndoScope scope, const std::function<void()>& action) {
    if (journal_)
        recordUndoable(tvn(), *journal_, scope, action);
    else
        action();
    enableUndoButtons();
}

UndoScope MainWindow::creationScope() const {
    return state_.moveMode ? UndoScope::Moving : UndoScope::Creation;
}

std::optional<UndoScope> MainWindow::shownUndoScope() const {
    if (creation_->isVisible())
        return creationScope();
    if (modify_->isVisible())
        return UndoScope::Modify;
    if (purges_->isVisible())
        return UndoScope::Purges;
    if (menu_->isVisible())
        return UndoScope::Menu;
    return std::nullopt;
}

void MainWindow::undoRequested() {
    const auto scope = shownUndoScope();
    if (!scope)
        return;
    // The error report names the failure of this undo only.
    clearLastFailure();
    const UndoOutcome outcome = journal_ ? undoLastAction(tvn(), *journal_, *scope)
                                         : UndoOutcome{UndoOutcome::Result::Nothing};
    switch (outcome.result) {
    case UndoOutcome::Result::Nothing:
        ui_.beep();
        return;
    case UndoOutcome::Result::Outdated:
        ui_.message((outcome.reason == UndoOutcome::Reason::GoneFromTrash
                         ? noticeText(NoticeText::UndoGoneFromTrash, state_.languageIndex)
                         : builtInText(BuiltInText::UndoOutdated, state_.languageIndex))
                        .arg(outcome.what),
                    {}, Buttons::Ok, Icon::Exclamation);
        enableUndoButtons();
        return;
    case UndoOutcome::Result::Failed:
        reportUnexpectedError(ui_);
        break;
    case UndoOutcome::Result::Undone:
        break;
    }
    reloadAfterUndo(*scope, outcome.restored);
    enableUndoButtons();
}

void MainWindow::reloadAfterUndo(UndoScope scope, const QStringList& restored) {
    switch (scope) {
    case UndoScope::Creation: {
        QtListBox& unclassified = creation_->unclassified();
        // The shortcuts taken back are the ones the list did not show: they come back selected.
        const auto shown = [this, &unclassified] {
            QSet<QString> entries;
            for (int k = 0; k < unclassified.count(); ++k)
                entries.insert(joinPath(unclassifiedFolders.at(k), unclassified.at(k)));
            return entries;
        };
        const QSet<QString> before = shown();
        leavePanel(creation_);
        tvn::refreshClassified(tvn());
        openCreationPanel();
        QList<int> back;
        for (int k = 0; k < unclassified.count(); ++k)
            if (!before.contains(joinPath(unclassifiedFolders.at(k), unclassified.at(k))))
                back.append(k);
        if (unclassified.count() > 0)
            unclassified.selectOnly(back.isEmpty() ? 0 : back.front());
        for (int k : back)
            unclassified.setSelected(k, true);
        syncDesktopMenuSoon();
        break;
    }
    case UndoScope::Moving: {
        // The copies to move are not on disk to be listed again: the ones put back return to
        // the list, selected, each with its folder.
        QtListBox& unclassified = creation_->unclassified();
        CatalogueList toMove = notYetList(tvn().lists);
        for (int k = 0; k < toMove.count(); ++k)
            unclassified.setSelected(k, false);
        for (const QString& path : restored) {
            const qsizetype separator = path.lastIndexOf(QChar(kPathSeparator));
            const int k = toMove.add(displayName(path.mid(separator + 1)), path.left(separator));
            unclassified.setSelected(k, true);
        }
        creation_->focusList();
        break;
    }
    case UndoScope::Modify:
        leavePanel(modify_);
        reloadModifyList(tvn());
        showModify();
        if (modify_->entries().count() > 0)
            modify_->entries().selectOnly(0);
        break;
    case UndoScope::Purges:
        leavePanel(purges_);
        tvn::refreshClassified(tvn());
        tvn::buildPurgeList(tvn());
        showPurges();
        if (purges_->entries().count() > 0)
            purges_->entries().selectOnly(0);
        break;
    case UndoScope::Menu: {
        leavePanel(menu_);
        tvn::analyseSystem(tvn());
        // The copies are back: so are their desktop menu entries.
        syncDesktopMenu();
        if (state_.scanFailed)
            break;
        showMenu();
        // Nothing on the menu shows the copies: the user is told they are back.
        const auto copies =
            std::count_if(restored.begin(), restored.end(), [](const QString& path) {
                return path.endsWith(QStringLiteral(".lnk"), Qt::CaseInsensitive);
            });
        ui_.message(
            builtInText(BuiltInText::ResetUndone, state_.languageIndex).arg(qint64(copies)));
        break;
    }
    }
}

void MainWindow::showUndoTexts() {
    const QString caption = builtInText(BuiltInText::Undo, state_.languageIndex);
    const QString tip = builtInText(BuiltInText::UndoTip, state_.languageIndex);
    creation_->showUndoTexts(caption, tip);
    modify_->showUndoTexts(caption, tip);
    purges_->showUndoTexts(caption, tip);
}

void MainWindow::enableUndoButtons() {
    const auto has = [this](UndoScope scope) {
        return journal_ && journal_->lastEntry(scope) != nullptr;
    };
    creation_->enableUndo(has(creationScope()));
    modify_->enableUndo(has(UndoScope::Modify));
    purges_->enableUndo(has(UndoScope::Purges));
}

} // namespace tvn
