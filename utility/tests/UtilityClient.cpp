// An early-bound client of Utility.dll: creates the objects by ProgID through
// COM, calls one method through the v-table and prints what came back, one
// "name=value" per line (CR and LF written as \r and \n), so shell tests and
// Windows tests can check the results of a real client.
//
//   UtilityClient version | admin | software DELIM | adapter
//   UtilityClient hit URL BODYFILE | upload SERVER USER PASSWORD LOCAL REMOTE
//   UtilityClient dialog RESULTFILE [OWNER]
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "Bstr.h"
#include "UtilityInterfaces.h"
#include "win/ComPtr.h"

using utility::AnsiFromBstr;

namespace {

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out;
}

void Print(const char* name, const std::string& value) { std::printf("%s=%s\n", name, Escaped(value).c_str()); }
void PrintHr(HRESULT hr) { std::printf("hr=0x%08lX\n", static_cast<unsigned long>(hr)); }

// A BSTR the method may or may not write: "<untouched>" when it did not.
struct OutText {
    BSTR value = SysAllocString(L"<untouched>");
    ~OutText() { SysFreeString(value); }
    std::string Text() const { return AnsiFromBstr(value); }
};

template <typename T>
HRESULT Create(const wchar_t* progId, REFIID iid, ComPtr<T>& object) {
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(progId, &clsid);
    if (FAILED(hr)) return hr;
    return CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, object.put_void());
}

BSTR Wide(const char* text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    BSTR b = SysAllocStringLen(nullptr, length > 0 ? length - 1 : 0);
    if (b && length > 0) MultiByteToWideChar(CP_ACP, 0, text, -1, b, length);
    return b;
}

int RunSystem(const std::string& command, int argc, char** argv) {
    ComPtr<IKVSystem> system;
    HRESULT hr = Create(L"Utility.KVSystem", utility::kIidIKVSystem, system);
    if (FAILED(hr)) {
        std::printf("create=0x%08lX\n", static_cast<unsigned long>(hr));
        return 2;
    }
    if (command == "version") {
        OutText version;
        PrintHr(system->GetVersionOS(&version.value));
        Print("version", version.Text());
    } else if (command == "admin") {
        long admin = -7;
        PrintHr(system->IsUserAdmin(&admin));
        std::printf("admin=%ld\n", admin);
    } else if (command == "software" && argc >= 3) {
        BSTR delimiter = Wide(argv[2]);
        OutText list;
        PrintHr(system->InstalledSoftware(delimiter, &list.value));
        Print("software", list.Text());
        SysFreeString(delimiter);
    } else if (command == "adapter") {
        OutText ips, mac, gateways, name;
        long type = -7, result = -7;
        PrintHr(system->GetLocalAdapter(&ips.value, &mac.value, &gateways.value, &name.value, &type, &result));
        std::printf("result=%ld\n", result);
        Print("ips", ips.Text());
        Print("mac", mac.Text());
        Print("gateways", gateways.Text());
        Print("name", name.Text());
        std::printf("type=%ld\n", type);
    } else {
        return 2;
    }
    return 0;
}

int RunFolder(const std::string& command, int argc, char** argv) {
    ComPtr<IKVFolder> folder;
    HRESULT hr = Create(L"Utility.KVFolder", utility::kIidIKVFolder, folder);
    if (FAILED(hr)) {
        std::printf("create=0x%08lX\n", static_cast<unsigned long>(hr));
        return 2;
    }
    if (command == "hit" && argc >= 4) {
        BSTR url = Wide(argv[2]);
        OutText body;
        PrintHr(folder->HitURL(url, &body.value));
        SysFreeString(url);
        std::ofstream(argv[3], std::ios::binary) << body.Text();
    } else if (command == "upload" && argc >= 7) {
        BSTR texts[5];
        for (int i = 0; i < 5; ++i) texts[i] = Wide(argv[2 + i]);
        long uploaded = -7;
        PrintHr(folder->UpLoad(texts[0], texts[1], texts[2], texts[3], texts[4], &uploaded));
        std::printf("uploaded=%ld\n", uploaded);
        for (BSTR t : texts) SysFreeString(t);
    } else if (command == "dialog" && argc >= 3) {
        const long owner = argc >= 4 ? std::atol(argv[3]) : 0;
        OutText selected;
        hr = folder->ShowDialog(owner, &selected.value);
        std::ofstream(argv[2], std::ios::binary) << "hr=" << hr << "\nselected=" << selected.Text() << "\n";
    } else {
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string command = argv[1];
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 3;
    const bool folder = command == "hit" || command == "upload" || command == "dialog";
    const int code = folder ? RunFolder(command, argc, argv) : RunSystem(command, argc, argv);
    std::fflush(stdout);
    CoUninitialize();
    return code;
}
