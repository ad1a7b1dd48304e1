#include "platform/Registry.h"

#include "platform/AnsiCodePage.h"

#include <cstring>

namespace tvn {

QString trimAtNull(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

long queryRegValue(RegistryApi& api, RegKey key, const QString& valueName, QVariant& value) {
    const QByteArray name = ansiFromText(valueName);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    long status = api.regQueryValueExA(key, name, &type, nullptr, &size);
    if (status != kErrorSuccess)
        return status;

    if (type == kRegSz) {
        // The buffer is sized from what the registry reports, so any length is read whole.
        QByteArray buffer(qsizetype(size), '\0');
        status = api.regQueryValueExA(key, name, &type, buffer.data(), &size);
        if (status == kErrorSuccess)
            value = textFromAnsi(buffer.left(qsizetype(size)));
        else
            value = QVariant();
        return status;
    }
    if (type == kRegDword) {
        std::uint32_t number = 0;
        size = sizeof number;
        status = api.regQueryValueExA(key, name, &type, reinterpret_cast<char*>(&number), &size);
        if (status == kErrorSuccess) {
            std::int32_t signedNumber = 0;
            std::memcpy(&signedNumber, &number, sizeof number);
            value = signedNumber;
        }
        return status;
    }
    return -1;
}

QString getRegString(RegistryApi& api, RegKey root, const QString& subKey,
                     const QString& valueName) {
    // As the original does, no status is examined: when the open fails the handle stays 0,
    // and the query and the close fail harmlessly.
    RegKey key = 0;
    api.regOpenKeyExA(root, ansiFromText(subKey) + '\0', 0, kKeyRead, &key);
    QVariant value;
    queryRegValue(api, key, valueName, value);
    const QString text = value.isValid() ? value.toString() : QString();
    api.regCloseKey(key);
    return trimAtNull(text);
}

} // namespace tvn
