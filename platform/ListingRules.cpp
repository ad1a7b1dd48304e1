#include "platform/ListingRules.h"

#include <algorithm>

namespace tvn::listing {

namespace {

constexpr std::size_t kSuffixSize = 4; // ".lnk"

bool isSuffixLetter(char16_t c, char16_t lower) {
    return c == lower || c == lower - (u'a' - u'A');
}

} // namespace

bool isShortcutName(QStringView name) {
    const auto size = static_cast<std::size_t>(name.size());
    if (size <= kSuffixSize)
        return false;
    const QStringView suffix = name.last(kSuffixSize);
    return suffix[0] == u'.' && isSuffixLetter(suffix[1].unicode(), u'l') &&
           isSuffixLetter(suffix[2].unicode(), u'n') && isSuffixLetter(suffix[3].unicode(), u'k');
}

bool isLeftoverTemporaryName(QStringView name) {
    constexpr QStringView prefix = u".tvn-";
    constexpr QStringView suffix = u".tmp";
    if (name.size() <= prefix.size() + suffix.size() || name.size() > 5 + 16 + 4 ||
        !name.startsWith(prefix) || !name.endsWith(suffix))
        return false;
    for (QChar c : name.sliced(prefix.size(), name.size() - prefix.size() - suffix.size()))
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
            return false;
    return true;
}

bool isShortcutName(const char* utf8, std::size_t size) {
    if (size <= kSuffixSize)
        return false;
    const char* suffix = utf8 + size - kSuffixSize;
    return suffix[0] == '.' && isSuffixLetter(char16_t(suffix[1]), u'l') &&
           isSuffixLetter(char16_t(suffix[2]), u'n') && isSuffixLetter(char16_t(suffix[3]), u'k');
}

// For names that differ only in case, the order of their UTF-16 units is that of their UTF-8
// bytes.
bool listsBefore(const QString& a, const QString& b) {
    const int byName = QString::compare(a, b, Qt::CaseInsensitive);
    return byName != 0 ? byName < 0 : a < b;
}

QStringList sortedNames(std::vector<QString>& names, const QString& prefix) {
    std::sort(names.begin(), names.end(), listsBefore);
    QStringList result;
    result.reserve(static_cast<qsizetype>(names.size()));
    for (const QString& name : names)
        result.append(prefix.isEmpty() ? name : prefix + name);
    return result;
}

} // namespace tvn::listing
