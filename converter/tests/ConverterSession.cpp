#include "ConverterSession.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "TestWorld.h"
#include "win/UniqueHandle.h"

namespace converter_test {

namespace {

struct OtherDialogSearch {
    DWORD processId;
    HWND except;
    HWND alsoExcept;
    HWND found;
};

BOOL CALLBACK FindOtherDialog(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<OtherDialogSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || window == search->except || window == search->alsoExcept || !IsWindowVisible(window)) return TRUE;
    if (gui::ClassName(window) != "#32770") return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

std::string InkvaleExe() { return testenv::BuildPath("converter/Inkvale.exe"); }

std::string CopyOfInkvale(const std::string& folder) {
    const std::string copy = folder + "\\Inkvale.exe";
    if (!CopyFileA(InkvaleExe().c_str(), copy.c_str(), FALSE)) return {};
    return copy;
}

ConverterSession ConverterSession::Start(const std::string& arguments, const std::string& exe) {
    ConverterSession session;
    session.process_ = testenv::ChildProcess::Start(testenv::Quoted(exe) + arguments);
    if (!session.process_) return session;
    session.dialog_ = gui::WaitForWindow({"Inkvale", "#32770", session.process_.id()});
    return session;
}

std::string ConverterSession::Text(int controlId) const {
    char text[1024] = {};
    GetWindowTextA(GetDlgItem(dialog_, controlId), text, sizeof(text));
    return text;
}

bool ConverterSession::WaitForStatus(const std::string& status, DWORD timeoutMs) const {
    return gui::WaitUntil([&] { return Status() == status; }, timeoutMs);
}

HWND ConverterSession::WaitForOtherDialog(HWND alsoExcept, DWORD timeoutMs) const {
    OtherDialogSearch search{process_.id(), dialog_, alsoExcept, nullptr};
    gui::WaitUntil([&] {
        EnumWindows(FindOtherDialog, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, timeoutMs);
    return search.found;
}

void ConverterSession::ExpectMessage(const std::string& text) {
    HWND box = WaitForOtherDialog();
    ASSERT_NE(box, nullptr) << "no message box with: " << text;
    const gui::MessageBoxView view = gui::ReadMessageBox(box);
    EXPECT_EQ(view.caption, "Inkvale");
    EXPECT_EQ(view.text, text);
    EXPECT_EQ(view.icon, gui::MessageIcon::Asterisk);
    EXPECT_EQ(view.buttons, std::vector<int>{IDOK});
    ASSERT_TRUE(gui::AnswerMessageBox(box, IDOK));
}

void ConverterSession::ChooseDestination(const std::string& fileName, bool expectReplaceQuestion) {
    std::string failure;
    ASSERT_TRUE(TryChooseDestination(fileName, expectReplaceQuestion, &failure)) << failure;
}

bool ConverterSession::TryChooseDestination(const std::string& fileName, bool expectReplaceQuestion,
                                            std::string* failure) {
    auto fail = [&](const std::string& why) {
        *failure = why + " (" + fileName + ")";
        return false;
    };
    if (!gui::ClickButton(dialog_, 1004)) return fail("no Browse button");
    HWND save = WaitForOtherDialog();
    if (!save) return fail("the save dialog did not open");
    if (!expectReplaceQuestion) return gui::FillFileDialog(save, fileName) || fail("the save dialog did not take the name");

    HWND name = GetDlgItem(save, 0x47C);
    if (!name) name = GetDlgItem(save, 0x480);
    if (!name) return fail("no file name field");
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fileName.c_str()));
    if (!gui::ClickButton(save, IDOK)) return fail("no OK button");
    // The question belongs to the save dialog.
    HWND question = WaitForOtherDialog(save);
    if (!question) return fail("no question about replacing the file");
    const gui::MessageBoxView view = gui::ReadMessageBox(question);
    if (std::find(view.buttons.begin(), view.buttons.end(), IDYES) == view.buttons.end()) {
        return fail("no Yes in the question: " + view.text);
    }
    if (!gui::AnswerMessageBox(question, IDYES)) return fail("the question stayed");
    return gui::WaitForWindowGone(save) || fail("the save dialog stayed");
}

void ConverterSession::CancelBrowse() {
    ASSERT_TRUE(gui::ClickButton(dialog_, 1004));
    HWND save = WaitForOtherDialog();
    ASSERT_NE(save, nullptr) << "the save dialog did not open";
    ASSERT_TRUE(gui::CancelFileDialog(save));
}

void ConverterSession::ExpectEnded() {
    ASSERT_TRUE(process_.WaitForExit()) << "the converter did not end";
    EXPECT_EQ(process_.ExitCode(), 0u);
}

bool CanOpenForWriting(const std::string& path) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
}

}  // namespace converter_test
