#include "Canvas.h"
#include "Generators.h"

#include <QImage>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {
// The window icon's side, pixels; the drawing below is laid out on it.
constexpr int kIconSize = 32;
// The sides of the desktop icons (share/icons/hicolor/NxN/apps), pixels.
constexpr int kDesktopIconSizes[] = {32, 48, 64, 128, 256};
const char *const kDesktopIconName = "torchhero";

void put16(std::ofstream &out, std::uint16_t v) { out.put(char(v & 0xff)).put(char(v >> 8)); }
void put32(std::ofstream &out, std::uint32_t v)
{
    put16(out, std::uint16_t(v & 0xffff));
    put16(out, std::uint16_t(v >> 16));
}

// The hero's head with a torch beside it, laid out on 32 x 32 pixels and
// drawn `size` pixels square (the window icon is the drawing at 32).
Canvas drawHeroIcon(int size)
{
    const float k = float(size) / kIconSize;
    const auto rect = [&](Canvas &c, int x0, int y0, int x1, int y1, Rgba colour) {
        c.fillRect(int(std::lround(x0 * k)), int(std::lround(y0 * k)), int(std::lround(x1 * k)),
                   int(std::lround(y1 * k)), colour);
    };
    Canvas c(size, size, Rgba{0, 0, 0, 0});
    c.fillDisc(14 * k, 17 * k, 11 * k, Rgba{20, 150, 20, 255});
    c.fillDisc(14 * k, 17 * k, 9.5f * k, Rgba{30, 210, 30, 255});
    c.fillDisc(10 * k, 14 * k, 2.5f * k, Rgba{255, 255, 255, 255});
    c.fillDisc(18 * k, 14 * k, 2.5f * k, Rgba{255, 255, 255, 255});
    c.fillDisc(10.5f * k, 14.5f * k, 1.2f * k, Rgba{0, 0, 0, 255});
    c.fillDisc(18.5f * k, 14.5f * k, 1.2f * k, Rgba{0, 0, 0, 255});
    rect(c, 10, 21, 19, 23, Rgba{0, 0, 0, 255});
    rect(c, 27, 12, 30, 30, Rgba{139, 90, 0, 255});
    c.fillDisc(28.5f * k, 8 * k, 3.5f * k, Rgba{255, 165, 0, 255});
    c.fillDisc(28.5f * k, 9 * k, 1.8f * k, Rgba{255, 240, 120, 255});
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
    const Canvas icon = drawHeroIcon(kIconSize);
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

bool writeDesktopIcons(const std::string &shareRoot)
{
    for (int size : kDesktopIconSizes) {
        const std::string side = std::to_string(size);
        const std::string folder = shareRoot + "/icons/hicolor/" + side + "x" + side + "/apps";
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        const Canvas icon = drawHeroIcon(size);
        QImage image(size, size, QImage::Format_ARGB32);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const Rgba &p = icon.at(x, y);
                image.setPixel(x, y, qRgba(p.r, p.g, p.b, p.a));
            }
        const std::string path = folder + "/" + kDesktopIconName + ".png";
        if (!image.save(QString::fromStdString(path), "PNG")) {
            std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}
