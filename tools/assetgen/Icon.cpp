#include "Canvas.h"
#include "Generators.h"

#include <cstdio>
#include <fstream>

namespace {
constexpr int kIconSize = 32;

void put16(std::ofstream &out, std::uint16_t v) { out.put(char(v & 0xff)).put(char(v >> 8)); }
void put32(std::ofstream &out, std::uint32_t v)
{
    put16(out, std::uint16_t(v & 0xffff));
    put16(out, std::uint16_t(v >> 16));
}

// The hero's head with a torch beside it.
Canvas drawHeroIcon()
{
    Canvas c(kIconSize, kIconSize, Rgba{0, 0, 0, 0});
    c.fillDisc(14, 17, 11, Rgba{20, 150, 20, 255});
    c.fillDisc(14, 17, 9.5f, Rgba{30, 210, 30, 255});
    c.fillDisc(10, 14, 2.5f, Rgba{255, 255, 255, 255});
    c.fillDisc(18, 14, 2.5f, Rgba{255, 255, 255, 255});
    c.fillDisc(10.5f, 14.5f, 1.2f, Rgba{0, 0, 0, 255});
    c.fillDisc(18.5f, 14.5f, 1.2f, Rgba{0, 0, 0, 255});
    c.fillRect(10, 21, 19, 23, Rgba{0, 0, 0, 255});
    c.fillRect(27, 12, 30, 30, Rgba{139, 90, 0, 255});
    c.fillDisc(28.5f, 8, 3.5f, Rgba{255, 165, 0, 255});
    c.fillDisc(28.5f, 9, 1.8f, Rgba{255, 240, 120, 255});
    return c;
}
} // namespace

// A Windows icon file holding one 32 x 32 image with alpha, stored as a
// bottom-up 32-bit bitmap followed by its (all clear) AND mask.
bool writeIcon(const std::string &root)
{
    const std::string path = root + "/Texturen/Hero.ico";
    std::ofstream out(path, std::ios::binary);
    if (!out) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    const Canvas icon = drawHeroIcon();
    const std::uint32_t maskRowBytes = ((kIconSize + 31) / 32) * 4;
    const std::uint32_t imageBytes = 40 + kIconSize * kIconSize * 4 + maskRowBytes * kIconSize;

    put16(out, 0); // reserved
    put16(out, 1); // type: icon
    put16(out, 1); // one image
    out.put(char(kIconSize)).put(char(kIconSize)).put(0).put(0);
    put16(out, 1);  // planes
    put16(out, 32); // bits per pixel
    put32(out, imageBytes);
    put32(out, 6 + 16);

    put32(out, 40);
    put32(out, kIconSize);
    put32(out, kIconSize * 2); // colour and mask halves
    put16(out, 1);
    put16(out, 32);
    for (int i = 0; i < 6; ++i)
        put32(out, 0);
    for (int y = kIconSize - 1; y >= 0; --y)
        for (int x = 0; x < kIconSize; ++x) {
            const Rgba &p = icon.at(x, y);
            out.put(char(p.b)).put(char(p.g)).put(char(p.r)).put(char(p.a));
        }
    for (std::uint32_t i = 0; i < maskRowBytes * kIconSize; ++i)
        out.put(0);
    return bool(out);
}
