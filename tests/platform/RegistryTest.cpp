#include "platform/Registry.h"

#include "platform/AnsiCodePage.h"

#include <gtest/gtest.h>
#include <map>

using namespace tvn;

namespace {

// A registry that answers from a script and records how it was called.
class ScriptedRegistry : public RegistryApi {
public:
    struct Value {
        std::uint32_t type = kRegSz;
        QByteArray data;
        long sizeStatus = kErrorSuccess; // answer of the size query
        long readStatus = kErrorSuccess; // answer of the read into a buffer
        std::uint32_t written = ~0u;     // bytes the read reports, when not all of data
    };
    std::map<QByteArray, Value> values;
    long openStatus = kErrorSuccess;
    static constexpr RegKey kHandle = 7;

    QByteArray openedSubKey;
    std::uint32_t openedOptions = ~0u;
    std::uint32_t openedAccess = 0;
    std::vector<RegKey> queriedKeys;
    std::vector<std::uint32_t> bufferSizes; // sizes offered with a buffer
    std::vector<RegKey> closed;

    long regOpenKeyExA(RegKey root, const QByteArray& subKey, std::uint32_t options,
                       std::uint32_t desired, RegKey* result) override {
        EXPECT_EQ(root, kHkeyCurrentUser);
        openedSubKey = subKey;
        openedOptions = options;
        openedAccess = desired;
        if (openStatus == kErrorSuccess)
            *result = kHandle;
        return openStatus;
    }

    long regQueryValueExA(RegKey key, const QByteArray& name, std::uint32_t* type, char* data,
                          std::uint32_t* size) override {
        queriedKeys.push_back(key);
        if (key != kHandle)
            return kErrorInvalidHandle;
        auto found = values.find(name);
        if (found == values.end())
            return kErrorFileNotFound;
        const Value& value = found->second;
        *type = value.type;
        if (!data) {
            *size = std::uint32_t(value.data.size());
            return value.sizeStatus;
        }
        bufferSizes.push_back(*size);
        if (value.readStatus != kErrorSuccess)
            return value.readStatus;
        const std::uint32_t n =
            std::min(value.written, std::min(*size, std::uint32_t(value.data.size())));
        std::copy_n(value.data.constData(), n, data);
        *size = n;
        return kErrorSuccess;
    }

    long regCloseKey(RegKey key) override {
        closed.push_back(key);
        return key == kHandle ? kErrorSuccess : kErrorInvalidHandle;
    }

    QString lookUp(const QString& name) {
        return getRegString(*this, kHkeyCurrentUser, QString::fromUtf16(kShellFoldersKey), name);
    }
};

QByteArray dword(std::uint32_t n) {
    return QByteArray(reinterpret_cast<const char*>(&n), 4);
}

} // namespace

TEST(getRegString, OpensTheKeyWithOneNulReadsTheStringAndClosesTheKey) {
    ScriptedRegistry registry;
    registry.values["Start Menu"].data = QByteArray("C:\\Users\\Ann\\Start Menu\0", 25);
    EXPECT_EQ(registry.lookUp("Start Menu"), "C:\\Users\\Ann\\Start Menu");
    EXPECT_EQ(registry.openedSubKey,
              QByteArray("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders") +
                  '\0');
    EXPECT_EQ(registry.openedOptions, 0u);
    EXPECT_EQ(registry.openedAccess, kKeyRead);
    EXPECT_EQ(registry.bufferSizes, std::vector<std::uint32_t>{25});
    EXPECT_EQ(registry.closed, std::vector<RegKey>{ScriptedRegistry::kHandle});
}

TEST(getRegString, CutsAtTheFirstNulAndShowsNumbersAsDecimalText) {
    ScriptedRegistry registry;
    registry.values["Programs"].data = QByteArray("C:\\P\0junk\0", 10);
    registry.values["Count"] = {kRegDword, dword(42)};
    registry.values["Minus"] = {kRegDword, dword(0xFFFFFFFFu)};
    registry.values[ansiFromText(QStringLiteral("Ümlaut"))].data =
        ansiFromText(QStringLiteral("Menü")) + '\0';
    EXPECT_EQ(registry.lookUp("Programs"), "C:\\P");
    EXPECT_EQ(registry.lookUp("Count"), "42");
    EXPECT_EQ(registry.lookUp("Minus"), "-1");
    EXPECT_EQ(registry.lookUp(QStringLiteral("Ümlaut")), QStringLiteral("Menü"));
}

TEST(getRegString, EveryFailureGivesEmptyText) {
    ScriptedRegistry registry;
    registry.values["Expand"] = {2, QByteArray("%USERPROFILE%\0", 14)};
    EXPECT_EQ(registry.lookUp("Missing"), "");
    EXPECT_EQ(registry.lookUp("Expand"), "");

    registry.openStatus = kErrorFileNotFound;
    registry.values["Start Menu"].data = QByteArray("C:\\S\0", 5);
    registry.queriedKeys.clear();
    registry.closed.clear();
    EXPECT_EQ(registry.lookUp("Start Menu"), "");
    // The failed open leaves the handle 0, and the later calls go on with it.
    EXPECT_EQ(registry.queriedKeys, std::vector<RegKey>{0});
    EXPECT_EQ(registry.closed, std::vector<RegKey>{0});
}

TEST(queryRegValue, ReturnsTheStatusOfTheFirstFailingCall) {
    ScriptedRegistry registry;
    registry.values["Size"] = {kRegSz, QByteArray("x\0", 2), kErrorMoreData + 1};
    registry.values["Grown"] = {kRegSz, QByteArray("x\0", 2), kErrorSuccess, kErrorMoreData};
    registry.values["Word"] = {kRegDword, dword(5), kErrorSuccess, 5};
    registry.values["Binary"] = {3, QByteArray("\1\2", 2)};

    QVariant value = QStringLiteral("before");
    EXPECT_EQ(queryRegValue(registry, ScriptedRegistry::kHandle, "Missing", value),
              kErrorFileNotFound);
    EXPECT_EQ(value, QStringLiteral("before"));
    EXPECT_EQ(queryRegValue(registry, ScriptedRegistry::kHandle, "Size", value),
              kErrorMoreData + 1);
    EXPECT_EQ(value, QStringLiteral("before"));
    EXPECT_EQ(queryRegValue(registry, ScriptedRegistry::kHandle, "Binary", value), -1);
    EXPECT_EQ(value, QStringLiteral("before"));
    EXPECT_EQ(queryRegValue(registry, ScriptedRegistry::kHandle, "Word", value), 5);
    EXPECT_EQ(value, QStringLiteral("before"));
    // A string whose second read fails leaves the value empty.
    EXPECT_EQ(queryRegValue(registry, ScriptedRegistry::kHandle, "Grown", value), kErrorMoreData);
    EXPECT_FALSE(value.isValid());
}

TEST(queryRegValue, KeepsAsManyCharactersAsTheSecondCallReports) {
    ScriptedRegistry registry;
    ScriptedRegistry::Value shrunk;
    shrunk.data = QByteArray("abcdef\0", 7);
    shrunk.written = 3;
    registry.values["Shrunk"] = shrunk;
    registry.values["Empty"].data = QByteArray();

    QVariant value;
    EXPECT_EQ(queryRegValue(registry, ScriptedRegistry::kHandle, "Shrunk", value), kErrorSuccess);
    EXPECT_EQ(value, QStringLiteral("abc"));
    EXPECT_EQ(queryRegValue(registry, ScriptedRegistry::kHandle, "Empty", value), kErrorSuccess);
    EXPECT_EQ(value, QString());
}
