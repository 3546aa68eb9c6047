// Makes the recorders beside this program the shell's handlers: the viewer
// recorder opens .pdf files, the browser recorder http links.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

class RegKey {
public:
    RegKey() = default;
    ~RegKey() { if (key_) RegCloseKey(key_); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }
private:
    HKEY key_ = nullptr;
};

bool SetValue(const char* subKey, const char* name, const std::string& value) {
    RegKey key;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, subKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.out(), nullptr) !=
        ERROR_SUCCESS) {
        std::fprintf(stderr, "register_recorders: cannot create HKCR\\%s\n", subKey);
        return false;
    }
    return RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

std::string OwnFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
    if (length == 0 || length >= sizeof(path)) return {};
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string OpenCommand(const std::string& program) { return "\"" + program + "\" \"%1\""; }

}  // namespace

int main() {
    const std::string folder = OwnFolder();
    if (folder.empty()) return 1;
    const char kPdfClass[] = "InkvaleTest.PdfFile";
    const bool registered =
        SetValue(".pdf", nullptr, kPdfClass) &&
        SetValue("InkvaleTest.PdfFile", nullptr, "PDF document (test world viewer)") &&
        SetValue("InkvaleTest.PdfFile\\shell\\open\\command", nullptr, OpenCommand(folder + "\\viewer_recorder.exe")) &&
        SetValue("http", nullptr, "URL:HyperText Transfer Protocol") &&
        SetValue("http", "URL Protocol", "") &&
        SetValue("http\\shell\\open\\command", nullptr, OpenCommand(folder + "\\browser_recorder.exe"));
    return registered ? 0 : 1;
}
