#pragma once

#include <array>
#include <cstddef>
#include <QString>

namespace tvn {

// One row of a table of texts the program shows on its own: the text in English, French and
// Italian. A table holds one row per value of its enumeration, in the enumeration's order.
using TextRow = std::array<const char16_t*, 3>;

// The text of `key`'s row in the interface language (0 English, 1 French, 2 Italian; English
// otherwise).
template <typename Key, std::size_t N>
QString textOf(const TextRow (&table)[N], Key key, int languageIndex) {
    const auto language = languageIndex >= 0 && languageIndex < 3 ? languageIndex : 0;
    return QString::fromUtf16(
        table[static_cast<std::size_t>(key)][static_cast<std::size_t>(language)]);
}

} // namespace tvn
