#pragma once
#include "audio/Sound.h"
#include "core/HighScoreTable.h"
#include "sim/Level.h"

// The high-score screen that follows the last level. Set-up plays the
// fanfare and enters the play time under the nickname into the high-score
// file; then the hero hops in a small room under the whole table, read
// from the file every frame so that it always shows what is on disk.
class EndLevel : public Level {
public:
    void configure() override;
    void loadTextures() override;
    void buildContent() override;
    void placeActors() override;
    void finishSetup() override;
    void moveEntities() override;
    // The table as it is on disk now, read afresh for every frame.
    HighScoreTable::Lines shownTable() const;
    // No fanfare, no audio device: for a game that runs without sound.
    void playSilently() { silent = true; }

private:
    void enterPlayTime();

    Sound sound; // source 0: the fanfare; source 1 stays silent
    bool silent = false;
};
