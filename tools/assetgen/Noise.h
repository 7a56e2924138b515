#pragma once
#include <cstdint>

// Deterministic, tileable value noise for the procedural textures. The
// same seed always gives the same picture, so rebuilds are reproducible.

// A pseudo-random value in 0..1 for an integer lattice point.
float latticeValue(int x, int y, std::uint32_t seed);

// Smoothly interpolated noise in 0..1 at (x, y), measured in lattice cells;
// it repeats every `period` cells in both directions.
float valueNoise(float x, float y, int period, std::uint32_t seed);

// `octaves` layers of value noise, each twice as fine and half as strong,
// normalised to 0..1. (u, v) run over 0..1 across one tile; `cells` is the
// coarsest lattice across the tile, so the result tiles seamlessly.
float fractalNoise(float u, float v, int cells, int octaves, std::uint32_t seed);
