#pragma once
// One run of Inkvale.exe driven as a user would: its dialog, its status
// line, its message boxes and the save dialog it opens.
#include <windows.h>

#include <string>

#include "ChildProcess.h"
#include "GuiDriver.h"

namespace converter_test {

// The built program, and a copy of it in a folder of its own (for an
// install log beside it).
std::string InkvaleExe();
std::string CopyOfInkvale(const std::string& folder);

class ConverterSession {
public:
    // arguments are appended to the quoted program path as they stand.
    static ConverterSession Start(const std::string& arguments, const std::string& exe = InkvaleExe());

    explicit operator bool() const { return dialog_ != nullptr; }
    HWND dialog() const { return dialog_; }
    testenv::ChildProcess& process() { return process_; }

    // Read without a message to the dialog, so also while it is busy.
    std::string Text(int controlId) const;
    std::string Status() const { return Text(1001); }
    bool WaitForStatus(const std::string& status, DWORD timeoutMs = gui::kDefaultTimeoutMs) const;

    // A dialog of the converter other than the main one: a message box or
    // the save dialog.
    HWND WaitForOtherDialog(HWND alsoExcept = nullptr, DWORD timeoutMs = gui::kDefaultTimeoutMs) const;
    // Waits for the message box and checks caption, text, icon and button.
    void ExpectMessage(const std::string& text);
    // Presses Browse, types fileName in the save dialog and confirms; answers
    // Yes to the question about replacing a file.  The Try form says what
    // went wrong instead of failing a test.
    void ChooseDestination(const std::string& fileName, bool expectReplaceQuestion = false);
    bool TryChooseDestination(const std::string& fileName, bool expectReplaceQuestion, std::string* failure);
    void CancelBrowse();

    // Until the process has ended with exit code 0.
    void ExpectEnded();

private:
    testenv::ChildProcess process_;
    HWND dialog_ = nullptr;
};

// Whether another process may open the file for writing now.
bool CanOpenForWriting(const std::string& path);

}  // namespace converter_test
