#include "catalogue/HelpShortcutFilter.h"

#include "catalogue/CatalogueList.h"

#include <QStringList>
#include <QStringView>

namespace tvn {
namespace {

enum class Where { Anywhere, Start, End };

struct Keyword {
    // Whole words, lower case, without accents, separated by single blanks.
    QStringView words;
    Where where;
};

// Words that only a help, licence or uninstall entry carries count anywhere in the name.
// Words an ordinary program's name may carry ("guide", "website", "support") count only where
// an installer puts them: "Site web de X", "X Homepage", "X on the Web".
constexpr Keyword kKeywords[] = {
    // Read-me
    {u"readme", Where::Anywhere},
    {u"read me", Where::Anywhere},
    {u"lisezmoi", Where::Anywhere},
    {u"lisez moi", Where::Anywhere},
    {u"leggimi", Where::Anywhere},
    // Help and manuals
    {u"help", Where::Anywhere},
    {u"aide", Where::Anywhere},
    {u"aiuto", Where::Anywhere},
    {u"guida", Where::Anywhere},
    {u"manual", Where::Anywhere},
    {u"manuel", Where::Anywhere},
    {u"manuale", Where::Anywhere},
    {u"documentation", Where::Anywhere},
    {u"documentazione", Where::Anywhere},
    {u"user guide", Where::Anywhere},
    {u"user s guide", Where::Anywhere},
    {u"users guide", Where::Anywhere},
    {u"guide de l utilisateur", Where::Anywhere},
    {u"guide utilisateur", Where::Anywhere},
    {u"faq", Where::End},
    // Licence
    {u"license", Where::Anywhere},
    {u"licence", Where::Anywhere},
    {u"licenza", Where::Anywhere},
    {u"eula", Where::Anywhere},
    // Release notes
    {u"release notes", Where::Anywhere},
    {u"notes de version", Where::Anywhere},
    {u"note di rilascio", Where::Anywhere},
    {u"note sulla versione", Where::Anywhere},
    {u"changelog", Where::Anywhere},
    {u"what s new", Where::Anywhere},
    {u"whats new", Where::Anywhere},
    {u"nouveautes", Where::Anywhere},
    {u"novita", Where::End},
    // Web site
    {u"website", Where::End},
    {u"web site", Where::End},
    {u"homepage", Where::End},
    {u"home page", Where::End},
    {u"on the web", Where::End},
    {u"on the internet", Where::End},
    {u"sur le web", Where::End},
    {u"sur internet", Where::End},
    {u"sul web", Where::End},
    {u"site web", Where::Start},
    {u"site internet", Where::Start},
    {u"sito web", Where::Start},
    {u"sito internet", Where::Start},
    // Uninstall
    {u"uninstall", Where::Anywhere},
    {u"desinstaller", Where::Anywhere},
    {u"desinstallation", Where::Anywhere},
    {u"desinstalle", Where::Anywhere},
    {u"disinstalla", Where::Anywhere},
    {u"disinstallare", Where::Anywhere},
    {u"disinstallazione", Where::Anywhere},
};

// A shortcut named after the document it opens.
constexpr QStringView kDocumentSuffixes[] = {u".txt", u".hlp", u".chm", u".pdf",
                                             u".rtf", u".htm", u".html"};

// The name's words: runs of letters and digits, case-folded and stripped of accents.
QStringList wordsOf(const QString& name) {
    QStringList words;
    QString word;
    for (const QChar c : name.normalized(QString::NormalizationForm_D)) {
        if (c.isLetterOrNumber()) {
            word += c.toCaseFolded();
        } else if (!c.isMark() && !word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    if (!word.isEmpty())
        words.append(word);
    return words;
}

bool wordsMatchAt(const QStringList& words, qsizetype at, const QList<QStringView>& keyword) {
    for (qsizetype k = 0; k < keyword.size(); ++k) {
        if (words[at + k] != keyword[k])
            return false;
    }
    return true;
}

bool containsKeyword(const QStringList& words, const Keyword& keyword) {
    const QList<QStringView> parts = keyword.words.split(u' ');
    const qsizetype last = words.size() - parts.size();
    if (last < 0)
        return false;
    switch (keyword.where) {
    case Where::Start:
        return wordsMatchAt(words, 0, parts);
    case Where::End:
        return wordsMatchAt(words, last, parts);
    case Where::Anywhere:
        for (qsizetype at = 0; at <= last; ++at) {
            if (wordsMatchAt(words, at, parts))
                return true;
        }
        return false;
    }
    return false;
}

} // namespace

bool isHelpShortcutName(const QString& name) {
    for (const QStringView suffix : kDocumentSuffixes) {
        if (name.endsWith(suffix, Qt::CaseInsensitive))
            return true;
    }
    const QStringList words = wordsOf(name);
    for (const Keyword& keyword : kKeywords) {
        if (containsKeyword(words, keyword))
            return true;
    }
    return false;
}

int hideHelpShortcuts(Tvn& tvn) {
    const ListBox& names = tvn.lists.notYet;
    const ListBox& folders = tvn.lists.notYetDirs;
    const int nameCount = names.count();
    const int folderCount = folders.count();
    if (nameCount < 1 || folderCount < 1)
        return 0;

    // One pass with a fixed upper bound: a match at position i is removed from both lists and
    // position i examined again; the pass ends once i runs past the folder list. Played here on
    // read positions into the unchanged lists, so the survivors are assigned once instead of
    // shifting the whole list for every removal.
    QStringList keptNames;
    QStringList keptFolders;
    int nextName = 0;   // first entry of `names` not yet passed or removed
    int nextFolder = 0; // the same for `folders`
    for (int i = 0; i <= nameCount - 1; ++i) {
        // Both kept prefixes hold i entries, so the folder list now counts
        // i + (folderCount - nextFolder) entries.
        if (nextFolder >= folderCount)
            break;
        while (nextName < nameCount && isHelpShortcutName(names.at(nextName))) {
            ++nextName;
            if (nextFolder < folderCount)
                ++nextFolder;
        }
        if (nextName == nameCount)
            break;
        keptNames.append(names.at(nextName++));
        if (nextFolder < folderCount)
            keptFolders.append(folders.at(nextFolder++));
    }
    const int removed = nextName - static_cast<int>(keptNames.size());
    if (removed == 0)
        return 0;
    for (int k = nextName; k < nameCount; ++k)
        keptNames.append(names.at(k));
    for (int k = nextFolder; k < folderCount; ++k)
        keptFolders.append(folders.at(k));
    notYetList(tvn.lists).assign(keptNames, keptFolders);
    return removed;
}

} // namespace tvn
