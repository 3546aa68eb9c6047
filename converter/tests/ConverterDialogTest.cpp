// The converter's dialog under Wine, without Ghostscript: the job folder and
// its lock, the status line and message boxes of each state, Browse, the
// keys, and what the dialog draws.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ConverterSession.h"
#include "TestWorld.h"
#include "win/UniqueHandle.h"

using converter_test::CanOpenForWriting;
using converter_test::ConverterSession;
using testenv::Quoted;

namespace {

constexpr char kInvalid[] = "Invalid data found. Please try again.";
constexpr char kSelect[] = "Please select destination path.";
constexpr char kClickCreate[] = "Click on create button to generate pdf file.";

struct RefusedCase {
    const char* name;
    std::string (*arguments)(const std::string& folder);  // the folder exists and is empty
};

class RefusedFolderTest : public testing::TestWithParam<RefusedCase> {};

// A refused job folder: Create and Browse only repeat the message, the save
// dialog never opens and no lock file is made.
TEST_P(RefusedFolderTest, CreateAndBrowseRepeatTheMessage) {
    const std::string folder = testenv::FreshFolder(std::string("refused_") + GetParam().name);
    ConverterSession converter = ConverterSession::Start(GetParam().arguments(folder));
    ASSERT_TRUE(converter);
    EXPECT_TRUE(converter.WaitForStatus(kInvalid)) << converter.Status();

    for (int button : {1050, 1004}) {
        ASSERT_TRUE(gui::ClickButton(converter.dialog(), button));
        converter.ExpectMessage(kInvalid);
        if (HasFatalFailure()) return;
        EXPECT_EQ(converter.Status(), kInvalid);
    }
    EXPECT_FALSE(testenv::FileExists(folder + "\\lock.txt"));
    ASSERT_TRUE(gui::ClickButton(converter.dialog(), 1011));
    converter.ExpectEnded();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedFolderTest,
    testing::Values(
        RefusedCase{"no_argument", [](const std::string&) { return std::string(); }},
        RefusedCase{"empty_argument", [](const std::string&) { return std::string(" \"\""); }},
        RefusedCase{"missing_folder", [](const std::string& f) { return " " + Quoted(f + "\\missing"); }},
        // The backslash before the closing quote makes the quote literal.
        RefusedCase{"backslash_before_quote", [](const std::string& f) { return " \"" + f + "\\\""; }},
        // Exists, but its lock file's path would not fit the converter's buffers.
        RefusedCase{"too_long", [](const std::string& f) {
            std::string longer = f;
            while (longer.size() < 300) longer += "\\.";
            return " " + Quoted(longer);
        }}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

// The lock is the open handle: nobody else opens lock.txt while the dialog is
// there, a second converter still opens, and the file stays behind empty.
TEST(ConverterLock, HeldUntilTheDialogEnds) {
    const std::string folder = testenv::FreshFolder("lock");
    const std::string lock = folder + "\\lock.txt";
    ASSERT_TRUE(testenv::WriteFileBytes(lock, "left over from an earlier job"));

    // Written with doubled backslashes, as a caller may pass it.
    std::string doubled;
    for (char c : folder) doubled += c == '\\' ? std::string("\\\\") : std::string(1, c);
    ConverterSession first = ConverterSession::Start(" " + Quoted(doubled));
    ASSERT_TRUE(first);
    EXPECT_TRUE(first.WaitForStatus(kSelect)) << first.Status();
    EXPECT_FALSE(CanOpenForWriting(lock));
    EXPECT_EQ(testenv::ReadFileBytes(lock), "") << "a leftover lock file is emptied";

    ConverterSession second = ConverterSession::Start(" " + Quoted(folder));
    ASSERT_TRUE(second);
    EXPECT_TRUE(second.WaitForStatus(kSelect)) << second.Status();
    EXPECT_NE(second.dialog(), first.dialog());
    ASSERT_TRUE(gui::CloseWindowAndWait(second.dialog()));
    second.ExpectEnded();
    EXPECT_FALSE(CanOpenForWriting(lock)) << "the first converter still holds it";

    ASSERT_TRUE(gui::ClickButton(first.dialog(), 1011));
    first.ExpectEnded();
    EXPECT_TRUE(CanOpenForWriting(lock));
    EXPECT_EQ(testenv::ReadFileBytes(lock), "");
}

// A valid folder without a destination: Create asks for one and the dialog stays.
TEST(ConverterStates, CreateWithoutDestinationAsksForOne) {
    const std::string folder = testenv::FreshFolder("no_destination");
    ConverterSession converter = ConverterSession::Start(" " + Quoted(folder));
    ASSERT_TRUE(converter);
    ASSERT_TRUE(converter.WaitForStatus(kSelect)) << converter.Status();
    for (int press = 0; press < 2; ++press) {
        ASSERT_TRUE(gui::ClickButton(converter.dialog(), 1050));
        converter.ExpectMessage(kSelect);
        if (HasFatalFailure()) return;
        EXPECT_EQ(converter.Status(), kSelect);
    }
    EXPECT_TRUE(IsWindowVisible(converter.dialog()));
    ASSERT_TRUE(gui::CloseWindowAndWait(converter.dialog()));
    converter.ExpectEnded();
}

// Browse: cancelled before and after a choice, the ".pdf" ending, and the
// write test, which must not touch a file already at the destination.
TEST(ConverterStates, BrowseSetsTheDestination) {
    const std::string folder = testenv::FreshFolder("browse");
    const std::string out = testenv::FreshFolder("browse_out");
    ConverterSession converter = ConverterSession::Start(" " + Quoted(folder));
    ASSERT_TRUE(converter);
    ASSERT_TRUE(converter.WaitForStatus(kSelect));

    converter.CancelBrowse();
    if (HasFatalFailure()) return;
    EXPECT_TRUE(converter.WaitForStatus(kSelect)) << converter.Status();
    EXPECT_EQ(converter.Text(1009), "");

    converter.ChooseDestination(out + "\\report");
    if (HasFatalFailure()) return;
    EXPECT_TRUE(converter.WaitForStatus(kClickCreate)) << converter.Status();
    EXPECT_EQ(converter.Text(1009), out + "\\report.pdf");
    EXPECT_FALSE(testenv::FileExists(out + "\\report.pdf")) << "the write test leaves nothing behind";

    converter.ChooseDestination(out + "\\report.doc");
    if (HasFatalFailure()) return;
    EXPECT_TRUE(gui::WaitUntil([&] { return converter.Text(1009) == out + "\\report.doc.pdf"; }))
        << converter.Text(1009);

    converter.CancelBrowse();
    if (HasFatalFailure()) return;
    EXPECT_TRUE(converter.WaitForStatus(kClickCreate)) << converter.Status();
    EXPECT_EQ(converter.Text(1009), out + "\\report.doc.pdf");

    const std::string existing = out + "\\kept.pdf";
    ASSERT_TRUE(testenv::WriteFileBytes(existing, "the user's file"));
    converter.ChooseDestination(existing, true);
    if (HasFatalFailure()) return;
    EXPECT_TRUE(gui::WaitUntil([&] { return converter.Text(1009) == existing; })) << converter.Text(1009);
    EXPECT_EQ(testenv::ReadFileBytes(existing), "the user's file");

    ASSERT_TRUE(gui::ClickButton(converter.dialog(), 1011));
    converter.ExpectEnded();
}

// A destination another program holds open cannot be written: the warning,
// and the path is taken all the same.
TEST(ConverterStates, DestinationWithoutWriteAccessIsWarnedAbout) {
    const std::string folder = testenv::FreshFolder("no_access");
    const std::string destination = testenv::FreshFolder("no_access_out") + "\\busy.pdf";
    ASSERT_TRUE(testenv::WriteFileBytes(destination, "open elsewhere"));
    UniqueHandle holder(CreateFileA(destination.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);

    ConverterSession converter = ConverterSession::Start(" " + Quoted(folder));
    ASSERT_TRUE(converter);
    ASSERT_TRUE(converter.WaitForStatus(kSelect));
    converter.ChooseDestination(destination, true);
    if (HasFatalFailure()) return;
    converter.ExpectMessage("Sorry! You don't have access rights on the selected folder.");
    if (HasFatalFailure()) return;
    EXPECT_TRUE(gui::WaitUntil([&] { return converter.Text(1009) == destination; })) << converter.Text(1009);
    EXPECT_TRUE(converter.WaitForStatus(kClickCreate)) << converter.Status();
    ASSERT_TRUE(gui::CloseWindowAndWait(converter.dialog()));
    converter.ExpectEnded();
}

// Enter, Space and Escape, sent to the focused control, change nothing.
TEST(ConverterKeys, EnterSpaceAndEscapeDoNothing) {
    const std::string folder = testenv::FreshFolder("keys");
    ConverterSession converter = ConverterSession::Start(" " + Quoted(folder));
    ASSERT_TRUE(converter);
    ASSERT_TRUE(converter.WaitForStatus(kSelect));

    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    const DWORD threadId = GetWindowThreadProcessId(converter.dialog(), nullptr);
    ASSERT_TRUE(GetGUIThreadInfo(threadId, &thread));
    HWND check = GetDlgItem(converter.dialog(), 1005);
    ASSERT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);

    for (HWND target : {thread.hwndFocus ? thread.hwndFocus : converter.dialog(), check}) {
        for (WPARAM key : {VK_RETURN, VK_SPACE, VK_ESCAPE}) {
            PostMessageA(target, WM_KEYDOWN, key, 1);
            PostMessageA(target, WM_KEYUP, key, 0xC0000001);
        }
    }
    // Posted after the keys: once it has toggled the box, the keys were handled.
    PostMessageA(check, BM_CLICK, 0, 0);
    ASSERT_TRUE(gui::WaitUntil([&] { return SendMessageA(check, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }));
    EXPECT_TRUE(IsWindowVisible(converter.dialog()));
    EXPECT_TRUE(converter.process().IsRunning());
    EXPECT_EQ(converter.WaitForOtherDialog(nullptr, 300), nullptr) << "a key opened a window";
    EXPECT_EQ(converter.Status(), kSelect);

    ASSERT_TRUE(gui::CloseWindowAndWait(converter.dialog()));
    converter.ExpectEnded();
}

// The dialog as its template and initialisation make it: caption, styles,
// and each of its sixteen controls with class, text and styles.
TEST(ConverterTemplate, DialogAndControlsAsLaidOut) {
    ConverterSession converter = ConverterSession::Start(" " + Quoted(testenv::FreshFolder("template")));
    ASSERT_TRUE(converter);
    HWND dialog = converter.dialog();
    EXPECT_EQ(gui::WindowText(dialog), "Inkvale");
    const LONG_PTR style = gui::Style(dialog);
    for (LONG_PTR bit : {LONG_PTR{WS_POPUP}, LONG_PTR{WS_CAPTION}, LONG_PTR{WS_SYSMENU}, LONG_PTR{DS_MODALFRAME}}) {
        EXPECT_EQ(style & bit, bit) << std::hex << bit;
    }
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_TRUE(GetWindowLongPtrA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    struct Control {
        int id;
        const char* className;
        const char* text;
        LONG_PTR typeBits;  // the style's type: BS_... or SS_...
        LONG_PTR moreBits;  // further style bits it must have
        bool transparent;
    };
    const Control controls[] = {
        {1011, "Button", "E&xit", BS_OWNERDRAW, WS_TABSTOP, false},
        {1001, "Static", "Please select destination path.", SS_LEFT, WS_GROUP, true},
        {1050, "Button", "&Create", BS_OWNERDRAW, WS_TABSTOP, false},
        {1005, "Button", "", BS_AUTOCHECKBOX, WS_TABSTOP, false},
        {3, "Button", "", BS_OWNERDRAW, WS_TABSTOP, false},
        {4, "Button", "", BS_OWNERDRAW, WS_TABSTOP, false},
        {5, "Button", "", BS_OWNERDRAW, WS_TABSTOP, false},
        {6, "Button", "", BS_OWNERDRAW, WS_TABSTOP, false},
        {7, "Button", "", BS_OWNERDRAW, WS_TABSTOP, false},
        // The labels take SS_NOTIFY when they are bound.
        {1006, "Static", "Status:", SS_LEFT, WS_GROUP | SS_NOTIFY, false},
        {1007, "Static", "Open pdf file after conversion ", SS_LEFT, WS_GROUP | SS_NOTIFY, true},
        {1008, "Static", "Select PDF file path", SS_LEFT, WS_GROUP | SS_NOTIFY, false},
        {1009, "Static", "", SS_LEFT, WS_GROUP | SS_NOTIFY | SS_ENDELLIPSIS, true},
        {1004, "Button", "&Browse", BS_OWNERDRAW, WS_TABSTOP, false},
    };
    for (const Control& c : controls) {
        SCOPED_TRACE("control " + std::to_string(c.id));
        HWND control = GetDlgItem(dialog, c.id);
        ASSERT_NE(control, nullptr);
        EXPECT_STRCASEEQ(gui::ClassName(control).c_str(), c.className);
        EXPECT_EQ(gui::WindowText(control), c.text);
        const LONG_PTR controlStyle = gui::Style(control);
        const LONG_PTR typeMask = std::string(c.className) == "Button" ? BS_TYPEMASK : SS_TYPEMASK;
        EXPECT_EQ(controlStyle & typeMask, c.typeBits);
        EXPECT_EQ(controlStyle & c.moreBits, c.moreBits);
        EXPECT_EQ((GetWindowLongPtrA(control, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0, c.transparent);
    }
    // The two bullets: bitmap statics without an id of their own.
    size_t bullets = 0;
    for (HWND child : gui::Children(dialog)) {
        if ((gui::Style(child) & SS_TYPEMASK) == SS_BITMAP && gui::ClassName(child) == "Static") ++bullets;
    }
    EXPECT_EQ(bullets, 2u);
    EXPECT_EQ(gui::Children(dialog).size(), 16u);
    ASSERT_TRUE(gui::CloseWindowAndWait(dialog));
    converter.ExpectEnded();
}

}  // namespace
