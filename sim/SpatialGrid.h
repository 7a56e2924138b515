#pragma once
#include <vector>

// Collision grid indexed [x][y][z]; each cell lists indices into the
// static boundary list.
using SpatialGrid = std::vector<std::vector<std::vector<std::vector<int>>>>;
