#include "CommandLine.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct SplitCase {
    const char* label;
    std::string commandLine;
    std::vector<std::string> arguments;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const SplitCase& c, std::ostream* out) { *out << c.label; }

class CommandLineTest : public testing::TestWithParam<SplitCase> {};

TEST_P(CommandLineTest, SplitsByTheRuntimeRules) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(SplitCommandLineArguments(c.commandLine), c.arguments) << c.label;
    EXPECT_EQ(FirstCommandLineArgument(c.commandLine), c.arguments.empty() ? "" : c.arguments.front()) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineTest,
    testing::Values(
        SplitCase{"no_argument", "Inkvale.exe", {}},
        SplitCase{"only_blanks_after_name", "Inkvale.exe   \t ", {}},
        SplitCase{"quoted_program_with_blank", "\"C:\\Program Files\\Inkvale\\Inkvale.exe\" C:\\J", {"C:\\J"}},
        SplitCase{"program_name_knows_no_escape", "\"C:\\a\\\" b", {"b"}},
        SplitCase{"quoted_folder_with_blank", "x \"C:\\Documents and Settings\\u\\Job\"", {"C:\\Documents and Settings\\u\\Job"}},
        SplitCase{"backslash_before_closing_quote", "x \"C:\\\"", {"C:\""}},
        SplitCase{"quote_literal_swallows_rest", "x \"C:\\\" next", {"C:\" next"}},
        SplitCase{"two_backslashes_before_quote", "x \"C:\\\\\" next", {"C:\\", "next"}},
        SplitCase{"backslashes_elsewhere_literal", "x \\\\server\\share\\\\job", {"\\\\server\\share\\\\job"}},
        SplitCase{"doubled_quote_inside_quotes", "x \"a\"\"b\"", {"a\"b"}},
        SplitCase{"quotes_join_parts", "x a\"b c\"d", {"ab cd"}},
        SplitCase{"empty_quoted_argument", "x \"\" second", {"", "second"}},
        SplitCase{"further_arguments_kept_apart", "x one\ttwo  three", {"one", "two", "three"}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.label); });

}  // namespace
