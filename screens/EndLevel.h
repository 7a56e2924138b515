#pragma once
#include "core/HighScoreTable.h"
#include "sim/Level.h"
#include "sim/SoundCues.h"

#include <memory>

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

private:
    void enterPlayTime();

    // Cue 0: the fanfare; cue 1 stays silent. Null without sound.
    std::unique_ptr<const SoundCues> sound;
};
