// Writes GetOSName's text to the file named by the first argument, for tests
// that change the Windows version the prefix reports: that version is read
// when a process starts.
#include <cstdio>

#include "modGetOS.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) return 1;
    const std::string name = GetOSName();
    const bool written = std::fwrite(name.data(), 1, name.size(), file) == name.size();
    return std::fclose(file) == 0 && written ? 0 : 1;
}
