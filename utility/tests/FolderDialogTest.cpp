// KVFolder.ShowDialog driven through the GUI driver: the dialog runs on a
// thread of this process (so selections can be made with
// BFFM_SETSELECTION), or in cscript for a late-bound caller.  The write test
// only applies to the NT versions before 6.0, so those cases run in a child
// of this program started while the prefix reports Windows XP.
//
// Wine's dialog sends its own BFFM_ENABLEOK right after our callback's (it
// enables OK for any item unless BIF_RETURNONLYFSDIRS is set), and it never
// sends BFFM_VALIDATEFAILED.  So the tests record what our callback sends
// with a message hook on the dialog's thread, and the validation case calls
// the callback itself.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <mutex>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "GuiDriver.h"
#include "TestWorld.h"
#include "FolderDialog.h"
#include "UtilityInterfaces.h"
#include "win/ComPtr.h"
#include "win/UniqueRegKey.h"

namespace {

const char* const kUnderXp = "INKVALE_UTILITY_UNDER_XP";

// A folder on a read-only medium that dialog_test.sh mounts for this run.
std::string ReadOnlyFolder() {
    const char* folder = std::getenv("INKVALE_READONLY_FOLDER");
    return folder ? folder : "";
}

std::string LastName(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

// The BFFM_ENABLEOK values sent to the dialog, in order.
std::mutex g_enableLock;
std::vector<LPARAM> g_enableOk;
HWND g_recorded = nullptr;

LRESULT CALLBACK RecordEnableOk(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == BFFM_ENABLEOK && message->hwnd == g_recorded) {
        std::lock_guard<std::mutex> guard(g_enableLock);
        g_enableOk.push_back(message->lParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<LPARAM> EnableOkSent() {
    std::lock_guard<std::mutex> guard(g_enableLock);
    return g_enableOk;
}

// ShowDialog on a thread of its own, as a caller's apartment would run it.
class DialogCall {
public:
    DialogCall() : thread_([this] { Run(); }) {}
    ~DialogCall() {
        if (dialog_) PostMessageA(dialog_, WM_COMMAND, IDCANCEL, 0);
        thread_.join();
        if (hook_) UnhookWindowsHookEx(hook_);
    }

    // The dialog once it shows, or nullptr; what is sent to it is recorded.
    HWND Dialog() {
        if (!dialog_) {
            dialog_ = gui::WaitForWindow({"", "#32770", GetCurrentProcessId()});
            if (dialog_) {
                g_recorded = dialog_;
                hook_ = SetWindowsHookExA(WH_CALLWNDPROC, RecordEnableOk, nullptr,
                                          GetWindowThreadProcessId(dialog_, nullptr));
            }
        }
        return dialog_;
    }
    HWND Tree() {
        for (HWND child : gui::Children(Dialog())) {
            if (gui::ClassName(child) == "SysTreeView32") return child;
        }
        return nullptr;
    }
    static HTREEITEM TreeRoot(HWND tree) {
        return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    }
    static std::string ItemText(HWND tree, HTREEITEM item) {
        char text[MAX_PATH] = {};
        TVITEMA tv = {};
        tv.mask = TVIF_TEXT;
        tv.hItem = item;
        tv.pszText = text;
        tv.cchTextMax = MAX_PATH;
        if (!item || !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv))) return "";
        return text;
    }
    // The first child of an expanded item whose text matches.
    template <typename Match>
    static HTREEITEM Child(HWND tree, HTREEITEM parent, Match match) {
        SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
        for (auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD,
                                                                  reinterpret_cast<LPARAM>(parent)));
             item; item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT,
                                                                  reinterpret_cast<LPARAM>(item)))) {
            if (match(ItemText(tree, item))) return item;
        }
        return nullptr;
    }
    std::string SelectedText() {
        HWND tree = Tree();
        if (!tree) return "<no tree>";
        return ItemText(tree, reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)));
    }
    // Selects a folder as a user would, waits until the tree shows it
    // selected, and gives what our callback said about it: true when it
    // enabled OK.
    // (Wine's BFFM_SETSELECTION finds no folder by path, so the tree is
    // walked from "My Computer" to the drive and down by the names.)
    bool Select(const std::string& path, const std::string& itemText) {
        return Selected(itemText, [&] {
            HWND tree = Tree();
            HTREEITEM item = Child(tree, TreeRoot(tree), [](const std::string& t) { return t == "My Computer"; });
            size_t start = 0;
            while (item && start < path.size()) {
                size_t end = path.find('\\', start);
                if (end == std::string::npos) end = path.size();
                const std::string part = path.substr(start, end - start);
                item = Child(tree, item, [&](const std::string& t) {
                    return start == 0 ? t.find("(" + part + ")") != std::string::npos : _stricmp(t.c_str(), part.c_str()) == 0;
                });
                start = end + 1;
            }
            if (item) SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        });
    }
    bool Select(LPCITEMIDLIST item, const std::string& itemText) {
        return Selected(itemText, [&] {
            SendMessageA(Dialog(), BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(item));
        });
    }

    template <typename Selection>
    bool Selected(const std::string& itemText, Selection select) {
        if (!Dialog()) return false;
        {
            std::lock_guard<std::mutex> guard(g_enableLock);
            g_enableOk.clear();
        }
        select();
        const bool shown = gui::WaitUntil([&] { return SelectedText() == itemText && !EnableOkSent().empty(); }, 20000);
        EXPECT_TRUE(shown) << "the tree shows " << SelectedText() << ", not " << itemText;
        const std::vector<LPARAM> sent = EnableOkSent();
        return shown && sent.front() != 0;  // the first is our callback's
    }

    // Waits for the call to return; its result.
    std::string Result(HRESULT& hr) {
        gui::WaitForWindowGone(dialog_);
        dialog_ = nullptr;
        thread_.join();
        thread_ = std::thread([] {});
        hr = hr_;
        return result_;
    }

private:
    void Run() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        {
            ComPtr<IKVFolder> folder;
            hr_ = CoCreateInstance(utility::kClsidKVFolder, nullptr, CLSCTX_INPROC_SERVER, utility::kIidIKVFolder,
                                   folder.put_void());
            if (SUCCEEDED(hr_)) {
                BSTR selected = nullptr;
                hr_ = folder->ShowDialog(0, &selected);
                if (selected) {
                    for (UINT i = 0; i < SysStringLen(selected); ++i) result_ += static_cast<char>(selected[i]);
                    isNull_ = false;
                }
                SysFreeString(selected);
            }
        }
        CoUninitialize();
    }

public:
    bool isNull_ = true;

private:
    HWND dialog_ = nullptr;
    HHOOK hook_ = nullptr;
    HRESULT hr_ = E_FAIL;
    std::string result_;
    std::thread thread_;
};

class FolderDialogTest : public testing::Test {
protected:
    void SetUp() override {
        if (std::getenv(kUnderXp)) GTEST_SKIP() << "runs under the prefix's own version";
    }
};

class FolderDialogUnderXpTest : public testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv(kUnderXp)) GTEST_SKIP() << "runs in the child started by FolderDialogTest.WriteTestUnderXp";
    }
};

TEST_F(FolderDialogTest, CancelGivesAnEmptyString) {
    DialogCall call;
    ASSERT_NE(call.Dialog(), nullptr) << "no folder dialog appeared";
    // The title above the tree, an edit box, and no button for a new folder.
    bool title = false, edit = false, newFolder = false;
    for (HWND child : gui::Children(call.Dialog())) {
        if (!IsWindowVisible(child)) continue;
        const std::string text = gui::WindowText(child);
        title = title || text == "Select Folder:";
        edit = edit || gui::ClassName(child) == "Edit";
        newFolder = newFolder || (gui::ClassName(child) == "Button" && text.find("New Folder") != std::string::npos);
    }
    EXPECT_TRUE(title);
    EXPECT_TRUE(edit);
    EXPECT_FALSE(newFolder);
    ASSERT_TRUE(gui::ClickButton(call.Dialog(), IDCANCEL));
    HRESULT hr = E_FAIL;
    EXPECT_EQ(call.Result(hr), "");
    EXPECT_EQ(hr, S_OK);
    EXPECT_FALSE(call.isNull_) << "an empty string, never a null one";
}

TEST_F(FolderDialogTest, OkOnlyForFileSystemFolders) {
    const std::string folder = testenv::FreshFolder("utility_dialog");
    DialogCall call;
    ASSERT_NE(call.Dialog(), nullptr);

    LPITEMIDLIST computer = nullptr;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer), S_OK);
    EXPECT_FALSE(call.Select(computer, "My Computer")) << "a virtual folder disables OK";
    CoTaskMemFree(computer);
    EXPECT_TRUE(call.Select(folder, "utility_dialog")) << "a folder enables OK again";
    // No write test on this version: a folder nobody can write to passes too.
    const std::string readOnly = ReadOnlyFolder();
    ASSERT_FALSE(readOnly.empty()) << "run through dialog_test.sh";
    EXPECT_TRUE(call.Select(readOnly, LastName(readOnly))) << "no write test after NT 5.2";

    ASSERT_TRUE(call.Select(folder, "utility_dialog"));
    ASSERT_TRUE(gui::ClickButton(call.Dialog(), IDOK));
    HRESULT hr = E_FAIL;
    EXPECT_EQ(call.Result(hr), folder);
    EXPECT_EQ(hr, S_OK);
}

// A window that keeps the BFFM_ENABLEOK values it gets.
LRESULT CALLBACK RecordingWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == BFFM_ENABLEOK) {
        std::lock_guard<std::mutex> guard(g_enableLock);
        g_enableOk.push_back(lParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(FolderDialogTest, TheCallbackKeepsTheDialogOpenOnAFailedValidation) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = RecordingWindow;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "InkvaleRecordingWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("InkvaleRecordingWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    g_enableOk.clear();
    EXPECT_EQ(utility::FolderDialogCallback(window, BFFM_VALIDATEFAILEDA,
                                            reinterpret_cast<LPARAM>("no such folder"), 0), 1);
    EXPECT_EQ(utility::FolderDialogCallback(window, BFFM_VALIDATEFAILEDW,
                                            reinterpret_cast<LPARAM>(L"no such folder"), 0), 1);
    EXPECT_EQ(utility::FolderDialogCallback(window, BFFM_INITIALIZED, 0, 0), 0);
    EXPECT_EQ(utility::FolderDialogCallback(window, BFFM_SELCHANGED, 0, 0), 0);
    EXPECT_EQ(EnableOkSent(), (std::vector<LPARAM>{0, 0, 0})) << "OK disabled twice, nothing at start, a null item fails";
    DestroyWindow(window);
}

TEST_F(FolderDialogTest, CancelledFromAScript) {
    const std::string folder = testenv::FreshFolder("utility_dialog_script");
    const std::string script = folder + "\\dialog.vbs";
    const std::string result = folder + "\\result.txt";
    ASSERT_TRUE(testenv::WriteFileBytes(script,
        "Set f = CreateObject(\"Utility.KVFolder\")\r\n"
        "s = f.ShowDialog(0)\r\n"
        "Set out = CreateObject(\"Scripting.FileSystemObject\").CreateTextFile(\"" + result + "\")\r\n"
        "out.Write TypeName(s) & \"=[\" & s & \"]\"\r\n"
        "out.Close\r\n"));
    testenv::ChildProcess cscript = testenv::ChildProcess::Start("cscript //nologo " + testenv::Quoted(script));
    ASSERT_TRUE(cscript);
    HWND dialog = gui::WaitForWindow({"", "#32770", cscript.id()});
    ASSERT_NE(dialog, nullptr) << "the script's folder dialog did not appear";
    ASSERT_TRUE(gui::ClickButton(dialog, IDCANCEL));
    ASSERT_TRUE(cscript.WaitForExit());
    EXPECT_EQ(testenv::ReadFileBytes(result), "String=[]");
}

// The write test needs a process that starts while the prefix reports XP.
TEST_F(FolderDialogTest, WriteTestUnderXp) {
    UniqueRegKey wine;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, wine.put(),
                              nullptr), ERROR_SUCCESS);
    char before[64] = {};
    DWORD size = sizeof before - 1;
    const bool had = RegQueryValueExA(wine.get(), "Version", nullptr, nullptr, reinterpret_cast<BYTE*>(before), &size) ==
        ERROR_SUCCESS;
    ASSERT_EQ(RegSetValueExA(wine.get(), "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("winxp"), 6), ERROR_SUCCESS);

    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    SetEnvironmentVariableA(kUnderXp, "1");
    testenv::ChildProcess child =
        testenv::ChildProcess::Start(testenv::Quoted(self) + " --gtest_filter=FolderDialogUnderXpTest.*");
    SetEnvironmentVariableA(kUnderXp, nullptr);
    const bool ended = child && child.WaitForExit(120000);

    if (had) {
        RegSetValueExA(wine.get(), "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(before), size);
    } else {
        RegDeleteValueA(wine.get(), "Version");
    }
    ASSERT_TRUE(ended) << "the child under XP did not end";
    EXPECT_EQ(child.ExitCode(), 0u) << "a case under XP failed (its output is above)";
}

TEST_F(FolderDialogUnderXpTest, AFolderMustTakeANewFile) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    ASSERT_EQ(version.dwMajorVersion * 10 + version.dwMinorVersion, 51u) << "the prefix reports XP";

    const std::string folder = testenv::FreshFolder("utility_dialog_xp");
    const std::string existing = folder + "\\test00000.tmp";
    ASSERT_TRUE(testenv::WriteFileBytes(existing, "the user's own file"));
    DialogCall call;
    ASSERT_NE(call.Dialog(), nullptr);

    const std::string readOnly = ReadOnlyFolder();
    ASSERT_FALSE(readOnly.empty()) << "run through dialog_test.sh";
    EXPECT_FALSE(call.Select(readOnly, LastName(readOnly))) << "a folder on a read-only medium disables OK";
    EXPECT_TRUE(call.Select(folder, "utility_dialog_xp")) << "a writable folder enables OK";
    EXPECT_EQ(testenv::ReadFileBytes(existing), "the user's own file") << "an existing file of the probe's name is kept";
    EXPECT_FALSE(testenv::FileExists(folder + "\\test00001.tmp")) << "the probe is deleted again";

    ASSERT_TRUE(gui::ClickButton(call.Dialog(), IDOK));
    HRESULT hr = E_FAIL;
    EXPECT_EQ(call.Result(hr), folder);
}

}  // namespace
