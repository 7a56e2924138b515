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
#include <memory>

std::vector<World *> createWorlds()
{
    // Level03 is played second and Level02 third.
    return {new Level01, new Level03, new Level02, new Level04, new Level05,
            new Level06, new Level07, new Level08, new EndLevel, new GameOver};
}

namespace {
// The game draws with the fixed-function pipeline, display lists and
// GLSL 1.x shaders: it needs a compatibility profile.
void requestCompatibilityContext()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
}
} // namespace

int runGame(int argc, char **argv)
{
    std::vector<World *> worlds = createWorlds();
    auto comicStyle = std::make_unique<ComicStyle>();
    auto registry = std::make_unique<GameRegistry>();
    GameRegistry::setWorlds(worlds);
    auto *proxy = new WorldProxy(GameRegistry::takeNextWorld());
    GameRegistry::setWorldProxy(proxy);
    GameRegistry::setComicStyle(comicStyle.get());

    requestCompatibilityContext();
    int result;
    {
        QApplication application(argc, argv);
        initBitmapFont();
        auto *nameEntry = new QtNameEntry(proxy);
        nameEntry->show();
        result = application.exec();
    }
    // The registry goes before the style and the list, in reverse order of
    // creation; the worlds themselves are never deleted.
    registry.reset();
    comicStyle.reset();
    return result;
}
