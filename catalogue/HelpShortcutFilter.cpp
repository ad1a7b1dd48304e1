#include "catalogue/HelpShortcutFilter.h"

#include "catalogue/CatalogueList.h"

#include <QStringView>

namespace tvn {
namespace {

struct Keyword {
    QStringView word;
    bool atEnd;
    bool atStart;
};

// 27 tests: every keyword at the end of the name, "manuel" and "uninstall" at the start too,
// and "guida" ("guide") only at the start.
constexpr Keyword kKeywords[] = {
    {u"me", true, false},           {u"me!", true, false},       {u"lire", true, false},
    {u".hlp", true, false},         {u".txt", true, false},      {u"help", true, false},
    {u"aide", true, false},         {u"aiuto", true, false},     {u"guida", false, true},
    {u"setup", true, false},        {u"notes", true, false},     {u" form", true, false},
    {u"manuel", true, true},        {u"manual", true, false},    {u"readme", true, false},
    {u"readme!", true, false},      {u"support", true, false},   {u"example", true, false},
    {u"read-me", true, false},      {u"read me", true, false},   {u"leggimi", true, false},
    {u"uninstall", true, true},     {u"lisez moi", true, false}, {u"lisez-moi", true, false},
    {u"registration", true, false},
};

} // namespace

bool isHelpShortcutName(const QString& name) {
    for (const Keyword& k : kKeywords) {
        if (k.atEnd && name.endsWith(k.word, Qt::CaseInsensitive))
            return true;
        if (k.atStart && name.startsWith(k.word, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

void HideHelpShortcuts(Tvn& tvn) {
    const ListBox& names = tvn.lists.notYet;
    const ListBox& folders = tvn.lists.notYetDirs;
    const int nameCount = names.count();
    const int folderCount = folders.count();
    if (nameCount < 1 || folderCount < 1)
        return;

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
    if (keptNames.size() == nextName)
        return; // nothing removed
    for (int k = nextName; k < nameCount; ++k)
        keptNames.append(names.at(k));
    for (int k = nextFolder; k < folderCount; ++k)
        keptFolders.append(folders.at(k));
    notYetList(tvn.lists).assign(keptNames, keptFolders);
}

} // namespace tvn
