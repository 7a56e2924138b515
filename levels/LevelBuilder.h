#pragma once
#include "levels/LevelDescription.h"

#include <vector>

class Level;

// Runs a description's lines against a level through its building
// operations, in file order: the building lines (for buildContent) or the
// actor lines (for placeActors). `textures` holds the texture indices that
// loading the description's loadTexture files gave, in file order. The
// description must come from the reader, which has checked every index.
void buildLevelContent(Level &level, const LevelDescription &description, const std::vector<unsigned> &textures);
void placeLevelActors(Level &level, const LevelDescription &description);
