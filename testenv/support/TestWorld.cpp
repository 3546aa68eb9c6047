#include "TestWorld.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace testenv {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value) throw std::runtime_error(std::string(name) + " is not set: run the test through ctest");
    return value;
}

void RemoveTree(const std::string& path) {
    std::string from = path + '\0';  // SHFileOperation wants a double NUL
    SHFILEOPSTRUCTA op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&op);
}

}  // namespace

std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

std::string BuildPath(const std::string& relative) {
    return WindowsPath(Environment("INKVALE_BUILD") + "/" + relative);
}

std::string SourcePath(const std::string& relative) {
    return WindowsPath(Environment("INKVALE_SOURCE") + "/" + relative);
}

std::string FreshFolder(const std::string& name) {
    std::string root = WindowsPath(Environment("INKVALE_WORLD")) + "\\scratch";
    CreateDirectoryA(root.c_str(), nullptr);
    std::string folder = root + "\\" + name;
    RemoveTree(folder);
    if (!CreateDirectoryA(folder.c_str(), nullptr)) throw std::runtime_error("cannot create " + folder);
    return folder;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof(buffer), file)) > 0) bytes.append(buffer, got);
        std::fclose(file);
    }
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace testenv
