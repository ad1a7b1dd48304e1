// make-demo-prefix [--replace] <folder>: writes a demo Wine prefix whose Start Menu looks
// like a well-used machine's, for trying Torvane out.
#include "tools/demoprefix/DemoPrefix.h"

#include <cstdio>
#include <QDir>
#include <QString>

int main(int argc, char** argv) {
    tvn::tools::DemoPrefixRequest request;
    bool usable = true;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == "--replace")
            request.replace = true;
        else if (request.folder.isEmpty() && !arg.isEmpty() && !arg.startsWith("--"))
            request.folder = arg;
        else
            usable = false;
    }
    if (!usable || request.folder.isEmpty()) {
        std::fprintf(stderr, "usage: make-demo-prefix [--replace] <folder>\n");
        return 2;
    }
    request.userName = tvn::tools::demoUserName();

    const tvn::tools::DemoPrefixResult result = tvn::tools::makeDemoPrefix(request);
    if (!result.error.isEmpty()) {
        std::fprintf(stderr, "make-demo-prefix: %s\n", qPrintable(result.error));
        return 1;
    }
    for (const QString& path : result.unhiddenFiles)
        std::fprintf(stderr,
                     "make-demo-prefix: could not mark %s hidden (no extended "
                     "attributes here)\n",
                     qPrintable(path));
    std::printf("Demo prefix for user %s in %s: %d shortcuts, %d more for all users\n",
                qPrintable(request.userName), qPrintable(QDir(request.folder).absolutePath()),
                result.shortcutCount, result.allUsersShortcutCount);
    return 0;
}
