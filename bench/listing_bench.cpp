// Times a walk of a large synthetic Start Menu with PosixFileSystem::listFolder against
// `find ROOT -iname '*.lnk'` on the same tree.
//
//   listing_bench [ROOT]
//
// builds 10,000 folders holding 100,000 shortcuts in a temporary folder (or in ROOT, which is
// kept and reused by later runs, since building the tree takes far longer than walking it).

#include "platform/PosixFileSystem.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <QByteArray>
#include <QTemporaryDir>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

void createFile(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, "L", 1) != 1) {
        std::perror(path.constData());
        std::exit(1);
    }
    ::close(fd);
}

// Ten shortcuts (one with an upper-case extension) and a read-me that is no shortcut.
void fillFolder(const QByteArray& folder) {
    ::mkdir(folder.constData(), 0755);
    for (int s = 0; s < 10; ++s)
        createFile(folder + "/Shortcut " + QByteArray::number(s) + (s == 0 ? ".LNK" : ".lnk"));
    createFile(folder + "/Readme.txt");
}

// 100 vendor folders of 99 product folders each: 10,000 folders, 100,000 shortcuts.
void buildTree(const QByteArray& root) {
    for (int v = 0; v < 100; ++v) {
        const QByteArray vendor = root + "/Vendor " + QByteArray::number(v);
        fillFolder(vendor);
        for (int p = 0; p < 99; ++p)
            fillFolder(vendor + "/Product " + QByteArray::number(p));
    }
}

long long walk(tvn::FileSystem& fs, const QString& folder) {
    const auto listing = fs.listFolder(folder);
    if (!listing)
        return 0;
    long long count = listing->shortcuts.size();
    for (const QString& subfolder : listing->subfolders)
        count += walk(fs, subfolder);
    return count;
}

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

struct Times {
    double wall = 1e9;
    double cpu = 1e9;
};

double cpuSeconds(int who) {
    rusage usage{};
    ::getrusage(who, &usage);
    const auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + t.tv_usec / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// One run; keeps the best wall-clock and processor time. The processor time of `find` is that
// of the finished child processes (the shell, find and wc).
template <typename F> void timeRun(Times& best, int who, F&& run) {
    const double cpuStart = cpuSeconds(who);
    const auto start = Clock::now();
    run();
    best.wall = std::min(best.wall, seconds(Clock::now() - start));
    best.cpu = std::min(best.cpu, cpuSeconds(who) - cpuStart);
}

} // namespace

int main(int argc, char** argv) {
    // An option is no folder to build a tree of 100,000 shortcuts in.
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        std::printf("usage: listing_bench [ROOT]\n");
        return argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)
                   ? 0
                   : 2;
    }
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QByteArray root = argc > 1 ? QByteArray(argv[1]) : dir.path().toUtf8() + "/Programs";
    if (::mkdir(root.constData(), 0755) == 0) {
        std::printf("building 10,000 folders with 100,000 shortcuts in %s...\n", root.constData());
        buildTree(root);
    }

    const QByteArray find =
        "find '" + root + "' -iname '*.lnk' | wc -l > '" + dir.path().toUtf8() + "/count'";
    tvn::PosixFileSystem fs;
    long long walked = 0;
    walk(fs, QString::fromUtf8(root)); // warm the caches for both
    // Interleaved, so that a burst of load elsewhere on the machine hits both alike.
    Times findTimes, walkTimes;
    for (int i = 0; i < 7; ++i) {
        timeRun(findTimes, RUSAGE_CHILDREN, [&] {
            if (std::system(find.constData()) != 0)
                std::exit(1);
        });
        timeRun(walkTimes, RUSAGE_SELF, [&] { walked = walk(fs, QString::fromUtf8(root)); });
    }

    QByteArray found;
    if (FILE* f = std::fopen((dir.path().toUtf8() + "/count").constData(), "r")) {
        char line[64] = {};
        if (std::fgets(line, sizeof line, f))
            found = QByteArray(line).trimmed();
        std::fclose(f);
    }
    std::printf("shortcuts: walk %lld, find %s\n", walked, found.constData());
    std::printf("                 wall     cpu (best of 7)\n");
    std::printf("listFolder walk: %.3f s  %.3f s\n", walkTimes.wall, walkTimes.cpu);
    std::printf("find -iname:     %.3f s  %.3f s\n", findTimes.wall, findTimes.cpu);
    std::printf("ratio:           %.2f     %.2f\n", walkTimes.wall / findTimes.wall,
                walkTimes.cpu / findTimes.cpu);
    return 0;
}
