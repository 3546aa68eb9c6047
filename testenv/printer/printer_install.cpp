// Installs the test world's PostScript printer: Wine's PostScript driver with
// our PPD as "Wine PostScript Driver", then the printer "InkvaleB" on the
// FILE: port, made the default printer.  Running it again changes nothing.
//
//   printer_install.exe PPDFILE
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <string>

namespace {

const char kDriverName[] = "Wine PostScript Driver";
const char kDriverFile[] = "wineps.drv";
const char kPrinterName[] = "InkvaleB";

std::string FullPath(const char* path) {
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path, sizeof(full), full, nullptr);
    if (length == 0 || length >= sizeof(full)) return {};
    return full;
}

bool AddDriver(const std::string& ppd) {
    DRIVER_INFO_3A driver{};
    driver.cVersion = 3;
    driver.pName = const_cast<char*>(kDriverName);
    driver.pDriverPath = const_cast<char*>(kDriverFile);
    driver.pConfigFile = const_cast<char*>(kDriverFile);
    driver.pDataFile = const_cast<char*>(ppd.c_str());
    driver.pDefaultDataType = const_cast<char*>("RAW");
    // The spooler copies the PPD into its driver folder; a driver of that
    // name already there is replaced by ours.
    if (AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver),
                            APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY)) {
        return true;
    }
    std::fprintf(stderr, "printer_install: AddPrinterDriverExA failed (%lu)\n", GetLastError());
    return false;
}

bool AddInkvalePrinter() {
    PRINTER_INFO_2A printer{};
    printer.pPrinterName = const_cast<char*>(kPrinterName);
    printer.pPortName = const_cast<char*>("FILE:");
    printer.pDriverName = const_cast<char*>(kDriverName);
    printer.pPrintProcessor = const_cast<char*>("WinPrint");
    printer.pDatatype = const_cast<char*>("RAW");
    printer.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE added = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
    if (added) {
        ClosePrinter(added);
        return true;
    }
    if (GetLastError() == ERROR_PRINTER_ALREADY_EXISTS) return true;
    std::fprintf(stderr, "printer_install: AddPrinterA failed (%lu)\n", GetLastError());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: printer_install PPDFILE\n");
        return 2;
    }
    const std::string ppd = FullPath(argv[1]);
    if (ppd.empty() || GetFileAttributesA(ppd.c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::fprintf(stderr, "printer_install: no PPD at %s\n", argv[1]);
        return 2;
    }
    if (!AddDriver(ppd) || !AddInkvalePrinter()) return 1;
    if (!SetDefaultPrinterA(kPrinterName)) {
        std::fprintf(stderr, "printer_install: SetDefaultPrinterA failed (%lu)\n", GetLastError());
        return 1;
    }
    return 0;
}
