#include "tidy/Tidy.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/HelpShortcutFilter.h"
#include "catalogue/ProgramHosts.h"
#include "catalogue/ProgramsTrees.h"
#include "catalogue/ShellLinkFields.h"
#include "catalogue/SystemAnalysis.h"
#include "catalogue/UnclassifiedList.h"
#include "catalogue/Window.h"
#include "desktopmenu/DesktopMenuSync.h"
#include "platform/Paths.h"
#include "platform/ProtectedFileSystem.h"
#include "platform/ShellFolders.h"
#include "platform/SystemLanguage.h"
#include "store/CategoryFiles.h"
#include "store/CategoryFolders.h"
#include "store/CategoryNames.h"
#include "store/CategoryRename.h"
#include "store/Classification.h"
#include "store/ClassifiedChoices.h"
#include "store/ConfigFile.h"
#include "store/SettingsCheck.h"
#include "store/Undo.h"
#include "tidy/TidyRecord.h"
#include "tidy/TidyTexts.h"

#include <QDir>
#include <QSet>

#ifndef _WIN32
#include "platform/WineShellFolders.h"
#endif

namespace tvn {

Answer ConsoleUi::message(const QString& text, const QString& title, Buttons buttons, Icon,
                          const QString& details) {
    err_ << (title.isEmpty() ? QString() : title + QStringLiteral(": ")) << text << Qt::endl;
    if (!details.isEmpty())
        err_ << details << Qt::endl;
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNoCancel:
        return Answer::Cancel;
    case Buttons::YesNo:
    case Buttons::YesNoNoFirst:
        return Answer::No;
    }
    return Answer::No;
}

QString tidyShortcutKey(const QString& folder, const QString& name) {
    return caseFoldedName(joinPath(folder, name + QStringLiteral(".lnk")));
}

std::vector<TidyChoice> sureChoices(const Tvn& tvn, const CategorySuggester& suggester,
                                    const CluesOf& cluesOf,
                                    const std::function<bool(const QString& path)>& isNew,
                                    int& waiting) {
    std::vector<TidyChoice> choices;
    waiting = 0;
    const ListBox& names = tvn.lists.notYet;
    const ListBox& folders = tvn.lists.notYetDirs;
    for (int k = 0; k < names.count(); ++k) {
        const QString name = names.at(k);
        if (isHelpShortcutName(name))
            continue;
        if (!isNew(tidyShortcutKey(folders.at(k), name))) {
            ++waiting;
            continue;
        }
        const ShortcutClues clues = cluesOf(name, folders.at(k));
        const int chosen = suggester.chosenCategory(clues);
        if (chosen >= 0) {
            choices.push_back({k, chosen, TidyReason::ChosenBefore});
            continue;
        }
        const Suggestion suggested = suggester.suggest(clues);
        const int vendor = suggester.vendorCategory(clues);
        if (vendor >= 0 && (!suggested.isSure() || suggested.category == vendor))
            choices.push_back({k, vendor, TidyReason::VendorFolder});
        else if (suggested.isSure())
            choices.push_back({k, suggested.category, TidyReason::KnownProgram});
        else
            ++waiting;
    }
    return choices;
}

std::optional<TidyOptions> parseTidyOptions(const QStringList& arguments, int languageIndex,
                                            QString& error) {
    TidyOptions options;
    for (qsizetype k = 0; k < arguments.size(); ++k) {
        const QString argument = arguments.at(k);
        if (argument == QLatin1String("--dry-run")) {
            options.dryRun = true;
        } else if (argument == QLatin1String("--watch")) {
            options.watch = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else if (argument.startsWith(QLatin1String("--start-menu")) ||
                   argument.startsWith(QLatin1String("--prefix"))) {
            const qsizetype equals = argument.indexOf(u'=');
            const QString option = equals < 0 ? argument : argument.left(equals);
            if (option != QLatin1String("--start-menu") && option != QLatin1String("--prefix")) {
                error = tidyText(TidyText::UnknownOption, languageIndex).arg(argument);
                return std::nullopt;
            }
            QString folder;
            if (equals >= 0)
                folder = argument.mid(equals + 1);
            else if (k + 1 < arguments.size())
                folder = arguments.at(++k);
            if (folder.isEmpty()) {
                error = tidyText(TidyText::MissingFolder, languageIndex).arg(option);
                return std::nullopt;
            }
            (option == QLatin1String("--prefix") ? options.prefix : options.startMenu) = folder;
        } else {
            error = tidyText(TidyText::UnknownOption, languageIndex).arg(argument);
            return std::nullopt;
        }
    }
    return options;
}

// The window as the catalogue and store procedures see it, with nothing on screen: what they
// report is kept for the tidy's own report.
class TidySession::HeadlessWindow final : public Window {
public:
    explicit HeadlessWindow(const ProgramState& state)
        : state_(state) {}
    void showConfig() override {}
    void setLanguagePictureVisible(bool) override {}
    void setHelpCoverVisible(bool) override {}
    QString progressText() const override { return {}; }
    void setProgressText(const QString&) override {}
    QString debugText() const override { return {}; }
    bool hideHelpShortcuts() const override { return true; }
    QString categoryCaption(int k) const override { return captions.at(static_cast<size_t>(k)); }
    void setCategoryCaption(int k, const QString& caption) override {
        captions.at(static_cast<size_t>(k)) = caption;
    }
    QString messageText(Message message) const override {
        return message == Message::WrongSettings
                   ? tidyText(TidyText::Unreadable, state_.languageIndex)
                         .arg(QDir::toNativeSeparators(state_.startMenuPath))
                   : QString();
    }
    void reportFailedEntries(const std::vector<FailedEntry>& entries, bool) override {
        failed.insert(failed.end(), entries.begin(), entries.end());
    }
    void reportUnreadableFolders(const QStringList& folders) override {
        unreadable.append(folders);
    }

    std::array<QString, kCategoryCount> captions;
    std::vector<FailedEntry> failed;
    QStringList unreadable;

private:
    const ProgramState& state_;
};

TidySession::TidySession(FileSystem& disk, UndoJournal& journal, ProtectedFileSystem& guard, Ui& ui,
                         ShellFolders& shellFolders, ProgramFolders folders)
    : disk_(disk)
    , journal_(journal)
    , guard_(guard)
    , ui_(ui)
    , shellFolders_(shellFolders)
    , window_(std::make_unique<HeadlessWindow>(state_)) {
    state_.appFolder = folders.appFolder;
    state_.shippedFolder = folders.shippedFolder;
    tvn_ = std::make_unique<Tvn>(Tvn{state_,
                                     disk_,
                                     ui_,
                                     {progs_, progsDirs_, fast_, fastDirs_, notYet_, notYetDirs_,
                                      purgeList_, purgeDirs_, listModify_},
                                     *window_,
                                     &shellFolders_,
                                     [this](const QStringList& trees) {
                                         guard_.setProtectedFolders(trees + dryRunGuarded_);
                                     }});
}

TidySession::~TidySession() = default;

std::optional<TidyReport> TidySession::settle(const TidyOptions& options, const QString& homeFolder,
                                              const QString& currentFolder) {
    // A dry run changes nothing, not even the program's own files.
    dryRunGuarded_ = options.dryRun ? QStringList{state_.appFolder} : QStringList{};
    guard_.setProtectedFolders(dryRunGuarded_);
    ConfigRecords records;
    const int read = readConfigFile(
        disk_, joinPath(state_.appFolder, QString::fromUtf16(kConfigFileName)), records);
    // The language is the sixth record.
    state_.languageIndex = read >= 6 ? records.languageIndex : systemLanguageIndex();
    const int language = state_.languageIndex;
    const auto refused = [](QString problem) {
        return TidyReport{TidyReport::Status::FolderRefused, std::move(problem)};
    };

    QString startMenu;
    QString programs;
    if (!options.prefix.isEmpty()) {
        const QString prefix = resolvedFolder(options.prefix, homeFolder, currentFolder);
        shellFolders_.setPrefix(prefix);
        startMenu = shellFolders_.shellFolder(QStringLiteral("Start Menu"));
        programs = shellFolders_.shellFolder(QStringLiteral("Programs"));
        if (startMenu.isEmpty())
            return refused(tidyText(TidyText::NoStartMenuInPrefix, language)
                               .arg(QDir::toNativeSeparators(prefix)));
    } else if (!options.startMenu.isEmpty()) {
        startMenu = resolvedFolder(options.startMenu, homeFolder, currentFolder);
#ifndef _WIN32
        // The Programs folder the prefix's registry names, when the Start Menu is a prefix's.
        shellFolders_.setPrefix(WineShellFolders::prefixHolding(startMenu));
        programs = shellFolders_.shellFolder(QStringLiteral("Programs"));
#endif
        if (!programs.startsWith(startMenu + u'/', Qt::CaseInsensitive))
            programs = joinPath(startMenu, QStringLiteral("Programs"));
    } else if (records.configured && read == kConfigRecordCount) {
        startMenu = records.startMenuPath;
        programs = records.programsPath;
#ifndef _WIN32
        shellFolders_.setPrefix(WineShellFolders::prefixHolding(startMenu));
#endif
    } else {
        return TidyReport{TidyReport::Status::NoSettings,
                          tidyText(TidyText::NoSettings, language)
                              .arg(QDir::toNativeSeparators(state_.appFolder))};
    }
    if (const auto problem = settingsProblem(disk_, startMenu, programs, homeFolder))
        return refused(
            tidyText(problem->box == SettingsProblem::Box::StartMenu ? TidyText::StartMenuRefused
                                                                     : TidyText::ProgramsRefused,
                     language)
                .arg(QDir::toNativeSeparators(
                         problem->box == SettingsProblem::Box::StartMenu ? startMenu : programs),
                     tidyFolderProblemText(static_cast<int>(problem->problem), language)));
    if (options.dryRun)
        dryRunGuarded_.append(startMenu);
    guard_.setProtectedFolders(dryRunGuarded_);
    state_.configured = true;
    state_.startMenuPath = startMenu;
    state_.programsPath = programs;
    state_.windowsDrive =
        records.windowsDrive.isEmpty() ? state_.windowsDrive : records.windowsDrive;
    readCustomCategories(*tvn_);
    // Without the shipped data files beside it the categories have no names to file into.
    for (int k = 0; k < kCategoryCount; ++k)
        if (!isValidCategoryName(window_->categoryCaption(k)))
            return TidyReport{TidyReport::Status::NoSettings,
                              tidyText(TidyText::NoSettings, language)
                                  .arg(QDir::toNativeSeparators(state_.appFolder))};
    return std::nullopt;
}

ShortcutClues TidySession::cluesOf(const QString& name, const QString& folder) const {
    ShortcutClues clues{name, foldersBelowPrograms(state_, folder), {}, {}};
    const ShellLinkFields fields =
        readShellLink(disk_, joinPath(folder, name + QStringLiteral(".lnk")))
            .value_or(ShellLinkFields{});
    clues.description = fields.description;
    clues.targetPath = programPathOf(name, fields);
    return clues;
}

QStringList TidySession::programsTrees() const {
    QStringList trees{state_.programsPath};
    if (!state_.allUsersProgramsPath.isEmpty())
        trees.append(state_.allUsersProgramsPath);
    return trees;
}

TidyReport TidySession::tidy(const std::function<void(Tvn&)>& syncMenu) {
    Tvn& tvn = *tvn_;
    const bool dryRun = !dryRunGuarded_.isEmpty();
    window_->failed.clear();
    state_.scanFailed = false;
    // From now on nothing inside the Programs trees may change, whatever the later steps do.
    updateProgramsTrees(tvn);
    if (!dryRun) {
        // What a copy killed mid-way left behind is the program's own.
        removeLeftoverTemporaries(tvn);
        finishInterruptedRename(tvn);
    }
    analyseSystem(tvn);
    if (state_.scanFailed)
        return {TidyReport::Status::Unreadable,
                tidyText(TidyText::Unreadable, state_.languageIndex)
                    .arg(QDir::toNativeSeparators(state_.startMenuPath))};
    buildNotYetList(tvn);
    if (!suggesterLoaded_) {
        suggesterLoaded_ = true;
        addShippedSuggestionData(suggester_, disk_, [this](const QString& fileName) {
            return dataFilePath(disk_, state_.dataFolders(), fileName);
        });
    }
    learnClassifiedChoices(tvn, suggester_);

    TidyRecord record(disk_, state_.appFolder);
    const std::optional<QSet<QString>> seen = record.seen(state_.startMenuPath);
    TidyReport report;
    const std::vector<TidyChoice> choices = sureChoices(
        tvn, suggester_,
        [this](const QString& name, const QString& folder) { return cluesOf(name, folder); },
        [&seen](const QString& path) { return !seen || !seen->contains(path); }, report.waiting);
    for (const TidyChoice& choice : choices)
        report.filed.push_back({notYet_.at(choice.entry), notYetDirs_.at(choice.entry),
                                window_->categoryCaption(choice.category), choice.reason});
    if (dryRun)
        return report;
    QStringList chosenKeys;
    for (const TidyFiled& filed : report.filed)
        chosenKeys.append(tidyShortcutKey(filed.folder, filed.name));

    if (!choices.empty()) {
        std::vector<EntryCategory> entries;
        for (const TidyChoice& choice : choices)
            entries.push_back({choice.entry, choice.category});
        const size_t before = journal_.entries().size();
        recordUndoable(tvn, journal_, UndoScope::Creation,
                       [&tvn, &entries] { classifyEntries(tvn, entries); });
        if (journal_.entries().size() > before)
            report.undo = journal_.entries().back();
        report.failed = window_->failed;
    }
    // What is still unclassified was not filed, whatever the reason.
    QSet<QString> left;
    for (int k = 0; k < notYet_.count(); ++k)
        left.insert(tidyShortcutKey(notYetDirs_.at(k), notYet_.at(k)));
    std::erase_if(report.filed, [&left](const TidyFiled& filed) {
        return left.contains(tidyShortcutKey(filed.folder, filed.name));
    });
    // A shortcut that should have been filed and was not is tried again at the next tidy.
    QSet<QString> shortcuts;
    for (int k = 0; k < progs_.count(); ++k)
        shortcuts.insert(tidyShortcutKey(progsDirs_.at(k), displayName(progs_.at(k))));
    for (const QString& chosen : chosenKeys)
        if (left.contains(chosen))
            shortcuts.remove(chosen);
    record.setSeen(state_.startMenuPath, shortcuts);
    if (report.undo) {
        QStringList lines;
        for (const TidyFiled& filed : report.filed)
            lines.append(tidyText(TidyText::FiledLine, state_.languageIndex)
                             .arg(filed.name, filed.category));
        record.setLastTidy(LastTidy{state_.startMenuPath, *report.undo, lines});
    }
    record.save();
    if (syncMenu)
        syncMenu(tvn);
    return report;
}

void printTidyReport(const TidyReport& report, bool dryRun, int languageIndex, QTextStream& out,
                     QTextStream& err) {
    if (report.status != TidyReport::Status::Done) {
        err << report.problem << Qt::endl;
        return;
    }
    for (const TidyFiled& filed : report.filed)
        out << tidyText(dryRun ? TidyText::WouldFileLine : TidyText::FiledLine, languageIndex)
                   .arg(QDir::toNativeSeparators(
                            joinPath(filed.folder, filed.name + QStringLiteral(".lnk"))),
                        filed.category)
            << Qt::endl;
    for (const FailedEntry& failed : report.failed)
        err << tidyText(TidyText::NotFiledLine, languageIndex).arg(failed.name, failed.details)
            << Qt::endl;
    if (dryRun)
        out << tidyText(TidyText::DrySummary, languageIndex)
                   .arg(report.filed.size())
                   .arg(report.waiting)
            << Qt::endl;
    else
        out << tidyText(TidyText::Summary, languageIndex)
                   .arg(report.filed.size())
                   .arg(report.waiting)
                   .arg(report.failed.size())
            << Qt::endl;
}

int tidyExitCode(const TidyReport& report) {
    if (report.status != TidyReport::Status::Done)
        return 2;
    return report.failed.empty() ? 0 : 4;
}

UndoOutcome undoLastTidy(Tvn& tvn, UndoJournal& journal) {
    TidyRecord record(tvn.fs, tvn.state.appFolder);
    std::optional<LastTidy> last = record.lastTidy();
    if (!last || last->startMenu != tvn.state.startMenuPath)
        return {UndoOutcome::Result::Nothing};
    journal.adoptEntry(std::move(last->entry));
    const UndoOutcome outcome = undoLastAction(tvn, journal, UndoScope::Creation);
    if (outcome.result != UndoOutcome::Result::Failed) {
        record.setLastTidy(std::nullopt);
        record.save();
    }
    return outcome;
}

void syncDesktopMenuNow(Tvn& tvn) {
    const DesktopMenuRequest request =
        desktopMenuRequest(tvn, DesktopMenuEnvironment::fromSystem());
    if (request.support == DesktopMenuSupport::Available)
        syncDesktopMenu(request);
}

} // namespace tvn
