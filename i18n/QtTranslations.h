#pragma once

namespace tvn {

// Makes Qt's own texts (the buttons of message boxes and of the input dialog) follow the
// interface language: installs Qt's translation for `languageIndex` on the application in
// place of the one installed before. English, and any index outside the three languages,
// needs none. Returns false when the translation is not installed on this machine; the
// dialogs then keep Qt's English texts.
bool useQtTranslations(int languageIndex);

} // namespace tvn
