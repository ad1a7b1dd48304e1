#include "platform/ProgramVersionText.h"

#include <string>
#include <utility>
#include <vector>
#include <windows.h>

namespace tvn {
namespace {

// No real version text is longer; a damaged resource gives no more than this.
constexpr qsizetype kLongestText = 256;

const wchar_t* wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

std::u16string expanded(const QString& path) {
    const std::u16string raw = path.toStdU16String();
    const DWORD size = ExpandEnvironmentStringsW(wide(raw), nullptr, 0);
    if (size == 0)
        return raw;
    std::u16string result(size, u'\0');
    const DWORD written =
        ExpandEnvironmentStringsW(wide(raw), reinterpret_cast<wchar_t*>(result.data()), size);
    if (written == 0 || written > size)
        return raw;
    result.resize(written - 1);
    return result;
}

} // namespace

ProgramVersionTexts programVersionTexts(const QString& path) {
    if (path.isEmpty())
        return {};
    const std::u16string file = expanded(path);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(wide(file), &ignored);
    if (size == 0)
        return {};
    std::vector<char> resource(size);
    if (!GetFileVersionInfoW(wide(file), 0, size, resource.data()))
        return {};

    // The texts are kept per language and code page; the first pair listed is the file's own.
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT translationsSize = 0;
    if (!VerQueryValueW(resource.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translations), &translationsSize) ||
        translationsSize < sizeof(Translation))
        return {};

    ProgramVersionTexts texts;
    for (const auto& [field, text] :
         {std::pair{"FileDescription", &texts.description},
          std::pair{"ProductName", &texts.product}, std::pair{"CompanyName", &texts.company}}) {
        const QString query = QStringLiteral("\\StringFileInfo\\%1%2\\%3")
                                  .arg(translations->language, 4, 16, QLatin1Char('0'))
                                  .arg(translations->codePage, 4, 16, QLatin1Char('0'))
                                  .arg(QLatin1String(field));
        const std::u16string key = query.toStdU16String();
        wchar_t* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(resource.data(), wide(key), reinterpret_cast<void**>(&value),
                            &length) ||
            length == 0)
            continue;
        // The length counts the closing null where there is one.
        *text = QString::fromWCharArray(value, std::min<qsizetype>(length, kLongestText))
                    .section(QChar(u'\0'), 0, 0)
                    .trimmed();
    }
    return texts;
}

} // namespace tvn
