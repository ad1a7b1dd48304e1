#pragma once

#include "catalogue/SelectedEntries.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tvn {

// The texts of the window's messages and questions, set from the language file with the
// captions.
enum class Message {
    SelectShortcuts = 1,  // select one or more shortcuts
    WrongSettings,        // wrong configuration
    SettingsNotSaved,     // the configuration file could not be written
    SmallIconsHint,       // use small icons in the Start menu
    ResetBeforeChange,    // reset before changing an option?
    DeleteAllQuestion,    // delete all classifications?
    AllDeleted,           // all classifications deleted
    Description,          // what the program does (help)
    NewCategoryPrompt,    // the name of the new category
    RenameQuestionStart,  // carry the copies over: up to the old name
    RenameQuestionMiddle, // between the two names
    RenameQuestionEnd,    // after the new name
};

// The parts of the main window that the catalogue and store procedures read or act on,
// beside the lists. The main window implements it; the logic's tests use a plain fake.
class Window {
public:
    virtual ~Window() = default;

    // Refills the path boxes from the shell folders and opens the settings panel.
    virtual void showConfig() = 0;
    virtual void setLanguagePictureVisible(bool visible) = 0;
    virtual void setHelpCoverVisible(bool visible) = 0;

    // The progress line under the panels: a folder counter during walks, a percentage during
    // builds.
    virtual QString progressText() const = 0;
    virtual void setProgressText(const QString& text) = 0;

    // The debug text box; two exact texts switch checks off.
    virtual QString debugText() const = 0;
    // The "hide help, text and uninstall shortcuts" option is ticked (value 1).
    virtual bool hideHelpShortcuts() const = 0;

    // The caption of category button k (0 to 10): the category's name and folder name.
    virtual QString categoryCaption(int k) const = 0;
    virtual void setCategoryCaption(int k, const QString& caption) = 0;

    virtual QString messageText(Message message) const = 0;

    // Tells the user, in one message in the interface language, which entries of the action
    // just taken failed and why, and whether the others of its selection were handled.
    virtual void reportFailedEntries(const std::vector<FailedEntry>& entries,
                                     bool othersHandled) = 0;
    // Tells the user, in one message, which folders of the trees could not be read and were
    // left out of the lists.
    virtual void reportUnreadableFolders(const QStringList& folders) = 0;

    // Brings the desktop's menu in step with the category folders on disk, without waiting for
    // it; a window without such a menu has nothing to do.
    virtual void syncDesktopMenu() {}
};

} // namespace tvn
