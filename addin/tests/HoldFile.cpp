// Creates the file named by the first argument and holds it open without
// sharing, as a program that keeps a document open does, until it is ended.
// As a last guard against a test that dies without ending it, it ends itself
// after ten minutes.
#include <windows.h>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    HANDLE file = CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    Sleep(10 * 60 * 1000);
    CloseHandle(file);
    return 0;
}
