#pragma once
#include "sim/Level.h"

// The screen shown when the last life is lost: the hero lying in a small
// empty room under two lines of red text. There is no way back; Escape
// ends the game.
class GameOver : public Level {
public:
    void configure() override;
    void loadTextures() override;
    void buildContent() override;
    void placeActors() override;
    void finishSetup() override;
    void moveEntities() override;
};
