#include "store/CategoryNames.h"

namespace tvn {

namespace {

bool isForbidden(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x20 || u == 0x7F)
        return true;
    switch (u) {
    case u'<':
    case u'>':
    case u':':
    case u'"':
    case u'/':
    case u'\\':
    case u'|':
    case u'?':
    case u'*':
        return true;
    default:
        return false;
    }
}

} // namespace

bool isValidCategoryName(const QString& name) {
    // A trailing dot also rules out "." and "..".
    if (name.isEmpty() || name.back() == u'.' || name.back() == u' ')
        return false;
    for (const QChar c : name)
        if (isForbidden(c))
            return false;
    return true;
}

const QString& invalidCategoryNameText() {
    static const QString text = QStringLiteral(
        "UK : A category name cannot be empty or end with a dot or a blank, and cannot hold "
        "any of  < > : \" / \\ | ? *\r"
        "FR : Un nom de cat\u00e9gorie ne peut \u00eatre vide ni finir par un point ou un "
        "espace, et ne peut contenir aucun de  < > : \" / \\ | ? *\r"
        "IT : Il nome di una categoria non pu\u00f2 essere vuoto n\u00e9 finire con un punto o "
        "uno spazio, e non pu\u00f2 contenere nessuno di  < > : \" / \\ | ? *");
    return text;
}

} // namespace tvn
