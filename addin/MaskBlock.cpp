#include "MaskBlock.h"

#include <algorithm>

#include "DibLayout.h"

bool MaskSizeAllowed(long width, long height) {
    return width >= kMaskSideMin && width <= kMaskSideMax && height >= kMaskSideMin && height <= kMaskSideMax;
}

bool MaskFormatUsable(std::uint32_t bitCount, std::uint32_t sizeImage) {
    return bitCount == 1 && sizeImage >= 1;
}

std::vector<std::uint8_t> MaskBlock(const std::uint8_t* info, const std::uint8_t* rows, std::size_t sizeImage) {
    std::vector<std::uint8_t> block(sizeImage + kMaskBlockExtra, 0);
    std::copy(info, info + kMaskInfoSize, block.begin());
    std::copy(rows, rows + sizeImage, block.begin() + kMaskInfoSize);
    return block;
}

std::vector<std::uint8_t> MaskRows(std::uint32_t width, std::uint32_t height,
                                   const std::vector<std::uint32_t>& pixels, std::uint32_t maskColour) {
    const std::uint64_t stride = DibStride(width, 1);
    std::vector<std::uint8_t> rows(DibImageSize(width, height, 1), 0);
    if (pixels.size() < static_cast<std::uint64_t>(width) * height) return rows;
    for (std::uint32_t y = 0; y < height; ++y) {
        std::uint8_t* row = rows.data() + (height - 1 - y) * stride;
        for (std::uint32_t x = 0; x < width; ++x) {
            if ((pixels[static_cast<std::size_t>(y) * width + x] & 0xFFFFFF) == (maskColour & 0xFFFFFF)) {
                row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    return rows;
}
