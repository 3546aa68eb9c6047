// What the converter's dialog shows, read from the screen: the picture
// buttons at their bitmaps' sizes with their hover pictures, the background
// behind the labels, the status line on white, and no GDI objects used up.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ConverterSession.h"

#include <commctrl.h>

#include "TestWorld.h"

using converter_test::ConverterSession;
using testenv::Quoted;

namespace {

// A bitmap of Inkvale.exe's resources, loaded as the converter loads it.
gui::Pixels ResourceBitmap(WORD id, UINT flags) {
    gui::Pixels pixels;
    HMODULE module = LoadLibraryExA(converter_test::InkvaleExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return pixels;
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, flags));
    BITMAP info{};
    if (bitmap && GetObjectA(bitmap, sizeof(info), &info)) {
        BITMAPINFO format{};
        format.bmiHeader.biSize = sizeof(format.bmiHeader);
        format.bmiHeader.biWidth = info.bmWidth;
        format.bmiHeader.biHeight = -info.bmHeight;
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        format.bmiHeader.biCompression = BI_RGB;
        pixels.width = info.bmWidth;
        pixels.height = info.bmHeight;
        pixels.rgb.resize(static_cast<size_t>(info.bmWidth) * info.bmHeight);
        HDC screen = GetDC(nullptr);
        GetDIBits(screen, bitmap, 0, info.bmHeight, pixels.rgb.data(), &format, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        for (uint32_t& p : pixels.rgb) p &= 0x00FFFFFF;
    }
    if (bitmap) DeleteObject(bitmap);
    FreeLibrary(module);
    return pixels;
}

// The background picture stretched over a client area of that size, by the
// system's own plain stretched copy.
gui::Pixels StretchedBackground(int width, int height) {
    gui::Pixels stretched;
    HMODULE module = LoadLibraryExA(converter_test::InkvaleExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return stretched;
    HBITMAP picture = static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCEA(156), IMAGE_BITMAP, 0, 0, 0));
    BITMAP info{};
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC source = CreateCompatibleDC(screen);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (picture && canvas && GetObjectA(picture, sizeof(info), &info)) {
        HGDIOBJ oldSource = SelectObject(source, picture);
        HGDIOBJ oldTarget = SelectObject(target, canvas);
        StretchBlt(target, 0, 0, width, height, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        GdiFlush();
        stretched.width = width;
        stretched.height = height;
        const auto* p = static_cast<const uint32_t*>(bits);
        stretched.rgb.assign(p, p + static_cast<size_t>(width) * height);
        for (uint32_t& c : stretched.rgb) c &= 0x00FFFFFF;
        SelectObject(source, oldSource);
        SelectObject(target, oldTarget);
    }
    if (canvas) DeleteObject(canvas);
    DeleteDC(target);
    DeleteDC(source);
    ReleaseDC(nullptr, screen);
    if (picture) DeleteObject(picture);
    FreeLibrary(module);
    return stretched;
}

size_t Mismatches(const gui::Pixels& a, const gui::Pixels& b) {
    if (a.width != b.width || a.height != b.height) return static_cast<size_t>(-1);
    size_t count = 0;
    for (size_t i = 0; i < a.rgb.size(); ++i) count += a.rgb[i] != b.rgb[i];
    return count;
}

size_t DarkPixels(const gui::Pixels& pixels, const RECT& r) {
    size_t dark = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            const uint32_t p = pixels.At(x, y);
            dark += ((p >> 16) & 0xFF) < 96 && ((p >> 8) & 0xFF) < 96 && (p & 0xFF) < 96;
        }
    }
    return dark;
}

RECT ClientRectOf(HWND dialog, int controlId) {
    RECT rect{};
    HWND control = GetDlgItem(dialog, controlId);
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class ConverterDrawing : public testing::Test {
protected:
    void SetUp() override {
        converter_ = ConverterSession::Start(" " + Quoted(testenv::FreshFolder("drawing")));
        ASSERT_TRUE(converter_);
        ASSERT_TRUE(converter_.WaitForStatus("Please select destination path."));
    }
    void TearDown() override {
        if (converter_ && IsWindow(converter_.dialog())) gui::CloseWindowAndWait(converter_.dialog());
    }
    ConverterSession converter_;
};

struct PictureButton {
    int id;
    WORD normal;
    WORD hover;
    const char* tip;  // nullptr: no tooltip
};

struct TipSearch {
    DWORD processId;
    std::string text;
};

BOOL CALLBACK FindShownTip(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TipSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) || gui::ClassName(window) != TOOLTIPS_CLASSA) return TRUE;
    search->text = gui::WindowText(window);
    return FALSE;
}

// The text of the tooltip the process shows, or an empty text.
std::string ShownTip(DWORD processId) {
    TipSearch search{processId, {}};
    EnumWindows(FindShownTip, reinterpret_cast<LPARAM>(&search));
    return search.text;
}

TEST_F(ConverterDrawing, PictureButtonsShowTheirBitmapsAndHover) {
    const PictureButton buttons[] = {{1004, 131, 133, "Browse for destination path"},
                                     {1050, 134, 136, "Click here to create pdf file"},
                                     {1011, 137, 130, "Exit window"},
                                     {5, 143, 145, nullptr},
                                     {7, 140, 142, nullptr},
                                     {4, 146, 148, nullptr},
                                     {3, 154, 149, nullptr},
                                     {6, 151, 153, nullptr}};
    HWND dialog = converter_.dialog();
    // A tooltip that still shows may cover a button for a few seconds.
    for (const PictureButton& b : buttons) {
        SCOPED_TRACE("button " + std::to_string(b.id));
        HWND button = GetDlgItem(dialog, b.id);
        const gui::Pixels normal = ResourceBitmap(b.normal, LR_LOADMAP3DCOLORS);
        const gui::Pixels hover = ResourceBitmap(b.hover, LR_LOADMAP3DCOLORS);
        ASSERT_TRUE(normal && hover);

        RECT rect{};
        GetWindowRect(button, &rect);
        EXPECT_EQ(rect.right - rect.left, normal.width);
        EXPECT_EQ(rect.bottom - rect.top, normal.height);
        EXPECT_TRUE(gui::WaitUntil([&] { return Mismatches(gui::CaptureWindow(button), normal) == 0; }, 15000));

        ASSERT_TRUE(gui::MovePointerTo(button, normal.width / 2, normal.height / 2));
        EXPECT_TRUE(gui::WaitUntil([&] { return Mismatches(gui::CaptureWindow(button), hover) == 0; }, 15000))
            << "the hover picture did not show";
        if (b.tip) {
            EXPECT_TRUE(gui::WaitUntil([&] { return ShownTip(converter_.process().id()) == b.tip; }, 15000))
                << "tooltip shown: \"" << ShownTip(converter_.process().id()) << "\"";
        }
        // Away onto the background, below every control.
        ASSERT_TRUE(gui::MovePointerTo(dialog, 5, 5 + ClientRectOf(dialog, 1011).bottom));
        EXPECT_TRUE(gui::WaitUntil([&] { return Mismatches(gui::CaptureWindow(button), normal) == 0; }, 15000))
            << "the normal picture did not come back";
    }
}

// A label holds the mouse capture while the pointer is over it and gives it
// up on the first move outside, so the neighbouring button hovers on the next.
TEST_F(ConverterDrawing, LabelGivesUpTheCaptureToItsNeighbour) {
    HWND dialog = converter_.dialog();
    HWND label = GetDlgItem(dialog, 1008);
    HWND browse = GetDlgItem(dialog, 1004);
    const gui::Pixels hover = ResourceBitmap(133, LR_LOADMAP3DCOLORS);
    ASSERT_TRUE(hover);
    const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
    auto capture = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        return GetGUIThreadInfo(thread, &info) ? info.hwndCapture : nullptr;
    };

    RECT r{};
    GetClientRect(label, &r);
    ASSERT_TRUE(gui::MovePointerTo(label, r.right / 2, r.bottom / 2));
    EXPECT_TRUE(gui::WaitUntil([&] { return capture() == label; }, 5000)) << "the label took no capture";
    ASSERT_TRUE(gui::MovePointerTo(browse, hover.width / 2, hover.height / 2));
    EXPECT_TRUE(gui::WaitUntil([&] { return capture() != label; }, 5000)) << "the label kept the capture";
    ASSERT_TRUE(gui::MovePointerTo(browse, hover.width / 2 + 1, hover.height / 2));
    EXPECT_TRUE(gui::WaitUntil([&] { return Mismatches(gui::CaptureWindow(browse), hover) == 0; }, 15000))
        << "Browse did not hover after the label";
}

TEST_F(ConverterDrawing, BackgroundBehindLabelsAndStatusOnWhite) {
    HWND dialog = converter_.dialog();
    const RECT status = ClientRectOf(dialog, 1001);
    // Wait until the dialog has painted its status text.
    gui::Pixels client;
    gui::WaitUntil([&] {
        client = gui::CaptureWindow(dialog, true);
        return client && DarkPixels(client, status) > 20;
    }, 5000);
    ASSERT_TRUE(client);
    const gui::Pixels background = StretchedBackground(client.width, client.height);
    ASSERT_TRUE(background);

    // The empty destination line, and the part of the check box label right
    // of its text: the picture shows through.
    RECT destination = ClientRectOf(dialog, 1009);
    RECT label = ClientRectOf(dialog, 1007);
    label.left = (label.left + label.right) / 2 + 40;
    for (const RECT& r : {destination, label}) {
        size_t differ = 0, total = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x, ++total) differ += client.At(x, y) != background.At(x, y);
        }
        EXPECT_LE(differ * 100, total) << "label at " << r.left << "," << r.top << " hides the background";
    }

    // The status line: white over its whole rectangle but for its black text.
    size_t white = 0, total = 0;
    for (int y = status.top; y < status.bottom; ++y) {
        for (int x = status.left; x < status.right; ++x, ++total) white += client.At(x, y) == 0xFFFFFF;
    }
    EXPECT_EQ(client.At(status.left + 1, status.top + 1), 0xFFFFFFu);
    EXPECT_EQ(client.At(status.right - 2, status.bottom - 2), 0xFFFFFFu);
    EXPECT_GT(white * 10, total * 8) << "the status line is not on white";
    EXPECT_GT(DarkPixels(client, status), 20u) << "no black text in the status line";
}

// The GDI objects a process holds.  Windows counts them itself; Wine does
// not, but keeps them in a handle table of the process that its PEB points
// to, whose used entries we count.
std::optional<size_t> GdiObjectCount(HANDLE process) {
    if (const DWORD counted = GetGuiResources(process, GR_GDIOBJECTS)) return counted;

    using QueryProcess = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    struct BasicInformation {
        void* reserved1;
        void* pebBaseAddress;
        void* reserved2[2];
        ULONG_PTR uniqueProcessId;
        void* reserved3;
    } basic{};
    if (!query || query(process, 0, &basic, sizeof(basic), nullptr) != 0) return std::nullopt;
    // PEB.GdiSharedHandleTable of 64-bit processes.
    void* table = nullptr;
    SIZE_T got = 0;
    if (!ReadProcessMemory(process, static_cast<char*>(basic.pebBaseAddress) + 0xF8, &table, sizeof(table), &got) ||
        !table) {
        return std::nullopt;
    }
    struct HandleEntry {
        UINT64 object;
        ULONG owner;
        USHORT unique;
        UCHAR type;
        UCHAR flags;
        UINT64 userPointer;
    };
    std::vector<HandleEntry> entries(0x10000);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(HandleEntry), &got)) {
        return std::nullopt;
    }
    size_t used = 0;
    for (const HandleEntry& e : entries) used += e.type != 0;
    return used;
}

TEST_F(ConverterDrawing, RepaintingUsesUpNoGdiObjects) {
    HANDLE process = converter_.process().handle();
    auto repaint = [&](int times) {
        for (int i = 0; i < times; ++i) {
            RedrawWindow(converter_.dialog(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
        // Sent after the repaints: once answered, they have all been handled.
        DWORD_PTR ignored;
        SendMessageTimeoutA(converter_.dialog(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    };
    // The pointer off every control, so no tooltip comes and goes meanwhile.
    ASSERT_TRUE(gui::MovePointerTo(converter_.dialog(), 5, 5 + ClientRectOf(converter_.dialog(), 1011).bottom));
    ASSERT_TRUE(gui::WaitUntil([&] { return ShownTip(converter_.process().id()).empty(); }, 15000));
    repaint(10);  // whatever is made once, at the first paint, is made now
    const std::optional<size_t> before = GdiObjectCount(process);
    ASSERT_TRUE(before) << "cannot count the converter's GDI objects";
    ASSERT_GT(*before, 0u);
    repaint(1000);
    const std::optional<size_t> after = GdiObjectCount(process);
    ASSERT_TRUE(after);
    EXPECT_LE(*after, *before + 2) << "before " << *before << ", after " << *after;
}

}  // namespace
