#include "dialogs/AboutTexts.h"

namespace tvn {

AboutTexts aboutTexts(int languageIndex) {
    // French puts a no-break space before "!" and ":".
    switch (languageIndex) {
    case 1:
        return {QStringLiteral("\u00c0 propos"),
                QStringLiteral("Envoyez-nous un e-mail avec vos remarques ou suggestions "
                               "\u00e0\u00a0: %1"),
                QStringLiteral("Cliquez ici pour continuer..."),
                QStringLiteral("Nous avons besoin de vous\u00a0!"),
                QStringLiteral("Ce programme est enti\u00e8rement"),
                QStringLiteral("GRATUIT\u00a0!!!"),
                QStringLiteral("Merci de nous"),
                QStringLiteral("ENVOYER UN E-MAIL"),
                QStringLiteral("avec vos remarques ou suggestions"),
                QStringLiteral("\u00e0\u00a0:"),
                QStringLiteral("T\u00e9l\u00e9chargez la derni\u00e8re version de ce programme"),
                QStringLiteral("et bien d'autres logiciels gratuits sur\u00a0:"),
                QStringLiteral("M E R C I\u00a0\u00a0!")};
    case 2:
        return {QStringLiteral("Informazioni"),
                QStringLiteral("Inviateci un'e-mail con i vostri commenti o suggerimenti a: %1"),
                QStringLiteral("Fate clic qui per continuare..."),
                QStringLiteral("Abbiamo bisogno del vostro aiuto!"),
                QStringLiteral("Questo programma \u00e8 completamente"),
                QStringLiteral("GRATIS!!!"),
                QStringLiteral("Per favore,"),
                QStringLiteral("INVIATECI UN'E-MAIL"),
                QStringLiteral("con i vostri commenti o suggerimenti"),
                QStringLiteral("a:"),
                QStringLiteral("Scaricate l'ultima versione di questo programma"),
                QStringLiteral("e tanti altri programmi gratuiti da:"),
                QStringLiteral("G R A Z I E !")};
    default:
        return {QStringLiteral("About"),
                QStringLiteral("Please send us an e-mail with your comments or suggestions "
                               "to: %1"),
                QStringLiteral("Click here to continue..."),
                QStringLiteral("We need your help!"),
                QStringLiteral("This program is completely"),
                QStringLiteral("FREE!!!"),
                QStringLiteral("Please"),
                QStringLiteral("SEND US AN E-MAIL"),
                QStringLiteral("with your comments or suggestions"),
                QStringLiteral("to:"),
                QStringLiteral("Get the latest version of this program"),
                QStringLiteral("and lots of other free software at:"),
                QStringLiteral("T H A N K   Y O U !")};
    }
}

} // namespace tvn
