#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace tvn::tools {

// One file of the demo Programs tree.
struct DemoFile {
    // Below the Programs folder, '/'-separated.
    QString path;
    // The target program or document of a shortcut; empty for a file that is no shortcut.
    QString target;
    QString description;
    QString arguments;
    // The DOS attribute Wine keeps in user.DOSATTRIB ("0x2" hidden, "0x6" hidden and
    // system); empty for an ordinary file.
    QByteArray dosAttributes;
    // The content of a file that is no shortcut.
    QByteArray content;
};

// The Programs tree of a well-used machine: vendor folders, nested folders, help, read-me
// and uninstall shortcuts in several languages and letter cases, one name in two folders, an
// upper-case extension, hidden files and a few files that are no shortcuts. Every vendor and
// program is invented.
std::vector<DemoFile> demoProgramsTree();

// The all-users Programs tree beside it: what installers wrote for every user of the machine,
// among them a vendor folder that the user's tree has too.
std::vector<DemoFile> demoAllUsersProgramsTree();

} // namespace tvn::tools
