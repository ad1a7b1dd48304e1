#include "store/CategoryNames.h"

#include "catalogue/LogicTexts.h"

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
    if (name.isEmpty() || name.size() > kMaxCategoryNameLength || name.back() == u'.' ||
        name.back() == u' ')
        return false;
    for (const QChar c : name)
        if (isForbidden(c))
            return false;
    return true;
}

QString invalidCategoryNameText(int languageIndex) {
    return logicText(LogicText::InvalidCategoryName, languageIndex);
}

} // namespace tvn
