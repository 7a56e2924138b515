#pragma once
#include "render/LevelPainter.h"

class GameOver;

// The game-over screen: the hero lying beside his torch, and two lines of
// red text.
class GameOverPainter : public LevelPainter {
public:
    explicit GameOverPainter(GameOver &screen);
    void drawActors(DrawPass pass) override;
    void drawOverlay() override;
};
