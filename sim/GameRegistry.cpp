#include "sim/GameRegistry.h"

#include "sim/SoundCues.h"
#include "sim/WorldProxy.h"

GameRegistry *GameRegistry::instance = nullptr;

GameRegistry::GameRegistry()
{
    if (!instance) {
        instance = this;
        currentIndex = 0;
        lives = 3;
    }
}

GameRegistry::~GameRegistry()
{
    if (instance == this)
        instance = nullptr;
}

void GameRegistry::setWorlds(std::vector<World *> list)
{
    if (instance)
        instance->worlds = std::move(list);
}

World *GameRegistry::takeNextWorld()
{
    if (!instance || instance->currentIndex >= instance->worlds.size())
        return nullptr;
    return instance->worlds[instance->currentIndex++];
}

void GameRegistry::setWorldProxy(WorldProxy *proxy)
{
    if (instance)
        instance->worldProxy = proxy;
}

void GameRegistry::nextWorld()
{
    if (!instance || !instance->worldProxy)
        return;
    if (World *next = takeNextWorld())
        instance->worldProxy->requestWorld(next);
}

void GameRegistry::takeBackWorld()
{
    if (instance && instance->currentIndex > 0)
        --instance->currentIndex;
}

void GameRegistry::showLastWorld()
{
    if (!instance || !instance->worldProxy || instance->worlds.empty())
        return;
    instance->worldProxy->requestWorld(instance->worlds.back());
}

World *GameRegistry::currentWorld()
{
    if (!instance || !instance->worldProxy)
        return nullptr;
    return instance->worldProxy->world();
}

void GameRegistry::setPlayer(Player *p)
{
    if (instance)
        instance->player = p;
}

Player *GameRegistry::getPlayer() { return instance ? instance->player : nullptr; }

void GameRegistry::setPlayTime(QTime time)
{
    if (instance)
        instance->playTime = time;
}

QTime GameRegistry::getPlayTime() { return instance ? instance->playTime : QTime(); }

void GameRegistry::setLives(int n)
{
    if (instance)
        instance->lives = n;
}

int GameRegistry::getLives() { return instance ? instance->lives : 0; }

void GameRegistry::setNickname(std::string name)
{
    if (instance)
        instance->nickname = std::move(name);
}

std::string GameRegistry::getNickname() { return instance ? instance->nickname : std::string(); }

void GameRegistry::setGravity(float x, float y, float z)
{
    if (instance)
        instance->gravity.setValue(x, y, z);
}

SbVec3f GameRegistry::getGravity() { return instance ? instance->gravity : SbVec3f(0, 0, 0); }

void GameRegistry::setComicStyle(ComicStyle *style)
{
    if (instance)
        instance->comicStyle = style;
}

ComicStyle *GameRegistry::getComicStyle() { return instance ? instance->comicStyle : nullptr; }

size_t GameRegistry::imageCount() { return instance ? instance->images.size() : 0; }

size_t GameRegistry::textureCount() { return instance ? instance->textureNames.size() : 0; }

void GameRegistry::setSoundMaker(SoundMaker maker)
{
    if (instance)
        instance->soundMaker = std::move(maker);
}

std::unique_ptr<const SoundCues> GameRegistry::makeSounds(const std::string &firstFile, const std::string &secondFile,
                                                         bool reportErrors)
{
    if (!instance || !instance->soundMaker)
        return nullptr;
    return instance->soundMaker(firstFile, secondFile, reportErrors);
}
