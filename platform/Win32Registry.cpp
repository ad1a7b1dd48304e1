#include "platform/Win32Registry.h"

#include <windows.h>

namespace tvn {

namespace {

// The predefined root keys all have the top bit set; the keys opened here never do.
bool isPredefined(RegKey key) {
    return (key & 0x80000000u) != 0;
}

HKEY asHkey(void* handle) {
    return static_cast<HKEY>(handle);
}

} // namespace

Win32Registry::~Win32Registry() {
    for (const auto& [key, handle] : open_)
        ::RegCloseKey(asHkey(handle));
}

void* Win32Registry::handleOf(RegKey key) const {
    // A predefined key is a 32-bit value that Windows sign-extends to the width of a handle.
    if (isPredefined(key))
        return reinterpret_cast<void*>(static_cast<LONG_PTR>(static_cast<LONG>(key)));
    const auto found = open_.find(key);
    return found == open_.end() ? nullptr : found->second;
}

long Win32Registry::regOpenKeyExA(RegKey root, const QByteArray& subKey, std::uint32_t options,
                                  std::uint32_t desired, RegKey* result) {
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = 0;
    void* parent = handleOf(root);
    if (!parent)
        return ERROR_INVALID_HANDLE;
    HKEY opened = nullptr;
    const LSTATUS status =
        ::RegOpenKeyExA(asHkey(parent), subKey.constData(), options, desired, &opened);
    if (status != ERROR_SUCCESS)
        return status;
    do
        lastKey_ = isPredefined(lastKey_ + 1) ? 1 : lastKey_ + 1;
    while (open_.count(lastKey_) != 0);
    open_[lastKey_] = opened;
    *result = lastKey_;
    return ERROR_SUCCESS;
}

long Win32Registry::regQueryValueExA(RegKey key, const QByteArray& valueName, std::uint32_t* type,
                                     char* data, std::uint32_t* size) {
    void* handle = handleOf(key);
    if (!handle)
        return ERROR_INVALID_HANDLE;
    DWORD valueType = 0;
    DWORD byteCount = size ? *size : 0;
    const LSTATUS status =
        ::RegQueryValueExA(asHkey(handle), valueName.constData(), nullptr, &valueType,
                           reinterpret_cast<BYTE*>(data), size ? &byteCount : nullptr);
    if (type)
        *type = valueType;
    if (size)
        *size = byteCount;
    return status;
}

long Win32Registry::regCloseKey(RegKey key) {
    if (isPredefined(key))
        return ::RegCloseKey(asHkey(handleOf(key)));
    const auto found = open_.find(key);
    if (found == open_.end())
        return ERROR_INVALID_HANDLE;
    const LSTATUS status = ::RegCloseKey(asHkey(found->second));
    open_.erase(found);
    return status;
}

} // namespace tvn
