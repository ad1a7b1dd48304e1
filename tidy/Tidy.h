#pragma once

#include "catalogue/CategorySuggestion.h"
#include "catalogue/Tvn.h"
#include "catalogue/VectorListBox.h"
#include "platform/ProgramFolders.h"
#include "platform/Ui.h"
#include "store/Undo.h"
#include "store/UndoJournal.h"

#include <functional>
#include <memory>
#include <optional>
#include <QTextStream>
#include <vector>

namespace tvn {

class ProtectedFileSystem;
class ShellFolders;

// Answers every question as its safe default and writes every message to standard error: the
// tidy has nobody to ask.
class ConsoleUi final : public Ui {
public:
    explicit ConsoleUi(QTextStream& err)
        : err_(err) {}
    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                   const QString& details) override;
    QString input(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
    void beep() override {}
    void pumpEvents() override {}
    void showModal(ModalWindow&) override {}
    void endProgram() override {}

private:
    QTextStream& err_;
};

// Why a shortcut's category is sure.
enum class TidyReason {
    ChosenBefore, // the user filed the same program before, in this Start Menu or another
    VendorFolder, // every classified shortcut of its vendor folder lies in that category
    KnownProgram, // the suggestion is sure: the shortcut names a known program
};

struct TidyChoice {
    int entry; // in NotYet
    int category;
    TidyReason reason;
};

// What the suggester says of one shortcut.
using CluesOf = std::function<ShortcutClues(const QString& name, const QString& folder)>;

// Picks among the unclassified shortcuts (NotYet) the new ones (`isNew`) whose category is
// sure; help, read-me and uninstall shortcuts are never picked. `waiting` counts the others that
// CLASSIFY lists. The user's choice for the program comes first; a vendor folder's one category
// only when the suggestion does not surely point elsewhere.
std::vector<TidyChoice> sureChoices(const Tvn& tvn, const CategorySuggester& suggester,
                                    const CluesOf& cluesOf,
                                    const std::function<bool(const QString& path)>& isNew,
                                    int& waiting);

// A shortcut's path as the tidy's record keeps it.
QString tidyShortcutKey(const QString& folder, const QString& name);

// Where the tidy works and what it was told.
struct TidyOptions {
    bool dryRun = false;
    bool watch = false;
    bool help = false;
    QString startMenu;
    QString prefix;
};

// The options after "tidy"; on a wrong one, the message in `error`.
std::optional<TidyOptions> parseTidyOptions(const QStringList& arguments, int languageIndex,
                                            QString& error);

struct TidyFiled {
    QString name;
    QString folder;
    QString category;
    TidyReason reason;
};

struct TidyReport {
    enum class Status { Done, NoSettings, FolderRefused, Unreadable };
    Status status = Status::Done;
    // Why it did not run, in the interface language.
    QString problem = {};
    std::vector<TidyFiled> filed = {};
    int waiting = 0;
    std::vector<FailedEntry> failed = {};
    // The journal's record of what this tidy changed, when it changed anything.
    std::optional<UndoEntry> undo = {};
};

// One Start Menu tidied without a window: the program's own analysis, suggestion, copies and
// desktop menu, on the file system stack the window uses (the journal records each tidy as
// one action; the guard keeps the Programs trees, and in a dry run everything, unchanged).
class TidySession {
public:
    TidySession(FileSystem& disk, UndoJournal& journal, ProtectedFileSystem& guard, Ui& ui,
                ShellFolders& shellFolders, ProgramFolders folders);
    ~TidySession();

    int languageIndex() const { return state_.languageIndex; }
    const ProgramState& state() const { return state_; }
    Tvn& tvn() { return *tvn_; }

    // Reads the settings, or takes the folders the options name instead; the problem, in the
    // interface language, when there is none to work on. From a dry run's on, nothing changes.
    std::optional<TidyReport> settle(const TidyOptions& options, const QString& homeFolder,
                                     const QString& currentFolder);
    // Files the new shortcuts whose category is sure, syncs the desktop menu (`syncMenu`, when
    // given) and keeps the record for the next tidy. A dry run only says what it would file.
    TidyReport tidy(const std::function<void(Tvn&)>& syncMenu = {});
    // The Programs folders to watch and the folders above them.
    QStringList programsTrees() const;

private:
    class HeadlessWindow;
    ShortcutClues cluesOf(const QString& name, const QString& folder) const;

    FileSystem& disk_;
    UndoJournal& journal_;
    ProtectedFileSystem& guard_;
    Ui& ui_;
    ShellFolders& shellFolders_;
    ProgramState state_;
    std::unique_ptr<HeadlessWindow> window_;
    VectorListBox progs_, progsDirs_, fast_, fastDirs_, notYet_{true}, notYetDirs_,
        purgeList_{true}, purgeDirs_, listModify_;
    std::unique_ptr<Tvn> tvn_;
    CategorySuggester suggester_;
    bool suggesterLoaded_ = false;
    // What a dry run keeps from any change besides the Programs trees.
    QStringList dryRunGuarded_;
};

// The summary and the line per shortcut filed, in the interface language.
void printTidyReport(const TidyReport& report, bool dryRun, int languageIndex, QTextStream& out,
                     QTextStream& err);

// The exit status of a tidy: 0 done, 2 no settings or a folder refused, 4 some shortcuts failed.
int tidyExitCode(const TidyReport& report);

// Takes the last tidy of the Start Menu in use back as one action, through the journal, as the
// window's Undo takes back its own; the record forgets it once it is taken back or no longer
// can be.
UndoOutcome undoLastTidy(Tvn& tvn, UndoJournal& journal);

// The desktop menu brought in step with the category folders, at once (Linux).
void syncDesktopMenuNow(Tvn& tvn);

} // namespace tvn
