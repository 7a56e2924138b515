// Organic and metal surfaces: grass, lava, wooden planks, steel, rock.
#include "Noise.h"
#include "Textures.h"

#include <cmath>

namespace {
constexpr int N = kTextureSize;
constexpr float kTwoPi = 6.28318530718f;

float u(int x) { return (x + 0.5f) / N; }
float v(int y) { return (y + 0.5f) / N; }

// A deterministic stream of numbers in 0..1 for scattering details.
struct Scatter {
    std::uint32_t state;
    float next()
    {
        state = state * 1664525u + 1013904223u;
        return float(state >> 8) / float(1u << 24);
    }
};

// Piecewise-linear colour gradient over t in 0..1.
Rgba gradient(const Rgba *stops, int count, float t)
{
    const float scaled = std::clamp(t, 0.0f, 1.0f) * float(count - 1);
    const int i = std::min(int(scaled), count - 2);
    return mix(stops[i], stops[i + 1], scaled - float(i));
}
} // namespace

// Meadow grass: a mottled green ground covered in short blades.
Canvas drawGrass()
{
    constexpr int kBlades = 900;
    const Rgba ground{46, 104, 34};
    Canvas c(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x)
            c.at(x, y) = scale(ground, 0.75f + 0.5f * fractalNoise(u(x), v(y), 4, 4, 51));
    Scatter random{53};
    for (int i = 0; i < kBlades; ++i) {
        const float x = random.next() * N, y = random.next() * N;
        const float length = 4.0f + 6.0f * random.next();
        const float lean = (random.next() - 0.5f) * 4.0f;
        const Rgba blade = mix(Rgba{62, 140, 40}, Rgba{150, 200, 70}, random.next());
        for (int k = 0; k < int(length); ++k) {
            const float t = float(k) / length;
            const int px = (int(x + lean * t) + N) % N, py = (int(y - k) + N) % N; // wraps: tiles
            c.at(px, py) = scale(blade, 0.7f + 0.4f * t);
        }
    }
    return c;
}

// Molten rock: glowing yellow-orange rivers between dark cooling crust.
Canvas drawLava()
{
    const Rgba stops[] = {{40, 10, 6}, {150, 24, 4}, {235, 90, 8}, {255, 170, 30}, {255, 236, 120}};
    Canvas c(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            // Domain warping bends the noise into flowing streaks; the warp
            // is itself tileable, so the result still tiles.
            const float wu = u(x) + 0.15f * fractalNoise(u(x), v(y), 2, 3, 61);
            const float wv = v(y) + 0.15f * fractalNoise(u(x), v(y), 2, 3, 67);
            const float heat = fractalNoise(wu, wv, 4, 5, 71);
            c.at(x, y) = gradient(stops, 5, (heat - 0.25f) * 1.8f);
        }
    return c;
}

// Brushed steel plate with a rivet in each corner and a dark seam.
Canvas drawMetal()
{
    constexpr int kSeam = 2;
    constexpr float kRivetInset = 10.0f, kRivetRadius = 4.0f;
    const Rgba steel{150, 156, 164};
    Canvas c(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            // Brushing: noise stretched along x into fine horizontal streaks.
            const float streak = fractalNoise(u(x) * 0.125f, v(y), 16, 4, 81);
            const float sheen = 0.9f + 0.1f * std::sin(kTwoPi * v(y));
            c.at(x, y) = scale(steel, (0.8f + 0.35f * streak) * sheen);
            if (x < kSeam || y < kSeam)
                c.at(x, y) = scale(steel, 0.45f);
        }
    for (float cy : {kRivetInset, N - kRivetInset})
        for (float cx : {kRivetInset, N - kRivetInset}) {
            c.fillDisc(cx + 0.8f, cy + 0.8f, kRivetRadius, scale(steel, 0.5f)); // shadow
            c.fillDisc(cx, cy, kRivetRadius, scale(steel, 1.05f));
            c.fillDisc(cx - 1.2f, cy - 1.2f, 1.5f, scale(steel, 1.5f)); // highlight
        }
    return c;
}

// Wooden floor boards running along v, with staggered ends and grain.
Canvas drawWoodPlanks()
{
    constexpr int kPlanks = 4;
    constexpr int kPlankW = N / kPlanks;
    const Rgba wood{150, 98, 54};
    const Rgba seam{58, 36, 20};
    Canvas c(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const int plank = x / kPlankW, lx = x % kPlankW;
            const int endRow = (plank * 37 + 11) % N; // where this board meets the next
            const float warp = fractalNoise(u(x), v(y), 2, 3, 91 + plank);
            const float grain = 0.5f + 0.5f * std::sin(kTwoPi * (lx * 0.18f + warp * 3.0f));
            const float tint = 0.85f + 0.3f * latticeValue(plank, 0, 97);
            Rgba colour = scale(wood, tint * (0.78f + 0.22f * grain) * (0.9f + 0.2f * fractalNoise(u(x), v(y), 8, 3, 99)));
            if (lx < 2 || y == endRow || y == (endRow + 1) % N)
                colour = seam;
            c.at(x, y) = colour;
        }
    return c;
}

// Weathered grey-brown rock with dark cracks and pale specks.
Canvas drawBoulder()
{
    const Rgba rock{128, 118, 104};
    Canvas c(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const float body = fractalNoise(u(x), v(y), 4, 5, 111);
            const float crack = std::fabs(fractalNoise(u(x), v(y), 3, 4, 113) - 0.5f);
            Rgba colour = scale(rock, 0.65f + 0.6f * body);
            if (crack < 0.018f)
                colour = scale(rock, 0.3f);
            if (latticeValue(x, y, 117) > 0.985f)
                colour = scale(rock, 1.5f);
            c.at(x, y) = colour;
        }
    return c;
}
