#include "desktopmenu/WineMenuBuilder.h"

#include <algorithm>
#include <fcntl.h>
#include <QProcess>
#include <sys/resource.h>
#include <unistd.h>

namespace tvn {

namespace {

// A few links per process, so that the progress label moves; each process costs well under a
// tenth of a second once the server runs, against some 30 ms a link.
constexpr qsizetype kLinksPerProcess = 20;
// Windows caps a command line at 32,767 characters.
constexpr qsizetype kMaxCommandLine = 30000;
// How long the server stays up after the last Wine process of the batch has ended.
constexpr int kServerLingerSeconds = 3;
// A process of 20 links takes about a second; the first call after a Wine upgrade updates the
// prefix first, which takes a minute at most. Longer means Wine is stuck (its server killed
// mid-call, for one): the batch stops there rather than wait as long again for every process.
constexpr int kMaxRunMilliseconds = 120'000;

bool namesMenuBuilder(const QString& dll) {
    return dll.compare(u"winemenubuilder", Qt::CaseInsensitive) == 0 ||
           dll.compare(u"winemenubuilder.exe", Qt::CaseInsensitive) == 0;
}

// The user's overrides without any that names the menu builder, then the builder's own one.
QString overridesAllowingMenuBuilder(const QString& overrides) {
    QStringList kept;
    for (const QString& entry : overrides.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype equals = entry.indexOf(u'=');
        QStringList dlls = entry.left(equals).split(u',', Qt::SkipEmptyParts);
        dlls.removeIf(namesMenuBuilder);
        if (!dlls.isEmpty())
            kept << dlls.join(u',') + (equals < 0 ? QString() : entry.sliced(equals));
    }
    kept << QStringLiteral("winemenubuilder.exe=b");
    return kept.join(u';');
}

// Runs in the child between fork and exec, so it only makes system calls.
void closeInheritedDescriptorsOnExec() {
    if (close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) == 0)
        return;
    rlimit limit{};
    const rlim_t last = getrlimit(RLIMIT_NOFILE, &limit) == 0 ? limit.rlim_cur : 1024;
    for (int fd = 3; fd < int(std::min<rlim_t>(last, 65536)); ++fd)
        fcntl(fd, F_SETFD, FD_CLOEXEC);
}

} // namespace

void prepareWineProcess(QProcess& process) {
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setChildProcessModifier(closeInheritedDescriptorsOnExec);
}

WineMenuBuilder::WineMenuBuilder(Programs programs, QProcessEnvironment environment,
                                 std::function<bool()> stopRequested)
    : wine_(std::move(programs.wine))
    , wineserver_(std::move(programs.wineserver))
    , environment_(std::move(environment))
    , stopRequested_(std::move(stopRequested)) {}

QProcessEnvironment WineMenuBuilder::environmentFor(QProcessEnvironment base, const QString& prefix,
                                                    const QString& dataHome,
                                                    const QString& configHome) {
    base.insert(QStringLiteral("WINEPREFIX"), prefix);
    base.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    base.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    base.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    base.insert(QStringLiteral("WINEDLLOVERRIDES"),
                overridesAllowingMenuBuilder(base.value(QStringLiteral("WINEDLLOVERRIDES"))));
    return base;
}

void WineMenuBuilder::makeEntries(const QStringList& links,
                                  const std::function<void(qsizetype)>& onProgress) {
    if (links.isEmpty())
        return;
    startServer();
    for (qsizetype done = 0; done < links.size() && !stopRequested_();) {
        const QStringList batch = nextBatch(links, done);
        if (!run(wine_, QStringList{QStringLiteral("winemenubuilder")} + batch))
            return;
        done += batch.size();
        onProgress(done);
    }
}

void WineMenuBuilder::startServer() {
    // Starting a server where one runs already (the user's programs) fails harmlessly: the calls
    // then share that one. An infinite persistence would need a kill, which would end the
    // user's programs too.
    if (wineserver_.isEmpty())
        return;
    run(wineserver_, {QStringLiteral("-p%1").arg(kServerLingerSeconds)});
}

QStringList WineMenuBuilder::nextBatch(const QStringList& links, qsizetype from) const {
    QStringList batch;
    qsizetype length = 0;
    for (qsizetype i = from; i < links.size() && batch.size() < kLinksPerProcess; ++i) {
        length += links[i].size() + 3; // quotes and a blank
        if (!batch.isEmpty() && length > kMaxCommandLine)
            break;
        batch << links[i];
    }
    return batch;
}

bool WineMenuBuilder::run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessEnvironment(environment_);
    prepareWineProcess(process);
    process.start();
    if (!process.waitForStarted())
        return false;
    if (!process.waitForFinished(kMaxRunMilliseconds) && process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    // Its exit code says only whether every link succeeded: the caller looks at the entries.
    return true;
}

} // namespace tvn
