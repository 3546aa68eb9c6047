// The GUI driver against a program of known behaviour.
#include <gtest/gtest.h>

#include <string>

#include "ChildProcess.h"
#include "GuiDriver.h"
#include "TestWorld.h"

using testenv::ChildProcess;

namespace {

ChildProcess StartTarget(const std::string& arguments, const std::string& resultFile) {
    return ChildProcess::Start(testenv::Quoted(testenv::BuildPath("testenv/guidriver/tests/driver_target.exe")) +
                               " " + arguments + " " + testenv::Quoted(resultFile));
}

struct BoxCase {
    const char* name;
    UINT type;
    std::vector<int> buttons;
    gui::MessageIcon icon;
    int answer;
};

class MessageBoxes : public testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxes, ReadsAndAnswers) {
    const BoxCase& c = GetParam();
    const std::string result = testenv::FreshFolder(std::string("driver_box_") + c.name) + "\\result.txt";
    ChildProcess target = StartTarget("messagebox " + std::to_string(c.type), result);
    HWND box = gui::WaitForMessageBox(target.id(), "Driver box");
    ASSERT_NE(box, nullptr);
    gui::MessageBoxView view = gui::ReadMessageBox(box);
    EXPECT_EQ(view.caption, "Driver box");
    EXPECT_EQ(view.text, "Line one\nLine two");
    EXPECT_EQ(view.buttons, c.buttons);
    EXPECT_EQ(view.icon, c.icon);
    ASSERT_TRUE(gui::AnswerMessageBox(box, c.answer));
    ASSERT_TRUE(target.WaitForExit());
    EXPECT_EQ(testenv::ReadFileBytes(result), std::to_string(c.answer));
}

INSTANTIATE_TEST_SUITE_P(
    Types, MessageBoxes,
    testing::Values(BoxCase{"information", MB_OKCANCEL | MB_ICONINFORMATION, {IDOK, IDCANCEL}, gui::MessageIcon::Asterisk, IDCANCEL},
                    BoxCase{"stop", MB_OK | MB_ICONSTOP, {IDOK}, gui::MessageIcon::Hand, IDOK},
                    BoxCase{"warning", MB_YESNO | MB_ICONEXCLAMATION, {IDYES, IDNO}, gui::MessageIcon::Exclamation, IDNO},
                    BoxCase{"question", MB_YESNO | MB_ICONQUESTION, {IDYES, IDNO}, gui::MessageIcon::Question, IDYES},
                    BoxCase{"no_icon", MB_OK, {IDOK}, gui::MessageIcon::None, IDOK}),
    [](const testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

TEST(Windows, ControlsAndPixels) {
    const std::string result = testenv::FreshFolder("driver_window") + "\\result.txt";
    ChildProcess target = StartTarget("window", result);
    HWND window = gui::WaitForWindow({"Driver target", "DriverTargetWindow", target.id()});
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(gui::ControlText(window, 100), "hello");

    ASSERT_TRUE(gui::ClickButton(window, 101));
    EXPECT_TRUE(gui::WaitUntil([&] { return gui::ControlText(window, 100) == "pressed"; }));
    EXPECT_EQ(testenv::ReadFileBytes(result), "pressed");

    gui::Pixels client;
    ASSERT_TRUE(gui::WaitUntil([&] {
        client = gui::CaptureWindow(window, true);
        return client && client.At(170, 30) == 0xFF0000;
    })) << "the red square never showed";
    RECT rect;
    GetClientRect(window, &rect);
    EXPECT_EQ(client.width, rect.right);
    EXPECT_EQ(client.height, rect.bottom);
    EXPECT_EQ(client.At(150, 10), 0xFF0000u);  // first pixel of the square
    EXPECT_EQ(client.At(149, 10), 0xFFFFFFu);  // white background beside it
    EXPECT_EQ(client.At(190, 50), 0xFFFFFFu);  // the square's rectangle excludes its far edge

    ASSERT_TRUE(gui::CloseWindowAndWait(window));
    EXPECT_TRUE(target.WaitForExit());
}

TEST(FileDialogs, FillAndCancel) {
    const std::string folder = testenv::FreshFolder("driver_save");
    {
        ChildProcess target = StartTarget("save", folder + "\\result.txt");
        HWND dialog = gui::WaitForWindow({"Save target", "#32770", target.id()});
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(gui::FillFileDialog(dialog, folder + "\\chosen.pdf"));
        ASSERT_TRUE(target.WaitForExit());
        EXPECT_EQ(testenv::ReadFileBytes(folder + "\\result.txt"), folder + "\\chosen.pdf");
    }
    {
        ChildProcess target = StartTarget("save", folder + "\\result.txt");
        HWND dialog = gui::WaitForWindow({"Save target", "#32770", target.id()});
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(gui::CancelFileDialog(dialog));
        ASSERT_TRUE(target.WaitForExit());
        EXPECT_EQ(testenv::ReadFileBytes(folder + "\\result.txt"), "cancelled");
    }
}

}  // namespace
