#pragma once
// Drives the windows of another process the way a user would: find a window,
// read its controls, press buttons, answer message boxes and the save
// dialog, and look at its pixels.  Every wait polls for its condition with a
// deadline, so a test never depends on how fast Wine happens to be.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace gui {

constexpr DWORD kDefaultTimeoutMs = 20000;

struct WindowQuery {
    std::string caption;    // exact; empty matches any
    std::string className;  // exact; empty matches any
    DWORD processId = 0;    // 0 matches any
};

// A visible top-level window that matches, or nullptr after the timeout.
HWND WaitForWindow(const WindowQuery& query, DWORD timeoutMs = kDefaultTimeoutMs);
// Until the window is destroyed or hidden (an ended dialog).
bool WaitForWindowGone(HWND window, DWORD timeoutMs = kDefaultTimeoutMs);

// Polls condition every few milliseconds until it holds or the time is up.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = kDefaultTimeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(10);
    }
}

std::string ClassName(HWND window);
std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int controlId);
LONG_PTR Style(HWND window);
std::vector<HWND> Children(HWND parent);  // direct children, in z-order

// Presses a button as a click would (BM_CLICK): nothing happens when the
// button is disabled or hidden, as for a user.
bool ClickButton(HWND dialog, int controlId);

enum class MessageIcon { None, Hand, Question, Exclamation, Asterisk, Unknown };

struct MessageBoxView {
    std::string caption;
    std::string text;
    std::vector<int> buttons;  // control ids, e.g. IDOK, IDCANCEL
    MessageIcon icon = MessageIcon::None;
};

// Message boxes are dialogs of class "#32770".
HWND WaitForMessageBox(DWORD processId, const std::string& caption, DWORD timeoutMs = kDefaultTimeoutMs);
MessageBoxView ReadMessageBox(HWND box);
// Presses one of its buttons and waits until the box has gone.
bool AnswerMessageBox(HWND box, int buttonId);
// Closes it from its title bar, as the close box does.
bool CloseWindowAndWait(HWND window);

// Types a file name into the common save (or open) dialog and confirms it.
bool FillFileDialog(HWND dialog, const std::string& fileName);
bool CancelFileDialog(HWND dialog);

// A snapshot of what the screen shows of a window (or of its client area).
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rgb;  // 0x00RRGGBB, row by row from the top
    uint32_t At(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
    explicit operator bool() const { return width > 0 && height > 0; }
};

Pixels CaptureWindow(HWND window, bool clientAreaOnly = false);
Pixels CaptureScreenRect(const RECT& screenRect);
// Writes a capture as a 24-bit BMP file, for a person to look at.
bool SaveBitmap(const Pixels& pixels, const std::string& path);

// Moves the mouse pointer to a point of a window's client area, as a user would.
bool MovePointerTo(HWND window, int clientX, int clientY);

}  // namespace gui
