#pragma once

#include <QString>
#include <QStringList>

// How a shortcut's clues are cut into the words the suggestion weighs and into the keys it looks
// programs up by.

namespace tvn {

// Words are runs of letters and digits: "Chess-Master_2" gives "chess", "master" and "2".
QStringList wordsOf(const QString& text);

// Names join their words in capitals as often as with blanks: "BrutalChess", "HWMonitor" and
// "CrystalDiskInfo" say "chess", "monitor" and "disk". Only where the words are weighed: a
// program's key keeps the name whole.
QString splitCapitals(const QString& text);

// The words of a clue, its capitals split.
QStringList clueWordsOf(const QString& text);

// The words of a description, less those that say what the program is made with rather than
// what it does: "written in Rust", "built on web technologies", "developed by KDE".
QStringList descriptionWordsOf(const QString& text);

// The words of folder names, less the words a vendor's folder shares with every other
// company's ("Safer Networking Ltd", "Foo Development Team"): they tell nothing of its programs.
QStringList folderWordsOf(const QString& folders);

// Version numbers and platforms tell nothing about the program: "2", "v10", "x64", "64bit".
bool isVersionWord(const QString& word);

// The words every kind of program's description uses, and version words: they only blur what
// the others say.
bool isCommonDescriptionWord(const QString& word);

// The words of a program's name without its version or a portable edition's mark ("GIMP
// Portable", "GIMPPortable.exe", "Mozilla Firefox, Portable Edition" are the programs they
// start); a leading number is part of the name ("7-Zip", "2048"). A "+" counts as a letter, as
// program files write it: "Notepad++" is "notepadpp.exe", not Notepad.
QStringList programWords(const QString& name);

// A program's name reduced to what identifies it: letters and digits only, letter case folded,
// version numbers and a portable edition's mark left out ("GIMP 2.10", "GIMPPortable" and
// "gimp" give "gimp").
QString programKey(const QString& name);

// The parts of a Windows path ("C:\Program Files\Vendor\app.exe"): the folders that may name
// the vendor or the suite, and the file's base name.
struct TargetParts {
    QStringList folders;
    QString executable;
};
TargetParts targetParts(const QString& path);

// The vendor folder of a shortcut's folders below Programs ("Vendor/Suite" gives "vendor").
QString vendorOf(const QString& folders);

} // namespace tvn
