#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace tvn {

// The help in paragraphs: what the program does, then each action of the main menu (its button's
// caption, mnemonic marks left out, and what the action does), then the keys, in the interface
// language (0 English, 1 French, 2 Italian).
QString helpText(const QString& description,
                 const std::vector<std::pair<QString, QString>>& actions, int languageIndex);

} // namespace tvn
