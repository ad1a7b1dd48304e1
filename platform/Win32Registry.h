#pragma once

#include "platform/Registry.h"

#include <map>

namespace tvn {

// The registry functions over the real Windows registry (advapi32). The keys it opens are
// known by small numbers of its own, so a 64-bit key handle never has to fit the 32-bit RegKey;
// the predefined root keys (HKEY_CURRENT_USER and the others) keep their usual values.
class Win32Registry final : public RegistryApi {
public:
    Win32Registry() = default;
    ~Win32Registry() override;
    Win32Registry(const Win32Registry&) = delete;
    Win32Registry& operator=(const Win32Registry&) = delete;

    long regOpenKeyExA(RegKey root, const QByteArray& subKey, std::uint32_t options,
                       std::uint32_t desired, RegKey* result) override;
    long regQueryValueExA(RegKey key, const QByteArray& valueName, std::uint32_t* type, char* data,
                          std::uint32_t* size) override;
    long regCloseKey(RegKey key) override;

private:
    // The real handle a RegKey stands for; null when it stands for none.
    void* handleOf(RegKey key) const;

    std::map<RegKey, void*> open_;
    RegKey lastKey_ = 0;
};

} // namespace tvn
