#include "app/frame/MainWindow.h"
#include "app/panels/ConfigPanel.h"
#include "i18n/NoticeTexts.h"
#include "platform/Ui.h"

// The settings panel's refusal of a folder: which box, what is wrong with it and the folder as
// it was understood, all in the interface language.

namespace tvn {

namespace {

NoticeText problemText(FolderProblem problem) {
    switch (problem) {
    case FolderProblem::Empty:
        return NoticeText::FolderEmpty;
    case FolderProblem::Quote:
        return NoticeText::FolderQuote;
    case FolderProblem::TooLong:
        return NoticeText::FolderTooLong;
    case FolderProblem::Missing:
        return NoticeText::FolderMissing;
    case FolderProblem::NotAFolder:
        return NoticeText::FolderIsAFile;
    case FolderProblem::Unreadable:
        return NoticeText::FolderUnreadable;
    case FolderProblem::FileSystemRoot:
        return NoticeText::FolderIsADisk;
    case FolderProblem::HomeFolder:
        return NoticeText::FolderIsHome;
    case FolderProblem::WindowsFolder:
        return NoticeText::FolderIsWindows;
    case FolderProblem::OutsideStartMenu:
        return NoticeText::ProgramsOutsideStartMenu;
    case FolderProblem::SharedFolder:
        return NoticeText::FolderIsShared;
    case FolderProblem::SystemFolder:
        break;
    }
    return NoticeText::FolderIsSystem;
}

} // namespace

void MainWindow::reportSettingsProblem(const SettingsProblem& problem) {
    const int language = state_.languageIndex;
    const bool startMenu = problem.box == SettingsProblem::Box::StartMenu;
    const QString folder = startMenu ? config_->startMenuPath() : config_->programsPath();
    const QString text =
        noticeText(NoticeText::SettingsProblem, language)
            .arg(noticeText(startMenu ? NoticeText::StartMenuBox : NoticeText::ProgramsBox,
                            language),
                 noticeText(problemText(problem.problem), language), folder);
    ui_.message(text, noticeText(NoticeText::SettingsTitle, language), Buttons::Ok,
                Icon::Exclamation);
}

} // namespace tvn
