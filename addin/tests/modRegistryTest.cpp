// Registry reads against real values that the test writes under a key of
// its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProcessResources.h"
#include "modRegistry.h"
#include "win/UniqueRegKey.h"

namespace {

using std::string_literals::operator""s;

constexpr const char kTestKey[] = "Software\\InkvaleTests\\modRegistry";

struct StoredValue {
    const char* name;
    DWORD type;
    std::string bytes;  // exactly what is stored
};

const StoredValue kStored[] = {
    {"PathWithNul", REG_SZ, "C:\\Program Files\\Inkvale\0"s},
    {"TextWithoutNul", REG_SZ, "abc"},
    {"EmptyText", REG_SZ, "\0"s},
    {"Three", REG_DWORD, "\x03\0\0\0"s},
    {"AllBits", REG_DWORD, "\xFF\xFF\xFF\xFF"s},
    {"Binary", REG_BINARY, "\x01\x02\x03"s},
    {"Expandable", REG_EXPAND_SZ, "%TEMP%\\Inkvale\0"s},
    {"MultiText", REG_MULTI_SZ, "a\0b\0\0"s},
};

class RegistryTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
        UniqueRegKey key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(),
                                  nullptr),
                  ERROR_SUCCESS);
        for (const StoredValue& v : kStored) {
            // The system adds a NUL the size forgot when the next byte is one,
            // so the stored bytes are followed by one that is not.
            const std::string data = v.bytes + 'X';
            ASSERT_EQ(RegSetValueExA(key.get(), v.name, 0, v.type, reinterpret_cast<const BYTE*>(data.data()),
                                     static_cast<DWORD>(v.bytes.size())),
                      ERROR_SUCCESS)
                << v.name;
        }
    }
    static void TearDownTestSuite() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\InkvaleTests"); }
};

std::string Describe(const RegistryValue& value) {
    if (IsEmpty(value)) return "empty";
    if (const auto* text = std::get_if<std::string>(&value)) {
        std::string shown = "text \"";
        for (char c : *text) shown += c ? std::string(1, c) : std::string("\\0");
        return shown + "\"";
    }
    return "integer " + std::to_string(std::get<std::int32_t>(value));
}

struct ReadCase {
    const char* valueName;
    RegistryValue expected;
    LONG status;
};

const ReadCase kReads[] = {
    {"PathWithNul", "C:\\Program Files\\Inkvale\0"s, ERROR_SUCCESS},
    {"TextWithoutNul", "abc"s, ERROR_SUCCESS},
    {"EmptyText", "\0"s, ERROR_SUCCESS},
    {"Three", std::int32_t{3}, ERROR_SUCCESS},
    {"AllBits", std::int32_t{-1}, ERROR_SUCCESS},
    {"Binary", std::monostate{}, kUnsupportedTypeStatus},
    {"Expandable", std::monostate{}, kUnsupportedTypeStatus},
    {"MultiText", std::monostate{}, kUnsupportedTypeStatus},
    {"Missing", std::monostate{}, ERROR_FILE_NOT_FOUND},
};

TEST_F(RegistryTest, GetRegistryValueGivesTextIntegerOrEmpty) {
    for (const ReadCase& c : kReads) {
        const RegistryValue value = GetRegistryValue(HKEY_CURRENT_USER, kTestKey, c.valueName);
        EXPECT_EQ(value, c.expected) << c.valueName << ": got " << Describe(value) << ", expected "
                                     << Describe(c.expected);
    }
}

TEST_F(RegistryTest, MissingKeyGivesEmpty) {
    for (const char* subKey : {"Software\\InkvaleTests\\NoSuchKey", "", "Software\\InkvaleTests\\modRegistry\\Sub"}) {
        const RegistryValue value = GetRegistryValue(HKEY_CURRENT_USER, subKey, "PathWithNul");
        EXPECT_TRUE(IsEmpty(value)) << "key \"" << subKey << "\": got " << Describe(value);
    }
    EXPECT_TRUE(IsEmpty(GetRegistryValue(nullptr, kTestKey, "Three"))) << "no root";
}

TEST_F(RegistryTest, QueryRegistryValueReportsStatusAndKeepsValueOnFailure) {
    UniqueRegKey key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey, 0, KEY_QUERY_VALUE, key.put()), ERROR_SUCCESS);
    for (const ReadCase& c : kReads) {
        RegistryValue value = "kept"s;
        EXPECT_EQ(QueryRegistryValue(key.get(), c.valueName, value), c.status) << c.valueName;
        const RegistryValue expected = c.status == ERROR_SUCCESS ? c.expected : RegistryValue("kept"s);
        EXPECT_EQ(value, expected) << c.valueName << ": got " << Describe(value);
    }
}

TEST_F(RegistryTest, RepeatedReadsLeaveNoKeyOpen) {
    // The first reads open the process's own handle to the user's root; count after them.
    GetRegistryValue(HKEY_CURRENT_USER, kTestKey, "PathWithNul");
    GetRegistryValue(HKEY_CURRENT_USER, "Software\\InkvaleTests\\NoSuchKey", "PathWithNul");
    const long before = testenv::ProcessHandleCount();
    ASSERT_GT(before, 0) << "the handle count cannot be read";

    for (int i = 0; i < 10000; ++i) {
        const char* valueName = kStored[i % std::size(kStored)].name;
        GetRegistryValue(HKEY_CURRENT_USER, kTestKey, valueName);
        GetRegistryValue(HKEY_CURRENT_USER, "Software\\InkvaleTests\\NoSuchKey", valueName);
    }
    EXPECT_EQ(testenv::ProcessHandleCount(), before);
}

}  // namespace
