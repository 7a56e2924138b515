#include "run/GameObjects.h"

#include "audio/Sound.h"
#include "levels/Level01.h"
#include "levels/Level02.h"
#include "levels/Level03.h"
#include "levels/Level04.h"
#include "levels/Level05.h"
#include "levels/Level06.h"
#include "levels/Level07.h"
#include "levels/Level08.h"
#include "levels/ScriptedLevel.h"
#include "render/LevelPainter.h"
#include "screens/EndLevel.h"
#include "screens/EndLevelPainter.h"
#include "screens/GameOver.h"
#include "screens/GameOverPainter.h"
#include "sim/WorldProxy.h"

std::vector<World *> createWorlds()
{
    // Level03 is played second and Level02 third.
    return {new Level01, new Level03, new Level02, new Level04, new Level05,
            new Level06, new Level07, new Level08, new EndLevel, new GameOver};
}

namespace {
// The closing screens pose their hero and write their own texts; every
// other world is drawn as a level.
std::unique_ptr<WorldPainter> makePainter(World &world)
{
    if (auto *screen = dynamic_cast<EndLevel *>(&world))
        return std::make_unique<EndLevelPainter>(*screen);
    if (auto *screen = dynamic_cast<GameOver *>(&world))
        return std::make_unique<GameOverPainter>(*screen);
    if (auto *level = dynamic_cast<Level *>(&world))
        return std::make_unique<LevelPainter>(*level);
    return nullptr;
}

void attachPainter(GameObjects &game, size_t index)
{
    World &world = *game.worlds[index];
    std::unique_ptr<WorldPainter> painter = game.drawn ? makePainter(world) : nullptr;
    if (auto *levelPainter = dynamic_cast<LevelPainter *>(painter.get()))
        levelPainter->setExtras(game.extras);
    world.setPainter(painter.get());
    if (game.painters[index])
        game.retiredPainters.push_back(std::move(game.painters[index]));
    game.painters[index] = std::move(painter);
}
} // namespace

GameObjects createGameObjects(Presentation presentation)
{
    const bool drawn = presentation == Presentation::Drawn;
    GameObjects game;
    game.drawn = drawn;
    game.worlds = createWorlds();
    game.painters.resize(game.worlds.size());
    for (size_t i = 0; i < game.worlds.size(); ++i)
        attachPainter(game, i);
    game.comicStyle = std::make_unique<ComicStyle>();
    game.registry = std::make_unique<GameRegistry>();
    if (drawn)
        GameRegistry::setSoundMaker(makeSoundCues);
    GameRegistry::setWorlds(game.worlds);
    game.proxy = new WorldProxy(GameRegistry::takeNextWorld());
    GameRegistry::setWorldProxy(game.proxy);
    GameRegistry::setComicStyle(game.comicStyle.get());
    return game;
}

bool startAtWorld(GameObjects &game, int world)
{
    if (world < 0 || size_t(world) >= game.worlds.size())
        return false;
    if (world == 0)
        return true;
    // Start-up handed the first world to the proxy already; take the
    // worlds before the wanted one as the exits would have.
    World *first = nullptr;
    for (int i = 0; i < world; ++i)
        first = GameRegistry::takeNextWorld();
    game.proxy->startWith(first);
    return true;
}

int levelIndex(const GameObjects &game, const std::string &name)
{
    for (size_t i = 0; i < game.worlds.size(); ++i)
        if (const auto *level = dynamic_cast<const ScriptedLevel *>(game.worlds[i]); level && level->name() == name)
            return int(i);
    return -1;
}

void showPictureExtras(GameObjects &game, const PictureExtras *extras)
{
    game.extras = extras;
    for (const std::unique_ptr<WorldPainter> &painter : game.painters)
        if (auto *levelPainter = dynamic_cast<LevelPainter *>(painter.get()))
            levelPainter->setExtras(extras);
}

void replaceWorld(GameObjects &game, size_t index, World *world)
{
    game.worlds[index] = world;
    attachPainter(game, index);
    GameRegistry::setWorlds(game.worlds);
}
