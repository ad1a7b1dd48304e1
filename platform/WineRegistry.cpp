#include "platform/WineRegistry.h"

#include "platform/AnsiCodePage.h"
#include "platform/WineRegFile.h"

#include <algorithm>
#include <cstring>
#include <QFile>
#include <QFileInfo>

namespace tvn {

namespace {

constexpr long kErrorInvalidParameter = 87;

// The predefined root keys (HKEY_CLASSES_ROOT and the others) all have the top bit set.
bool isPredefined(RegKey key) {
    return (key & 0x80000000u) != 0;
}

bool isText(std::uint32_t type) {
    return type == 1 || type == 2 || type == 7; // REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ
}

// What the ANSI functions see of stored UTF-16 text.
QByteArray ansiData(const QByteArray& utf16) {
    QString text(utf16.size() / 2, Qt::Uninitialized);
    std::memcpy(text.data(), utf16.constData(), std::size_t(text.size()) * 2);
    return ansiFromText(text);
}

// The ANSI functions take names as C strings: they end at the first NUL.
QString nameText(const QByteArray& name) {
    const qsizetype nul = name.indexOf('\0');
    return textFromAnsi(nul < 0 ? name : name.left(nul));
}

} // namespace

WineRegistry::WineRegistry(QString branchFile, RegKey root)
    : file_(std::move(branchFile))
    , root_(root) {}

WineRegistry::~WineRegistry() = default;

std::optional<std::vector<wine::RegValue>> WineRegistry::readKey(const QStringList& path) const {
    const QFileInfo info(file_);
    if (!info.isFile() || info.size() > kMaxFileBytes)
        return std::nullopt;
    QFile file(file_);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // QIODevice::read reserves the whole limit up front: asking for the measured size (and one
    // byte more, to see a file that grew past the limit) keeps each key opened from taking the
    // limit's 64 MiB.
    const QByteArray content = file.read(std::min(file.size(), kMaxFileBytes) + 1);
    if (content.size() > kMaxFileBytes)
        return std::nullopt;
    auto values = wine::findKey(content, path);
    if (values) {
        for (wine::RegValue& value : *values) {
            if (isText(value.type))
                value.data = ansiData(value.data);
        }
    }
    return values;
}

RegKey WineRegistry::newHandle() {
    do {
        lastHandle_ = isPredefined(lastHandle_ + 1) ? 1 : lastHandle_ + 1;
    } while (open_.count(lastHandle_) != 0);
    return lastHandle_;
}

long WineRegistry::regOpenKeyExA(RegKey root, const QByteArray& subKey, std::uint32_t,
                                 std::uint32_t, RegKey* result) {
    if (!result)
        return kErrorInvalidParameter;
    *result = 0;
    QStringList path;
    if (auto parent = open_.find(root); parent != open_.end())
        path = parent->second.path;
    else if (root != root_)
        return isPredefined(root) ? kErrorFileNotFound : kErrorInvalidHandle;
    path += nameText(subKey).split(u'\\', Qt::SkipEmptyParts);

    auto values = readKey(path);
    if (!values)
        return kErrorFileNotFound;
    const RegKey handle = newHandle();
    open_[handle] = OpenKey{std::move(path), std::move(*values)};
    *result = handle;
    return kErrorSuccess;
}

long WineRegistry::regQueryValueExA(RegKey key, const QByteArray& valueName, std::uint32_t* type,
                                    char* data, std::uint32_t* size) {
    auto open = open_.find(key);
    if (open == open_.end())
        return isPredefined(key) ? kErrorFileNotFound : kErrorInvalidHandle;
    if (data && !size)
        return kErrorInvalidParameter;
    const QString name = nameText(valueName);
    for (const wine::RegValue& value : open->second.values) {
        if (value.name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        const auto needed = std::uint32_t(value.data.size());
        if (type)
            *type = value.type;
        if (!data) {
            if (size)
                *size = needed;
            return kErrorSuccess;
        }
        if (*size < needed) {
            *size = needed;
            return kErrorMoreData;
        }
        std::memcpy(data, value.data.constData(), needed);
        *size = needed;
        return kErrorSuccess;
    }
    return kErrorFileNotFound;
}

long WineRegistry::regCloseKey(RegKey key) {
    if (open_.erase(key) != 0 || isPredefined(key))
        return kErrorSuccess;
    return kErrorInvalidHandle;
}

} // namespace tvn
