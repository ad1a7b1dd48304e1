#include "i18n/NoticeTexts.h"

#include "platform/TextTable.h"

namespace tvn {

QString noticeText(NoticeText text, int languageIndex) {
    // English, French, Italian; French puts a no-break space before a colon.
    static constexpr TextRow kTexts[] = {
        {u"These shortcuts could not be handled.",
         u"Ces raccourcis n'ont pas pu \u00eatre trait\u00e9s.",
         u"Questi collegamenti non sono stati elaborati."},
        {u"This shortcut could not be handled.", u"Ce raccourci n'a pas pu \u00eatre trait\u00e9.",
         u"Questo collegamento non \u00e8 stato elaborato."},
        {u"The others were.", u"Les autres l'ont \u00e9t\u00e9.", u"Gli altri s\u00ec."},
        {u"The lists show what is on the disk now.",
         u"Les listes montrent ce qui se trouve maintenant sur le disque.",
         u"Le liste mostrano ci\u00f2 che si trova ora sul disco."},
        {u"%1: %2", u"%1\u00a0: %2", u"%1: %2"},
        {u"The language picture \u201c%1\u201d cannot be read in the folder:\n%2\nIt is missing "
         u"or damaged; the program goes on without it. Put the file back in that folder "
         u"(installing the program again does it).",
         u"L'image de la langue \u00ab\u00a0%1\u00a0\u00bb ne peut pas \u00eatre lue dans le "
         u"dossier\u00a0:\n%2\nElle est absente ou endommag\u00e9e\u00a0; le programme continue "
         u"sans elle. Remettez le fichier dans ce dossier (r\u00e9installer le programme le "
         u"fait).",
         u"L'immagine della lingua \u00ab%1\u00bb non pu\u00f2 essere letta nella cartella:\n%2\n"
         u"Manca o \u00e8 danneggiata; il programma prosegue senza. Rimettete il file in quella "
         u"cartella (reinstallare il programma lo fa)."},
        {u"\u201c%1\u201d: it is no longer there (deleted or renamed meanwhile).",
         u"\u00ab\u00a0%1\u00a0\u00bb\u00a0: il n'existe plus (supprim\u00e9 ou renomm\u00e9 "
         u"entre-temps).",
         u"\u00ab%1\u00bb: non esiste pi\u00f9 (eliminato o rinominato nel frattempo)."},
        {u"\u201c%1\u201d: the disk is full.",
         u"\u00ab\u00a0%1\u00a0\u00bb\u00a0: le disque est plein.",
         u"\u00ab%1\u00bb: il disco \u00e8 pieno."},
        {u"\u201c%1\u201d: the folder cannot be changed (read-only, or you may not write there).",
         u"\u00ab\u00a0%1\u00a0\u00bb\u00a0: le dossier ne peut pas \u00eatre modifi\u00e9 "
         u"(lecture seule, ou vous n'avez pas le droit d'y \u00e9crire).",
         u"\u00ab%1\u00bb: la cartella non pu\u00f2 essere modificata (sola lettura, o non avete "
         u"il permesso di scriverci)."},
        {u"\u201c%1\u201d: the operation failed.",
         u"\u00ab\u00a0%1\u00a0\u00bb\u00a0: l'op\u00e9ration a \u00e9chou\u00e9.",
         u"\u00ab%1\u00bb: l'operazione non \u00e8 riuscita."},
        {u"\u201c%1\u201d: a shortcut of that name is in the category already, and the name is "
         u"too long to add where this one comes from. Rename the shortcut in its own folder "
         u"first.",
         u"\u00ab\u00a0%1\u00a0\u00bb\u00a0: un raccourci de ce nom est d\u00e9j\u00e0 dans la "
         u"cat\u00e9gorie, et le nom est trop long pour y ajouter sa provenance. Renommez "
         u"d'abord le raccourci dans son propre dossier.",
         u"\u00ab%1\u00bb: un collegamento con questo nome \u00e8 gi\u00e0 nella categoria, e il "
         u"nome \u00e8 troppo lungo per aggiungervi la sua provenienza. Rinominate prima il "
         u"collegamento nella sua cartella."},
        {u"\u2026 and %1 more.", u"\u2026 et %1 autres.", u"\u2026 e altri %1."},
        {u"The last action cannot be undone: \u201c%1\u201d is no longer in the trash. Nothing "
         u"was changed.",
         u"La derni\u00e8re action ne peut pas \u00eatre d\u00e9faite\u00a0: "
         u"\u00ab\u00a0%1\u00a0\u00bb n'est plus dans la corbeille. Rien n'a \u00e9t\u00e9 "
         u"modifi\u00e9.",
         u"L'ultima azione non pu\u00f2 essere disfatta: \u00ab%1\u00bb non \u00e8 pi\u00f9 nel "
         u"cestino. Non \u00e8 stato modificato nulla."},
        {u"Torvane is already running on this program folder:\n%1\nUse the window that is open.",
         u"Torvane est d\u00e9j\u00e0 ouvert sur ce dossier du programme\u00a0:\n%1\nUtilisez la "
         u"fen\u00eatre ouverte.",
         u"Torvane \u00e8 gi\u00e0 in esecuzione per questa cartella del programma:\n%1\nUsate "
         u"la finestra aperta."},
        {u"Folders that could not be read, left out of the lists: %1. The first:\n%2",
         u"Dossiers illisibles, laiss\u00e9s hors des listes\u00a0: %1. Le premier\u00a0:\n%2",
         u"Cartelle non leggibili, escluse dalle liste: %1. La prima:\n%2"},
        {u"Settings", u"R\u00e9glages", u"Impostazioni"},
        {u"%1: %2\n\n%3", u"%1\u00a0: %2\n\n%3", u"%1: %2\n\n%3"},
        {u"Start Menu folder", u"Dossier du menu D\u00e9marrer", u"Cartella del menu Avvio"},
        {u"Programs folder", u"Dossier des programmes", u"Cartella dei programmi"},
        {u"the box is empty.", u"le champ est vide.", u"la casella \u00e8 vuota."},
        {u"a folder whose path holds a double quote (\") cannot be kept in the settings.",
         u"un dossier dont le chemin contient un guillemet droit (\") ne peut pas \u00eatre "
         u"enregistr\u00e9 dans les r\u00e9glages.",
         u"una cartella il cui percorso contiene le virgolette (\") non pu\u00f2 essere "
         u"salvata nelle impostazioni."},
        {u"the path is longer than the system allows.",
         u"le chemin est plus long que le syst\u00e8me ne le permet.",
         u"il percorso \u00e8 pi\u00f9 lungo di quanto il sistema consenta."},
        {u"there is no such folder.", u"ce dossier n'existe pas.", u"questa cartella non esiste."},
        {u"this is a file, not a folder.", u"c'est un fichier, pas un dossier.",
         u"\u00e8 un file, non una cartella."},
        {u"the folder cannot be read.", u"le dossier ne peut pas \u00eatre lu.",
         u"la cartella non pu\u00f2 essere letta."},
        {u"this is the top of a whole disk, not a folder of the Start Menu.",
         u"c'est la racine d'un disque entier, pas un dossier du menu D\u00e9marrer.",
         u"\u00e8 la radice di un intero disco, non una cartella del menu Avvio."},
        {u"this is one of the system's own folders, not a folder of the Start Menu. Choose a "
         u"Wine prefix in the list.",
         u"c'est un dossier du syst\u00e8me lui-m\u00eame, pas un dossier du menu "
         u"D\u00e9marrer. Choisissez un pr\u00e9fixe Wine dans la liste.",
         u"\u00e8 una cartella del sistema stesso, non una cartella del menu Avvio. Scegliete un "
         u"prefisso Wine nell'elenco."},
        {u"this folder holds the folders of all users, disks or programs, not a folder of the "
         u"Start Menu. Choose a Wine prefix in the list, or the Start Menu folder inside one.",
         u"ce dossier contient les dossiers de tous les utilisateurs, des disques ou des "
         u"programmes, pas un dossier du menu D\u00e9marrer. Choisissez un pr\u00e9fixe Wine "
         u"dans la liste, ou le dossier du menu D\u00e9marrer qu'il contient.",
         u"questa cartella contiene le cartelle di tutti gli utenti, dei dischi o dei programmi, "
         u"non una cartella del menu Avvio. Scegliete un prefisso Wine nell'elenco, o la "
         u"cartella del menu Avvio che contiene."},
        {u"this is your home folder itself, not a folder of the Start Menu. Choose a Wine prefix "
         u"in the list, or the Start Menu folder inside one.",
         u"c'est votre dossier personnel lui-m\u00eame, pas un dossier du menu D\u00e9marrer. "
         u"Choisissez un pr\u00e9fixe Wine dans la liste, ou le dossier du menu D\u00e9marrer "
         u"qu'il contient.",
         u"\u00e8 la vostra cartella personale stessa, non una cartella del menu Avvio. "
         u"Scegliete un prefisso Wine nell'elenco, o la cartella del menu Avvio che contiene."},
        {u"this is the Windows folder of a Wine prefix or of Windows, not a folder of the Start "
         u"Menu. Choose a Wine prefix in the list.",
         u"c'est le dossier Windows d'un pr\u00e9fixe Wine ou de Windows, pas un dossier du menu "
         u"D\u00e9marrer. Choisissez un pr\u00e9fixe Wine dans la liste.",
         u"\u00e8 la cartella Windows di un prefisso Wine o di Windows, non una cartella del "
         u"menu Avvio. Scegliete un prefisso Wine nell'elenco."},
        {u"the Programs folder must lie inside the Start Menu folder, whose categories it "
         u"feeds.",
         u"le dossier des programmes doit se trouver dans le dossier du menu D\u00e9marrer, "
         u"dont il alimente les cat\u00e9gories.",
         u"la cartella dei programmi deve trovarsi dentro la cartella del menu Avvio, di cui "
         u"alimenta le categorie."},
        {u"Cancel", u"Annuler", u"Annulla"},
    };
    static_assert(std::size(kTexts) == static_cast<size_t>(NoticeText::Cancel) + 1);
    return textOf(kTexts, text, languageIndex);
}

QString operationName(const QString& operation, int languageIndex) {
    struct Named {
        const char16_t* operation;
        const char16_t* french;
        const char16_t* italian;
    };
    static constexpr Named kNames[] = {
        {u"copy", u"copie", u"copia"},
        {u"delete", u"suppression", u"eliminazione"},
        {u"rename", u"changement de nom", u"cambio di nome"},
        {u"move to trash", u"mise \u00e0 la corbeille", u"spostamento nel cestino"},
        {u"restore from trash", u"retour de la corbeille", u"ripristino dal cestino"},
        {u"list folder", u"lecture du dossier", u"lettura della cartella"},
        {u"create folder", u"cr\u00e9ation du dossier", u"creazione della cartella"},
        {u"remove folder", u"suppression du dossier", u"eliminazione della cartella"},
        {u"remove temporaries", u"suppression des fichiers temporaires",
         u"eliminazione dei file temporanei"},
        {u"write", u"\u00e9criture", u"scrittura"},
    };
    if (languageIndex == 1 || languageIndex == 2)
        for (const Named& named : kNames)
            if (operation == QStringView(named.operation))
                return QString::fromUtf16(languageIndex == 1 ? named.french : named.italian);
    return operation;
}

} // namespace tvn
