// A stand-in for a running program (Word, Outlook): it does nothing and waits
// until something ends it.  As a last guard against a test that dies without
// cleaning up, it ends itself after ten minutes.
#include <windows.h>

int main() {
    Sleep(10 * 60 * 1000);
    return 0;
}
