#pragma once
#include <cmath>
#include <cstdint>
#include <vector>

// A small RGBA drawing surface for the procedural assets. Row 0 is the top.
struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
};

class Canvas {
public:
    Canvas(int width, int height, Rgba fill = {}) : w(width), h(height), pixels(width * height, fill) {}

    int width() const { return w; }
    int height() const { return h; }
    Rgba &at(int x, int y) { return pixels[y * w + x]; }
    const Rgba &at(int x, int y) const { return pixels[y * w + x]; }

    void set(int x, int y, Rgba c)
    {
        if (x >= 0 && y >= 0 && x < w && y < h)
            at(x, y) = c;
    }

    void fillRect(int x0, int y0, int x1, int y1, Rgba c)
    {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                set(x, y, c);
    }

    void fillDisc(float cx, float cy, float radius, Rgba c)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
                if (dx * dx + dy * dy <= radius * radius)
                    at(x, y) = c;
            }
    }

private:
    int w, h;
    std::vector<Rgba> pixels;
};
