#pragma once

#include "catalogue/ProgramState.h"

#include <array>
#include <functional>
#include <QString>
#include <QStringList>
#include <vector>

// The data files the suggestion learns from: the category words of each language, the table of
// well-known programs, the catalogue of programs and the described programs.

namespace tvn {

class CategorySuggester;
class FileSystem;

// The words that point to each category, by the category's index: the user may rename a
// category, but its index keeps its meaning (index 0 holds the games whatever it is called).
using CategoryWords = std::array<QStringList, kCategoryCount>;

// Reads the category words of one language from a data file of eleven records, one per
// category in the order of the buttons, each holding words separated by blanks or commas. A
// word ending in "*" stands for every word that begins so ("photo*": "photos", "photography");
// any other only for itself, so that "play" does not take "player". Words joined by "_" are a
// phrase ("music_player", "lecteur_musique"): it counts where those words follow each other, and
// outweighs its words alone, so that a "terminal emulator" is a system tool and not a game. A
// missing file or record gives no words for those categories.
CategoryWords readCategoryWords(FileSystem& fs, const QString& path);

// The shipped data files of category words, one per interface language, of known programs and
// of the catalogue of programs.
QStringList categoryWordsFileNames();
inline constexpr auto kKnownProgramsFileName = u"Known programs.tvn";
inline constexpr auto kProgramCatalogueFileName = u"Program catalogue.tvn";
inline constexpr auto kDescribedProgramsFileName = u"Described programs.tvn";

// Reads the table of well-known programs: eleven records in the order of the buttons, each
// holding program names and executable names separated by commas ("VLC media player, vlc").
// Each comes back as its key (see programKey).
CategoryWords readKnownPrograms(FileSystem& fs, const QString& path);

// A program of a public catalogue of software: the keys of its names and executables (see
// programKey), the category its tags give (-1 when they give none or several) and its one-line
// description.
struct CataloguedProgram {
    QStringList keys;
    int category = -1;
    QString description;
};

// Reads the catalogue: one record of three items per program, its category, its names and
// executables separated by "|", and its description.
std::vector<CataloguedProgram> readProgramCatalogue(FileSystem& fs, const QString& path);

// Teaches `suggester` the words of every language and the known programs of the shipped data
// files; `pathOf` gives a data file's path from its name.
void addShippedSuggestionData(CategorySuggester& suggester, FileSystem& fs,
                              const std::function<QString(const QString& fileName)>& pathOf);

} // namespace tvn
