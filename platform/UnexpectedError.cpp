#include "platform/FailureCause.h"
#include "platform/Ui.h"

#include <cstdio>

namespace tvn {

const QString& unexpectedErrorText() {
    static const QString text = QStringLiteral(
        "UK : Unexpected error...\rFR : Erreur inattendue...\rIT : Errore inaspettato...");
    return text;
}

void reportUnexpectedError(Ui& ui) {
    const std::optional<FailureCause> cause = lastFailure();
    clearLastFailure();
    // The action stopped on the user's own answer, which needs no report.
    if (cause && cause->keptByUser)
        return;
    const QString details = cause ? describeFailure(*cause) : QString();
    std::fprintf(stderr, "torvane: unexpected error%s%s\n", details.isEmpty() ? "" : ": ",
                 details.toLocal8Bit().constData());
    ui.message(unexpectedErrorText(), {}, Buttons::Ok, Icon::None, details);
}

} // namespace tvn
