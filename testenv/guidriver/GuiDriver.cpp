#include "GuiDriver.h"

#include <cstdio>
#include <cstdlib>

namespace gui {

namespace {

// Another process's window answers within this time or is taken as hung.
constexpr UINT kSendTimeoutMs = 5000;

struct Search {
    const WindowQuery* query;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    const WindowQuery& q = *search->query;
    if (!IsWindowVisible(window)) return TRUE;
    if (q.processId) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != q.processId) return TRUE;
    }
    if (!q.className.empty() && ClassName(window) != q.className) return TRUE;
    if (!q.caption.empty() && WindowText(window) != q.caption) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    auto* children = reinterpret_cast<std::vector<HWND>*>(param);
    children->push_back(window);
    return TRUE;
}

// Owns a screen-compatible 32-bit DIB section selected into a memory DC.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        screen_ = GetDC(nullptr);
        memory_ = CreateCompatibleDC(screen_);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(memory_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (bitmap_) previous_ = SelectObject(memory_, bitmap_);
    }
    ~Canvas() {
        if (previous_) SelectObject(memory_, previous_);
        if (bitmap_) DeleteObject(bitmap_);
        if (memory_) DeleteDC(memory_);
        if (screen_) ReleaseDC(nullptr, screen_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    explicit operator bool() const { return bits_ != nullptr; }
    HDC dc() const { return memory_; }
    HDC screen() const { return screen_; }

    Pixels Read() const {
        GdiFlush();
        Pixels pixels;
        pixels.width = width_;
        pixels.height = height_;
        const auto* source = static_cast<const uint32_t*>(bits_);
        pixels.rgb.assign(source, source + static_cast<size_t>(width_) * height_);
        for (uint32_t& p : pixels.rgb) p &= 0x00FFFFFF;
        return pixels;
    }

private:
    int width_, height_;
    HDC screen_ = nullptr;
    HDC memory_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

int ChannelDistance(uint32_t a, uint32_t b) {
    int d = 0;
    for (int shift = 0; shift < 24; shift += 8) d += std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
    return d;
}

// Which system icon the icon control of a message box shows: drawn by us
// over the same background, the right one matches the screen nearly exactly.
MessageIcon RecogniseIcon(HWND iconControl) {
    RECT rect;
    if (!GetWindowRect(iconControl, &rect)) return MessageIcon::Unknown;
    Pixels shown = CaptureScreenRect(rect);
    if (!shown) return MessageIcon::Unknown;

    struct Candidate { LPCSTR id; MessageIcon icon; };
    const Candidate candidates[] = {
        {IDI_HAND, MessageIcon::Hand}, {IDI_QUESTION, MessageIcon::Question},
        {IDI_EXCLAMATION, MessageIcon::Exclamation}, {IDI_ASTERISK, MessageIcon::Asterisk}};

    MessageIcon best = MessageIcon::Unknown;
    size_t bestMismatches = static_cast<size_t>(-1);
    for (const Candidate& c : candidates) {
        Canvas canvas(shown.width, shown.height);
        if (!canvas) return MessageIcon::Unknown;
        HBRUSH background = CreateSolidBrush(RGB(shown.At(0, 0) >> 16, (shown.At(0, 0) >> 8) & 0xFF, shown.At(0, 0) & 0xFF));
        RECT all{0, 0, shown.width, shown.height};
        FillRect(canvas.dc(), &all, background);
        DeleteObject(background);
        HICON icon = LoadIconA(nullptr, c.id);
        DrawIconEx(canvas.dc(), 0, 0, icon, shown.width, shown.height, 0, nullptr, DI_NORMAL);
        Pixels drawn = canvas.Read();
        size_t mismatches = 0;
        for (size_t i = 0; i < drawn.rgb.size(); ++i) {
            if (ChannelDistance(drawn.rgb[i], shown.rgb[i]) > 48) ++mismatches;
        }
        if (mismatches < bestMismatches) {
            bestMismatches = mismatches;
            best = c.icon;
        }
    }
    // A few stray pixels may differ at the edges; a wrong icon differs widely.
    return bestMismatches * 20 <= shown.rgb.size() ? best : MessageIcon::Unknown;
}

}  // namespace

HWND WaitForWindow(const WindowQuery& query, DWORD timeoutMs) {
    Search search{&query, nullptr};
    WaitUntil([&] {
        EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, timeoutMs);
    return search.found;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
    // Wine hides an ended dialog at once but destroys it only later.
    return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

std::string ClassName(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length)) return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied)) {
        return {};
    }
    text.resize(copied < text.size() ? copied : text.size() - 1);
    return text;
}

std::string ControlText(HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    return control ? WindowText(control) : std::string();
}

LONG_PTR Style(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> all;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> direct;
    for (HWND child : all) {
        if (GetParent(child) == parent) direct.push_back(child);
    }
    return direct;
}

bool ClickButton(HWND dialog, int controlId) {
    HWND button = GetDlgItem(dialog, controlId);
    return button && PostMessageA(button, BM_CLICK, 0, 0);
}

HWND WaitForMessageBox(DWORD processId, const std::string& caption, DWORD timeoutMs) {
    return WaitForWindow({caption, "#32770", processId}, timeoutMs);
}

MessageBoxView ReadMessageBox(HWND box) {
    MessageBoxView view;
    view.caption = WindowText(box);
    for (HWND child : Children(box)) {
        const std::string cls = ClassName(child);
        const LONG_PTR style = Style(child);
        if (_stricmp(cls.c_str(), "Button") == 0) {
            if (style & WS_VISIBLE) view.buttons.push_back(GetDlgCtrlID(child));
        } else if (_stricmp(cls.c_str(), "Static") == 0) {
            if ((style & SS_TYPEMASK) == SS_ICON) {
                // A box that has just appeared may not have painted its icon
                // yet (on a busy machine): look again for a moment.
                if (style & WS_VISIBLE) {
                    WaitUntil([&] { return (view.icon = RecogniseIcon(child)) != MessageIcon::Unknown; }, 3000);
                }
            } else {
                std::string text = WindowText(child);
                if (!text.empty()) view.text = text;
            }
        }
    }
    return view;
}

bool AnswerMessageBox(HWND box, int buttonId) {
    return ClickButton(box, buttonId) && WaitForWindowGone(box);
}

bool CloseWindowAndWait(HWND window) {
    return PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0) && WaitForWindowGone(window);
}

bool FillFileDialog(HWND dialog, const std::string& fileName) {
    // Explorer-style dialogs keep the name in combo box cmb13, older ones in edt1.
    HWND name = GetDlgItem(dialog, 0x47C);
    if (!name) name = GetDlgItem(dialog, 0x480);
    if (!name) return false;
    DWORD_PTR ignored;
    if (!SendMessageTimeoutA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fileName.c_str()), SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &ignored)) {
        return false;
    }
    return ClickButton(dialog, IDOK) && WaitForWindowGone(dialog);
}

bool CancelFileDialog(HWND dialog) { return ClickButton(dialog, IDCANCEL) && WaitForWindowGone(dialog); }

Pixels CaptureScreenRect(const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return {};
    Canvas canvas(width, height);
    if (!canvas || !BitBlt(canvas.dc(), 0, 0, width, height, canvas.screen(), rect.left, rect.top, SRCCOPY)) return {};
    return canvas.Read();
}

Pixels CaptureWindow(HWND window, bool clientAreaOnly) {
    RECT rect;
    if (clientAreaOnly) {
        if (!GetClientRect(window, &rect)) return {};
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    } else if (!GetWindowRect(window, &rect)) {
        return {};
    }
    return CaptureScreenRect(rect);
}

bool SaveBitmap(const Pixels& pixels, const std::string& path) {
    if (!pixels) return false;
    const int rowBytes = (pixels.width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = pixels.width;
    info.biHeight = pixels.height;  // bottom-up, as BMP files usually are
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = static_cast<DWORD>(rowBytes) * pixels.height;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;

    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    bool ok = std::fwrite(&file, sizeof(file), 1, out) == 1 && std::fwrite(&info, sizeof(info), 1, out) == 1;
    std::vector<unsigned char> row(rowBytes, 0);
    for (int y = pixels.height - 1; ok && y >= 0; --y) {
        for (int x = 0; x < pixels.width; ++x) {
            uint32_t p = pixels.At(x, y);
            row[x * 3 + 0] = p & 0xFF;
            row[x * 3 + 1] = (p >> 8) & 0xFF;
            row[x * 3 + 2] = (p >> 16) & 0xFF;
        }
        ok = std::fwrite(row.data(), 1, row.size(), out) == row.size();
    }
    return std::fclose(out) == 0 && ok;
}

bool MovePointerTo(HWND window, int clientX, int clientY) {
    POINT point{clientX, clientY};
    return ClientToScreen(window, &point) && SetCursorPos(point.x, point.y);
}

}  // namespace gui
