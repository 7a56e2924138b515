#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// A small RGBA drawing surface for the procedural assets. Row 0 is the top.
// Coordinates of shapes are in pixels; pixel (x, y) covers x..x+1, y..y+1.
struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
};

inline std::uint8_t toByte(float v) { return std::uint8_t(std::clamp(v, 0.0f, 255.0f) + 0.5f); }

// Colour `a` blended towards `b` by t (0..1).
inline Rgba mix(Rgba a, Rgba b, float t)
{
    return {toByte(a.r + (b.r - a.r) * t), toByte(a.g + (b.g - a.g) * t), toByte(a.b + (b.b - a.b) * t),
            toByte(a.a + (b.a - a.a) * t)};
}

// Colour with its RGB scaled by f (brighter above 1, darker below).
inline Rgba scale(Rgba c, float f) { return {toByte(c.r * f), toByte(c.g * f), toByte(c.b * f), c.a}; }

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

    void fillDisc(float cx, float cy, float radius, Rgba c) { fillEllipse(cx, cy, radius, radius, c); }

    void fillEllipse(float cx, float cy, float rx, float ry, Rgba c)
    {
        forEachNear(cx, cy, rx, ry, [&](int x, int y, float dx, float dy) {
            if ((dx * dx) / (rx * rx) + (dy * dy) / (ry * ry) <= 1.0f)
                at(x, y) = c;
        });
    }

    // A line of the given width with round ends.
    void drawLine(float x0, float y0, float x1, float y1, float width, Rgba c)
    {
        const float radius = width * 0.5f;
        const float minX = std::min(x0, x1) - radius, maxX = std::max(x0, x1) + radius;
        const float minY = std::min(y0, y1) - radius, maxY = std::max(y0, y1) + radius;
        const float ex = x1 - x0, ey = y1 - y0;
        const float lengthSquared = std::max(ex * ex + ey * ey, 1e-6f);
        for (int y = std::max(0, int(minY)); y < std::min(h, int(maxY) + 1); ++y)
            for (int x = std::max(0, int(minX)); x < std::min(w, int(maxX) + 1); ++x) {
                const float px = x + 0.5f - x0, py = y + 0.5f - y0;
                const float t = std::clamp((px * ex + py * ey) / lengthSquared, 0.0f, 1.0f);
                const float dx = px - t * ex, dy = py - t * ey;
                if (dx * dx + dy * dy <= radius * radius)
                    at(x, y) = c;
            }
    }

    // The part of an ellipse outline from angle a0 to a1 (radians, 0 along
    // +x, growing downwards on the picture), drawn as connected lines.
    void drawArc(float cx, float cy, float rx, float ry, float a0, float a1, float width, Rgba c)
    {
        constexpr int kSegments = 24;
        for (int i = 0; i < kSegments; ++i) {
            const float s = a0 + (a1 - a0) * float(i) / kSegments;
            const float e = a0 + (a1 - a0) * float(i + 1) / kSegments;
            drawLine(cx + rx * std::cos(s), cy + ry * std::sin(s), cx + rx * std::cos(e), cy + ry * std::sin(e),
                     width, c);
        }
    }

private:
    template <typename F> void forEachNear(float cx, float cy, float rx, float ry, F f)
    {
        for (int y = std::max(0, int(cy - ry) - 1); y < std::min(h, int(cy + ry) + 2); ++y)
            for (int x = std::max(0, int(cx - rx) - 1); x < std::min(w, int(cx + rx) + 2); ++x)
                f(x, y, x + 0.5f - cx, y + 0.5f - cy);
    }

    int w, h;
    std::vector<Rgba> pixels;
};
