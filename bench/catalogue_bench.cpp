// Times the catalogue and the classification store on synthetic Start Menus of 1,000, 10,000
// and 100,000 shortcuts, with the real Qt event pump, list widgets and progress label: the
// full analysis (alone, and followed by reading the link fields of every unclassified shortcut),
// the unclassified and purge list builds, classifying 1 % of the shortcuts, purging as many
// orphans and resetting the copies (a tenth of the shortcuts). Where the shell does the same disk
// work (find, cp, rm, mv) that command is timed alongside on the same files.
//
//     catalogue_bench [--runs N] [--sizes 1000,10000,100000] [--keep DIR]
//
// --keep DIR writes the trees into DIR and leaves them there; a later run reuses them.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise. Every figure is the
// best of N runs (default 5) after one warm-up run, so the trees are in the page cache.

#include "app/widgets/QtListBox.h"
#include "catalogue/Categories.h"
#include "catalogue/CategorySuggestion.h"
#include "catalogue/HelpShortcutFilter.h"
#include "catalogue/ShellLinkFields.h"
#include "catalogue/SystemAnalysis.h"
#include "catalogue/Tvn.h"
#include "catalogue/UnclassifiedList.h"
#include "catalogue/VectorListBox.h"
#include "dialogs/QtUi.h"
#include "platform/PosixFileSystem.h"
#include "platform/ProtectedFileSystem.h"
#include "platform/Ui.h"
#include "store/Classification.h"
#include "store/OrphanPurge.h"
#include "store/Reset.h"
#include "tools/demoprefix/ShellLinkFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QSet>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tvn {
namespace {

[[noreturn]] void fail(const QString& what) {
    std::fprintf(stderr, "catalogue_bench: %s\n", qPrintable(what));
    std::exit(1);
}

// The real event pump. The reset's closing message is the only dialog expected; any other
// means the bench itself went wrong.
class BenchUi final : public Ui {
public:
    Answer message(const QString& text, const QString&, Buttons, Icon, const QString&) override {
        if (expectedMessages_ == 0)
            fail(QStringLiteral("unexpected message: ") + text);
        --expectedMessages_;
        return Answer::Ok;
    }
    QString input(const QString& prompt, const QString&, const QString&) override {
        fail(QStringLiteral("unexpected input dialog: ") + prompt);
    }
    QString chooseFolder(const QString& title, const QString&) override {
        fail(QStringLiteral("unexpected folder dialog: ") + title);
    }
    void beep() override {}
    void pumpEvents() override { qt_.pumpEvents(); }
    void showModal(ModalWindow& window) override { window.execModal(); }
    void endProgram() override { fail(QStringLiteral("program ended")); }

    void expectMessage() { ++expectedMessages_; }

private:
    QtUi qt_;
    int expectedMessages_ = 0;
};

// The parts of the main window the catalogue uses, with a real, visible progress label.
class BenchWindow final : public Window {
public:
    BenchWindow() {
        auto* layout = new QVBoxLayout(&widget_);
        layout->addWidget(new QLabel(QStringLiteral("VI PREGO DI ATTENDERE..."), &widget_));
        label_ = new QLabel(&widget_);
        layout->addWidget(label_);
        widget_.resize(390, 80);
        widget_.show();
    }

    void showConfig() override { fail(QStringLiteral("the analysis opened the settings")); }
    void setLanguagePictureVisible(bool) override {}
    void setHelpCoverVisible(bool) override {}
    QString progressText() const override { return label_->text(); }
    void setProgressText(const QString& text) override { label_->setText(text); }
    QString debugText() const override { return {}; }
    bool hideHelpShortcuts() const override { return true; }
    QString categoryCaption(int k) const override {
        return builtInCategoryCaptions().at(static_cast<size_t>(k));
    }
    void setCategoryCaption(int, const QString&) override {}
    QString messageText(Message message) const override {
        return QStringLiteral("message %1").arg(static_cast<int>(message));
    }
    void reportFailedEntries(const std::vector<FailedEntry>&, bool) override {}
    void reportUnreadableFolders(const QStringList&) override {}

private:
    QWidget widget_;
    QLabel* label_ = nullptr;
};

// The lists as in the main window: the hidden ones plain vectors, the visible ones
// (unclassifiedList, orphansList, copiesList) the window's own list box adapter over a list widget.
struct Lists {
    VectorListBox progs, progsDirs, fast, fastDirs;
    QListWidget notYetWidget, purgeWidget, modifyWidget;
    QtListBox notYet{notYetWidget, true};
    VectorListBox notYetDirs;
    QtListBox purgeList{purgeWidget, true};
    VectorListBox purgeDirs;
    QtListBox listModify{modifyWidget, false};

    CatalogueLists refs() {
        return {progs,      progsDirs, fast,      fastDirs,  notYet,
                notYetDirs, purgeList, purgeDirs, listModify};
    }
};

// What a Programs folder typically holds beside a program's own shortcut; several are the
// help, read-me and uninstall shortcuts the filter hides, some only differ from them in case.
const QStringList kCompanions = {
    QStringLiteral("%1 help"),          QStringLiteral("Uninstall %1"),
    QStringLiteral("uninstall %1"),     QStringLiteral("%1 Readme"),
    QStringLiteral("%1 readme"),        QStringLiteral("%1 Manual"),
    QStringLiteral("%1 Settings"),      QStringLiteral("%1 on the Web"),
    QStringLiteral("%1 release notes"), QStringLiteral("%1 Setup"),
    QStringLiteral("%1 Tools"),         QStringLiteral("%1 Player"),
};

struct Tree {
    QString startMenu;
    QString programs;
    int shortcuts = 0;
    int folders = 0;
    // The eleven category folders and the classified copies in them, with their content.
    QStringList categoryFolders;
    QStringList copies;
    QList<QByteArray> copyContents;
};

void makeFolder(const QString& path) {
    if (::mkdir(QFile::encodeName(path).constData(), 0755) != 0 && errno != EEXIST)
        fail(QStringLiteral("cannot create ") + path);
}

// Writes a shortcut file; one of that size left by an earlier run is kept.
void writeShortcut(const QString& path, const QByteArray& content) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) == 0 && info.st_size == content.size())
        return;
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, content.constData(), size_t(content.size())) != content.size())
        fail(QStringLiteral("cannot write ") + path);
    ::close(fd);
}

// The shell link an installer writes for `program`: its description, the program relative to
// the shortcut's folder (`folder`, in its Windows form), its folder to start in and its icon.
QByteArray shortcutContent(const QString& folder, const QString& program,
                           const QString& description) {
    tools::ShellLinkTarget target;
    target.description = description;
    target.relativePath = tools::relativeWindowsPath(folder, program);
    target.workingDirectory = program.left(program.lastIndexOf(u'\\'));
    target.iconLocation = program;
    target.targetSize = 1 << 20;
    target.targetTime = 133'000'000'000'000'000;
    return tools::shellLinkBytes(target);
}

// Where the Programs tree lies as Windows sees it.
const QString kWindowsPrograms =
    QStringLiteral("C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs");

void deleteFile(const QString& path) {
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
        fail(QStringLiteral("cannot delete ") + path);
}

bool exists(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

class TreeWriter {
public:
    void folder(const QString& path) {
        if (made_.contains(path))
            return;
        makeFolder(path);
        made_.insert(path);
    }
    int folders() const { return static_cast<int>(made_.size()); }

private:
    QSet<QString> made_;
};

// A Start Menu whose Programs tree holds `count` shortcuts in vendor folders (a third of the
// products inside a suite folder), 2 to 6 shortcuts a product, and whose eleven category
// folders hold copies of every tenth shortcut.
Tree generate(const QString& root, int count) {
    Tree tree;
    tree.startMenu = root + QStringLiteral("/Start Menu");
    tree.programs = tree.startMenu + QStringLiteral("/Programs");
    TreeWriter writer;
    writer.folder(root);
    writer.folder(tree.startMenu);
    writer.folder(tree.programs);
    for (const QString& caption : builtInCategoryCaptions()) {
        tree.categoryFolders.push_back(tree.startMenu + u'/' + caption);
        writer.folder(tree.categoryFolders.back());
    }

    const int vendors = std::max(1, count / 300);
    for (int product = 0; tree.shortcuts < count; ++product) {
        const QString vendor =
            tree.programs + QStringLiteral("/Vendor %1").arg(product % vendors, 4, 10, QChar(u'0'));
        writer.folder(vendor);
        QString folder = vendor;
        if (product % 3 == 0) {
            folder += QStringLiteral("/Suite %1").arg(product / 3 % 4);
            writer.folder(folder);
        }
        const QString stem = QStringLiteral("Product %1").arg(product);
        folder += u'/' + stem;
        writer.folder(folder);
        // "\Vendor 0001\Suite 1\Product 3": the product's folders, as its installer names them.
        const QString productFolders =
            QString(folder).remove(0, tree.programs.size()).replace(u'/', u'\\');
        const QString windowsFolder = kWindowsPrograms + productFolders;
        const QString program = QStringLiteral("C:\\Program Files") + productFolders + u'\\' +
                                stem + QStringLiteral(".exe");
        for (int k = 0, size = 2 + product % 5; k < size && tree.shortcuts < count; ++k) {
            const QString title =
                k == 0 ? stem : kCompanions[(product + k) % kCompanions.size()].arg(stem);
            const QString name = title + QStringLiteral(".lnk");
            const QByteArray content = shortcutContent(windowsFolder, program, title);
            writeShortcut(folder + u'/' + name, content);
            if (tree.shortcuts % 10 == 0) {
                const auto category = tree.shortcuts / 10 % kCategoryCount;
                tree.copies.push_back(tree.categoryFolders[category] + u'/' + name);
                tree.copyContents.push_back(content);
                writeShortcut(tree.copies.back(), content);
            }
            ++tree.shortcuts;
        }
    }
    tree.folders = writer.folders() - 1;
    return tree;
}

// The classified copies and their folders back on disk after an operation deleted them.
void restoreCopies(const Tree& tree) {
    for (const QString& folder : tree.categoryFolders)
        makeFolder(folder);
    for (qsizetype k = 0; k < tree.copies.size(); ++k)
        writeShortcut(tree.copies[k], tree.copyContents[k]);
}

// Elapsed time and processor time (this process and the children it has waited for, so the
// shell commands count too), in milliseconds. Processor time stays meaningful while other
// work shares the machine; elapsed time is what the user waits.
struct Timing {
    double wall = 1e30;
    double cpu = 1e30;

    void keepBest(const Timing& other) {
        wall = std::min(wall, other.wall);
        cpu = std::min(cpu, other.cpu);
    }
};

double processorMs() {
    timespec own{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &own);
    rusage children{};
    ::getrusage(RUSAGE_CHILDREN, &children);
    const auto ms = [](const timeval& t) {
        return t.tv_sec * 1e3 + t.tv_usec / 1e3;
    };
    return own.tv_sec * 1e3 + own.tv_nsec / 1e6 + ms(children.ru_utime) + ms(children.ru_stime);
}

// One timed step: `prepare` puts the disk and the lists in the state the step needs, untimed.
struct Step {
    std::function<void()> prepare = [] {
    };
    std::function<void()> run;
};

Timing timeOnce(const Step& step) {
    step.prepare();
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = processorMs();
    step.run();
    return {
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(),
        processorMs() - cpuStart};
}

// The best of `runs` timings of each, after one warm-up run of each. The runs alternate, so a
// burst of load on the machine cannot favour one side.
std::pair<Timing, Timing> bestOfBoth(int runs, const Step& first, const Step& second) {
    timeOnce(first);
    timeOnce(second);
    std::pair<Timing, Timing> fastest;
    for (int k = 0; k < runs; ++k) {
        fastest.first.keepBest(timeOnce(first));
        fastest.second.keepBest(timeOnce(second));
    }
    return fastest;
}

Timing best(int runs, const Step& step) {
    timeOnce(step);
    Timing fastest;
    for (int k = 0; k < runs; ++k)
        fastest.keepBest(timeOnce(step));
    return fastest;
}

// Runs a shell command to completion, its output discarded; `input` (if any) is its stdin.
void runCommand(const std::vector<QByteArray>& command, const QString& input = {}) {
    std::vector<char*> args;
    for (const QByteArray& arg : command)
        args.push_back(const_cast<char*>(arg.constData()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray inputPath = QFile::encodeName(input);
    if (!input.isEmpty())
        posix_spawn_file_actions_addopen(&actions, 0, inputPath.constData(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (error != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        fail(QStringLiteral("%1 failed").arg(QString::fromLocal8Bit(command.front())));
}

void runFind(const QString& root) {
    runCommand({"find", QFile::encodeName(root), "-iname", "*.lnk"});
}

// Renames each folder to its name with "_" appended and back with mv, one folder after the
// other, as the program refreshes a folder for every shortcut it adds or removes there.
void renameAwayAndBack(const QStringList& folders) {
    std::vector<QByteArray> command{
        "sh", "-c", R"(for d do mv -- "$d" "${d}_" && mv -- "${d}_" "$d" || exit 1; done)", "sh"};
    for (const QString& folder : folders)
        command.push_back(QFile::encodeName(folder));
    runCommand(command);
}

// Writes the paths into `file`, each ended by a NUL, for `xargs -0`.
QString writePathList(const QString& file, const QStringList& paths) {
    QFile list(file);
    if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(QStringLiteral("cannot write ") + file);
    for (const QString& path : paths)
        list.write(QFile::encodeName(path) + '\0');
    return file;
}

long peakMemoryKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Starts the peak memory count afresh, so each tree's peak is its own.
void resetPeakMemory() {
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

// One line of the table; `baseline` names the shell command timed on the same files, if any.
void printRow(const char* operation, const QString& entries, const Timing& timing,
              const char* baseline = nullptr, const Timing& baselineTiming = {}) {
    std::printf("  %-22s %15s %9.1f %9.1f", operation, qPrintable(entries), timing.wall,
                timing.cpu);
    if (baseline)
        std::printf("   %-16s %9.1f %9.1f %6.2f %6.2f", baseline, baselineTiming.wall,
                    baselineTiming.cpu, timing.wall / baselineTiming.wall,
                    timing.cpu / baselineTiming.cpu);
    std::printf("\n");
    std::fflush(stdout);
}

// Entries spread evenly over the list, `wanted` of them (or all the list has).
std::vector<int> spreadPositions(int count, int wanted) {
    std::vector<int> positions;
    wanted = std::min(wanted, count);
    for (int k = 0; k < wanted; ++k)
        positions.push_back(static_cast<int>(static_cast<long long>(k) * count / wanted));
    return positions;
}

class Bench {
public:
    Bench(const QString& root, int count, int runs)
        : tree_(generate(root, count))
        , runs_(runs)
        , scratch_(root + QStringLiteral("/paths"))
        , fs_(disk_) {
        state_.startMenuPath = tree_.startMenu;
        state_.programsPath = tree_.programs;
        fs_.setProtectedFolder(tree_.programs);
    }

    void measureAll() {
        std::printf("%d shortcuts in %d folders, %lld copies in the category folders\n",
                    tree_.shortcuts, tree_.folders, static_cast<long long>(tree_.copies.size()));
        analysis();
        unclassifiedList();
        linkFields();
        classify();
        purge();
        reset();
        std::printf("  peak memory (VmHWM): %.1f MiB\n\n",
                    static_cast<double>(peakMemoryKiB()) / 1024);
    }

private:
    void expectCatalogue(int progs, int fast) {
        if (lists_.progs.count() != progs || lists_.fast.count() != fast)
            fail(QStringLiteral("the catalogue holds %1 and %2 shortcuts, not %3 and %4")
                     .arg(lists_.progs.count())
                     .arg(lists_.fast.count())
                     .arg(progs)
                     .arg(fast));
    }
    int copies() const { return static_cast<int>(tree_.copies.size()); }

    void analysis() {
        const auto [find, analysis] = bestOfBoth(runs_,
                                                 {.run =
                                                      [&] {
                                                          runFind(tree_.startMenu);
                                                      }},
                                                 {.run = [&] {
                                                     analyseSystem(tvn_);
                                                 }});
        expectCatalogue(tree_.shortcuts, copies());
        printRow("analysis", QString::number(tree_.shortcuts + copies()), analysis, "find -iname",
                 find);
    }

    void buildUnclassified() {
        buildNotYetList(tvn_);
        notYetBuilt_ = lists_.notYet.count();
        hideHelpShortcuts(tvn_);
    }

    void unclassifiedList() {
        const Timing timing = best(runs_, {.run = [&] {
                                       buildUnclassified();
                                   }});
        printRow("unclassified list",
                 QStringLiteral("%1 -> %2").arg(notYetBuilt_).arg(lists_.notYet.count()), timing);
    }

    // The analysis alone, and followed by reading the fields of every shortcut the unclassified
    // list shows: the most reading them can add, since the program reads only those it shows.
    void linkFields() {
        buildUnclassified();
        QStringList shown;
        for (int k = 0; k < lists_.notYet.count(); ++k)
            shown.push_back(lists_.notYetDirs.at(k) + u'/' + lists_.notYet.at(k) +
                            QStringLiteral(".lnk"));
        qsizetype targets = 0;
        const Step alone{.run = [&] {
            analyseSystem(tvn_);
        }};
        const Step withFields{.run = [&] {
            analyseSystem(tvn_);
            targets = 0;
            for (const QString& path : shown)
                if (const auto fields = readShellLink(fs_, path);
                    fields && !fields->targetPath.isEmpty())
                    ++targets;
        }};
        const auto [aloneTiming, fieldsTiming] = bestOfBoth(runs_, alone, withFields);
        if (targets != shown.size())
            fail(QStringLiteral("%1 of %2 shortcuts told their target")
                     .arg(targets)
                     .arg(shown.size()));
        printRow("analysis + link fields",
                 QStringLiteral("%1 -> %2").arg(tree_.shortcuts + copies()).arg(shown.size()),
                 fieldsTiming, "analysis", aloneTiming);
        suggestions(shown);
    }

    // What the review of the suggestions costs for 2,000 shortcuts of the list: each one's
    // link file read and its category suggested, against the suggestion from names alone.
    void suggestions(const QStringList& shown) {
        CategorySuggester suggester;
        addShippedSuggestionData(suggester, fs_, [](const QString& fileName) {
            return QStringLiteral(TORVANE_DATA_FILES "/") + fileName;
        });
        const qsizetype count = std::min<qsizetype>(2000, shown.size());
        const auto cluesOf = [&](qsizetype k) {
            const QString& path = shown[k];
            const qsizetype slash = path.lastIndexOf(u'/');
            return ShortcutClues{path.mid(slash + 1).chopped(4),
                                 foldersBelowPrograms(state_, path.left(slash)),
                                 {},
                                 {}};
        };
        int suggested = 0;
        const Step namesAlone{.run = [&] {
            for (qsizetype k = 0; k < count; ++k)
                suggester.suggest(cluesOf(k));
        }};
        const Step withFields{.run = [&] {
            suggested = 0;
            for (qsizetype k = 0; k < count; ++k) {
                ShortcutClues clues = cluesOf(k);
                if (const auto fields = readShellLink(fs_, shown[k])) {
                    clues.description = fields->description;
                    clues.targetPath = fields->targetPath;
                }
                suggested += suggester.suggest(clues).category >= 0;
            }
        }};
        const auto [aloneTiming, fieldsTiming] = bestOfBoth(runs_, namesAlone, withFields);
        printRow("suggestions + fields", QStringLiteral("%1 -> %2").arg(count).arg(suggested),
                 fieldsTiming, "names alone", aloneTiming);
    }

    // Category 0 takes 1 % of the shortcuts, picked evenly from the unclassified list; the
    // copies are deleted again after each run. cp copies the same files into the same folder,
    // and mv renames that folder away and back once per file.
    void classify() {
        const QString category = tree_.categoryFolders.front();
        QStringList sources;
        QStringList targets;
        std::vector<int> positions;
        const auto prepare = [&] {
            // The copies of the run before, classified or copied by cp.
            for (const QString& target : targets) {
                if (!exists(target))
                    fail(QStringLiteral("classifying left no ") + target);
                deleteFile(target);
            }
            buildUnclassified();
            positions = spreadPositions(lists_.notYet.count(), tree_.shortcuts / 100);
            sources.clear();
            targets.clear();
            for (const int k : positions) {
                const QString file = lists_.notYet.at(k) + QStringLiteral(".lnk");
                sources.push_back(lists_.notYetDirs.at(k) + u'/' + file);
                targets.push_back(category + u'/' + file);
            }
        };
        const Step classify{prepare, [&] {
                                for (const int k : positions)
                                    lists_.notYet.setSelected(k, true);
                                classifySelected(tvn_, 0);
                            }};
        std::vector<QByteArray> cp{"cp", "-f"};
        const Step copy{[&] {
                            prepare();
                            cp.resize(2);
                            for (const QString& source : sources)
                                cp.push_back(QFile::encodeName(source));
                            cp.push_back(QFile::encodeName(category));
                        },
                        [&] {
                            runCommand(cp);
                            renameAwayAndBack(QStringList(sources.size(), category));
                        }};
        const auto [timing, cpTiming] = bestOfBoth(runs_, classify, copy);
        for (const QString& target : targets) {
            if (!exists(target))
                fail(QStringLiteral("classifying left no ") + target);
            deleteFile(target);
        }
        printRow("classify (Categories)", QString::number(positions.size()), timing, "cp -f, mv",
                 cpTiming);
    }

    // As many orphans as the classification took: copies in the category folders whose
    // source does not exist. The purge deletes them all; they are written again for each run.
    // rm deletes the same files, and mv renames the folder of each away and back.
    void purge() {
        QStringList orphans;
        QStringList orphanFolders;
        for (int k = 0; k < tree_.shortcuts / 100; ++k) {
            orphanFolders.push_back(tree_.categoryFolders[k % kCategoryCount]);
            orphans.push_back(orphanFolders.back() + QStringLiteral("/Gone %1.lnk").arg(k));
        }
        const QByteArray orphanContent =
            shortcutContent(kWindowsPrograms, QStringLiteral("C:\\Program Files\\Gone\\gone.exe"),
                            QStringLiteral("Gone"));
        const auto writeOrphans = [&] {
            for (const QString& orphan : orphans)
                writeShortcut(orphan, orphanContent);
        };
        writeOrphans();
        refreshClassified(tvn_);
        const int fast = lists_.fast.count();

        const Timing listTiming = best(runs_, {.run = [&] {
                                           buildPurgeList(tvn_);
                                       }});
        if (lists_.purgeList.count() != orphans.size())
            fail(QStringLiteral("%1 orphans listed, not %2")
                     .arg(lists_.purgeList.count())
                     .arg(orphans.size()));
        printRow("purge list", QStringLiteral("%1 -> %2").arg(fast).arg(orphans.size()),
                 listTiming);

        const Step purge{[&] {
                             writeOrphans();
                             buildPurgeList(tvn_);
                         },
                         [&] {
                             for (int k = 0; k < lists_.purgeList.count(); ++k)
                                 lists_.purgeList.setSelected(k, true);
                             purgeSelectedOrphans(tvn_);
                         }};
        const QString list = writePathList(scratch_, orphans);
        const Step rm{writeOrphans, [&] {
                          runCommand({"xargs", "-0", "rm", "-f"}, list);
                          renameAwayAndBack(orphanFolders);
                      }};
        const auto [timing, rmTiming] = bestOfBoth(runs_, purge, rm);
        if (lists_.purgeList.count() != 0 || std::any_of(orphans.begin(), orphans.end(), exists))
            fail(QStringLiteral("the purge left orphans"));
        refreshClassified(tvn_);
        printRow("purge (purgeButton)", QString::number(orphans.size()), timing, "rm -f, mv",
                 rmTiming);
    }

    // Every copy deleted, the category folders removed and the system analysed again; the
    // shell deletes the same files and folders and lists the tree again.
    void reset() {
        const QString list = writePathList(scratch_, tree_.copies);
        const Step reset{[&] {
                             restoreCopies(tree_);
                             analyseSystem(tvn_);
                             ui_.expectMessage();
                         },
                         [&] {
                             deleteAllClassifications(tvn_);
                         }};
        const Step shell{[&] { restoreCopies(tree_); },
                         [&] {
                             runCommand({"xargs", "-0", "rm", "-f"}, list);
                             for (const QString& folder : tree_.categoryFolders)
                                 ::rmdir(QFile::encodeName(folder).constData());
                             runFind(tree_.startMenu);
                         }};
        const auto [timing, shellTiming] = bestOfBoth(runs_, reset, shell);
        expectCatalogue(tree_.shortcuts, 0);
        if (std::any_of(tree_.categoryFolders.begin(), tree_.categoryFolders.end(), exists))
            fail(QStringLiteral("the reset left category folders"));
        restoreCopies(tree_);
        printRow("reset", QString::number(copies()), timing, "rm -f, find", shellTiming);
    }

    Tree tree_;
    int runs_;
    QString scratch_;
    ProgramState state_;
    PosixFileSystem disk_;
    ProtectedFileSystem fs_;
    BenchUi ui_;
    BenchWindow window_;
    Lists lists_;
    Tvn tvn_{state_, fs_, ui_, lists_.refs(), window_};
    int notYetBuilt_ = 0;
};

int run(int argc, char** argv) {
    QApplication app(argc, argv);
    int runs = 5;
    std::vector<int> sizes = {1000, 10000, 100000};
    QString keep;
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        std::printf("usage: catalogue_bench [--runs N] [--sizes 1000,10000,100000] [--keep DIR]\n");
        return 0;
    }
    for (qsizetype k = 1; k < args.size(); k += 2) {
        if (k + 1 == args.size())
            fail(QStringLiteral("missing value after ") + args[k]);
        if (args[k] == u"--runs")
            runs = std::max(1, args[k + 1].toInt());
        else if (args[k] == u"--sizes") {
            sizes.clear();
            for (const QString& size : args[k + 1].split(u','))
                sizes.push_back(size.toInt());
        } else if (args[k] == u"--keep")
            keep = args[k + 1];
        else
            fail(QStringLiteral("unknown option ") + args[k]);
    }
    QTemporaryDir temporary;
    const QString base = keep.isEmpty() ? temporary.path() : keep;
    if (base.isEmpty() || !QDir().mkpath(base))
        fail(QStringLiteral("no folder for the trees"));

    std::printf("best of %d runs, warm cache, platform %s; times in ms\n\n", runs,
                qPrintable(QApplication::platformName()));
    std::printf("  %-22s %15s %9s %9s   %-16s %9s %9s %6s %6s\n", "operation", "entries", "wall",
                "cpu", "baseline", "wall", "cpu", "ratio", "(cpu)");
    for (const int size : sizes) {
        resetPeakMemory();
        auto bench = std::make_unique<Bench>(base + QStringLiteral("/%1").arg(size), size, runs);
        bench->measureAll();
    }
    std::printf("entries: what the operation goes through (list builds: entries in -> listed); "
                "ratio: operation / baseline\n");
    return 0;
}

} // namespace
} // namespace tvn

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return tvn::run(argc, argv);
}
