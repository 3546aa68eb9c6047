#pragma once
// Sizes of packed device-independent bitmaps: a 40-byte header, the colour
// table, then the rows bottom-up, each padded to a multiple of four bytes.
#include <cstdint>

constexpr std::uint32_t kDibHeaderSize = 40;  // BITMAPINFOHEADER
constexpr std::uint32_t kDibColourEntrySize = 4;  // RGBQUAD

// The DIB depth that holds pixels of a bitmap with this many bits per pixel
// (planes times bits): 1, 4, 8, 16, 24 or 32.
std::uint32_t DibBitCountFor(std::uint32_t bitsPerPixel);

// Colour-table entries that go with a depth: 2^n up to 8 bits, none above.
std::uint32_t DibColourCount(std::uint32_t bitCount);

std::uint64_t DibStride(std::uint32_t width, std::uint32_t bitCount);
std::uint64_t DibImageSize(std::uint32_t width, std::uint32_t height, std::uint32_t bitCount);

// Header, colour table and rows together.
std::uint64_t PackedDibSize(std::uint32_t width, std::uint32_t height, std::uint32_t bitCount);
