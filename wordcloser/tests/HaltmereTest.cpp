// The word closer against stand-in Word and Outlook processes, its question
// answered through the GUI driver.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChildProcess.h"
#include "GuiDriver.h"
#include "ProcessMatch.h"
#include "TestWorld.h"

using testenv::ChildProcess;

namespace {

enum class Standin { Word, Outlook, LowerCaseWord };
enum class Answer { Ok, Cancel, CloseBox };

std::string StandinPath(Standin s) {
    switch (s) {
    case Standin::Word: return testenv::BuildPath("testenv/standins/word/WINWORD.EXE");
    case Standin::Outlook: return testenv::BuildPath("testenv/standins/outlook/OUTLOOK.EXE");
    case Standin::LowerCaseWord: return testenv::BuildPath("testenv/standins/lowerword/winword.exe");
    }
    return {};
}

struct CloserCase {
    const char* name;
    std::vector<Standin> running;   // started in this order
    std::vector<Answer> answers;    // one per question, in order
    std::vector<bool> ended;        // per stand-in: ended by the closer
    std::string answerFileBefore;
    std::string answerFileAfter;
};

class HaltmereTest : public testing::TestWithParam<CloserCase> {};

// Shows the question box of the closer and answers it.
void AnswerQuestion(const ChildProcess& closer, Answer answer) {
    HWND box = gui::WaitForMessageBox(closer.id(), kQuestionCaption);
    ASSERT_NE(box, nullptr) << "no question appeared";
    gui::MessageBoxView view = gui::ReadMessageBox(box);
    EXPECT_EQ(view.caption, kQuestionCaption);
    EXPECT_EQ(view.text, kQuestionText);
    EXPECT_EQ(view.buttons, (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_EQ(view.icon, gui::MessageIcon::Asterisk);
    switch (answer) {
    case Answer::Ok: ASSERT_TRUE(gui::AnswerMessageBox(box, IDOK)); break;
    case Answer::Cancel: ASSERT_TRUE(gui::AnswerMessageBox(box, IDCANCEL)); break;
    case Answer::CloseBox: ASSERT_TRUE(gui::CloseWindowAndWait(box)); break;
    }
}

TEST_P(HaltmereTest, AsksForEachWordAndRecordsRefusals) {
    const CloserCase& c = GetParam();
    const std::string folder = testenv::FreshFolder(std::string("haltmere_") + c.name);
    const std::string answerFile = folder + "\\answer.txt";
    if (!c.answerFileBefore.empty()) {
        ASSERT_TRUE(testenv::WriteFileBytes(answerFile, c.answerFileBefore));
    }

    std::vector<ChildProcess> running;
    for (Standin s : c.running) {
        running.push_back(ChildProcess::Start(testenv::Quoted(StandinPath(s))));
        ASSERT_TRUE(running.back()) << "cannot start " << StandinPath(s);
    }

    ChildProcess closer = ChildProcess::Start(
        testenv::Quoted(testenv::BuildPath("wordcloser/Haltmere.exe")) + " " + testenv::Quoted(answerFile));
    ASSERT_TRUE(closer);
    for (Answer a : c.answers) {
        AnswerQuestion(closer, a);
        if (HasFatalFailure()) return;
    }
    ASSERT_TRUE(closer.WaitForExit()) << "the closer did not end after its last question";
    EXPECT_EQ(closer.ExitCode(), 1u);

    for (size_t i = 0; i < running.size(); ++i) {
        if (c.ended[i]) {
            EXPECT_TRUE(running[i].WaitForExit(5000)) << "stand-in " << i << " should have been ended";
            EXPECT_EQ(running[i].ExitCode(), kEndedExitCode) << "stand-in " << i;
        } else {
            EXPECT_TRUE(running[i].IsRunning()) << "stand-in " << i << " should still run";
        }
    }
    EXPECT_EQ(testenv::ReadFileBytes(answerFile), c.answerFileAfter);
}

using S = Standin;
using A = Answer;

INSTANTIATE_TEST_SUITE_P(
    Cases, HaltmereTest,
    testing::Values(
        CloserCase{"no_word", {}, {}, {}, "", ""},
        CloserCase{"word_ok", {S::Word}, {A::Ok}, {true}, "", ""},
        CloserCase{"word_cancel", {S::Word}, {A::Cancel}, {false}, "", "QUIT"},
        CloserCase{"word_closed_box", {S::Word}, {A::CloseBox}, {false}, "", "QUIT"},
        CloserCase{"two_words_cancelled", {S::Word, S::Word}, {A::Cancel, A::Cancel}, {false, false}, "", "QUITQUIT"},
        CloserCase{"two_words_ok_then_cancel", {S::Word, S::Word}, {A::Ok, A::Cancel}, {true, false}, "", "QUIT"},
        CloserCase{"outlook_before_word_ok", {S::Outlook, S::Word}, {A::Ok}, {true, true}, "", ""},
        CloserCase{"outlook_after_word_ok", {S::Word, S::Outlook}, {A::Ok}, {true, false}, "", ""},
        CloserCase{"latest_outlook_is_ended", {S::Outlook, S::Outlook, S::Word}, {A::Ok}, {false, true, true}, "", ""},
        CloserCase{"outlook_kept_on_cancel", {S::Outlook, S::Word}, {A::Cancel}, {false, false}, "", "QUIT"},
        CloserCase{"lower_case_name", {S::LowerCaseWord}, {}, {false}, "", ""},
        CloserCase{"old_answer_emptied", {}, {}, {}, "QUIT from an earlier run", ""},
        CloserCase{"old_answer_replaced", {S::Word}, {A::Cancel}, {false}, "earlier text", "QUIT"}),
    [](const testing::TestParamInfo<CloserCase>& info) { return std::string(info.param.name); });

// Without an answer file, or with one that cannot be written, the question
// is still asked and the closer ends normally.
TEST(HaltmereWithoutAnswerFile, StillRuns) {
    for (const char* argument : {"", " \"Z:\\no such folder\\answer.txt\""}) {
        SCOPED_TRACE(argument);
        ChildProcess word = ChildProcess::Start(testenv::Quoted(StandinPath(Standin::Word)));
        ChildProcess closer = ChildProcess::Start(testenv::Quoted(testenv::BuildPath("wordcloser/Haltmere.exe")) + argument);
        ASSERT_TRUE(closer);
        AnswerQuestion(closer, Answer::Cancel);
        ASSERT_TRUE(closer.WaitForExit());
        EXPECT_EQ(closer.ExitCode(), 1u);
        EXPECT_TRUE(word.IsRunning());
    }
}

}  // namespace
