// Folder renewal on real folders: removed with everything in it and made
// again, retried while a file in it is held open by another process.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChildProcess.h"
#include "GuiDriver.h"
#include "TestWorld.h"
#include "modGetOS.h"

namespace {

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// A job folder as a finished job leaves it, with a folder tree besides.
void FillFolder(const std::string& folder) {
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(testenv::WriteFileBytes(folder + "\\PsFile.ps", "%!PS\n"));
    ASSERT_TRUE(testenv::WriteFileBytes(folder + "\\PdfFile.pdf", "%PDF-1.4\n"));
    ASSERT_TRUE(CreateDirectoryA((folder + "\\sub").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((folder + "\\sub\\deeper").c_str(), nullptr));
    ASSERT_TRUE(testenv::WriteFileBytes(folder + "\\sub\\deeper\\note.txt", "x"));
}

enum class Before { Missing, Filled, PlainFile, MissingParent };

struct RenewCase {
    const char* name;
    Before before;
    bool recreate;
    HRESULT result;
    bool renewed;
    bool folderAfter;  // the path is an empty folder afterwards; otherwise it is gone
};

class RenewFolderTest : public testing::TestWithParam<RenewCase> {};

TEST_P(RenewFolderTest, RemovesAndMakesAgain) {
    const RenewCase& c = GetParam();
    const std::string parent = testenv::FreshFolder(std::string("renew_") + c.name);
    std::string folder = parent + "\\job";
    switch (c.before) {
    case Before::Missing: break;
    case Before::Filled: FillFolder(folder); break;
    case Before::PlainFile: ASSERT_TRUE(testenv::WriteFileBytes(folder, "not a folder")); break;
    case Before::MissingParent: folder = parent + "\\gone\\job"; break;
    }
    if (HasFatalFailure()) return;

    bool renewed = !c.renewed;
    EXPECT_EQ(RenewFolder(folder, c.recreate, &renewed), c.result);
    EXPECT_EQ(renewed, c.renewed);
    if (c.folderAfter) {
        EXPECT_TRUE(IsFolder(folder));
        EXPECT_EQ(Entries(folder), std::vector<std::string>{});
    } else {
        EXPECT_FALSE(testenv::FileExists(folder));
    }
    if (c.before == Before::MissingParent) {
        EXPECT_FALSE(testenv::FileExists(parent + "\\gone")) << "only one level is made";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, RenewFolderTest,
    testing::Values(
        RenewCase{"missing", Before::Missing, true, S_OK, true, true},
        RenewCase{"filled", Before::Filled, true, S_OK, true, true},
        RenewCase{"plain_file_in_its_place", Before::PlainFile, true, S_OK, true, true},
        RenewCase{"filled_not_recreated", Before::Filled, false, S_OK, true, false},
        RenewCase{"missing_not_recreated", Before::Missing, false, S_OK, true, false},
        RenewCase{"missing_parent", Before::MissingParent, true, HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND), false,
                  false}),
    [](const testing::TestParamInfo<RenewCase>& info) { return std::string(info.param.name); });

TEST(RenewFolderEmptyTextTest, TouchesNothing) {
    char before[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, before);
    bool renewed = true;
    EXPECT_EQ(RenewFolder("", true, &renewed), S_OK);
    EXPECT_FALSE(renewed);
    char after[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_STREQ(after, before);
    EXPECT_TRUE(IsFolder(before)) << "the current folder is still there";
}

// Counts the messages the window gets while the thread is inside RenewFolder.
struct MessageCounter {
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_APP) ++posted;
        if (message == WM_TIMER) ++ticks;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    static inline int posted = 0;
    static inline int ticks = 0;
};

HWND CreateCountingWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = MessageCounter::Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "RenewFolderTestCounter";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           windowClass.hInstance, nullptr);
}

TEST(RenewFolderHeldTest, GivesUpAfterFiveSecondsWhileMessagesGoOn) {
    const std::string folder = testenv::FreshFolder("renew_held") + "\\job";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(testenv::WriteFileBytes(folder + "\\PsFile.ps", "%!PS\n"));
    const std::string held = folder + "\\lock.txt";
    testenv::ChildProcess holder = testenv::ChildProcess::Start(
        testenv::Quoted(testenv::BuildPath("addin/hold_file.exe")) + " " + testenv::Quoted(held));
    ASSERT_TRUE(holder);
    ASSERT_TRUE(gui::WaitUntil([&] {
        HANDLE probe = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
        if (probe != INVALID_HANDLE_VALUE) CloseHandle(probe);
        return probe == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION;
    })) << "the holder did not open the file";

    HWND window = CreateCountingWindow();
    ASSERT_NE(window, nullptr);
    MessageCounter::posted = MessageCounter::ticks = 0;
    PostMessageA(window, WM_APP, 0, 0);
    SetTimer(window, 1, 250, nullptr);

    const ULONGLONG start = GetTickCount64();
    bool renewed = true;
    EXPECT_EQ(RenewFolder(folder, true, &renewed), S_OK);
    const ULONGLONG elapsed = GetTickCount64() - start;
    KillTimer(window, 1);
    DestroyWindow(window);

    EXPECT_FALSE(renewed);
    EXPECT_GE(elapsed, kRenewTimeLimitMs - kRenewRetryMs);
    EXPECT_LE(elapsed, kRenewTimeLimitMs + 1500) << "attempts went on past the limit";
    EXPECT_TRUE(IsFolder(folder));
    EXPECT_TRUE(testenv::FileExists(held)) << "the held file stays";
    EXPECT_EQ(MessageCounter::posted, 1) << "a message posted before the call was not dispatched during it";
    EXPECT_GE(MessageCounter::ticks, 10) << "the timer's messages were not processed throughout the waits";

    // Once the holder is gone the folder renews at once.
    holder.Kill();
    ASSERT_TRUE(holder.WaitForExit());
    EXPECT_EQ(RenewFolder(folder, true, &renewed), S_OK);
    EXPECT_TRUE(renewed);
    EXPECT_EQ(Entries(folder), std::vector<std::string>{});
}

}  // namespace
