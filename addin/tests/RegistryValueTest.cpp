#include "RegistryValue.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using std::string_literals::operator""s;

TEST(RegistryValueTest, OnlyTextAndDwordAreRead) {
    struct Case { std::uint32_t type; RegistryValueKind kind; };
    const Case cases[] = {
        {0, RegistryValueKind::Unsupported},   // REG_NONE
        {1, RegistryValueKind::Text},          // REG_SZ
        {2, RegistryValueKind::Unsupported},   // REG_EXPAND_SZ
        {3, RegistryValueKind::Unsupported},   // REG_BINARY
        {4, RegistryValueKind::Integer},       // REG_DWORD
        {5, RegistryValueKind::Unsupported},   // REG_DWORD_BIG_ENDIAN
        {7, RegistryValueKind::Unsupported},   // REG_MULTI_SZ
        {11, RegistryValueKind::Unsupported},  // REG_QWORD
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KindOfRegistryType(c.type), c.kind) << "type " << c.type;
    }
}

TEST(RegistryValueTest, TextKeepsTheReportedCharactersNulsIncluded) {
    struct Case { const char* label; std::string buffer; std::uint32_t size; std::string text; };
    const Case cases[] = {
        {"path with its NUL", "C:\\Program Files\\Inkvale\0"s, 25, "C:\\Program Files\\Inkvale\0"s},
        {"stored without NUL", "abc\0\0\0"s, 3, "abc"},
        {"empty string, NUL only", "\0"s, 1, "\0"s},
        {"nothing stored", "", 0, ""},
        {"size past the buffer", "abc", 10, "abc"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RegistryText(c.buffer, c.size), c.text) << c.label;
    }
}

}  // namespace
