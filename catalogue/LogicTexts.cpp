#include "catalogue/LogicTexts.h"

#include "platform/TextTable.h"

namespace tvn {

QString logicText(LogicText text, int languageIndex) {
    // English, French, Italian; French puts a no-break space before "!", "?" and ":".
    static constexpr TextRow kTexts[] = {
        {u"ERROR!", u"ERREUR\u00a0!", u"ERRORE!"},
        {u"Caution!", u"Attention\u00a0!", u"Attenzione!"},
        {u"A category name cannot be empty or end with a dot or a blank, and cannot hold any of "
         u"< > : \" / \\ | ? *",
         u"Un nom de cat\u00e9gorie ne peut \u00eatre vide ni finir par un point ou un espace, "
         u"et ne peut contenir aucun de ces caract\u00e8res\u00a0: < > : \" / \\ | ? *",
         u"Il nome di una categoria non pu\u00f2 essere vuoto n\u00e9 finire con un punto o uno "
         u"spazio, e non pu\u00f2 contenere nessuno di questi caratteri: < > : \" / \\ | ? *"},
        {u"A category name can have at most %1 characters.",
         u"Un nom de cat\u00e9gorie peut avoir au plus %1\u00a0caract\u00e8res.",
         u"Il nome di una categoria pu\u00f2 avere al massimo %1 caratteri."},
        {u"\u201c%1\u201d is the name of the Programs folder, which holds the original "
         u"shortcuts. Choose another name.",
         u"\u00ab\u00a0%1\u00a0\u00bb est le nom du dossier Programmes, qui contient les "
         u"raccourcis d\u2019origine. Choisissez un autre nom.",
         u"\u201c%1\u201d \u00e8 il nome della cartella Programmi, che contiene i "
         u"collegamenti originali. Scegliere un altro nome."},
        {u"Another category is already named \u201c%1\u201d. Choose another name.",
         u"Une autre cat\u00e9gorie s\u2019appelle d\u00e9j\u00e0 \u00ab\u00a0%1\u00a0\u00bb. "
         u"Choisissez un autre nom.",
         u"Un\u2019altra categoria si chiama gi\u00e0 \u201c%1\u201d. Scegliere un altro nome."},
        {u"A folder named \u201c%1\u201d already exists in the Start Menu folder, with shortcuts "
         u"or files of its own. If you go on, it becomes this category\u2019s folder: the "
         u"shortcuts in it will be listed as classified copies, and RESET will move them to the "
         u"trash with the others.\n\nRename the category all the same?",
         u"Un dossier \u00ab\u00a0%1\u00a0\u00bb existe d\u00e9j\u00e0 dans le dossier du menu "
         u"D\u00e9marrer, avec ses propres raccourcis ou fichiers. Si vous continuez, il devient "
         u"le dossier de cette cat\u00e9gorie\u00a0: ses raccourcis seront list\u00e9s comme "
         u"copies class\u00e9es, et la R\u00c9INITIALISATION les mettra \u00e0 la corbeille avec "
         u"les autres.\n\nRenommer quand m\u00eame la cat\u00e9gorie\u00a0?",
         u"Una cartella \u201c%1\u201d esiste gi\u00e0 nella cartella del menu Avvio, con "
         u"collegamenti o file propri. Continuando, diventa la cartella di questa categoria: i "
         u"suoi collegamenti saranno elencati come copie classificate, e l\u2019AZZERAMENTO li "
         u"sposter\u00e0 nel cestino con gli altri.\n\nRinominare comunque la categoria?"},
        {u"These folders of the Programs trees could not be read, so no copy is offered for "
         u"removal: its original may lie in one of them.\n\n%1",
         u"Ces dossiers des arborescences Programmes n\u2019ont pas pu \u00eatre lus\u00a0: "
         u"aucune copie n\u2019est propos\u00e9e \u00e0 la suppression, car son original peut "
         u"s\u2019y trouver.\n\n%1",
         u"Queste cartelle dei rami Programmi non si possono leggere: nessuna copia viene "
         u"proposta per l\u2019eliminazione, perch\u00e9 il suo originale potrebbe trovarsi "
         u"in una di esse.\n\n%1"},
        {u"The program folder \u201c%1\u201d cannot be written: the settings and the category "
         u"names cannot be saved there, so nothing that would need them is changed. Make the "
         u"folder writable and start Torvane again.",
         u"Le dossier du programme \u00ab\u00a0%1\u00a0\u00bb n\u2019est pas accessible en "
         u"\u00e9criture\u00a0: les param\u00e8tres et les noms des cat\u00e9gories ne peuvent "
         u"y \u00eatre enregistr\u00e9s, donc rien de ce qui en d\u00e9pend n\u2019est "
         u"modifi\u00e9. Rendez le dossier accessible en \u00e9criture et relancez Torvane.",
         u"Nella cartella del programma \u201c%1\u201d non si pu\u00f2 scrivere: le "
         u"impostazioni e i nomi delle categorie non vi si possono salvare, quindi nulla di "
         u"ci\u00f2 che ne dipende viene modificato. Rendere la cartella scrivibile e riavviare "
         u"Torvane."},
        {u"The file of the category names \u201c%1\u201d is damaged. The categories it does not "
         u"name properly take their usual names.",
         u"Le fichier des noms de cat\u00e9gories \u00ab\u00a0%1\u00a0\u00bb est "
         u"endommag\u00e9. Les cat\u00e9gories qu\u2019il ne nomme pas correctement reprennent "
         u"leur nom habituel.",
         u"Il file dei nomi delle categorie \u201c%1\u201d \u00e8 danneggiato. Le categorie che "
         u"non vi sono nominate correttamente riprendono il loro nome abituale."},
    };
    static_assert(std::size(kTexts) == static_cast<size_t>(LogicText::CategoryNamesDamaged) + 1);
    return textOf(kTexts, text, languageIndex);
}

} // namespace tvn
