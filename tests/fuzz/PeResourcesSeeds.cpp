// Writes the seeds of the program-file fuzzer into the folder given: small program files with
// icon groups of bitmaps and PNG data, and with version texts.
#include "tools/demoprefix/ProgramFile.h"

#include <QFile>
#include <QString>

int main(int argc, char** argv) {
    using namespace tvn::tools;
    if (argc != 2)
        return 2;
    ProgramFileContent icons;
    icons.iconGroups = {{{16, 0xFF102030, {}}, {32, 0x80FFFFFF, {}}},
                        {{48, 0xFF000000, QByteArray("\x89PNG\r\n\x1a\n", 8)}}};
    ProgramFileContent version;
    version.description = QStringLiteral("Image viewer");
    version.product = QStringLiteral("Pixie");
    version.company = QStringLiteral("Pixie Labs");
    ProgramFileContent both = version;
    both.iconGroups = {{{24, 0xFFFF0000, {}}}};
    const std::pair<const char*, const ProgramFileContent*> seeds[] = {
        {"icons.exe", &icons}, {"version.exe", &version}, {"both.exe", &both}};
    for (const auto& [name, content] : seeds) {
        QFile file(QString::fromLocal8Bit(argv[1]) + u'/' + QLatin1String(name));
        const QByteArray bytes = programFileBytes(*content);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }
    return 0;
}
