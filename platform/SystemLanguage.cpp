#include "platform/SystemLanguage.h"

#include <QLocale>

namespace tvn {

int systemLanguageIndex() {
    switch (QLocale::system().language()) {
    case QLocale::French:
        return 1;
    case QLocale::Italian:
        return 2;
    default:
        return 0;
    }
}

} // namespace tvn
