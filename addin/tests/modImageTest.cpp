// The button picture on the real clipboard: OLE pictures made from GDI
// bitmaps, the blocks read back and checked against the picture's pixels.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "MaskBlock.h"
#include "ProcessResources.h"
#include "modImage.h"
#include "win/ClipboardSession.h"
#include "win/LockedGlobal.h"
#include "win/UniqueGdiObject.h"
#include "win/WindowDC.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

struct Releaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
using PicturePtr = std::unique_ptr<IPicture, Releaser>;

PicturePtr CreatePicture(const PICTDESC& description, BOOL own) {
    IPicture* picture = nullptr;
    PICTDESC copy = description;
    copy.cbSizeofstruct = sizeof(copy);
    if (FAILED(OleCreatePictureIndirect(&copy, IID_IPicture, own, reinterpret_cast<void**>(&picture)))) return {};
    return PicturePtr(picture);
}

// A picture that owns its bitmap (and a palette, when given one).
PicturePtr BitmapPicture(HBITMAP bitmap, HPALETTE palette = nullptr) {
    PICTDESC description{};
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = bitmap;
    description.bmp.hpal = palette;
    return CreatePicture(description, TRUE);
}

// A screen-compatible bitmap painted pixel by pixel; pixels top row first.
HBITMAP PaintedBitmap(int width, int height, const std::vector<COLORREF>& pixels) {
    WindowDC screen;
    HBITMAP bitmap = CreateCompatibleBitmap(screen.get(), width, height);
    HDC dc = CreateCompatibleDC(screen.get());
    HGDIOBJ previous = SelectObject(dc, bitmap);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) SetPixelV(dc, x, y, pixels[static_cast<size_t>(y) * width + x]);
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
    return bitmap;
}

HPALETTE MakePalette(const std::vector<COLORREF>& colours) {
    std::vector<unsigned char> buffer(sizeof(LOGPALETTE) + colours.size() * sizeof(PALETTEENTRY));
    auto* logical = reinterpret_cast<LOGPALETTE*>(buffer.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<WORD>(colours.size());
    PALETTEENTRY* entries = logical->palPalEntry;
    for (size_t i = 0; i < colours.size(); ++i) {
        entries[i] = PALETTEENTRY{GetRValue(colours[i]), GetGValue(colours[i]), GetBValue(colours[i]), 0};
    }
    return CreatePalette(logical);
}

// A 16 x 12 picture: background, a red frame, a blue square and one pixel
// that is nearly, but not quite, the background.
std::vector<COLORREF> ButtonPixels(COLORREF background, COLORREF accent) {
    std::vector<COLORREF> pixels(16 * 12, background);
    for (int x = 2; x < 14; ++x) pixels[2 * 16 + x] = pixels[9 * 16 + x] = RGB(255, 0, 0);
    for (int y = 4; y < 8; ++y) {
        for (int x = 5; x < 9; ++x) pixels[y * 16 + x] = RGB(0, 0, 255);
    }
    pixels[11 * 16 + 15] = background ^ 1;
    pixels[0] = accent;
    return pixels;
}

std::optional<std::string> ClipboardBlock(UINT format) {
    ClipboardSession clipboard;
    if (!clipboard.opened()) return std::nullopt;
    HANDLE data = GetClipboardData(format);
    if (!data) return std::nullopt;
    LockedGlobal block(data);
    if (!block) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(block.data()), block.size());
}

std::vector<UINT> ClipboardFormats() {
    std::vector<UINT> formats;
    ClipboardSession clipboard;
    for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format)) {
        formats.push_back(format);
    }
    return formats;
}

bool HasFormat(UINT format) { return IsClipboardFormatAvailable(format) != FALSE; }

void PutText(const std::string& text) {
    ClipboardSession clipboard;
    ASSERT_TRUE(clipboard.opened());
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    ASSERT_NE(block, nullptr);
    {
        LockedGlobal target(block);
        std::memcpy(target.data(), text.c_str(), text.size() + 1);
    }
    ASSERT_NE(SetClipboardData(CF_TEXT, block), nullptr);
}

const UINT kFace = RegisterClipboardFormatA(kButtonFaceFormat);
const UINT kMask = RegisterClipboardFormatA(kButtonMaskFormat);

BITMAPINFOHEADER HeaderOf(const std::string& block) {
    BITMAPINFOHEADER header{};
    if (block.size() >= sizeof(header)) std::memcpy(&header, block.data(), sizeof(header));
    return header;
}

// Pixels of a 24- or 32-bit packed DIB, top row first, as RGB values.
std::vector<COLORREF> DibPixels(const std::string& block) {
    const BITMAPINFOHEADER header = HeaderOf(block);
    const int bytesPerPixel = header.biBitCount / 8;
    if (header.biCompression != BI_RGB || (bytesPerPixel != 3 && bytesPerPixel != 4)) return {};
    const int width = header.biWidth, height = header.biHeight;
    const size_t stride = (static_cast<size_t>(width) * bytesPerPixel + 3) / 4 * 4;
    if (block.size() < header.biSize + stride * height) return {};
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const unsigned char*>(block.data()) + header.biSize + (height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = row + x * bytesPerPixel;
            pixels.push_back(RGB(p[2], p[1], p[0]));
        }
    }
    return pixels;
}

// The mask block checked against the mask the picture's pixels call for.
void ExpectMask(int width, int height, const std::vector<COLORREF>& pixels, COLORREF maskColour) {
    const std::optional<std::string> block = ClipboardBlock(kMask);
    ASSERT_TRUE(block) << "no mask on the clipboard";
    const BITMAPINFOHEADER header = HeaderOf(*block);
    EXPECT_EQ(header.biSize, 40u);
    EXPECT_EQ(header.biWidth, width);
    EXPECT_EQ(header.biHeight, height);
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, 1);
    const std::vector<std::uint8_t> expected =
        MaskRows(width, height, std::vector<std::uint32_t>(pixels.begin(), pixels.end()), maskColour);
    ASSERT_EQ(header.biSizeImage, expected.size());
    ASSERT_GE(block->size(), expected.size() + 50);
    const auto* colours = reinterpret_cast<const RGBQUAD*>(block->data() + 40);
    EXPECT_EQ(std::vector<int>({colours[0].rgbRed, colours[0].rgbGreen, colours[0].rgbBlue}),
              std::vector<int>({0, 0, 0}));
    EXPECT_EQ(std::vector<int>({colours[1].rgbRed, colours[1].rgbGreen, colours[1].rgbBlue}),
              std::vector<int>({255, 255, 255}));
    EXPECT_EQ(std::vector<std::uint8_t>(block->begin() + 48, block->begin() + 48 + expected.size()), expected)
        << "mask rows";
}

class ButtonPictureTest : public testing::Test {
protected:
    void SetUp() override { OleInitialize(nullptr); }
    void TearDown() override { OleUninitialize(); }
};

TEST_F(ButtonPictureTest, WhiteBackgroundBecomesTheMask) {
    const std::vector<COLORREF> pixels = ButtonPixels(kWhite, RGB(0, 128, 0));
    PicturePtr picture = BitmapPicture(PaintedBitmap(16, 12, pixels));
    ASSERT_TRUE(picture);
    PutText("before");

    ASSERT_EQ(CopyFaceToClipboard(picture.get(), kWhite), S_OK);

    const std::optional<std::string> dib = ClipboardBlock(CF_DIB);
    ASSERT_TRUE(dib) << "no CF_DIB picture";
    EXPECT_EQ(DibPixels(*dib), pixels) << "the CF_DIB block does not hold the picture";
    const std::optional<std::string> face = ClipboardBlock(kFace);
    ASSERT_TRUE(face) << "no face";
    EXPECT_TRUE(*face == *dib) << "the face is not a byte copy of CF_DIB (" << face->size() << " against "
                               << dib->size() << " bytes)";
    ExpectMask(16, 12, pixels, kWhite);
    EXPECT_FALSE(HasFormat(CF_TEXT)) << "the clipboard was not emptied first";
}

TEST_F(ButtonPictureTest, SystemColourIsTranslatedFirst) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    ASSERT_NE(face, kWhite) << "the case needs a button face colour other than white";
    const std::vector<COLORREF> pixels = ButtonPixels(face, kWhite);
    PicturePtr picture = BitmapPicture(PaintedBitmap(16, 12, pixels));
    ASSERT_TRUE(picture);

    ASSERT_EQ(CopyFaceToClipboard(picture.get(), 0x80000000 | COLOR_BTNFACE), S_OK);
    ExpectMask(16, 12, pixels, face);
}

TEST_F(ButtonPictureTest, OwnPaletteIsUsedAndKept) {
    HPALETTE palette = MakePalette({kWhite, RGB(255, 0, 0)});
    ASSERT_NE(palette, nullptr);
    const std::vector<COLORREF> pixels = ButtonPixels(kWhite, RGB(255, 0, 0));
    PicturePtr picture = BitmapPicture(PaintedBitmap(16, 12, pixels), palette);
    ASSERT_TRUE(picture);

    ASSERT_EQ(CopyFaceToClipboard(picture.get(), kWhite), S_OK);
    ExpectMask(16, 12, pixels, kWhite);
    EXPECT_EQ(GetObjectType(palette), static_cast<DWORD>(OBJ_PAL)) << "the picture's own palette was deleted";
}

// A picture loaded from a 256-colour file is a DIB section with its own
// colour table; the mask colour is then matched through the palette.
TEST_F(ButtonPictureTest, EightBitPictureWithItsPalette) {
    const std::vector<COLORREF> table = {kWhite, RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 128, 0)};
    struct { BITMAPINFOHEADER header; RGBQUAD colours[256]; } info{};
    info.header.biSize = sizeof(info.header);
    info.header.biWidth = 16;
    info.header.biHeight = -12;  // top row first
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biClrUsed = 4;
    for (int i = 0; i < 4; ++i) {
        info.colours[i] = RGBQUAD{GetBValue(table[i]), GetGValue(table[i]), GetRValue(table[i]), 0};
    }
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 16; ++x) {
            const int index = (x * 3 + y * 5) % 7 % 4;
            static_cast<unsigned char*>(bits)[y * 16 + x] = static_cast<unsigned char>(index);
            pixels.push_back(table[index]);
        }
    }
    PicturePtr picture = BitmapPicture(bitmap, MakePalette(table));
    ASSERT_TRUE(picture);

    ASSERT_EQ(CopyFaceToClipboard(picture.get(), kWhite), S_OK);
    ExpectMask(16, 12, pixels, kWhite);
    const std::optional<std::string> dib = ClipboardBlock(CF_DIB);
    ASSERT_TRUE(dib);
    EXPECT_EQ(HeaderOf(*dib).biBitCount, 8);
    EXPECT_TRUE(ClipboardBlock(kFace) == dib);
}

TEST_F(ButtonPictureTest, TwoCallsLeaveTheSameFormats) {
    const std::vector<COLORREF> pixels = ButtonPixels(kWhite, RGB(0, 0, 0));
    PicturePtr picture = BitmapPicture(PaintedBitmap(16, 12, pixels));
    ASSERT_TRUE(picture);

    ASSERT_EQ(CopyFaceToClipboard(picture.get(), kWhite), S_OK);
    const std::vector<UINT> first = ClipboardFormats();
    const std::optional<std::string> firstMask = ClipboardBlock(kMask);
    ASSERT_EQ(CopyFaceToClipboard(picture.get(), kWhite), S_OK);

    EXPECT_EQ(ClipboardFormats(), first);
    for (UINT format : {static_cast<UINT>(CF_DIB), kFace, kMask}) {
        EXPECT_TRUE(HasFormat(format)) << "format " << format << " missing after the second call";
    }
    EXPECT_EQ(ClipboardBlock(kMask), firstMask);
    EXPECT_EQ(ClipboardBlock(kFace), ClipboardBlock(CF_DIB));
}

struct SizeCase {
    int width, height;
    bool masked;
};

TEST_F(ButtonPictureTest, MaskOnlyForSidesOfOneTo30000Pixels) {
    const SizeCase cases[] = {{1, 1, true}, {30000, 1, true}, {1, 30000, true}, {30001, 1, false}, {1, 30001, false}};
    for (const SizeCase& c : cases) {
        // A masked picture first, so a face or mask left over would show.
        PicturePtr small = BitmapPicture(PaintedBitmap(16, 12, ButtonPixels(kWhite, kWhite)));
        ASSERT_EQ(CopyFaceToClipboard(small.get(), kWhite), S_OK);

        WindowDC screen;
        HBITMAP bitmap = CreateCompatibleBitmap(screen.get(), c.width, c.height);
        ASSERT_NE(bitmap, nullptr);
        PicturePtr picture = BitmapPicture(bitmap);
        ASSERT_TRUE(picture);
        EXPECT_EQ(CopyFaceToClipboard(picture.get(), RGB(0, 0, 0)), S_OK) << c.width << " x " << c.height;
        const std::optional<std::string> dib = ClipboardBlock(CF_DIB);
        ASSERT_TRUE(dib) << c.width << " x " << c.height;
        EXPECT_EQ(HeaderOf(*dib).biWidth, c.width);
        EXPECT_EQ(HeaderOf(*dib).biHeight, c.height);
        EXPECT_EQ(HasFormat(kFace), c.masked) << c.width << " x " << c.height;
        EXPECT_EQ(HasFormat(kMask), c.masked) << c.width << " x " << c.height;
        if (c.masked) {
            // A new bitmap is black all over, which is the mask colour here.
            const std::vector<COLORREF> black(static_cast<size_t>(c.width) * c.height, RGB(0, 0, 0));
            ExpectMask(c.width, c.height, black, RGB(0, 0, 0));
        }
    }
}

HENHMETAFILE SmallMetafile() {
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    Rectangle(dc, 0, 0, 10, 10);
    return CloseEnhMetaFile(dc);
}

TEST_F(ButtonPictureTest, InvalidPicturesLeaveTheClipboardAlone) {
    PICTDESC none{};
    none.picType = PICTYPE_NONE;
    PICTDESC icon{};
    icon.picType = PICTYPE_ICON;
    icon.icon.hicon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    PICTDESC metafile{};
    metafile.picType = PICTYPE_ENHMETAFILE;
    metafile.emf.hemf = SmallMetafile();
    PICTDESC nullBitmap{};
    nullBitmap.picType = PICTYPE_BITMAP;
    PICTDESC notABitmap{};
    notABitmap.picType = PICTYPE_BITMAP;
    notABitmap.bmp.hbitmap = reinterpret_cast<HBITMAP>(CreateSolidBrush(kWhite));

    struct Case { const char* name; PicturePtr picture; };
    Case cases[] = {
        {"missing", nullptr},
        {"empty", CreatePicture(none, TRUE)},
        {"icon", CreatePicture(icon, FALSE)},
        {"metafile", CreatePicture(metafile, TRUE)},
        {"bitmap without handle", CreatePicture(nullBitmap, FALSE)},
        {"brush as bitmap", CreatePicture(notABitmap, FALSE)},
    };
    for (const Case& c : cases) {
        if (std::strcmp(c.name, "missing") != 0) {
            ASSERT_TRUE(c.picture) << c.name << ": the picture object was not made";
        }
        PutText("before");
        const DWORD sequence = GetClipboardSequenceNumber();

        EXPECT_EQ(CopyFaceToClipboard(c.picture.get(), kWhite), static_cast<HRESULT>(0x800A01E1)) << c.name;

        EXPECT_EQ(GetClipboardSequenceNumber(), sequence) << c.name << ": the clipboard was touched";
        EXPECT_EQ(ClipboardBlock(CF_TEXT), std::optional<std::string>(std::string("before\0", 7))) << c.name;
        EXPECT_FALSE(HasFormat(CF_DIB)) << c.name;
        EXPECT_FALSE(HasFormat(kFace)) << c.name;
        EXPECT_FALSE(HasFormat(kMask)) << c.name;
    }
    DeleteObject(notABitmap.bmp.hbitmap);
}

TEST_F(ButtonPictureTest, UntranslatableMaskColourIsReported) {
    PicturePtr picture = BitmapPicture(PaintedBitmap(16, 12, ButtonPixels(kWhite, kWhite)));
    ASSERT_TRUE(picture);
    for (OLE_COLOR colour : {static_cast<OLE_COLOR>(0x80000000 | 200), static_cast<OLE_COLOR>(0x04FFFFFF)}) {
        PutText("before");
        const DWORD sequence = GetClipboardSequenceNumber();
        EXPECT_EQ(CopyFaceToClipboard(picture.get(), colour), E_INVALIDARG) << std::hex << colour;
        EXPECT_EQ(GetClipboardSequenceNumber(), sequence) << std::hex << colour << ": the clipboard was touched";
    }
}

TEST_F(ButtonPictureTest, BusyClipboardIsReported) {
    PicturePtr picture = BitmapPicture(PaintedBitmap(16, 12, ButtonPixels(kWhite, kWhite)));
    ASSERT_TRUE(picture);
    HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        // Opened for a window of another thread: then nobody else can open it.
        HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        {
            ClipboardSession clipboard(window);
            SetEvent(opened);
            WaitForSingleObject(done, 30000);
        }
        DestroyWindow(window);
    });
    WaitForSingleObject(opened, 30000);
    EXPECT_EQ(CopyFaceToClipboard(picture.get(), kWhite), CLIPBRD_E_CANT_OPEN);
    SetEvent(done);
    holder.join();
    CloseHandle(opened);
    CloseHandle(done);
}

TEST_F(ButtonPictureTest, ReleasesEveryGdiObjectOnEveryPath) {
    WindowDC screen;
    PicturePtr plain = BitmapPicture(PaintedBitmap(16, 12, ButtonPixels(kWhite, kWhite)));
    PicturePtr withPalette =
        BitmapPicture(PaintedBitmap(16, 12, ButtonPixels(kWhite, kWhite)), MakePalette({kWhite}));
    PicturePtr tooWide = BitmapPicture(CreateCompatibleBitmap(screen.get(), 30001, 1));
    PICTDESC none{};
    none.picType = PICTYPE_NONE;
    PicturePtr empty = CreatePicture(none, TRUE);
    ASSERT_TRUE(plain && withPalette && tooWide && empty);
    IPicture* pictures[] = {plain.get(), withPalette.get(), tooWide.get(), empty.get()};

    for (IPicture* picture : pictures) CopyFaceToClipboard(picture, kWhite);  // first-use allocations
    const long before = testenv::GdiObjectCount();
    ASSERT_GT(before, 0) << "the GDI object count cannot be read";
    for (int round = 0; round < 25; ++round) {
        for (IPicture* picture : pictures) CopyFaceToClipboard(picture, kWhite);
    }
    EXPECT_EQ(testenv::GdiObjectCount(), before);
}

}  // namespace
