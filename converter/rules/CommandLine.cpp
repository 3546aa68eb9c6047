#include "CommandLine.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> SplitCommandLineArguments(const std::string& commandLine) {
    size_t i = 0;
    const size_t n = commandLine.size();

    // The program name: quotes toggle, nothing is escaped.
    bool quoted = false;
    for (; i < n; ++i) {
        const char c = commandLine[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && IsBlank(c)) {
            break;
        }
    }

    std::vector<std::string> arguments;
    for (;;) {
        while (i < n && IsBlank(commandLine[i])) ++i;
        if (i >= n) break;

        std::string argument;
        quoted = false;
        while (i < n) {
            const char c = commandLine[i];
            if (!quoted && IsBlank(c)) break;
            if (c == '\\') {
                size_t backslashes = 0;
                while (i < n && commandLine[i] == '\\') {
                    ++backslashes;
                    ++i;
                }
                if (i < n && commandLine[i] == '"') {
                    argument.append(backslashes / 2, '\\');
                    if (backslashes % 2 == 1) {
                        argument += '"';
                        ++i;
                    }
                    // An even count leaves the quote to the next round.
                } else {
                    argument.append(backslashes, '\\');
                }
                continue;
            }
            if (c == '"') {
                if (quoted && i + 1 < n && commandLine[i + 1] == '"') {
                    argument += '"';
                    i += 2;
                    continue;
                }
                quoted = !quoted;
                ++i;
                continue;
            }
            argument += c;
            ++i;
        }
        arguments.push_back(argument);
    }
    return arguments;
}

std::string FirstCommandLineArgument(const std::string& commandLine) {
    std::vector<std::string> arguments = SplitCommandLineArguments(commandLine);
    return arguments.empty() ? std::string() : arguments.front();
}
