#pragma once

namespace tvn {

// The interface language the system's locale asks for, when no settings say (0 English,
// 1 French, 2 Italian).
int systemLanguageIndex();

} // namespace tvn
