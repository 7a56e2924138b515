#include "screens/GameOver.h"

#include "sim/Camera.h"
#include "sim/GameRegistry.h"
#include "sim/Player.h"

namespace {
const SbVec3f kHeroPlace(5.0f, 1.0f, 5.0f);
} // namespace

void GameOver::configure() { useStandardSettings(); }

void GameOver::loadTextures() {}

void GameOver::buildContent() { addQuadrat(SbVec3f(0, 0, 0), 10, 4, 10); }

void GameOver::placeActors()
{
    // A hero of its own for the pose; the one initialize made stays in the
    // actor list but is no longer this screen's player.
    GameRegistry::setPlayer(new Player(0, 0, 0));
    player = GameRegistry::getPlayer();
    camera = new Camera(player);
    player->setPosition(kHeroPlace);
    player->setStartPosition(player->getPosition());
    player->savePreviousPosition();
    player->setHeading(startHeading);
    entities.push_back(player);
}

void GameOver::finishSetup() {}

void GameOver::moveEntities() { camera->move(); }
