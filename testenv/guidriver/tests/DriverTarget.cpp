// A small program for the GUI driver's own tests: it shows what the driver
// must handle and writes what the user did into a result file.
//   DriverTarget messagebox TYPE RESULTFILE   MessageBoxA with that type; writes the answer
//   DriverTarget window RESULTFILE             a window with an edit, a button and a red square
//   DriverTarget save RESULTFILE               the save dialog; writes the chosen path or "cancelled"
#include <windows.h>
#include <commdlg.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kEditId = 100;
constexpr int kButtonId = 101;
const char* g_resultFile = nullptr;

void WriteResult(const char* text) {
    if (std::FILE* file = std::fopen(g_resultFile, "w")) {
        std::fputs(text, file);
        std::fclose(file);
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateWindowA("EDIT", "hello", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 120, 24, window,
                      reinterpret_cast<HMENU>(kEditId), nullptr, nullptr);
        CreateWindowA("BUTTON", "Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 40, 120, 24, window,
                      reinterpret_cast<HMENU>(kButtonId), nullptr, nullptr);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED) {
            SetDlgItemTextA(window, kEditId, "pressed");
            WriteResult("pressed");
        }
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT square{150, 10, 190, 50};
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(dc, &square, red);
        DeleteObject(red);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int ShowWindowCase() {
    WNDCLASSA cls{};
    cls.lpfnWndProc = WindowProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    cls.lpszClassName = "DriverTargetWindow";
    RegisterClassA(&cls);
    CreateWindowA(cls.lpszClassName, "Driver target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 240, 120,
                  nullptr, nullptr, cls.hInstance, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

int ShowSaveCase() {
    char file[MAX_PATH] = "first";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.lpstrFilter = "PDF files\0*.pdf\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof(file);
    ofn.lpstrTitle = "Save target";
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    WriteResult(GetSaveFileNameA(&ofn) ? file : "cancelled");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    g_resultFile = argv[argc - 1];
    if (std::strcmp(argv[1], "messagebox") == 0 && argc == 4) {
        char answer[16];
        std::snprintf(answer, sizeof(answer), "%d",
                      MessageBoxA(nullptr, "Line one\nLine two", "Driver box", std::strtoul(argv[2], nullptr, 0)));
        WriteResult(answer);
        return 0;
    }
    if (std::strcmp(argv[1], "window") == 0) return ShowWindowCase();
    if (std::strcmp(argv[1], "save") == 0) return ShowSaveCase();
    return 2;
}
