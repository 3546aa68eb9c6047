// The registration scripts the DLL carries, run by the script rules against a
// registry in memory.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "MemoryRegistry.h"
#include "RegistryScript.h"

using utility::testing::MemoryRegistry;

namespace {

const char* const kModule = "C:\\Program Files\\Inkvale\\Utility.dll";
const char* const kAppId = "{F7EC8A7A-39F2-47F0-8993-307035D94471}";

std::vector<utility::ScriptVariable> Variables() {
    return {{"Module", kModule}, {"Module_Raw", kModule}, {"APPID", kAppId}};
}

utility::ScriptRoot LoadScript(const std::string& file) {
    std::ifstream in(std::string(UTILITY_RESOURCES) + "/" + file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    utility::Script script;
    std::string error;
    EXPECT_TRUE(utility::ParseScript(text.str(), Variables(), script, error)) << file << ": " << error;
    EXPECT_EQ(script.roots.size(), 1u) << file;
    if (script.roots.empty()) return {};
    EXPECT_EQ(script.roots[0].name, "HKCR") << file;
    return script.roots[0];
}

// The three scripts in the order registration runs them.
struct Scripts {
    utility::ScriptRoot appId = LoadScript("Utility.rgs");
    utility::ScriptRoot folder = LoadScript("KVFolder.rgs");
    utility::ScriptRoot system = LoadScript("KVSystem.rgs");

    int32_t Register(MemoryRegistry& r) const {
        for (const auto* s : {&appId, &folder, &system}) {
            if (int32_t hr = utility::RegisterScript(*s, r)) return hr;
        }
        return 0;
    }
    int32_t Unregister(MemoryRegistry& r) const {
        for (const auto* s : {&folder, &system, &appId}) {
            if (int32_t hr = utility::UnregisterScript(*s, r)) return hr;
        }
        return 0;
    }
};

std::vector<std::string> ClassEntries(const std::string& name, const std::string& clsid) {
    const std::string progId = "Utility." + name;
    const std::string key = "CLSID\\" + clsid;
    return {
        progId, progId + "\\[]=" + name + " Class", progId + "\\CLSID", progId + "\\CLSID\\[]=" + clsid,
        progId + "\\CurVer", progId + "\\CurVer\\[]=" + progId + ".1",
        progId + ".1", progId + ".1\\[]=" + name + " Class", progId + ".1\\CLSID", progId + ".1\\CLSID\\[]=" + clsid,
        key, key + "\\[]=" + name + " Class", key + "\\[AppID]=" + kAppId,
        key + "\\ProgID", key + "\\ProgID\\[]=" + progId + ".1",
        key + "\\VersionIndependentProgID", key + "\\VersionIndependentProgID\\[]=" + progId,
        key + "\\Programmable",
        key + "\\InprocServer32", key + "\\InprocServer32\\[]=" + kModule,
        key + "\\InprocServer32\\[ThreadingModel]=Apartment",
        key + "\\TypeLib", key + "\\TypeLib\\[]={065F9E88-2A76-40E9-BE35-B6C121CD70BC}",
    };
}

std::vector<std::string> Registered() {
    std::vector<std::string> all = {
        "AppID", "AppID\\" + std::string(kAppId), "AppID\\" + std::string(kAppId) + "\\[]=Utility",
        "AppID\\Utility.DLL", "AppID\\Utility.DLL\\[AppID]=" + std::string(kAppId), "CLSID",
    };
    for (auto& e : ClassEntries("KVFolder", "{38D7C4EE-8F6E-498E-A90E-F6D5BFEC9713}")) all.push_back(e);
    for (auto& e : ClassEntries("KVSystem", "{880CDB09-76F3-4BB2-AFAF-95F58B00DC96}")) all.push_back(e);
    std::sort(all.begin(), all.end());
    return all;
}

const char* const kFolderClassKey = "CLSID\\{38D7C4EE-8F6E-498E-A90E-F6D5BFEC9713}";

TEST(RegistryScriptTest, RegistrationWritesExactlyTheClassAndAppIdEntries) {
    Scripts scripts;
    MemoryRegistry registry;
    ASSERT_EQ(scripts.Register(registry), 0);
    EXPECT_EQ(registry.Dump(), Registered());
}

TEST(RegistryScriptTest, RegisteringAgainRewritesTheClassKeysFromScratch) {
    Scripts scripts;
    MemoryRegistry registry;
    ASSERT_EQ(scripts.Register(registry), 0);
    const std::string key = kFolderClassKey;
    registry.CreateKey(key + "\\Stale");
    registry.SetString(key, "Stale", "x");
    registry.CreateKey(key + "\\Programmable\\Stale");
    registry.SetString(key + "\\InprocServer32", "", "C:\\old\\Utility.dll");
    ASSERT_EQ(scripts.Register(registry), 0);
    EXPECT_EQ(registry.Dump(), Registered());
}

TEST(RegistryScriptTest, UnregistrationRemovesEverythingButTheAppIdAndClsidRoots) {
    Scripts scripts;
    MemoryRegistry registry;
    registry.CreateKey("CLSID\\{00000000-0000-0000-0000-000000000001}\\InprocServer32");
    registry.CreateKey("AppID\\Other");
    ASSERT_EQ(scripts.Register(registry), 0);
    ASSERT_EQ(scripts.Unregister(registry), 0);
    EXPECT_EQ(registry.Dump(), (std::vector<std::string>{
                                   "AppID", "AppID\\Other", "CLSID", "CLSID\\{00000000-0000-0000-0000-000000000001}",
                                   "CLSID\\{00000000-0000-0000-0000-000000000001}\\InprocServer32"}));
}

TEST(RegistryScriptTest, UnregisteringWhatIsNotThereChangesNothing) {
    Scripts scripts;
    MemoryRegistry registry;
    registry.CreateKey("Utility.KVFolder");  // a half registration: its subkeys are missing
    ASSERT_EQ(scripts.Unregister(registry), 0);
    EXPECT_EQ(registry.Dump(), std::vector<std::string>{});
}

TEST(RegistryScriptTest, AnUnnamedSubkeyStopsUnregistrationAtItsKey) {
    Scripts scripts;
    MemoryRegistry registry;
    ASSERT_EQ(scripts.Register(registry), 0);
    const std::string key = kFolderClassKey;
    registry.CreateKey(key + "\\Extra");
    EXPECT_EQ(scripts.Unregister(registry), static_cast<int32_t>(0x80070005));
    // Children first: the folder's ProgIDs and the class key's named subkeys
    // are gone, the class key stays with the foreign subkey, and the later
    // scripts never ran.
    EXPECT_FALSE(registry.HasKey("Utility.KVFolder"));
    EXPECT_FALSE(registry.HasKey("Utility.KVFolder.1"));
    EXPECT_FALSE(registry.HasKey(key + "\\InprocServer32"));
    EXPECT_TRUE(registry.HasKey(key + "\\Extra"));
    EXPECT_TRUE(registry.HasKey("Utility.KVSystem"));
    EXPECT_TRUE(registry.HasKey("AppID\\Utility.DLL"));
}

TEST(RegistryScriptTest, AFailingStepStopsRegistrationWithItsError) {
    Scripts scripts;
    MemoryRegistry registry;
    registry.failingPath = std::string(kFolderClassKey) + "\\InprocServer32";
    registry.failure = 5;
    EXPECT_EQ(scripts.Register(registry), static_cast<int32_t>(0x80070005));
    EXPECT_TRUE(registry.HasKey("AppID\\Utility.DLL"));   // earlier steps stay written
    EXPECT_TRUE(registry.HasKey(std::string(kFolderClassKey) + "\\Programmable"));
    EXPECT_FALSE(registry.HasKey("Utility.KVSystem"));    // later ones never run
}

TEST(RegistryScriptTest, VariablesQuotesAndKeywords) {
    const std::string text =
        "HKCR { NoRemove Root { 'it''s %module%' = s '%%%APPid%' { val 'Name' = s 'v' "
        "ForceRemove Sub Delete Gone } } }";
    utility::Script script;
    std::string error;
    ASSERT_TRUE(utility::ParseScript(text, {{"MODULE", "m"}, {"AppId", "a"}}, script, error)) << error;
    ASSERT_EQ(script.roots.size(), 1u);
    const auto& root = script.roots[0].keys.at(0);
    EXPECT_EQ(root.removal, utility::ScriptKey::Removal::NoRemove);
    const auto& key = root.subkeys.at(0);
    EXPECT_EQ(key.name, "it's m");
    EXPECT_TRUE(key.hasDefault);
    EXPECT_EQ(key.defaultData, "%a");
    ASSERT_EQ(key.values.size(), 1u);
    EXPECT_EQ(key.values[0].name, "Name");
    ASSERT_EQ(key.subkeys.size(), 2u);
    EXPECT_EQ(key.subkeys[0].removal, utility::ScriptKey::Removal::ForceRemove);
    EXPECT_EQ(key.subkeys[1].removal, utility::ScriptKey::Removal::Delete);

    MemoryRegistry registry;
    registry.CreateKey("Root\\it's m\\Gone\\Deep");
    ASSERT_EQ(utility::RegisterScript(script.roots[0], registry), 0);
    EXPECT_EQ(registry.Dump(), (std::vector<std::string>{"Root", "Root\\it's m", "Root\\it's m\\Sub",
                                                         "Root\\it's m\\[Name]=v", "Root\\it's m\\[]=%a"}));
}

TEST(RegistryScriptTest, MalformedScriptsAreRefused) {
    const char* const cases[] = {
        "HKCR { Key = s 'v' ",        // no closing brace
        "HKCR { Key = s 'v }",        // quote not closed
        "HKCR { Key = d '1' }",       // a type the library does not use
        "HKCR { Key = s '%NOPE%' }",  // unknown variable
        "HKCR { 'a\\b' }",            // a key name with a path in it
        "HKCR Key",                   // no body
        "{ }",                        // no root
    };
    for (const char* text : cases) {
        utility::Script script;
        std::string error;
        EXPECT_FALSE(utility::ParseScript(text, {}, script, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

}  // namespace
