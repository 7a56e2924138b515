#pragma once
#include "render/LevelPainter.h"

class EndLevel;

// The high-score screen: the hero hopping in his room, and the whole table
// over it as it is on disk.
class EndLevelPainter : public LevelPainter {
public:
    explicit EndLevelPainter(EndLevel &screen);
    void drawActors(DrawPass pass) override;
    void drawOverlay() override;

private:
    EndLevel &screen;
};
