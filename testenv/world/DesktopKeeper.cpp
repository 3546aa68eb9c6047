// Keeps the world's desktop alive.  Wine closes a desktop shortly after its
// last window goes and needs seconds to bring it back for the next one, which
// every test that shows a window would pay.  This program holds one hidden
// window for the life of the world and writes READY_FILE once it exists; the
// world's server ends it.
//   desktop_keeper READY_FILE
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    HWND window = CreateWindowA("STATIC", "desktop keeper", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (!window) return 1;
    if (std::FILE* ready = std::fopen(argv[1], "w")) std::fclose(ready);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
