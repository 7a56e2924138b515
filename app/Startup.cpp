#include "app/Startup.h"

#include "app/GameRegistry.h"
#include "app/QtNameEntry.h"
#include "app/WorldProxy.h"
#include "levels/Level01.h"
#include "levels/Level02.h"
#include "levels/Level03.h"
#include "levels/Level04.h"
#include "levels/Level05.h"
#include "levels/Level06.h"
#include "levels/Level07.h"
#include "levels/Level08.h"
#include "render/BitmapText.h"
#include "render/ComicStyle.h"
#include "screens/EndLevel.h"
#include "screens/GameOver.h"

#include <QApplication>
#include <QSurfaceFormat>

std::vector<World *> createWorlds()
{
    // Level03 is played second and Level02 third.
    return {new Level01, new Level03, new Level02, new Level04, new Level05,
            new Level06, new Level07, new Level08, new EndLevel, new GameOver};
}

void requestCompatibilityContext()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
}

GameObjects createGameObjects()
{
    GameObjects game;
    game.worlds = createWorlds();
    game.comicStyle = std::make_unique<ComicStyle>();
    game.registry = std::make_unique<GameRegistry>();
    GameRegistry::setWorlds(game.worlds);
    game.proxy = new WorldProxy(GameRegistry::takeNextWorld());
    GameRegistry::setWorldProxy(game.proxy);
    GameRegistry::setComicStyle(game.comicStyle.get());
    return game;
}

int runGame(int argc, char **argv)
{
    GameObjects game = createGameObjects();
    requestCompatibilityContext();
    QApplication application(argc, argv);
    initBitmapFont();
    auto *nameEntry = new QtNameEntry(game.proxy);
    nameEntry->show();
    return application.exec();
}
