#include "platform/Win32Registry.h"

#include "platform/Registry.h"
#include "platform/Win32ShellFolders.h"

#include <gtest/gtest.h>
#include <QRandomGenerator>
#include <string>
#include <windows.h>

namespace tvn {
namespace {

using namespace std::string_literals;

// The values scripts/test-windows sets with `wine reg add` before the tests run.
constexpr auto kWineTestKey = u"Software\\Torvane tests\\Set by reg add";
constexpr auto kWineStartMenu = u"C:\\users\\Public\\Torvane\\Menu Avvio";
constexpr auto kWinePrograms = u"C:\\users\\Public\\Torvane\\Menu Avvio\\Programmi";

const wchar_t* wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// A key of its own below HKEY_CURRENT_USER for each test, written through the wide functions
// as a Windows program would, and deleted afterwards.
class Win32RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        subKey = u"Software\\Torvane tests\\" +
                 QString::number(QRandomGenerator::global()->generate64(), 16).toStdU16String();
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, wide(subKey), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
    }

    void TearDown() override {
        RegCloseKey(key);
        RegDeleteTreeW(HKEY_CURRENT_USER, wide(subKey));
    }

    // `text` as stored, its terminating NUL included when it has one.
    void setString(const std::u16string& name, const std::u16string& text, DWORD type = REG_SZ) {
        ASSERT_EQ(RegSetValueExW(key, wide(name), 0, type,
                                 reinterpret_cast<const BYTE*>(text.data()),
                                 DWORD(text.size() * sizeof(char16_t))),
                  ERROR_SUCCESS);
    }

    void setNumber(const std::u16string& name, DWORD number) {
        ASSERT_EQ(RegSetValueExW(key, wide(name), 0, REG_DWORD,
                                 reinterpret_cast<const BYTE*>(&number), sizeof number),
                  ERROR_SUCCESS);
    }

    QString read(const QString& valueName) {
        return getRegString(registry, kHkeyCurrentUser, QString::fromStdU16String(subKey),
                            valueName);
    }

    std::u16string subKey;
    HKEY key = nullptr;
    Win32Registry registry;
};

TEST_F(Win32RegistryTest, StringsAreReadWholeAndCutAtTheirFirstNul) {
    setString(u"Start Menu", u"C:\\Windows\\Start Menu\0"s);
    setString(u"Programs", u"C:\\Windows\\Start Menu\\Programs\0stale tail\0"s);
    setString(u"Unterminated", u"no NUL at the end"s);
    setString(u"Empty", u""s);
    const std::u16string longText(20000, u'x');
    setString(u"Long", longText + u'\0');

    EXPECT_EQ(read("Start Menu"), "C:\\Windows\\Start Menu");
    EXPECT_EQ(read("programs"), "C:\\Windows\\Start Menu\\Programs");
    EXPECT_EQ(read("Unterminated"), "no NUL at the end");
    EXPECT_EQ(read("Empty"), QString());
    EXPECT_EQ(read("Long"), QString::fromStdU16String(longText));

    // The value itself still holds everything up to the size the registry reported.
    RegKey opened = 0;
    ASSERT_EQ(registry.regOpenKeyExA(kHkeyCurrentUser,
                                     QString::fromStdU16String(subKey).toLatin1() + '\0', 0,
                                     kKeyRead, &opened),
              kErrorSuccess);
    QVariant value;
    EXPECT_EQ(queryRegValue(registry, opened, "Programs", value), kErrorSuccess);
    EXPECT_EQ(value.toString(),
              QString::fromStdU16String(u"C:\\Windows\\Start Menu\\Programs\0stale tail\0"s));
    EXPECT_EQ(registry.regCloseKey(opened), kErrorSuccess);
}

TEST_F(Win32RegistryTest, NumbersAreReadAsTheirDecimalText) {
    setNumber(u"Small", 42);
    setNumber(u"Zero", 0);
    setNumber(u"All bits", 0xFFFFFFFFu);
    EXPECT_EQ(read("Small"), "42");
    EXPECT_EQ(read("Zero"), "0");
    EXPECT_EQ(read("All bits"), "-1");
}

TEST_F(Win32RegistryTest, OtherTypesAndEveryFailureGiveEmptyText) {
    setString(u"Expandable", u"%USERPROFILE%\\Start Menu\0"s, REG_EXPAND_SZ);
    setString(u"Several", u"a\0b\0\0"s, REG_MULTI_SZ);
    const BYTE bytes[] = {1, 2, 3};
    ASSERT_EQ(RegSetValueExW(key, L"Binary", 0, REG_BINARY, bytes, sizeof bytes), ERROR_SUCCESS);

    RegKey opened = 0;
    ASSERT_EQ(registry.regOpenKeyExA(kHkeyCurrentUser,
                                     QString::fromStdU16String(subKey).toLatin1() + '\0', 0,
                                     kKeyRead, &opened),
              kErrorSuccess);
    for (const char* name : {"Expandable", "Several", "Binary"}) {
        QVariant value;
        EXPECT_EQ(queryRegValue(registry, opened, name, value), -1) << name;
        EXPECT_FALSE(value.isValid()) << name;
        EXPECT_EQ(read(name), QString()) << name;
    }
    QVariant missing;
    EXPECT_EQ(queryRegValue(registry, opened, "Missing", missing), kErrorFileNotFound);
    EXPECT_EQ(registry.regCloseKey(opened), kErrorSuccess);

    EXPECT_EQ(read("Missing"), QString());
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, "Software\\Torvane tests\\No such key",
                           "Start Menu"),
              QString());
}

TEST_F(Win32RegistryTest, TextPassesThroughTheAnsiCodePage) {
    const UINT codePage = GetACP();
    if (codePage != 1252 && codePage != 65001)
        GTEST_SKIP() << "the ANSI code page " << codePage << " has no Italian letters";
    setString(u"Accents", u"C:\\Documents\\Menù Avvio\\Perché\0"s);
    EXPECT_EQ(read("Accents"), QString::fromUtf16(u"C:\\Documents\\Menù Avvio\\Perché"));
}

TEST_F(Win32RegistryTest, KeysAreKnownOnlyWhileOpen) {
    setNumber(u"Small", 42);
    RegKey opened = 0;
    ASSERT_EQ(registry.regOpenKeyExA(kHkeyCurrentUser,
                                     QString::fromStdU16String(subKey).toLatin1() + '\0', 0,
                                     kKeyRead, &opened),
              kErrorSuccess);
    EXPECT_NE(opened, 0u);
    EXPECT_EQ(opened & 0x80000000u, 0u);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(registry.regQueryValueExA(opened, "Small", &type, nullptr, &size), kErrorSuccess);
    EXPECT_EQ(type, kRegDword);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(registry.regCloseKey(opened), kErrorSuccess);
    EXPECT_EQ(registry.regCloseKey(opened), kErrorInvalidHandle);
    EXPECT_EQ(registry.regQueryValueExA(opened, "Small", &type, nullptr, &size),
              kErrorInvalidHandle);
    EXPECT_EQ(registry.regQueryValueExA(0, "Small", &type, nullptr, &size), kErrorInvalidHandle);
}

TEST(Win32RegistryWineTest, ReadsTheValuesSetWithRegAdd) {
    HKEY marker = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, reinterpret_cast<const wchar_t*>(kWineTestKey), 0,
                      KEY_READ, &marker) != ERROR_SUCCESS)
        GTEST_SKIP() << "the values are set by scripts/test-windows";
    RegCloseKey(marker);

    Win32Registry registry;
    const QString key = QString::fromUtf16(kWineTestKey);
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, key, "Text"), "Testo di prova");
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, key, "Number"), "1234567");
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, key, "Negative"), "-2");
    EXPECT_EQ(getRegString(registry, kHkeyCurrentUser, key, "Binary"), QString());

    Win32ShellFolders shellFolders;
    EXPECT_EQ(shellFolders.shellFolder("Start Menu"), QString::fromUtf16(kWineStartMenu));
    EXPECT_EQ(shellFolders.shellFolder("Programs"), QString::fromUtf16(kWinePrograms));
    EXPECT_EQ(shellFolders.shellFolder("No such folder"), QString());
    // Written into HKEY_LOCAL_MACHINE by wineboot.
    EXPECT_EQ(shellFolders.allUsersPrograms(QString()),
              "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs");
}

} // namespace
} // namespace tvn
