#pragma once

#include <optional>
#include <QString>

namespace tvn {

// The progress line under the panels shows a folder counter during the walks and a percentage while
// a list is built.

// The number the text begins with (after blanks, with an optional sign), or 0 when it does not
// begin with one: "57 %" gives 57, "" gives 0.
qint64 leadingNumber(const QString& text);

// The counter after one more folder: the label's leading number plus one, as a plain integer.
QString nextFolderCount(const QString& labelText);

// The label while entry `i` of `n` is processed: the whole percentage i * 100 / (n - 1)
// followed by " %". Nothing when n is 1 (the label then keeps its text).
std::optional<QString> percentText(qsizetype i, qsizetype n);

} // namespace tvn
