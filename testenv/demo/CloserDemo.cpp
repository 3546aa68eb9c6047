// Shows the word closer at work: stand-in Outlook and two stand-in Words
// run, Haltmere asks about each Word, and the demo tells what happened.
//   closer_demo OUTPUT_FOLDER [interactive]
// Driven automatically (Cancel for the first Word, OK for the second), or by
// a person at the display in interactive mode.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "GuiDriver.h"
#include "ProcessMatch.h"
#include "TestWorld.h"

using testenv::ChildProcess;

namespace {

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string Indented(std::string text) {
    std::string out = "    ";
    for (char c : text) {
        out += c;
        if (c == '\n') out += "    ";
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: closer_demo OUTPUT_FOLDER [interactive]\n");
        return 2;
    }
    const std::string out = argv[1];
    const bool interactive = argc > 2 && std::strcmp(argv[2], "interactive") == 0;
    const std::string answerFile = out + "\\answer.txt";

    struct Running { const char* label; ChildProcess process; };
    std::vector<Running> running;
    for (auto [label, exe] : {std::pair{"Outlook", "outlook/OUTLOOK.EXE"}, std::pair{"Word 1", "word/WINWORD.EXE"},
                              std::pair{"Word 2", "word/WINWORD.EXE"}}) {
        running.push_back({label, ChildProcess::Start(testenv::Quoted(testenv::BuildPath(std::string("testenv/standins/") + exe)))});
        Say(std::string("started ") + label + " (" + (std::strchr(exe, '/') + 1) + ", process " +
            std::to_string(running.back().process.id()) + ")");
    }

    ChildProcess closer = ChildProcess::Start(testenv::Quoted(testenv::BuildPath("wordcloser/Haltmere.exe")) + " " +
                                              testenv::Quoted(answerFile));
    Say("started Haltmere.exe \"" + answerFile + "\"");

    if (interactive) {
        Say("answer the questions on your display");
        closer.WaitForExit(INFINITE);
    } else {
        const int answers[] = {IDCANCEL, IDOK};
        for (int i = 0; i < 2; ++i) {
            HWND box = gui::WaitForMessageBox(closer.id(), kQuestionCaption);
            if (!box) {
                Say("no question appeared");
                return 1;
            }
            gui::MessageBoxView view = gui::ReadMessageBox(box);
            Say("question " + std::to_string(i + 1) + ", caption \"" + view.caption + "\":\n" + Indented(view.text));
            std::string shot = out + "\\question" + std::to_string(i + 1) + ".bmp";
            if (gui::SaveBitmap(gui::CaptureWindow(box), shot)) Say("screenshot: " + shot);
            Say(answers[i] == IDOK ? "answering OK" : "answering Cancel");
            gui::AnswerMessageBox(box, answers[i]);
        }
        closer.WaitForExit();
    }

    Say("Haltmere ended with exit code " + std::to_string(closer.ExitCode()));
    for (Running& r : running) {
        r.process.WaitForExit(500);
        Say(std::string(r.label) + (r.process.IsRunning() ? ": still running" : ": ended with exit code 0x") +
            (r.process.IsRunning() ? "" : [&] {
                char hex[16];
                std::snprintf(hex, sizeof(hex), "%08lX", r.process.ExitCode());
                return std::string(hex);
            }()));
    }
    Say("answer file holds \"" + testenv::ReadFileBytes(answerFile) + "\"");
    return 0;
}
