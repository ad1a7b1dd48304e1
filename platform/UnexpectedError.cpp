#include "Ui.h"

namespace tvn {

const QString& unexpectedErrorText() {
    static const QString text = QStringLiteral(
        "UK : Unexpected error...\rFR : Erreur inattendue...\rIT : Errore inaspettato...");
    return text;
}

void ReportUnexpectedError(Ui& ui) {
    ui.message(unexpectedErrorText());
}

} // namespace tvn
