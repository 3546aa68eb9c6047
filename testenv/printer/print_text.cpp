// Prints the lines of a text file through the printer "InkvaleB" into a
// PostScript file, as an application printing to a file would.  A form feed
// or a full page (50 lines) starts a new page.
//
//   print_text.exe TEXTFILE OUTPUT.ps
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace {

const char kPrinterName[] = "InkvaleB";
constexpr int kLinesPerPage = 50;

// The text as pages of lines; line ends may be CR LF or LF.
std::vector<std::vector<std::string>> Paginate(const std::string& text) {
    std::vector<std::vector<std::string>> pages(1);
    std::string line;
    auto endLine = [&] {
        if (pages.back().size() == kLinesPerPage) pages.emplace_back();
        pages.back().push_back(line);
        line.clear();
    };
    for (char c : text) {
        if (c == '\n') {
            endLine();
        } else if (c == '\f') {
            if (!line.empty()) endLine();
            pages.emplace_back();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty()) endLine();
    // A form feed at the very end ends the last page; it starts no blank one.
    if (pages.size() > 1 && pages.back().empty()) pages.pop_back();
    return pages;
}

struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using UniqueDC = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

bool PrintPages(HDC dc, const std::vector<std::vector<std::string>>& pages, const char* output) {
    // 10-point Courier, 13 points from line to line, half an inch of margin.
    const int dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
    UniqueFont font(CreateFontA(-MulDiv(10, dpiY, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                          "Courier"));
    if (!font.get()) return false;
    const int lineStep = MulDiv(13, dpiY, 72);
    const int left = dpiX / 2;
    const int top = dpiY / 2;

    DOCINFOA doc{};
    doc.cbSize = sizeof(doc);
    doc.lpszDocName = "print_text";
    doc.lpszOutput = output;
    if (StartDocA(dc, &doc) <= 0) return false;
    HGDIOBJ oldFont = SelectObject(dc, font.get());
    bool printed = true;
    for (const auto& page : pages) {
        if (StartPage(dc) <= 0) { printed = false; break; }
        int y = top;
        for (const std::string& line : page) {
            if (!line.empty()) TextOutA(dc, left, y, line.data(), static_cast<int>(line.size()));
            y += lineStep;
        }
        if (EndPage(dc) <= 0) { printed = false; break; }
    }
    SelectObject(dc, oldFont);
    if (!printed) {
        AbortDoc(dc);
        return false;
    }
    return EndDoc(dc) > 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: print_text TEXTFILE OUTPUT.ps\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "print_text: cannot read %s\n", argv[1]);
        return 2;
    }
    std::ostringstream text;
    text << in.rdbuf();

    UniqueDC dc(CreateDCA("WINSPOOL", kPrinterName, nullptr, nullptr));
    if (!dc.get()) {
        std::fprintf(stderr, "print_text: no printer %s (%lu)\n", kPrinterName, GetLastError());
        return 1;
    }
    if (!PrintPages(dc.get(), Paginate(text.str()), argv[2])) {
        std::fprintf(stderr, "print_text: printing failed (%lu)\n", GetLastError());
        return 1;
    }
    return 0;
}
