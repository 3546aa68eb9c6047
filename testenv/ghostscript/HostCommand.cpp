#include "HostCommand.h"

#include <cctype>

namespace testenv {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsOption(const std::string& argument) { return !argument.empty() && argument[0] == '-'; }

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// A file name for the host: absolute ones through Wine, relative ones stay
// relative to the folder Ghostscript runs in.
std::string HostPath(const std::string& path, const UnixPathOf& unixPath) {
    if (IsAbsoluteWindowsPath(path)) {
        std::string translated = unixPath(path);
        return translated.empty() ? path : translated;
    }
    std::string relative = path;
    for (char& c : relative) {
        if (c == '\\') c = '/';
    }
    return relative;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> arguments;
    size_t i = 0;
    const size_t n = commandLine.size();

    // The program: quotes group, nothing escapes.
    while (i < n && IsBlank(commandLine[i])) ++i;
    if (i == n) return arguments;
    std::string program;
    bool quoted = false;
    for (; i < n && (quoted || !IsBlank(commandLine[i])); ++i) {
        if (commandLine[i] == '"') {
            quoted = !quoted;
        } else {
            program += commandLine[i];
        }
    }
    arguments.push_back(program);

    for (;;) {
        while (i < n && IsBlank(commandLine[i])) ++i;
        if (i == n) break;
        std::string argument;
        quoted = false;
        while (i < n && (quoted || !IsBlank(commandLine[i]))) {
            size_t backslashes = 0;
            while (i < n && commandLine[i] == '\\') {
                ++backslashes;
                ++i;
            }
            if (i < n && commandLine[i] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                } else if (quoted && i + 1 < n && commandLine[i + 1] == '"') {
                    argument += '"';
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                argument.append(backslashes, '\\');
                if (i < n && (quoted || !IsBlank(commandLine[i]))) argument += commandLine[i++];
            }
        }
        arguments.push_back(argument);
    }
    return arguments;
}

std::string QuoteArgument(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            quoted.append(backslashes * 2 + 1, '\\');
        } else {
            quoted.append(backslashes, '\\');
        }
        backslashes = 0;
        quoted += c;
    }
    // Backslashes before the closing quote are doubled so they stay literal.
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

std::string ShellQuote(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

bool IsAbsoluteWindowsPath(const std::string& text) {
    if (text.size() >= 3 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':' &&
        (text[2] == '\\' || text[2] == '/')) {
        return true;
    }
    return StartsWith(text, "\\\\");
}

std::vector<std::string> HostGhostscriptArguments(const std::vector<std::string>& arguments,
                                                  const UnixPathOf& unixPath) {
    static const std::string kOutputFile = "-sOutputFile=";
    std::vector<std::string> host;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-c") {
            // A -c section runs up to the next option.
            std::vector<std::string> operators;
            while (i + 1 < arguments.size() && !IsOption(arguments[i + 1])) {
                if (arguments[++i] != ".setpdfwrite") operators.push_back(arguments[i]);
            }
            if (!operators.empty()) {
                host.push_back("-c");
                host.insert(host.end(), operators.begin(), operators.end());
            }
        } else if (StartsWith(argument, kOutputFile)) {
            host.push_back(kOutputFile + HostPath(argument.substr(kOutputFile.size()), unixPath));
        } else if (StartsWith(argument, "-s") && argument.find('=') != std::string::npos) {
            const size_t equals = argument.find('=');
            const std::string value = argument.substr(equals + 1);
            host.push_back(IsAbsoluteWindowsPath(value) ? argument.substr(0, equals + 1) + HostPath(value, unixPath)
                                                        : argument);
        } else if (!IsOption(argument)) {
            host.push_back(HostPath(argument, unixPath));
        } else {
            host.push_back(argument);
        }
    }
    return host;
}

std::string RunInFolderScript(const std::string& unixFolder, const std::string& program,
                              const std::vector<std::string>& arguments) {
    std::string script = "cd " + ShellQuote(unixFolder) + " && " + ShellQuote(program);
    for (const std::string& argument : arguments) script += " " + ShellQuote(argument);
    return script;
}

std::string ExitStatusScript(const std::string& script, const std::string& doneFile) {
    const std::string part = doneFile + ".part";
    // The subshell keeps an "exit" in the script from skipping the record.
    return "(" + script + "\n); echo $? > " + ShellQuote(part) + " && mv -f " + ShellQuote(part) + " " +
           ShellQuote(doneFile);
}

std::optional<int> ParseExitStatus(const std::string& text) {
    size_t end = text.find_last_not_of(" \t\r\n");
    if (end == std::string::npos) return std::nullopt;
    int status = 0;
    for (size_t i = 0; i <= end; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])) || i >= 3) return std::nullopt;
        status = status * 10 + (text[i] - '0');
    }
    if (status > 255) return std::nullopt;
    return status;
}

}  // namespace testenv
