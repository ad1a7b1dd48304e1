#pragma once

#include "platform/Registry.h"
#include "platform/WineRegFile.h"

#include <map>
#include <QString>
#include <QStringList>
#include <vector>

namespace tvn {

// The registry functions over one branch file of a Wine prefix: its user.reg is
// HKEY_CURRENT_USER, its system.reg HKEY_LOCAL_MACHINE. Only that root and the keys opened below
// it exist. The file is read afresh each time a key is opened, and the opened key keeps the
// values it had then. A file that is missing, unreadable, not a registry file or larger than
// kMaxFileBytes has no keys.
class WineRegistry final : public RegistryApi {
public:
    explicit WineRegistry(QString branchFile, RegKey root = kHkeyCurrentUser);
    ~WineRegistry() override;

    long regOpenKeyExA(RegKey root, const QByteArray& subKey, std::uint32_t options,
                       std::uint32_t desired, RegKey* result) override;
    long regQueryValueExA(RegKey key, const QByteArray& valueName, std::uint32_t* type, char* data,
                          std::uint32_t* size) override;
    long regCloseKey(RegKey key) override;

    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

private:
    struct OpenKey {
        QStringList path;
        std::vector<wine::RegValue> values; // texts already in the ANSI code page
    };

    // Nothing when the file has no such key.
    std::optional<std::vector<wine::RegValue>> readKey(const QStringList& path) const;
    RegKey newHandle();

    QString file_;
    RegKey root_;
    std::map<RegKey, OpenKey> open_;
    RegKey lastHandle_ = 0;
};

} // namespace tvn
