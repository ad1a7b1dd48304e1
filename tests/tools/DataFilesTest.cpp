// The shipped data files, as staged in the program folder: the exact byte form the program's
// reader expects, and the contents other parts of the program rely on.
#include "catalogue/Categories.h"
#include "catalogue/CategorySuggestion.h"
#include "platform/NativeFileSystem.h"
#include "platform/SequentialFile.h"
#include "platform/TextCodec.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <QStringList>

namespace {

QByteArray readStaged(const QString& name) {
    QFile file(QStringLiteral(TORVANE_APP_DIR "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

// The items of a file written one quoted item a line, windows-1252, CR LF; every departure
// from that form fails the calling test.
QStringList quotedLines(const QString& name) {
    const QByteArray bytes = readStaged(name);
    SCOPED_TRACE(name.toStdString());
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << "no byte-order mark";
    EXPECT_TRUE(bytes.endsWith("\r\n"));

    QStringDecoder decoder("windows-1252");
    EXPECT_TRUE(decoder.isValid());
    const QString text = decoder(bytes);

    QStringList items;
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QString& line = lines[i];
        SCOPED_TRACE("line " + std::to_string(i + 1));
        for (QChar c : line) {
            // C0 controls are bare CRs, LFs or tabs; C1 ones are bytes windows-1252 leaves
            // undefined.
            EXPECT_FALSE(c.unicode() < 0x20 || (c.unicode() >= 0x80 && c.unicode() < 0xA0))
                << "character " << int(c.unicode());
        }
        EXPECT_TRUE(line.size() >= 2 && line.startsWith('"') && line.endsWith('"'))
            << line.toStdString();
        EXPECT_EQ(line.count('"'), 2) << line.toStdString();
        items << line.mid(1, line.size() - 2);
    }
    return items;
}

bool isValidFolderName(const QString& name) {
    if (name.isEmpty() || name == "." || name == "..")
        return false;
    for (QChar c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("<>:\"/\\|?*").contains(c))
            return false;
    }
    return true;
}

TEST(DefaultCategoryNames, ThreeBlocksOfElevenValidDistinctLowerCaseFolderNames) {
    const QStringList names = quotedLines(QStringLiteral("Default.tvn"));
    ASSERT_EQ(names.size(), 3 * tvn::kCategoryCount);
    for (int block = 0; block < 3; ++block) {
        QSet<QString> seen;
        for (int k = 0; k < tvn::kCategoryCount; ++k) {
            const QString& name = names[block * tvn::kCategoryCount + k];
            EXPECT_TRUE(isValidFolderName(name)) << name.toStdString();
            EXPECT_EQ(name, name.toLower()) << name.toStdString();
            EXPECT_EQ(name, name.trimmed()) << name.toStdString();
            // Two buttons of one language sharing a name would share one folder.
            EXPECT_FALSE(seen.contains(name)) << name.toStdString();
            seen.insert(name);
        }
    }
}

TEST(DefaultCategoryNames, ItalianBlockMatchesTheBuiltInCaptions) {
    const QStringList names = quotedLines(QStringLiteral("Default.tvn"));
    ASSERT_EQ(names.size(), 3 * tvn::kCategoryCount);
    const auto builtIn = tvn::builtInCategoryCaptions();
    for (int k = 0; k < tvn::kCategoryCount; ++k)
        EXPECT_EQ(names[2 * tvn::kCategoryCount + k], builtIn[k]) << k;
}

class LanguageTexts : public testing::TestWithParam<const char*> {
protected:
    // Field k of the caption table (1-based).
    QString field(int k) const { return fields_.at(k - 1); }
    void SetUp() override { fields_ = quotedLines(QString::fromLatin1(GetParam())); }
    QStringList fields_;
};

TEST_P(LanguageTexts, EightyThreeFieldsInTheirPlaces) {
    ASSERT_EQ(fields_.size(), 83);
    // A field lost or added shifts these fixed texts out of their places.
    EXPECT_EQ(field(37), "English");
    EXPECT_EQ(field(38), QString::fromUtf8("Français"));
    EXPECT_EQ(field(39), "Italiano");
    EXPECT_EQ(field(75), "TORVANE");
    EXPECT_EQ(field(76), "");
    EXPECT_EQ(field(77), "TORVANE");
    for (int k = 1; k <= 83; ++k) {
        if (k != 76) {
            EXPECT_FALSE(field(k).trimmed().isEmpty()) << "field " << k;
        }
    }
}

TEST_P(LanguageTexts, TheProgramsReaderSeesTheSameEightyThreeFields) {
    ASSERT_EQ(fields_.size(), 83);
    tvn::SequentialReader reader(tvn::decodeDataFile(readStaged(QString::fromLatin1(GetParam()))));
    for (int k = 1; k <= 83; ++k) {
        ASSERT_FALSE(reader.atEnd()) << "field " << k;
        EXPECT_EQ(reader.next().text, field(k)) << "field " << k;
    }
    EXPECT_TRUE(reader.atEnd());
}

TEST_P(LanguageTexts, RenameQuestionPartsBracketTheTwoNames) {
    ASSERT_EQ(fields_.size(), 83);
    EXPECT_TRUE(field(10).endsWith('(')) << field(10).toStdString();
    EXPECT_TRUE(field(11).startsWith(')') && field(11).endsWith('(')) << field(11).toStdString();
    EXPECT_TRUE(field(12).startsWith(')')) << field(12).toStdString();
}

TEST_P(LanguageTexts, LanguagePanelPromptsAreTheSameInEveryFile) {
    // The language panel shows all three prompts at once, whatever language was applied.
    const QStringList english = quotedLines(QStringLiteral("Txt (uk).tvn"));
    ASSERT_EQ(fields_.size(), 83);
    ASSERT_EQ(english.size(), 83);
    for (int k : {59, 79, 80})
        EXPECT_EQ(field(k), english[k - 1]) << "field " << k;
}

TEST_P(LanguageTexts, PunctuationIsSpacedAsEachLanguageWritesIt) {
    ASSERT_EQ(fields_.size(), 83);
    // French keeps a non-breaking space before : ; ! ? and inside « », so a line never starts
    // with the mark; English and Italian put no space before them. The language panel's three
    // prompts are in their own languages whatever the file.
    const QString file = QString::fromLatin1(GetParam());
    const QChar nbsp(0xA0);
    for (int k = 1; k <= 83; ++k) {
        const bool french =
            k == 79 || (file.contains(QStringLiteral("(fr)")) && k != 59 && k != 80);
        const QString text = field(k);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar before = i > 0 ? text[i - 1] : QChar();
            const QChar after = i + 1 < text.size() ? text[i + 1] : QChar();
            if (QStringLiteral(":;!?\u00BB").contains(text[i]) && french) {
                EXPECT_EQ(before, nbsp) << "field " << k << " at " << i;
            } else if (text[i] == QChar(0xAB) && french) {
                EXPECT_EQ(after, nbsp) << "field " << k << " at " << i;
            } else if (QStringLiteral(":;!?").contains(text[i])) {
                EXPECT_FALSE(before.isSpace()) << "field " << k << " at " << i;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageTexts,
                         testing::Values("Txt (uk).tvn", "Txt (fr).tvn", "Txt (it).tvn"));

// The words and the table of known programs that suggest a category: one record per category,
// the last one (miscellaneous) empty, and together they lead common shortcuts to their category
// in each language, from the name alone or from what the shortcut's file says.
TEST(CategoryWords, SuggestTheCategoryOfCommonShortcutsInEachLanguage) {
    struct Case {
        const char* name;
        const char* folders;
        const char* description;
        const char* target;
        int expected;
    };
    const Case cases[] = {
        {"Chess Titans", "Games", "", "", 0},
        {"7-Zip File Manager", "7-Zip", "", "", 1},
        {"GIMP 2.10", "", "", "", 2},
        {"VLC media player", "VideoLAN", "", "", 3},
        {"Audacity", "", "", "", 4},
        {"LibreOffice Calc", "LibreOffice", "", "", 5},
        {"Disk Cleanup", "Accessories/System Tools", "", "", 6},
        {"Encyclopedia 2000", "", "", "", 7},
        {"IDLE (Python 3.11)", "Python 3.11", "", "", 8},
        {"Mozilla Firefox", "", "", "", 9},
        {"Winamp", "Media", "", "", 4},
        {"Frobnicator", "Acme", "", "", -1},
        {"Frobnicator", "Acme", "Listen to your music and podcasts", "", 4},
        {"Launch", "Acme", "", "C:\\Program Files\\Acme\\winword.exe", 5},
        {"Zork", "Infocom", "", "C:\\Program Files\\Steam\\zork.exe", 0},
        {"\u00c9checs", "Jeux", "", "", 0},
        {"Navigateur Web", "", "", "", 9},
        {"Scacchi", "Giochi", "", "", 0},
        {"Posta elettronica", "", "", "", 9},
    };
    for (const char* file : {"Words (uk).tvn", "Words (fr).tvn", "Words (it).tvn"}) {
        const QStringList records = quotedLines(QString::fromLatin1(file));
        ASSERT_EQ(records.size(), tvn::kCategoryCount) << file;
        for (int k = 0; k + 1 < tvn::kCategoryCount; ++k)
            EXPECT_FALSE(records[k].isEmpty()) << file << " " << k;
        EXPECT_TRUE(records.back().isEmpty()) << file;
    }
    tvn::NativeFileSystem fs;
    tvn::CategorySuggester suggester;
    tvn::addShippedSuggestionData(suggester, fs, [](const QString& fileName) {
        return QStringLiteral(TORVANE_APP_DIR "/") + fileName;
    });
    for (const Case& c : cases)
        EXPECT_EQ(suggester
                      .suggest({QString::fromUtf8(c.name), QString::fromUtf8(c.folders),
                                QString::fromUtf8(c.description), QString::fromUtf8(c.target)})
                      .category,
                  c.expected)
            << c.name;
}

// A word of the three word files, and a program of the known-programs table or of the
// catalogue, points to one category: a second one would cancel the first or win silently.
TEST(CategoryWords, AWordOrAProgramHasOneCategory) {
    tvn::NativeFileSystem fs;
    const auto path = [](const QString& fileName) {
        return QStringLiteral(TORVANE_APP_DIR "/") + fileName;
    };
    const auto expectOneCategory = [](const std::vector<tvn::CategoryWords>& files,
                                      const char* what) {
        QHash<QString, int> categoryOf;
        for (const tvn::CategoryWords& file : files)
            for (int k = 0; k < tvn::kCategoryCount; ++k)
                for (const QString& word : file[static_cast<size_t>(k)]) {
                    const int first = categoryOf.value(word, k);
                    EXPECT_EQ(first, k) << what << " " << word.toStdString();
                    categoryOf.insert(word, first);
                }
    };
    std::vector<tvn::CategoryWords> words;
    for (const QString& fileName : tvn::categoryWordsFileNames())
        words.push_back(tvn::readCategoryWords(fs, path(fileName)));
    expectOneCategory(words, "word");
    expectOneCategory(
        {tvn::readKnownPrograms(fs, path(QString::fromUtf16(tvn::kKnownProgramsFileName)))},
        "known program");

    const auto catalogue =
        tvn::readProgramCatalogue(fs, path(QString::fromUtf16(tvn::kProgramCatalogueFileName)));
    EXPECT_GT(catalogue.size(), 4000u);
    EXPECT_GT(
        tvn::readProgramCatalogue(fs, path(QString::fromUtf16(tvn::kDescribedProgramsFileName)))
            .size(),
        1500u);
    QSet<QString> keys;
    for (const tvn::CataloguedProgram& program : catalogue)
        for (const QString& key : program.keys) {
            EXPECT_FALSE(keys.contains(key)) << "catalogued twice: " << key.toStdString();
            keys.insert(key);
        }
}

} // namespace
