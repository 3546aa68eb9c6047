#pragma once
// The button mask handed to Office: a one-bit bitmap of the picture's size in
// which 1 (white) marks the pixels that let the toolbar show through, packed
// as header, two colour entries and rows in a block of its own.
#include <cstddef>
#include <cstdint>
#include <vector>

constexpr const char kButtonFaceFormat[] = "Toolbar Button Face";
constexpr const char kButtonMaskFormat[] = "Toolbar Button Mask";

// Pictures outside 1 to 30000 pixels in either direction get no mask.
constexpr long kMaskSideMin = 1;
constexpr long kMaskSideMax = 30000;
bool MaskSizeAllowed(long width, long height);

// The working buffer that receives the mask's header and its colour table,
// and the part of it that goes into the block: 40 bytes of header and two
// colour entries.
constexpr std::size_t kMaskInfoBufferSize = 51;
constexpr std::size_t kMaskInfoSize = 48;

// The block is the rows' size plus 50: header, colours, rows, two spare bytes.
constexpr std::size_t kMaskBlockExtra = 50;

// The reported format is taken only when it is one bit per pixel with rows.
bool MaskFormatUsable(std::uint32_t bitCount, std::uint32_t sizeImage);

// info holds kMaskInfoSize bytes, rows sizeImage bytes; the spare bytes are zero.
std::vector<std::uint8_t> MaskBlock(const std::uint8_t* info, const std::uint8_t* rows, std::size_t sizeImage);

// The rows of the mask of a picture: pixels as 0x00BBGGRR values, top row
// first; out come the one-bit rows bottom-up, most significant bit leftmost,
// each padded to four bytes, with 1 where the pixel equals maskColour.
std::vector<std::uint8_t> MaskRows(std::uint32_t width, std::uint32_t height,
                                   const std::vector<std::uint32_t>& pixels, std::uint32_t maskColour);
