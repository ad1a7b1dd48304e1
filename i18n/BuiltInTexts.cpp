#include "i18n/BuiltInTexts.h"

#include "platform/TextTable.h"

namespace tvn {

QString builtInText(BuiltInText text, int languageIndex) {
    // English, French, Italian; French puts a no-break space before a colon.
    static constexpr TextRow kTexts[] = {
        {u"Wine prefix:", u"Pr\u00e9fixe Wine\u00a0:", u"Prefisso Wine:"},
        {u"Other folder\u2026", u"Autre dossier\u2026", u"Altra cartella\u2026"},
        {u"Choose the folder of a Wine prefix", u"Choisissez le dossier d'un pr\u00e9fixe Wine",
         u"Scegliete la cartella di un prefisso Wine"},
        {u"This folder is not a Wine prefix: it holds no user.reg file.",
         u"Ce dossier n'est pas un pr\u00e9fixe Wine\u00a0: il ne contient pas de fichier "
         u"user.reg.",
         u"Questa cartella non \u00e8 un prefisso Wine: non contiene il file user.reg."},
        {u"All users' Programs: %1", u"Programmes de tous les utilisateurs\u00a0: %1",
         u"Programmi di tutti gli utenti: %1"},
        {u"All users' Programs: none", u"Programmes de tous les utilisateurs\u00a0: aucun",
         u"Programmi di tutti gli utenti: nessuno"},
        {u"Undo", u"D\u00e9faire", u"Disfa"},
        {u"Undo the last action on this panel (Ctrl+Z)",
         u"D\u00e9fait la derni\u00e8re action de ce panneau (Ctrl+Z)",
         u"Disfa l'ultima azione di questo pannello (Ctrl+Z)"},
        {u"The last action cannot be undone any more: \u201c%1\u201d has changed since. "
         u"Nothing was changed.",
         u"La derni\u00e8re action ne peut plus \u00eatre d\u00e9faite\u00a0: "
         u"\u00ab\u00a0%1\u00a0\u00bb a chang\u00e9 depuis. Rien n'a \u00e9t\u00e9 modifi\u00e9.",
         u"L'ultima azione non pu\u00f2 pi\u00f9 essere disfatta: \u00ab%1\u00bb \u00e8 "
         u"cambiato nel frattempo. Non \u00e8 stato modificato nulla."},
        {u"The shortcut \u201c%1\u201d of the category \u201c%2\u201d cannot be moved to the "
         u"trash. Delete it for good? That cannot be undone. Other shortcuts of this action that "
         u"the trash refuses go the same way.",
         u"Le raccourci \u00ab\u00a0%1\u00a0\u00bb de la cat\u00e9gorie \u00ab\u00a0%2\u00a0\u00bb "
         u"ne peut pas \u00eatre mis \u00e0 la corbeille. Le supprimer d\u00e9finitivement\u00a0? "
         u"Cela ne pourra pas \u00eatre d\u00e9fait. Les autres raccourcis de cette action que "
         u"la corbeille refuse suivront le m\u00eame chemin.",
         u"Il collegamento \u00ab%1\u00bb della categoria \u00ab%2\u00bb non pu\u00f2 essere "
         u"spostato nel cestino. Eliminarlo definitivamente? Non si potr\u00e0 disfare. Gli altri "
         u"collegamenti di questa azione che il cestino rifiuta faranno la stessa fine."},
        {u"Wine is not installed: the desktop menu cannot show the categories.",
         u"Wine n'est pas install\u00e9\u00a0: le menu du bureau ne peut pas afficher les "
         u"cat\u00e9gories.",
         u"Wine non \u00e8 installato: il menu del desktop non pu\u00f2 mostrare le categorie."},
        {u"Wine could not add some of the classified shortcuts to the desktop menu. They stay "
         u"in their category folders.",
         u"Wine n'a pas pu ajouter au menu du bureau certains des raccourcis class\u00e9s. Ils "
         u"restent dans leurs dossiers de cat\u00e9gorie.",
         u"Wine non \u00e8 riuscito ad aggiungere al menu del desktop alcuni dei collegamenti "
         u"classificati. Restano nelle loro cartelle di categoria."},
        {u"Filter", u"Filtre", u"Filtro"},
        {u"Shows only the entries whose name contains this text, whatever the letter case. Esc "
         u"empties it; the Down arrow goes on to the list.",
         u"N'affiche que les entr\u00e9es dont le nom contient ce texte, sans distinguer "
         u"majuscules et minuscules. \u00c9chap le vide\u00a0; la fl\u00e8che vers le bas "
         u"m\u00e8ne \u00e0 la "
         u"liste.",
         u"Mostra solo le voci il cui nome contiene questo testo, senza distinguere maiuscole e "
         u"minuscole. Esc lo "
         u"svuota; la freccia in gi\u00f9 porta alla lista."},
        {u"Entries shown / all entries", u"Entr\u00e9es affich\u00e9es / toutes les entr\u00e9es",
         u"Voci mostrate / tutte le voci"},
        {u"Key %1 copies the selected shortcuts into this category. F2 or a right click renames "
         u"it.",
         u"La touche %1 copie les raccourcis s\u00e9lectionn\u00e9s dans cette cat\u00e9gorie. F2 "
         u"ou un clic droit la renomme.",
         u"Il tasto %1 copia i collegamenti selezionati in questa categoria. F2 o un clic destro "
         u"la rinomina."},
        {u"Suggested for the current shortcut.", u"Sugg\u00e9r\u00e9e pour le raccourci en cours.",
         u"Suggerita per il collegamento corrente."},
        {u"Goes back to the main menu.", u"Revient au menu principal.",
         u"Torna al menu principale."},
        {u"Ends the program.", u"Quitte le programme.", u"Chiude il programma."},
        {u"Opens the settings: the Start Menu and Programs folders and the options.",
         u"Ouvre les r\u00e9glages\u00a0: les dossiers du menu D\u00e9marrer et des programmes, "
         u"et les options.",
         u"Apre le impostazioni: le cartelle del menu Avvio e dei programmi, e le opzioni."},
        {u"Reads the Start Menu folders again.", u"Relit les dossiers du menu D\u00e9marrer.",
         u"Rilegge le cartelle del menu Avvio."},
        {u"Shows the help.", u"Affiche l'aide.", u"Mostra l'aiuto."},
        {u"Shows the information window.", u"Affiche la fen\u00eatre d'informations.",
         u"Mostra la finestra delle informazioni."},
        {u"Chooses the language of the program.", u"Choisit la langue du programme.",
         u"Sceglie la lingua del programma."},
        {u"Uses the language chosen.", u"Utilise la langue choisie.", u"Usa la lingua scelta."},
        {u"Saves the settings and analyses the Start Menu.",
         u"Enregistre les r\u00e9glages et analyse le menu D\u00e9marrer.",
         u"Salva le impostazioni e analizza il menu Avvio."},
        {u"Moves the selected copies to another category.",
         u"D\u00e9place les copies s\u00e9lectionn\u00e9es vers une autre cat\u00e9gorie.",
         u"Sposta le copie selezionate in un'altra categoria."},
        {u"Ends the move and goes back to the list of copies.",
         u"Termine le d\u00e9placement et revient \u00e0 la liste des copies.",
         u"Termina lo spostamento e torna alla lista delle copie."},
        {u"Fills both folder boxes from the Wine prefix chosen.",
         u"Remplit les deux champs de dossier \u00e0 partir du pr\u00e9fixe Wine choisi.",
         u"Riempie le due caselle delle cartelle dal prefisso Wine scelto."},
        {u"When ticked, the program starts without the introduction.",
         u"Si elle est coch\u00e9e, le programme d\u00e9marre sans l'introduction.",
         u"Se selezionata, il programma si avvia senza l'introduzione."},
        {u"%1: %2", u"%1\u00a0: %2", u"%1: %2"},
        {u"default", u"par d\u00e9faut", u"predefinito"},
        {u"help shortcuts hidden: %1", u"raccourcis d'aide masqu\u00e9s\u00a0: %1",
         u"collegamenti di aiuto nascosti: %1"},
        {u"Version %1", u"Version %1", u"Versione %1"},
        {u"Freeware", u"Logiciel gratuit", u"Programma gratuito"},
        {u"The reset is undone. Classified shortcuts back in their categories: %1",
         u"L'effacement est d\u00e9fait. Raccourcis class\u00e9s revenus dans leurs "
         u"cat\u00e9gories\u00a0: %1",
         u"L'azzeramento \u00e8 stato disfatto. Collegamenti classificati tornati nelle loro "
         u"categorie: %1"},
        {u"%1 \u2013 reading the folders of the Start Menu",
         u"%1 \u2013 lecture des dossiers du menu D\u00e9marrer",
         u"%1 \u2013 lettura delle cartelle del menu Avvio"},
        {u"Not found in the registry: type the folder here",
         u"Introuvable dans le registre\u00a0: tapez ici le dossier",
         u"Non trovata nel registro: scrivete qui la cartella"},
        {u"Updating the desktop menu\u2026 %1", u"Mise \u00e0 jour du menu du bureau\u2026 %1",
         u"Aggiornamento del menu del desktop\u2026 %1"},
        {u"The desktop menu is up to date.", u"Le menu du bureau est \u00e0 jour.",
         u"Il menu del desktop \u00e8 aggiornato."},
        {u"%1: %2", u"%1\u00a0: %2", u"%1: %2"},
        {u"Keys: while classifying, Alt+A to Alt+K put the selected shortcuts into the first to "
         u"the eleventh category, Enter puts the one selected shortcut into the category "
         u"suggested for it, and typing a name narrows the list. Ctrl+Z undoes the last action "
         u"of the panel shown, Esc goes back.",
         u"Touches\u00a0: pendant le classement, Alt+A \u00e0 Alt+K placent les raccourcis "
         u"s\u00e9lectionn\u00e9s dans les cat\u00e9gories, de la premi\u00e8re \u00e0 la "
         u"onzi\u00e8me, Entr\u00e9e place le seul raccourci s\u00e9lectionn\u00e9 dans la "
         u"cat\u00e9gorie sugg\u00e9r\u00e9e pour lui, et taper un nom restreint la liste. "
         u"Ctrl+Z d\u00e9fait la derni\u00e8re action du panneau affich\u00e9, \u00c9chap "
         u"revient en arri\u00e8re.",
         u"Tasti: durante la classificazione, i tasti da Alt+A ad Alt+K mettono i collegamenti "
         u"selezionati nelle categorie dalla prima all'undicesima, Invio mette l'unico "
         u"collegamento selezionato nella categoria suggerita, e digitare un nome filtra la "
         u"lista. Ctrl+Z disfa l'ultima azione del pannello mostrato, Esc torna indietro."},
        {u"Classify as suggested\u2026", u"Classer comme sugg\u00e9r\u00e9\u2026",
         u"Classifica come suggerito\u2026"},
        {u"Lists every shortcut shown with the category suggested for it, to classify them all "
         u"at once.",
         u"Liste chaque raccourci affich\u00e9 avec la cat\u00e9gorie sugg\u00e9r\u00e9e pour "
         u"lui, pour les classer tous d'un coup.",
         u"Elenca ogni collegamento mostrato con la categoria suggerita, per classificarli tutti "
         u"in una volta."},
        {u"Classify as suggested", u"Classer comme sugg\u00e9r\u00e9",
         u"Classifica come suggerito"},
        {u"The ticked shortcuts go into the category beside them. Space ticks or unticks a line; "
         u"F2 or Alt+Down opens its category, Alt+A to Alt+K choose one directly.",
         u"Les raccourcis coch\u00e9s vont dans la cat\u00e9gorie \u00e0 leur c\u00f4t\u00e9. "
         u"Espace coche ou d\u00e9coche une ligne\u00a0; F2 ou Alt+Bas ouvre sa cat\u00e9gorie, "
         u"Alt+A \u00e0 Alt+K en choisissent une directement.",
         u"I collegamenti spuntati vanno nella categoria accanto. Spazio spunta o toglie la "
         u"spunta a una riga; F2 o Alt+Gi\u00f9 apre la sua categoria, i tasti da Alt+A ad Alt+K "
         u"ne scelgono una direttamente."},
        {u"1 shortcut has no suggestion and is left out.",
         u"1 raccourci n'a pas de suggestion et est laiss\u00e9 de c\u00f4t\u00e9.",
         u"1 collegamento non ha alcun suggerimento ed \u00e8 escluso."},
        {u"%1 shortcuts have no suggestion and are left out.",
         u"%1 raccourcis n'ont pas de suggestion et sont laiss\u00e9s de c\u00f4t\u00e9.",
         u"%1 collegamenti non hanno alcun suggerimento e sono esclusi."},
        {u"%1, into %2", u"%1, dans %2", u"%1, in %2"},
        {u"Category of %1", u"Cat\u00e9gorie de %1", u"Categoria di %1"},
        {u"%1, into %2, sure", u"%1, dans %2, s\u00fbr", u"%1, in %2, sicuro"},
        {u"A sure suggestion", u"Une suggestion s\u00fbre", u"Un suggerimento sicuro"},
        {u"Classify", u"Classer", u"Classifica"},
        {u"Cancel", u"Annuler", u"Annulla"},
        {u"No classified shortcut has lost its original: there is nothing to clean up.",
         u"Aucun raccourci class\u00e9 n'a perdu son original\u00a0: il n'y a rien \u00e0 "
         u"nettoyer.",
         u"Nessun collegamento classificato ha perso il suo originale: non c'\u00e8 nulla da "
         u"pulire."},
        {u"File new programs by themselves when sure",
         u"Classer d'eux-m\u00eames les nouveaux programmes quand c'est s\u00fbr",
         u"Classificare da soli i nuovi programmi quando \u00e8 sicuro"},
        {u"At each login Torvane starts watching the Programs folders and files each new "
         u"program into its category when it is sure; the others wait in CLASSIFY, and Undo "
         u"takes each filing back.",
         u"\u00c0 chaque ouverture de session, Torvane surveille les dossiers Programmes et "
         u"classe chaque nouveau programme dans sa cat\u00e9gorie quand c'est s\u00fbr\u00a0; "
         u"les autres attendent dans CLASSER, et D\u00e9faire reprend chaque classement.",
         u"A ogni accesso Torvane sorveglia le cartelle Programmi e classifica ogni nuovo "
         u"programma nella sua categoria quando \u00e8 sicuro; gli altri attendono in "
         u"CLASSIFICA, e Disfa riprende ogni classificazione."},
        {u"The entry that starts Torvane at login could not be changed: %1",
         u"L'entr\u00e9e qui lance Torvane \u00e0 l'ouverture de session n'a pas pu \u00eatre "
         u"modifi\u00e9e\u00a0: %1",
         u"La voce che avvia Torvane all'accesso non ha potuto essere modificata: %1"},
        {u"While Torvane was closed, these new shortcuts were filed by themselves:\n\n%1\n\n"
         u"The Undo of CLASSIFY (Ctrl+Z) takes them all back.",
         u"Pendant que Torvane \u00e9tait ferm\u00e9, ces nouveaux raccourcis ont \u00e9t\u00e9 "
         u"class\u00e9s d'eux-m\u00eames\u00a0:\n\n%1\n\nLe bouton D\u00e9faire de CLASSER "
         u"(Ctrl+Z) les reprend tous.",
         u"Mentre Torvane era chiuso, questi nuovi collegamenti sono stati classificati da "
         u"soli:\n\n%1\n\nIl pulsante Disfa di CLASSIFICA (Ctrl+Z) li riprende tutti."},
    };
    static_assert(std::size(kTexts) == static_cast<size_t>(BuiltInText::TidyWhileClosed) + 1);
    return textOf(kTexts, text, languageIndex);
}

} // namespace tvn
