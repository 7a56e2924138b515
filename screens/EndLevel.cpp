#include "screens/EndLevel.h"

#include "core/FileReport.h"
#include "core/HighScoreTable.h"
#include "core/Paths.h"
#include "sim/Camera.h"
#include "sim/GameRegistry.h"
#include "sim/Player.h"

#include <cstdio>

namespace {
const char *const kFanfare = "Sounds\\youvdunnit.wav";
// The screen's second sound, "Sounds\physical.mp3", is never played and
// ALUT cannot decode MP3: it is not loaded (an empty name loads nothing,
// quietly), and source 1 keeps no buffer.
const char *const kUnusedSound = "";
const char *const kFileError = "Unable to open file";
const char *const kNotReadable = "missing or not a regular file; the table starts afresh";
const char *const kRoomTextures[] = {"Floor.bmp", "Metal.bmp", "Brick.bmp"};
const SbVec3f kHeroPlace(5.0f, 1.0f, 5.0f);

// The game's own text on standard output, and the file named on standard
// error (once a run, as the table is re-read every frame).
void reportFileError(const std::string &path, const char *problem)
{
    std::fputs(kFileError, stdout);
    std::fflush(stdout);
    reportUnusableFile(path, problem);
}
} // namespace

void EndLevel::configure()
{
    // Like the hero's sounds, but a failure to make sources is not shown:
    // this screen goes on silent.
    sound = GameRegistry::makeSounds(kFanfare, kUnusedSound, false);
    if (sound)
        sound->play(0);
    enterPlayTime();
    useStandardSettings();
}

void EndLevel::enterPlayTime()
{
    const std::string &path = highScoreFile();
    HighScoreTable::Lines lines;
    if (!HighScoreTable::readTable(path, lines))
        reportFileError(path, kNotReadable);
    lines = HighScoreTable::withEntry(lines, GameRegistry::getPlayTime(), GameRegistry::getNickname());
    if (!HighScoreTable::writeTable(path, lines))
        reportFileError(path, "cannot be rewritten; the old table stays and this time is not entered");
}

void EndLevel::loadTextures()
{
    for (const char *file : kRoomTextures)
        textures.push_back(GameRegistry::loadTexture(file));
}

void EndLevel::buildContent() { addQuadrat(SbVec3f(0, 0, 0), 10, 4, 10); }

void EndLevel::placeActors() { setStartPosition(kHeroPlace); }

void EndLevel::finishSetup() {}

void EndLevel::moveEntities()
{
    camera->move();
    player->victoryStep();
}

HighScoreTable::Lines EndLevel::shownTable() const
{
    HighScoreTable::Lines lines;
    const std::string &path = highScoreFile();
    if (!HighScoreTable::readTable(path, lines))
        reportFileError(path, kNotReadable);
    return lines;
}
