#pragma once

#include <cstdint>
#include <QByteArray>
#include <QString>
#include <QVariant>

namespace tvn {

// The subset of the Windows registry functions the program uses, in their ANSI form, so the
// lookup logic runs over the real registry on Windows and over a Wine prefix's user.reg and
// system.reg on Linux. Status codes are those of the Windows API (0 success).
using RegKey = std::uint32_t;
inline constexpr RegKey kHkeyCurrentUser = 0x80000001u;
inline constexpr RegKey kHkeyLocalMachine = 0x80000002u;
inline constexpr std::uint32_t kKeyRead = 0x20019u;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorMoreData = 234;

class RegistryApi {
public:
    virtual ~RegistryApi() = default;
    // `subKey` is passed as the caller built it (in the system's ANSI code page).
    virtual long regOpenKeyExA(RegKey root, const QByteArray& subKey, std::uint32_t options,
                               std::uint32_t desired, RegKey* result) = 0;
    // With `data` null only the type and the size in bytes are returned; otherwise up to
    // *size bytes are written to data and *size is updated.
    virtual long regQueryValueExA(RegKey key, const QByteArray& valueName, std::uint32_t* type,
                                  char* data, std::uint32_t* size) = 0;
    virtual long regCloseKey(RegKey key) = 0;
};

// The registry helpers of the program: each reads afresh, nothing is cached.
// The part of `text` before its first NUL character.
QString trimAtNull(const QString& text);
// Reads one value of an open key (two-call protocol): a string for type 1, a 32-bit integer for
// type 4; returns the registry status, or -1 for any other type.
long queryRegValue(RegistryApi& api, RegKey key, const QString& valueName, QVariant& value);
// Opens the subkey, reads the value, closes the key; the value's text cut at its first NUL, or
// an empty text on any failure.
QString getRegString(RegistryApi& api, RegKey root, const QString& subKey,
                     const QString& valueName);

inline constexpr auto kShellFoldersKey =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

} // namespace tvn
