#pragma once

#include "catalogue/SelectedEntries.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tvn {

// The parts of the main window that the catalogue and store procedures read or act on,
// beside the lists. The main window implements it; the logic's tests use a plain fake.
class Window {
public:
    virtual ~Window() = default;

    // Refills the path boxes from the shell folders and opens the settings panel.
    virtual void ShowConfig() = 0;
    virtual void setPreviewPictureVisible(bool visible) = 0;
    virtual void setAbout2Visible(bool visible) = 0;

    // The progress label Label31: a folder counter during walks, a percentage during builds.
    virtual QString progressText() const = 0;
    virtual void setProgressText(const QString& text) = 0;

    // The debug text box; two exact texts switch checks off.
    virtual QString debugText() const = 0;
    // The "hide help, text and uninstall shortcuts" option is ticked (value 1).
    virtual bool hideHelpShortcuts() const = 0;

    // The caption of category button k (0 to 10): the category's name and folder name.
    virtual QString categoryCaption(int k) const = 0;
    virtual void setCategoryCaption(int k, const QString& caption) = 0;

    // The text of the hidden message label Msg<k> (1 to 12), set from the language file.
    virtual QString messageText(int k) const = 0;

    // Tells the user, in one message in the interface language, which entries of the action
    // just taken failed and why.
    virtual void ReportFailedEntries(const std::vector<FailedEntry>& entries) = 0;
    // Tells the user, in one message, which folders of the trees could not be read and were
    // left out of the lists.
    virtual void ReportUnreadableFolders(const QStringList& folders) = 0;
};

} // namespace tvn
