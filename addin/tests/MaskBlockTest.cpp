#include "MaskBlock.h"

#include <gtest/gtest.h>

#include <numeric>

#include "DibLayout.h"

namespace {

TEST(DibLayoutTest, RowsArePaddedToFourBytes) {
    struct Case { std::uint32_t width, bitCount; std::uint64_t stride; };
    const Case cases[] = {
        {1, 1, 4}, {32, 1, 4}, {33, 1, 8}, {30000, 1, 3752},
        {1, 8, 4}, {5, 8, 8}, {1, 24, 4}, {3, 24, 12}, {5, 24, 16}, {3, 32, 12}, {3, 16, 8}, {9, 4, 8},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DibStride(c.width, c.bitCount), c.stride) << c.width << " pixels of " << c.bitCount << " bits";
    }
    EXPECT_EQ(DibImageSize(16, 16, 1), 64u);
    EXPECT_EQ(DibImageSize(30000, 30000, 32), 3600000000u) << "no 32-bit overflow";
}

TEST(DibLayoutTest, DepthsAndColourTables) {
    struct Case { std::uint32_t bitsPerPixel, bitCount, colours; };
    const Case cases[] = {
        {1, 1, 2}, {2, 4, 16}, {4, 4, 16}, {8, 8, 256}, {15, 16, 0}, {16, 16, 0}, {24, 24, 0}, {32, 32, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DibBitCountFor(c.bitsPerPixel), c.bitCount) << c.bitsPerPixel << " bits per pixel";
        EXPECT_EQ(DibColourCount(DibBitCountFor(c.bitsPerPixel)), c.colours) << c.bitsPerPixel << " bits per pixel";
    }
    EXPECT_EQ(PackedDibSize(2, 2, 8), 40u + 1024u + 8u);
    EXPECT_EQ(PackedDibSize(2, 2, 32), 40u + 16u);
}

TEST(MaskBlockTest, SizeLimits) {
    struct Case { long width, height; bool allowed; };
    const Case cases[] = {
        {1, 1, true}, {16, 16, true}, {30000, 30000, true}, {30000, 1, true},
        {0, 16, false}, {16, 0, false}, {30001, 1, false}, {1, 30001, false}, {-16, 16, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MaskSizeAllowed(c.width, c.height), c.allowed) << c.width << " x " << c.height;
    }
}

TEST(MaskBlockTest, OnlyOneBitFormatsWithRowsAreTaken) {
    EXPECT_TRUE(MaskFormatUsable(1, 64));
    EXPECT_FALSE(MaskFormatUsable(1, 0));
    EXPECT_FALSE(MaskFormatUsable(0, 64)) << "no mask: the format query found nothing";
    EXPECT_FALSE(MaskFormatUsable(8, 64));
}

TEST(MaskBlockTest, HeaderColoursRowsThenTwoSpareBytes) {
    std::vector<std::uint8_t> info(kMaskInfoBufferSize);
    std::iota(info.begin(), info.end(), 1);  // bytes 48..50 of the buffer must stay out
    const std::vector<std::uint8_t> rows = {0xA0, 0xB0, 0xC0, 0xD0, 0xE0, 0xF0, 0x11, 0x22};

    const std::vector<std::uint8_t> block = MaskBlock(info.data(), rows.data(), rows.size());

    ASSERT_EQ(block.size(), rows.size() + 50);
    EXPECT_EQ(std::vector<std::uint8_t>(block.begin(), block.begin() + 48),
              std::vector<std::uint8_t>(info.begin(), info.begin() + 48));
    EXPECT_EQ(std::vector<std::uint8_t>(block.begin() + 48, block.begin() + 56), rows);
    EXPECT_EQ(block[56], 0);
    EXPECT_EQ(block[57], 0);
}

TEST(MaskBlockTest, RowsMarkTheMaskColourBottomUp) {
    constexpr std::uint32_t W = 0xFFFFFF, R = 0x0000FF, N = 0xFEFFFF;  // white, red, nearly white
    // 10 x 3, top row first.
    const std::vector<std::uint32_t> pixels = {
        W, W, W, W, W, W, W, W, W, W,
        W, R, R, W, N, W, W, W, W, R,
        R, R, R, R, R, R, R, R, W, W,
    };
    const std::vector<std::uint8_t> rows = MaskRows(10, 3, pixels, 0x00FFFFFF);
    const std::vector<std::uint8_t> expected = {
        0x00, 0xC0, 0, 0,  // bottom row: x 8 and 9 white
        0x97, 0x80, 0, 0,  // middle row: 1001 0111 10
        0xFF, 0xC0, 0, 0,  // top row: all white
    };
    EXPECT_EQ(rows, expected);
}

TEST(MaskBlockTest, RowsCompareColourOnlyNotTheHighByte) {
    const std::vector<std::uint32_t> pixels = {0x00C0C0C0, 0xFFC0C0C0, 0x00C0C0C1};
    EXPECT_EQ(MaskRows(3, 1, pixels, 0x00C0C0C0), (std::vector<std::uint8_t>{0xC0, 0, 0, 0}));
}

}  // namespace
