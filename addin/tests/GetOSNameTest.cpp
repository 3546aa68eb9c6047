// The version name under the Windows versions a prefix can report.  The
// prefix's version is read when a process starts, so each case runs the name
// in a process of its own.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ChildProcess.h"
#include "TestWorld.h"
#include "win/UniqueRegKey.h"

namespace {

constexpr const char kWineKey[] = "Software\\Wine";

// Sets the prefix's Windows version and puts the earlier setting back (or
// removes it, when there was none) when it goes.
class WineVersionSetting {
public:
    explicit WineVersionSetting(const std::string& version) {
        UniqueRegKey key;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kWineKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                            key.put(), nullptr) != ERROR_SUCCESS) {
            return;
        }
        char old[64] = {};
        DWORD size = sizeof(old) - 1;
        DWORD type = 0;
        if (RegQueryValueExA(key.get(), "Version", nullptr, &type, reinterpret_cast<BYTE*>(old), &size) ==
                ERROR_SUCCESS &&
            type == REG_SZ) {
            previous_ = std::string(old);
        }
        set_ = RegSetValueExA(key.get(), "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                              static_cast<DWORD>(version.size() + 1)) == ERROR_SUCCESS;
    }
    ~WineVersionSetting() {
        UniqueRegKey key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kWineKey, 0, KEY_SET_VALUE, key.put()) != ERROR_SUCCESS) return;
        if (previous_) {
            RegSetValueExA(key.get(), "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(previous_->c_str()),
                           static_cast<DWORD>(previous_->size() + 1));
        } else {
            RegDeleteValueA(key.get(), "Version");
        }
    }
    WineVersionSetting(const WineVersionSetting&) = delete;
    WineVersionSetting& operator=(const WineVersionSetting&) = delete;

    bool set() const { return set_; }

private:
    std::optional<std::string> previous_;
    bool set_ = false;
};

// GetOSName as a new process sees it.
std::optional<std::string> OsNameInNewProcess(const std::string& folder) {
    const std::string output = folder + "\\name.txt";
    DeleteFileA(output.c_str());
    testenv::ChildProcess probe = testenv::ChildProcess::Start(
        testenv::Quoted(testenv::BuildPath("addin/print_os_name.exe")) + " " + testenv::Quoted(output));
    if (!probe || !probe.WaitForExit() || probe.ExitCode() != 0) return std::nullopt;
    return testenv::ReadFileBytes(output);
}

struct VersionCase {
    const char* wineVersion;
    const char* reported;  // what Windows reports, for the failure message
    const char* name;
};

TEST(GetOSNameTest, NamesTheVersionThePrefixReports) {
    const std::string folder = testenv::FreshFolder("getosname");
    const VersionCase cases[] = {
        {"win7", "6.1", "VISTA"},
        {"vista", "6.0", "VISTA"},
        {"win81", "6.3", "VISTA"},
        {"winxp64", "5.2", "2003"},
        {"win2k", "5.0", "2000"},
        {"win10", "10.0", ""},
    };
    for (const VersionCase& c : cases) {
        WineVersionSetting setting(c.wineVersion);
        ASSERT_TRUE(setting.set()) << "cannot set the prefix's version to " << c.wineVersion;
        const std::optional<std::string> name = OsNameInNewProcess(folder);
        ASSERT_TRUE(name) << c.wineVersion << ": the probe did not run";
        EXPECT_EQ(*name, c.name) << c.wineVersion << " (" << c.reported << ")";
    }
}

}  // namespace
