// Masonry and tiles: cobblestones, bricks, floor tiles, ceiling panels.
#include "Noise.h"
#include "Textures.h"

#include <cmath>

namespace {
constexpr int N = kTextureSize;

float u(int x) { return (x + 0.5f) / N; }
float v(int y) { return (y + 0.5f) / N; }

// Distance (in pixels) to the nearest and second-nearest jittered cell
// centre of a `cells` x `cells` grid that wraps around the tile.
struct CellHit {
    float nearest, second;
    int cellX, cellY;
};

CellHit nearestCells(float x, float y, int cells, std::uint32_t seed)
{
    const float cellSize = float(N) / cells;
    const int cx = int(x / cellSize), cy = int(y / cellSize);
    CellHit hit{1e9f, 1e9f, 0, 0};
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            const int gx = cx + i, gy = cy + j;
            const int wx = (gx + cells) % cells, wy = (gy + cells) % cells;
            const float px = (gx + 0.2f + 0.6f * latticeValue(wx, wy, seed)) * cellSize;
            const float py = (gy + 0.2f + 0.6f * latticeValue(wx, wy, seed + 1)) * cellSize;
            const float d = std::hypot(x - px, y - py);
            if (d < hit.nearest) {
                hit.second = hit.nearest;
                hit = {d, hit.second, wx, wy};
            } else if (d < hit.second) {
                hit.second = d;
            }
        }
    return hit;
}

// 1 in the middle of a tile cell, falling to 0 within `bevel` pixels of its
// border: a cheap raised look for tiles and bricks.
float bevelShade(float distanceToEdge, float bevel)
{
    return std::clamp(distanceToEdge / bevel, 0.0f, 1.0f);
}
} // namespace

// Rounded blue-grey cobbles set in dark mortar.
Canvas drawBlueStone()
{
    constexpr int kCells = 5;
    constexpr float kMortar = 2.5f; // pixels
    const Rgba mortar{38, 42, 56};
    const Rgba stone{88, 112, 160};
    Canvas c(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const CellHit hit = nearestCells(x + 0.5f, y + 0.5f, kCells, 17);
            const float edge = (hit.second - hit.nearest) * 0.5f;
            if (edge < kMortar) {
                c.at(x, y) = scale(mortar, 0.8f + 0.4f * fractalNoise(u(x), v(y), 16, 2, 3));
                continue;
            }
            const float tint = 0.8f + 0.35f * latticeValue(hit.cellX, hit.cellY, 29);
            const float grain = 0.85f + 0.3f * fractalNoise(u(x), v(y), 8, 4, 5);
            const float rounded = 0.7f + 0.3f * bevelShade(edge - kMortar, 6.0f);
            c.at(x, y) = scale(stone, tint * grain * rounded);
        }
    return c;
}

// Red bricks in running bond, two per row, four rows, light mortar.
Canvas drawBrick()
{
    constexpr int kRows = 4, kPerRow = 2;
    constexpr int kBrickH = N / kRows, kBrickW = N / kPerRow;
    constexpr int kMortar = 3; // pixels
    const Rgba mortar{200, 192, 176};
    const Rgba brick{166, 62, 42};
    Canvas c(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const int row = y / kBrickH;
            const int shifted = (x + (row % 2) * kBrickW / 2) % N;
            const int col = shifted / kBrickW;
            const int ly = y % kBrickH, lx = shifted % kBrickW;
            const float noise = fractalNoise(u(x), v(y), 8, 4, 11);
            if (ly < kMortar || lx < kMortar) {
                c.at(x, y) = scale(mortar, 0.85f + 0.2f * noise);
                continue;
            }
            const float edge = float(std::min({ly - kMortar, kBrickH - 1 - ly, lx - kMortar, kBrickW - 1 - lx}));
            const float tint = 0.8f + 0.3f * latticeValue(col, row, 13);
            c.at(x, y) = scale(brick, tint * (0.8f + 0.35f * noise) * (0.8f + 0.2f * bevelShade(edge, 4.0f)));
        }
    return c;
}

// Four square floor tiles in two shades of cream, with grey grout.
Canvas drawFloorTiles()
{
    constexpr int kTile = N / 2;
    constexpr int kGrout = 2;
    const Rgba grout{110, 106, 100};
    const Rgba light{226, 214, 190}, dark{186, 170, 146};
    Canvas c(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const int lx = x % kTile, ly = y % kTile;
            const float noise = fractalNoise(u(x), v(y), 4, 5, 23);
            if (lx < kGrout || ly < kGrout) {
                c.at(x, y) = scale(grout, 0.9f + 0.2f * noise);
                continue;
            }
            const bool odd = ((x / kTile) + (y / kTile)) % 2 == 1;
            const float edge = float(std::min({lx - kGrout, ly - kGrout, kTile - 1 - lx, kTile - 1 - ly}));
            c.at(x, y) = scale(odd ? dark : light, (0.9f + 0.15f * noise) * (0.85f + 0.15f * bevelShade(edge, 3.0f)));
        }
    return c;
}

// A coffered ceiling: pale plaster panels framed by dark wooden beams.
Canvas drawCeilingPanels()
{
    constexpr int kPanel = N / 2;
    constexpr int kBeam = 8;   // half a beam on each side of a panel edge
    constexpr float kRecess = 6.0f;
    const Rgba wood{96, 64, 38};
    const Rgba plaster{214, 210, 198};
    Canvas c(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const int lx = x % kPanel, ly = y % kPanel;
            const float edge = float(std::min({lx, ly, kPanel - 1 - lx, kPanel - 1 - ly}));
            if (edge < kBeam / 2) {
                const float grain = 0.75f + 0.4f * fractalNoise(u(x) * 0.25f, v(y), 4, 3, 31);
                c.at(x, y) = scale(wood, grain);
                continue;
            }
            const float noise = fractalNoise(u(x), v(y), 8, 4, 37);
            c.at(x, y) = scale(plaster, (0.9f + 0.12f * noise) * (0.75f + 0.25f * bevelShade(edge - kBeam / 2, kRecess)));
        }
    return c;
}

// Diamond-laid tiles, terracotta and slate, with light grout.
Canvas drawDiamondTiles()
{
    constexpr int kDiamond = N / 2; // along the diagonals
    constexpr int kGrout = 3;
    const Rgba grout{178, 170, 156};
    const Rgba terracotta{176, 92, 56}, slate{72, 78, 88};
    Canvas c(N, N);
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const int a = x + y, b = x - y + N; // diagonal coordinates, b kept positive
            const int la = a % kDiamond, lb = b % kDiamond;
            const float noise = fractalNoise(u(x), v(y), 8, 4, 41);
            if (la < kGrout || lb < kGrout) {
                c.at(x, y) = scale(grout, 0.9f + 0.15f * noise);
                continue;
            }
            const bool odd = ((a / kDiamond) + (b / kDiamond)) % 2 == 1;
            c.at(x, y) = scale(odd ? slate : terracotta, 0.82f + 0.3f * noise);
        }
    return c;
}
