#pragma once
// The clipboard, open from construction to destruction when opened() says so.
#include <windows.h>

class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner = nullptr) : open_(OpenClipboard(owner) != FALSE) {}
    ~ClipboardSession() {
        if (open_) CloseClipboard();
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;

    bool opened() const { return open_; }

private:
    bool open_;
};
