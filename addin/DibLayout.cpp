#include "DibLayout.h"

#include <initializer_list>

std::uint32_t DibBitCountFor(std::uint32_t bitsPerPixel) {
    for (std::uint32_t depth : {1u, 4u, 8u, 16u, 24u}) {
        if (bitsPerPixel <= depth) return depth;
    }
    return 32;
}

std::uint32_t DibColourCount(std::uint32_t bitCount) {
    return bitCount <= 8 ? 1u << bitCount : 0;
}

std::uint64_t DibStride(std::uint32_t width, std::uint32_t bitCount) {
    return (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
}

std::uint64_t DibImageSize(std::uint32_t width, std::uint32_t height, std::uint32_t bitCount) {
    return DibStride(width, bitCount) * height;
}

std::uint64_t PackedDibSize(std::uint32_t width, std::uint32_t height, std::uint32_t bitCount) {
    return kDibHeaderSize + static_cast<std::uint64_t>(DibColourCount(bitCount)) * kDibColourEntrySize +
           DibImageSize(width, height, bitCount);
}
