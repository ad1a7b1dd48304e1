#include "tidy/TidyTexts.h"

#include "platform/TextTable.h"

namespace tvn {

QString tidyText(TidyText text, int languageIndex) {
    // English, French, Italian; French puts a no-break space before "!", "?" and ":".
    static constexpr TextRow kTexts[] = {
        {u"Usage: torvane tidy [--dry-run] [--watch] [--start-menu FOLDER | --prefix FOLDER]\n"
         u"\n"
         u"Copies every new shortcut of the Programs folders whose category is sure into that\n"
         u"category's folder; the others wait in CLASSIFY.\n"
         u"  --dry-run            prints what it would file and changes nothing\n"
         u"  --watch              stays running and tidies a few seconds after new shortcuts come\n"
         u"  --start-menu FOLDER  works on this Start Menu folder instead of the settings'\n"
         u"  --prefix FOLDER      works on the Start Menu of this Wine prefix\n"
         u"  --help               prints this text\n"
         u"\n"
         u"A category is sure when you filed the same program before, when every classified\n"
         u"shortcut of its vendor folder lies in one category, or when the shortcut names a known\n"
         u"program and nothing points elsewhere. Help, read-me and uninstall shortcuts are never\n"
         u"filed.\n"
         u"Exit status: 0 done, 1 wrong options, 2 no settings or a folder that cannot be used,\n"
         u"3 Torvane is open on its program folder, 4 some shortcuts could not be filed.\n",
         u"Usage\u00a0: torvane tidy [--dry-run] [--watch] [--start-menu DOSSIER | --prefix "
         u"DOSSIER]\n"
         u"\n"
         u"Copie chaque nouveau raccourci des dossiers Programmes dont la cat\u00e9gorie est "
         u"s\u00fbre\n"
         u"dans le dossier de cette cat\u00e9gorie\u00a0; les autres attendent dans CLASSER.\n"
         u"  --dry-run            affiche ce qui serait class\u00e9 et ne change rien\n"
         u"  --watch              reste actif et range quelques secondes apr\u00e8s "
         u"l\u2019arriv\u00e9e "
         u"de raccourcis\n"
         u"  --start-menu DOSSIER travaille sur ce dossier du menu D\u00e9marrer au lieu de celui "
         u"des r\u00e9glages\n"
         u"  --prefix DOSSIER     travaille sur le menu D\u00e9marrer de ce pr\u00e9fixe Wine\n"
         u"  --help               affiche ce texte\n"
         u"\n"
         u"Une cat\u00e9gorie est s\u00fbre quand vous avez d\u00e9j\u00e0 class\u00e9 le "
         u"m\u00eame "
         u"programme, quand tous les\n"
         u"raccourcis class\u00e9s du dossier de son \u00e9diteur sont dans une seule "
         u"cat\u00e9gorie, "
         u"ou quand le\n"
         u"raccourci nomme un programme connu et que rien d\u2019autre ne pointe ailleurs. Les "
         u"raccourcis\n"
         u"d\u2019aide, de lisez-moi et de d\u00e9sinstallation ne sont jamais class\u00e9s.\n"
         u"Code de sortie\u00a0: 0 fait, 1 options erron\u00e9es, 2 pas de r\u00e9glages ou un "
         u"dossier inutilisable,\n"
         u"3 Torvane est ouvert sur son dossier, 4 des raccourcis n\u2019ont pas pu \u00eatre "
         u"class\u00e9s.\n",
         u"Uso: torvane tidy [--dry-run] [--watch] [--start-menu CARTELLA | --prefix CARTELLA]\n"
         u"\n"
         u"Copia ogni nuovo collegamento delle cartelle Programmi la cui categoria \u00e8 sicura\n"
         u"nella cartella di quella categoria; gli altri attendono in CLASSIFICA.\n"
         u"  --dry-run             mostra cosa classificherebbe e non cambia nulla\n"
         u"  --watch               resta attivo e riordina pochi secondi dopo l\u2019arrivo di "
         u"collegamenti\n"
         u"  --start-menu CARTELLA lavora su questa cartella del menu Start invece di quella "
         u"delle impostazioni\n"
         u"  --prefix CARTELLA     lavora sul menu Start di questo prefisso Wine\n"
         u"  --help                mostra questo testo\n"
         u"\n"
         u"Una categoria \u00e8 sicura quando lo stesso programma \u00e8 gi\u00e0 stato "
         u"classificato, quando tutti i\n"
         u"collegamenti classificati della cartella del suo produttore stanno in una sola "
         u"categoria, o quando\n"
         u"il collegamento nomina un programma noto e nient\u2019altro punta altrove. I "
         u"collegamenti di guida,\n"
         u"leggimi e disinstallazione non vengono mai classificati.\n"
         u"Codice di uscita: 0 fatto, 1 opzioni errate, 2 nessuna impostazione o una cartella "
         u"inutilizzabile,\n"
         u"3 Torvane \u00e8 aperto sulla sua cartella, 4 alcuni collegamenti non sono stati "
         u"classificati.\n"},
        {u"%1 \u2192 %2", u"%1 \u2192 %2", u"%1 \u2192 %2"},
        {u"would file: %1 \u2192 %2", u"serait class\u00e9\u00a0: %1 \u2192 %2",
         u"verrebbe classificato: %1 \u2192 %2"},
        {u"not filed: %1 (%2)", u"non class\u00e9\u00a0: %1 (%2)", u"non classificato: %1 (%2)"},
        {u"%1 filed, %2 waiting in CLASSIFY, %3 failed",
         u"%1 class\u00e9(s), %2 en attente dans CLASSER, %3 en \u00e9chec",
         u"%1 classificati, %2 in attesa in CLASSIFICA, %3 non riusciti"},
        {u"%1 would be filed, %2 would wait in CLASSIFY; nothing was changed",
         u"%1 seraient class\u00e9s, %2 attendraient dans CLASSER\u00a0; rien n\u2019a "
         u"\u00e9t\u00e9 chang\u00e9",
         u"%1 verrebbero classificati, %2 attenderebbero in CLASSIFICA; nulla \u00e8 stato "
         u"cambiato"},
        {u"Torvane has no settings yet in %1: open Torvane once, or give --start-menu or "
         u"--prefix.",
         u"Torvane n\u2019a pas encore de r\u00e9glages dans %1\u00a0: ouvrez Torvane une "
         u"fois, ou indiquez --start-menu ou --prefix.",
         u"Torvane non ha ancora impostazioni in %1: aprire Torvane una volta, o indicare "
         u"--start-menu o --prefix."},
        {u"The Start Menu folder %1 cannot be used: %2",
         u"Le dossier du menu D\u00e9marrer %1 ne peut pas servir\u00a0: %2",
         u"La cartella del menu Start %1 non pu\u00f2 essere usata: %2"},
        {u"The Programs folder %1 cannot be used: %2",
         u"Le dossier Programmes %1 ne peut pas servir\u00a0: %2",
         u"La cartella Programmi %1 non pu\u00f2 essere usata: %2"},
        {u"The Wine prefix %1 names no Start Menu folder.",
         u"Le pr\u00e9fixe Wine %1 ne nomme aucun dossier du menu D\u00e9marrer.",
         u"Il prefisso Wine %1 non indica nessuna cartella del menu Start."},
        {u"Torvane is open on its program folder %1: close it and tidy again.",
         u"Torvane est ouvert sur son dossier %1\u00a0: fermez-le et rangez \u00e0 nouveau.",
         u"Torvane \u00e8 aperto sulla sua cartella %1: chiuderlo e riordinare di nuovo."},
        {u"The folder %1 cannot be read.", u"Le dossier %1 ne peut pas \u00eatre lu.",
         u"La cartella %1 non pu\u00f2 essere letta."},
        {u"Unknown option: %1 (see torvane tidy --help)",
         u"Option inconnue\u00a0: %1 (voir torvane tidy --help)",
         u"Opzione sconosciuta: %1 (vedere torvane tidy --help)"},
        {u"%1 needs a folder (see torvane tidy --help)",
         u"%1 demande un dossier (voir torvane tidy --help)",
         u"%1 richiede una cartella (vedere torvane tidy --help)"},
        {u"Watching the Programs folders of %1.", u"Surveillance des dossiers Programmes de %1.",
         u"Sorveglianza delle cartelle Programmi di %1."},
        {u"Torvane filed %1 new shortcuts", u"Torvane a class\u00e9 %1 nouveaux raccourcis",
         u"Torvane ha classificato %1 nuovi collegamenti"},
        {u"Torvane filed a new shortcut", u"Torvane a class\u00e9 un nouveau raccourci",
         u"Torvane ha classificato un nuovo collegamento"},
        {u"%1 wait in CLASSIFY.", u"%1 attendent dans CLASSER.", u"%1 attendono in CLASSIFICA."},
        {u"One other waits in CLASSIFY.", u"Un autre attend dans CLASSER.",
         u"Un altro attende in CLASSIFICA."},
        {u"Undo", u"D\u00e9faire", u"Disfa"},
        {u"The last tidy is taken back (%1 copies).",
         u"Le dernier rangement est annul\u00e9 (%1\u00a0copies).",
         u"L\u2019ultimo riordino \u00e8 stato annullato (%1 copie)."},
        {u"The last tidy cannot be taken back: %1 changed since.",
         u"Le dernier rangement ne peut pas \u00eatre annul\u00e9\u00a0: %1 a chang\u00e9 "
         u"depuis.",
         u"L\u2019ultimo riordino non pu\u00f2 essere annullato: %1 \u00e8 cambiato nel "
         u"frattempo."},
    };
    return textOf(kTexts, text, languageIndex);
}

QString tidyFolderProblemText(int problem, int languageIndex) {
    static constexpr TextRow kTexts[] = {
        {u"no folder is given", u"aucun dossier n\u2019est indiqu\u00e9",
         u"nessuna cartella indicata"},
        {u"it holds a double quote", u"il contient un guillemet droit",
         u"contiene un doppio apice"},
        {u"the path is too long", u"le chemin est trop long", u"il percorso \u00e8 troppo lungo"},
        {u"it does not exist", u"il n\u2019existe pas", u"non esiste"},
        {u"it is a file", u"c\u2019est un fichier", u"\u00e8 un file"},
        {u"it cannot be read", u"il ne peut pas \u00eatre lu", u"non pu\u00f2 essere letta"},
        {u"it is the top of a disk", u"c\u2019est la racine d\u2019un disque",
         u"\u00e8 la radice di un disco"},
        {u"it is a folder of the system", u"c\u2019est un dossier du syst\u00e8me",
         u"\u00e8 una cartella del sistema"},
        {u"it is the home folder itself", u"c\u2019est le dossier personnel lui-m\u00eame",
         u"\u00e8 la cartella personale stessa"},
        {u"it lies in a Windows folder", u"il se trouve dans un dossier Windows",
         u"si trova in una cartella Windows"},
        {u"it does not lie inside the Start Menu folder",
         u"il ne se trouve pas dans le dossier du menu D\u00e9marrer",
         u"non si trova nella cartella del menu Start"},
    };
    return textOf(kTexts,
                  problem >= 0 && problem < static_cast<int>(std::size(kTexts)) ? problem : 0,
                  languageIndex);
}

} // namespace tvn
