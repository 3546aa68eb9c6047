// The pictures embedded by windres and loaded back through the real loader
// under Wine: the bitmaps as the hover buttons load them (LR_LOADMAP3DCOLORS,
// device-dependent) and as DIB sections, the icon at both of its sizes.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>
#include <vector>

#include "PictureSizes.h"

namespace {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() { ReleaseDC(nullptr, dc); }
};

UniqueBitmap Load(int id, UINT flags) {
    return UniqueBitmap(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, flags)));
}

BITMAP Describe(HBITMAP bitmap) {
    BITMAP bm = {};
    GetObjectA(bitmap, sizeof bm, &bm);
    return bm;
}

// The pixels as 32-bit top-down rows, whatever the bitmap's own format.
std::vector<DWORD> Pixels(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    ScreenDc screen;
    if (GetDIBits(screen.dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS) != height) pixels.clear();
    for (DWORD& p : pixels) p &= 0xFFFFFF;
    return pixels;
}

TEST(PicturesLoad, BitmapsLoadAtTheirSizeWithTheirOwnColours) {
    for (const PictureSize& s : kPictureSizes) {
        UniqueBitmap asButton = Load(s.id, LR_LOADMAP3DCOLORS);
        ASSERT_TRUE(asButton) << "bitmap " << s.id << ": LoadImageA failed, error " << GetLastError();
        BITMAP bm = Describe(asButton.get());
        EXPECT_EQ(bm.bmWidth, s.width) << "bitmap " << s.id;
        EXPECT_EQ(bm.bmHeight, s.height) << "bitmap " << s.id;

        UniqueBitmap asDib = Load(s.id, LR_CREATEDIBSECTION);
        ASSERT_TRUE(asDib) << "bitmap " << s.id;
        EXPECT_EQ(Describe(asDib.get()).bmBitsPixel, 24) << "bitmap " << s.id;

        // On a true-colour screen the button's copy keeps every colour of the file.
        std::vector<DWORD> drawn = Pixels(asButton.get(), s.width, s.height);
        std::vector<DWORD> file = Pixels(asDib.get(), s.width, s.height);
        ASSERT_FALSE(file.empty()) << "bitmap " << s.id;
        EXPECT_TRUE(drawn == file) << "bitmap " << s.id << " changes colour as the buttons load it";
    }
}

TEST(PicturesLoad, IconLoadsAtBothSizes) {
    for (int side : {32, 16}) {
        UniqueIcon icon(static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(128), IMAGE_ICON, side, side, 0)));
        ASSERT_TRUE(icon) << side << "x" << side << ": error " << GetLastError();
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info)) << side;
        UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
        ASSERT_TRUE(colour) << side << "x" << side << " has no colour image";
        BITMAP bm = Describe(colour.get());
        EXPECT_EQ(bm.bmWidth, side);
        EXPECT_EQ(bm.bmHeight, side);
    }
}

}  // namespace
