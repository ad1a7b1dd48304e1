#include "i18n/HelpText.h"

#include "i18n/BuiltInTexts.h"

#include <QStringList>

namespace tvn {

QString helpText(const QString& description,
                 const std::vector<std::pair<QString, QString>>& actions, int languageIndex) {
    QStringList paragraphs{description};
    for (const auto& [caption, explanation] : actions) {
        QString shown = caption;
        // "&&" is a literal ampersand, a lone "&" marks the mnemonic.
        shown.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&');
        shown.replace(u'\x01', u'&');
        paragraphs.append(builtInText(BuiltInText::HelpAction, languageIndex)
                              .arg(shown, explanation.simplified()));
    }
    paragraphs.append(builtInText(BuiltInText::HelpKeys, languageIndex));
    return paragraphs.join(QStringLiteral("\n\n"));
}

} // namespace tvn
