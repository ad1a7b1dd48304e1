#include "catalogue/ProgressText.h"

#include <cmath>
#include <limits>

namespace tvn {

qint64 leadingNumber(const QString& text) {
    qsizetype pos = 0;
    while (pos < text.size() && (text[pos] == u' ' || text[pos] == u'\t'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+'))
        negative = text[pos++] == u'-';
    constexpr qint64 limit = std::numeric_limits<qint64>::max() / 10 - 9;
    qint64 value = 0;
    for (; pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9'; ++pos)
        if (value < limit)
            value = value * 10 + (text[pos].unicode() - u'0');
    return negative ? -value : value;
}

QString nextFolderCount(const QString& labelText) {
    return QString::number(leadingNumber(labelText) + 1);
}

std::optional<QString> percentText(qsizetype i, qsizetype n) {
    if (n <= 1)
        return std::nullopt;
    const double percent = std::floor(static_cast<double>(i) * 100.0 / static_cast<double>(n - 1));
    return QString::number(static_cast<qint64>(percent)) + QStringLiteral(" %");
}

} // namespace tvn
