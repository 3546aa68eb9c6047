#include "modImage.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "DibLayout.h"
#include "MaskBlock.h"
#include "win/ClipboardSession.h"
#include "win/LockedGlobal.h"
#include "win/SelectedObject.h"
#include "win/SelectedPalette.h"
#include "win/UniqueDC.h"
#include "win/UniqueGdiObject.h"
#include "win/UniqueGlobal.h"
#include "win/WindowDC.h"

static_assert(sizeof(void*) != 4 || sizeof(BITMAP) == 24, "32-bit bitmap record");
static_assert(sizeof(BITMAPINFOHEADER) == kDibHeaderSize, "DIB header");
static_assert(kMaskInfoSize == sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD), "mask header and colours");

namespace {

constexpr short kPictureTypeBitmap = 1;  // PICTYPE_BITMAP
constexpr UINT kShareableBlock = GMEM_MOVEABLE | GMEM_DDESHARE;

// OLE handles are 32 bits wide; GDI handles are sign-extended from them.
template <typename T>
T FromOleHandle(OLE_HANDLE handle) {
    return static_cast<T>(LongToHandle(static_cast<LONG>(handle)));
}

bool ReadBitmapPicture(IPicture* picture, HBITMAP* bitmap, HPALETTE* palette) {
    if (!picture) return false;
    SHORT type = 0;
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Type(&type)) || type != kPictureTypeBitmap) return false;
    if (FAILED(picture->get_Handle(&handle)) || handle == 0) return false;
    OLE_HANDLE paletteHandle = 0;
    if (FAILED(picture->get_hPal(&paletteHandle))) paletteHandle = 0;
    *bitmap = FromOleHandle<HBITMAP>(handle);
    *palette = FromOleHandle<HPALETTE>(paletteHandle);
    return GetObjectType(*bitmap) == OBJ_BITMAP;
}

// A new shareable block holding size bytes from data.
UniqueGlobal ShareableCopy(const void* data, size_t size) {
    UniqueGlobal block(GlobalAlloc(kShareableBlock, size));
    if (!block) return block;
    LockedGlobal target(block.get());
    if (!target) return UniqueGlobal();
    std::memcpy(target.data(), data, size);
    return block;
}

// The clipboard owns a block it takes; one it refuses is freed here.
void HandToClipboard(UINT format, UniqueGlobal block) {
    if (block && SetClipboardData(format, block.get())) block.release();
}

// The bitmap as a packed DIB of its own depth, colours through palette.
UniqueGlobal PackedDib(HBITMAP bitmap, HPALETTE palette, HDC dc) {
    BITMAP record{};
    if (!GetObjectA(bitmap, sizeof(record), &record) || record.bmWidth < 1 || record.bmHeight < 1) {
        return UniqueGlobal();
    }
    const auto width = static_cast<std::uint32_t>(record.bmWidth);
    const auto height = static_cast<std::uint32_t>(record.bmHeight);
    const std::uint32_t bitCount = DibBitCountFor(static_cast<std::uint32_t>(record.bmPlanes) * record.bmBitsPixel);
    const std::uint64_t size = PackedDibSize(width, height, bitCount);
    if (size > 0x7FFFFFFF) return UniqueGlobal();

    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(size)));
    if (!block) return block;
    LockedGlobal dib(block.get());
    if (!dib) return UniqueGlobal();
    auto* info = reinterpret_cast<BITMAPINFO*>(dib.data());
    info->bmiHeader = BITMAPINFOHEADER{};
    info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info->bmiHeader.biWidth = record.bmWidth;
    info->bmiHeader.biHeight = record.bmHeight;
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = static_cast<WORD>(bitCount);
    info->bmiHeader.biCompression = BI_RGB;
    info->bmiHeader.biSizeImage = static_cast<DWORD>(DibImageSize(width, height, bitCount));
    unsigned char* bits = dib.data() + kDibHeaderSize + DibColourCount(bitCount) * kDibColourEntrySize;

    SelectedPalette selected(dc, palette, TRUE);
    RealizePalette(dc);
    if (GetDIBits(dc, bitmap, 0, height, bits, info, DIB_RGB_COLORS) != static_cast<int>(height)) {
        return UniqueGlobal();
    }
    return block;
}

// The picture alone on the clipboard, as CF_DIB.
HRESULT PlacePicture(HBITMAP bitmap, HPALETTE palette, HDC dc) {
    UniqueGlobal dib = PackedDib(bitmap, palette, dc);
    if (!dib) return E_OUTOFMEMORY;
    ClipboardSession clipboard;
    if (!clipboard.opened()) return CLIPBRD_E_CANT_OPEN;
    if (!EmptyClipboard()) return CLIPBRD_E_CANT_EMPTY;
    if (!SetClipboardData(CF_DIB, dib.get())) return CLIPBRD_E_CANT_SET;
    dib.release();
    return S_OK;
}

void AddFace(UINT faceFormat) {
    HANDLE dib = GetClipboardData(CF_DIB);
    if (!dib) return;
    UniqueGlobal face;
    {
        LockedGlobal source(dib);
        if (!source) return;
        face = ShareableCopy(source.data(), source.size());
    }
    HandToClipboard(faceFormat, std::move(face));
}

void AddMask(UINT maskFormat, HBITMAP mask, HDC dc, unsigned char* info, std::vector<unsigned char>& rows,
             DWORD sizeImage, UINT height) {
    if (GetDIBits(dc, mask, 0, height, rows.data(), reinterpret_cast<BITMAPINFO*>(info), DIB_RGB_COLORS) == 0) return;
    const std::vector<std::uint8_t> block = MaskBlock(info, rows.data(), sizeImage);
    HandToClipboard(maskFormat, ShareableCopy(block.data(), block.size()));
}

}  // namespace

void CreateMaskBitmap(HBITMAP bitmap, COLORREF colour, HDC dc, HPALETTE palette, HBITMAP* mask) {
    *mask = nullptr;
    BITMAP record{};
    if (!GetObjectA(bitmap, sizeof(record), &record)) return;
    if (!MaskSizeAllowed(record.bmWidth, record.bmHeight)) return;

    UniqueDC source(CreateCompatibleDC(dc));
    if (!source) return;
    SelectedPalette sourcePalette(source.get(), palette, TRUE);
    RealizePalette(source.get());
    SelectedObject sourceBitmap(source.get(), bitmap);
    if (!sourceBitmap) return;

    UniqueGdiObject<HBITMAP> made(CreateBitmap(record.bmWidth, record.bmHeight, 1, 1, nullptr));
    if (!made) return;
    UniqueDC target(CreateCompatibleDC(dc));
    if (!target) return;
    {
        SelectedObject targetBitmap(target.get(), made.get());
        if (!targetBitmap) return;
        // Colour to monochrome: pixels of the background colour become 1.
        SetBkColor(source.get(), colour);
        SetTextColor(source.get(), RGB(255, 255, 255));
        if (!BitBlt(target.get(), 0, 0, record.bmWidth, record.bmHeight, source.get(), 0, 0, SRCCOPY)) return;
    }
    *mask = made.release();
}

void AddButtonFormats(HBITMAP mask, HDC dc) {
    if (!mask) return;
    // Header and the two colour entries GetDIBits writes behind it.
    alignas(BITMAPINFO) unsigned char info[kMaskInfoBufferSize] = {};
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info);
    header->biSize = sizeof(BITMAPINFOHEADER);
    if (!GetDIBits(dc, mask, 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(info), DIB_RGB_COLORS)) return;
    if (!MaskFormatUsable(header->biBitCount, header->biSizeImage)) return;
    const DWORD sizeImage = header->biSizeImage;
    const UINT height = static_cast<UINT>(std::abs(header->biHeight));
    const std::uint64_t rowsNeeded = DibImageSize(static_cast<std::uint32_t>(std::abs(header->biWidth)), height, 1);

    try {
        std::vector<unsigned char> rows(static_cast<size_t>(std::max<std::uint64_t>(sizeImage, rowsNeeded)) + 4);

        ClipboardSession clipboard;
        if (!clipboard.opened()) return;
        const UINT faceFormat = RegisterClipboardFormatA(kButtonFaceFormat);
        const UINT maskFormat = RegisterClipboardFormatA(kButtonMaskFormat);
        if (faceFormat) AddFace(faceFormat);
        if (maskFormat) AddMask(maskFormat, mask, dc, info, rows, sizeImage, height);
    } catch (const std::bad_alloc&) {
        // No room for the rows or the block: that format is skipped.
    }
}

HRESULT CopyFaceToClipboard(IPicture* picture, OLE_COLOR maskColour) {
    HBITMAP bitmap = nullptr;
    HPALETTE palette = nullptr;
    if (!ReadBitmapPicture(picture, &bitmap, &palette)) return CTL_E_INVALIDPICTURE;

    WindowDC screen;
    if (!screen) return E_FAIL;
    UniqueGdiObject<HPALETTE> halftone;
    if (!palette) {
        halftone.reset(CreateHalftonePalette(screen.get()));
        palette = halftone.get();
    }
    COLORREF maskRgb = 0;
    const HRESULT translated = OleTranslateColor(maskColour, palette, &maskRgb);
    if (FAILED(translated)) return translated;

    UniqueGdiObject<HBITMAP> mask;
    {
        HBITMAP made = nullptr;
        CreateMaskBitmap(bitmap, maskRgb, screen.get(), palette, &made);
        mask.reset(made);
    }
    const HRESULT placed = PlacePicture(bitmap, palette, screen.get());
    if (FAILED(placed)) return placed;
    AddButtonFormats(mask.get(), screen.get());
    return S_OK;
}
