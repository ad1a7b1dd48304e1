// torvane-pictures <Default.tvn> <program folder> <built-in folder>: draws the language
// pictures "Gfx (uk).tvn", "Gfx (fr).tvn", "Gfx (it).tvn" into the program folder and the
// flags, the about and the information pictures into the built-in folder, as PNG.
#include "dialogs/MakerAddresses.h"
#include "platform/SequentialFile.h"
#include "platform/TextCodec.h"
#include "tools/demoprefix/DemoStartMenu.h"
#include "tools/pictures/AboutPictures.h"
#include "tools/pictures/Flags.h"
#include "tools/pictures/LanguagePicture.h"

#include <cstdio>
#include <map>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace {

using namespace tvn::tools;

constexpr int kCategoryCount = 11;

// The category names of the three languages, in the order of the file's blocks.
std::optional<std::vector<QStringList>> readCategoryBlocks(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    tvn::SequentialReader reader(tvn::decodeDataFile(file.readAll()));
    std::vector<QStringList> blocks(3);
    for (QStringList& block : blocks) {
        while (block.size() < kCategoryCount) {
            if (reader.atEnd())
                return std::nullopt;
            block << reader.next().text;
        }
    }
    return blocks;
}

bool visible(const DemoFile& file) {
    return file.dosAttributes.isEmpty() && !file.path.section('/', -1).startsWith('.') &&
           file.path.endsWith(QStringLiteral(".lnk"), Qt::CaseInsensitive);
}

// The demo machine's Programs menu as a menu shows it: folders first, then shortcuts, each
// in name order; the fullest folder is the one shown open.
ClutteredMenu clutteredMenu() {
    std::map<QString, QStringList> folders;
    QStringList shortcuts;
    for (const DemoFile& file : demoProgramsTree()) {
        if (!visible(file))
            continue;
        const QStringList parts = file.path.split('/');
        if (parts.size() == 1) {
            shortcuts << parts[0];
            continue;
        }
        QStringList& inside = folders[parts[0]];
        // A sub-folder shows once, however many shortcuts it holds.
        if (!inside.contains(parts[1]))
            inside << parts[1];
    }
    ClutteredMenu menu;
    qsizetype fullest = -1;
    for (auto& [name, inside] : folders) {
        if (inside.size() > fullest) {
            fullest = inside.size();
            menu.openEntry = int(menu.entries.size());
            menu.openFolder = inside;
        }
        menu.entries << name;
    }
    shortcuts.sort(Qt::CaseInsensitive);
    menu.entries << shortcuts;
    return menu;
}

bool save(const QImage& image, const QString& path) {
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "torvane-pictures: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: torvane-pictures <Default.tvn> <program folder> "
                             "<built-in folder>\n");
        return 2;
    }
    const auto blocks = readCategoryBlocks(QString::fromLocal8Bit(argv[1]));
    if (!blocks) {
        std::fprintf(stderr, "torvane-pictures: %s does not hold three blocks of %d names\n",
                     argv[1], kCategoryCount);
        return 1;
    }
    const QDir program(QString::fromLocal8Bit(argv[2]));
    const QDir builtIn(QString::fromLocal8Bit(argv[3]));
    const ClutteredMenu clutter = clutteredMenu();

    bool ok = save(drawLanguagePicture(englishWords(), (*blocks)[0], clutter),
                   program.filePath(QStringLiteral("Gfx (uk).tvn")));
    ok = save(drawLanguagePicture(frenchWords(), (*blocks)[1], clutter),
              program.filePath(QStringLiteral("Gfx (fr).tvn"))) &&
         ok;
    ok = save(drawLanguagePicture(italianWords(), (*blocks)[2], clutter),
              program.filePath(QStringLiteral("Gfx (it).tvn"))) &&
         ok;
    ok = save(drawFlag(Flag::UnitedKingdom), builtIn.filePath(QStringLiteral("flag-uk.png"))) && ok;
    ok = save(drawFlag(Flag::France), builtIn.filePath(QStringLiteral("flag-fr.png"))) && ok;
    ok = save(drawFlag(Flag::Italy), builtIn.filePath(QStringLiteral("flag-it.png"))) && ok;
    const struct {
        const char* code;
        AboutWords words;
    } languages[] = {
        {"uk", englishAboutWords()}, {"fr", frenchAboutWords()}, {"it", italianAboutWords()}};
    for (const auto& [code, words] : languages) {
        ok = save(drawAboutPicture(words, QStringLiteral(TORVANE_VERSION),
                                   QString::fromUtf16(tvn::kMakerWebAddress)),
                  builtIn.filePath(QStringLiteral("about-%1.png").arg(QLatin1String(code)))) &&
             ok;
        ok = save(drawInfoPicture(words, QString::fromUtf16(tvn::kMakerEmailAddress)),
                  builtIn.filePath(QStringLiteral("info-%1.png").arg(QLatin1String(code)))) &&
             ok;
    }
    return ok ? 0 : 1;
}
