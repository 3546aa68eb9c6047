// Checks the generated pictures as files: the ids and sizes the dialog expects,
// plain 24-bit bitmaps, hover pictures that differ visibly from the normal ones,
// buttons that sit seamlessly on the background, and the two-size window icon.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "PictureSizes.h"

namespace {

const std::string kDir = INKVALE_CONVERTER_PICTURES_DIR;

std::vector<unsigned char> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t U16(const std::vector<unsigned char>& b, size_t at) {
    return b[at] | b[at + 1] << 8;
}

uint32_t U32(const std::vector<unsigned char>& b, size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

int32_t I32(const std::vector<unsigned char>& b, size_t at) {
    return static_cast<int32_t>(U32(b, at));
}

struct Rgb {
    unsigned char r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

std::ostream& operator<<(std::ostream& os, const Rgb& c) {
    return os << '(' << int(c.r) << ',' << int(c.g) << ',' << int(c.b) << ')';
}

// A BMP file read back; `error` says what is wrong with it, empty when it is a
// plain bottom-up 24-bit BITMAPINFOHEADER bitmap.
struct Bitmap {
    std::string error;
    int width = 0, height = 0;
    std::vector<unsigned char> file;

    Rgb At(int x, int y) const {  // y from the top
        size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t(3);
        size_t at = 54 + (height - 1 - y) * stride + x * 3;
        return {file[at + 2], file[at + 1], file[at]};
    }
};

Bitmap LoadBitmapFile(int id) {
    Bitmap bmp;
    bmp.file = ReadAll(kDir + "/bitmap_" + std::to_string(id) + ".bmp");
    const auto& f = bmp.file;
    if (f.size() < 54) {
        bmp.error = "missing or shorter than its headers";
        return bmp;
    }
    bmp.width = I32(f, 18);
    bmp.height = I32(f, 22);
    size_t stride = (static_cast<size_t>(bmp.width > 0 ? bmp.width : 0) * 3 + 3) & ~size_t(3);
    if (f[0] != 'B' || f[1] != 'M') bmp.error = "no BM signature";
    else if (U32(f, 2) != f.size()) bmp.error = "file size field " + std::to_string(U32(f, 2));
    else if (U32(f, 10) != 54) bmp.error = "pixels not right after the headers";
    else if (U32(f, 14) != 40) bmp.error = "header size " + std::to_string(U32(f, 14)) + ", not BITMAPINFOHEADER";
    else if (bmp.width <= 0 || bmp.height <= 0) bmp.error = "not a bottom-up bitmap";
    else if (U16(f, 26) != 1) bmp.error = "planes " + std::to_string(U16(f, 26));
    else if (U16(f, 28) != 24) bmp.error = std::to_string(U16(f, 28)) + " bits per pixel";
    else if (U32(f, 30) != 0) bmp.error = "compressed";
    else if (U32(f, 46) != 0) bmp.error = "has a colour table";
    else if (f.size() != 54 + stride * bmp.height) bmp.error = "pixel data of the wrong length";
    return bmp;
}

TEST(Pictures, EveryBitmapIsPlain24BitAtItsSize) {
    for (const PictureSize& s : kPictureSizes) {
        Bitmap bmp = LoadBitmapFile(s.id);
        EXPECT_EQ(bmp.error, "") << "bitmap " << s.id;
        if (!bmp.error.empty()) continue;
        EXPECT_EQ(bmp.width, s.width) << "bitmap " << s.id;
        EXPECT_EQ(bmp.height, s.height) << "bitmap " << s.id;
    }
}

struct Place {
    const char* button;
    int normal, hover;
    int x, y;  // the button's top left in dialog units
};

// Where the template puts each picture: 424x255 dialog units over the 639x417 background.
const Place kButtons[] = {
    {"Browse", 131, 133, 336, 69},   {"Create", 134, 136, 35, 193},
    {"Exit", 137, 130, 336, 193},    {"Online Support", 143, 145, 293, 0},
    {"Help", 140, 142, 368, 0},      {"Other Products", 146, 148, 102, 0},
    {"Website", 154, 149, 236, 0},   {"Buy Now", 151, 153, 171, 0},
};

TEST(Pictures, HoverDiffersVisiblyFromNormal) {
    for (const Place& p : kButtons) {
        Bitmap normal = LoadBitmapFile(p.normal), hover = LoadBitmapFile(p.hover);
        ASSERT_EQ(normal.error + hover.error, "") << p.button;
        ASSERT_EQ(normal.width * normal.height, hover.width * hover.height) << p.button;
        int changed = 0;
        for (int y = 0; y < normal.height; ++y)
            for (int x = 0; x < normal.width; ++x) changed += !(normal.At(x, y) == hover.At(x, y));
        // More than a stray pixel or two: a tenth of the picture changes.
        EXPECT_GT(changed * 10, normal.width * normal.height) << p.button << ": " << changed << " pixels change";
    }
}

TEST(Pictures, ButtonsAndBulletsMeetTheBackgroundSeamlessly) {
    Bitmap back = LoadBitmapFile(156);
    ASSERT_EQ(back.error, "");
    auto behind = [&](int duX, int duY, int dx, int dy) {
        return back.At(duX * 639 / 424 + dx, duY * 417 / 255 + dy);
    };
    for (const Place& p : kButtons) {
        for (int id : {p.normal, p.hover}) {
            Bitmap b = LoadBitmapFile(id);
            ASSERT_EQ(b.error, "") << id;
            // The corners are ground, not button face.
            EXPECT_EQ(b.At(0, 0), behind(p.x, p.y, 0, 0)) << p.button << " " << id << " top left";
            EXPECT_EQ(b.At(b.width - 1, b.height - 1), behind(p.x, p.y, b.width - 1, b.height - 1))
                << p.button << " " << id << " bottom right";
        }
    }
    Bitmap bullet = LoadBitmapFile(157);
    ASSERT_EQ(bullet.error, "");
    for (int duY : {42, 70}) {
        EXPECT_EQ(bullet.At(0, 0), behind(13, duY, 0, 0)) << "bullet at " << duY;
        EXPECT_EQ(bullet.At(25, 25), behind(13, duY, 25, 25)) << "bullet at " << duY;
    }
}

TEST(Pictures, IconHoldsBothSizes) {
    std::vector<unsigned char> f = ReadAll(kDir + "/icon_128.ico");
    ASSERT_GE(f.size(), 6u) << "icon_128.ico missing";
    EXPECT_EQ(U16(f, 0), 0u);
    EXPECT_EQ(U16(f, 2), 1u) << "not an icon file";
    ASSERT_EQ(U16(f, 4), 2u) << "image count";
    ASSERT_GE(f.size(), 6u + 2 * 16);
    const int sizes[] = {32, 16};
    for (int i = 0; i < 2; ++i) {
        size_t entry = 6 + 16 * i;
        int side = sizes[i];
        EXPECT_EQ(f[entry], side) << "entry " << i << " width";
        EXPECT_EQ(f[entry + 1], side) << "entry " << i << " height";
        uint32_t bytes = U32(f, entry + 8), offset = U32(f, entry + 12);
        ASSERT_LE(uint64_t(offset) + bytes, f.size()) << "entry " << i << " runs past the file";
        ASSERT_GE(bytes, 40u);
        // Colour rows with alpha, then the 1-bit mask, both bottom-up under a doubled height.
        uint32_t bits = U16(f, offset + 14);
        size_t colour = size_t(side) * side * bits / 8, mask = size_t((side + 31) / 32 * 4) * side;
        EXPECT_EQ(U32(f, offset), 40u) << "entry " << i;
        EXPECT_EQ(I32(f, offset + 4), side) << "entry " << i;
        EXPECT_EQ(I32(f, offset + 8), 2 * side) << "entry " << i;
        EXPECT_EQ(bits, U16(f, entry + 6)) << "entry " << i;
        EXPECT_EQ(bytes, 40 + colour + mask) << "entry " << i;
    }
}

}  // namespace
