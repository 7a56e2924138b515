#include "screens/GameOver.h"

#include "actors/Camera.h"
#include "actors/Player.h"
#include "app/GameRegistry.h"
#include "render/BitmapText.h"
#include "render/GL.h"
#include "render/Overlay.h"

namespace {
const char *const kTitle = "G A M E   O V E R";
const char *const kHint = "Please press ESC to quit!!";
// Text placement relative to the viewport centre, in pixels.
constexpr int kTitleLeftOfCentre = 108;
constexpr int kHintLeftOfCentre = 144;
constexpr int kHintBelowCentre = 35;
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

void GameOver::drawEntities() { player->drawDefeat(); }

void GameOver::drawOverlay()
{
    const OverlayViewport screen = beginOverlay();
    glColor3f(1.0f, 0.0f, 0.0f);
    glRasterPos2i(int(screen.width / 2.0f - kTitleLeftOfCentre), screen.height / 2);
    drawBitmapString(kTitle);
    glRasterPos2i(int(screen.width / 2.0f - kHintLeftOfCentre), screen.height / 2 - kHintBelowCentre);
    drawBitmapString(kHint);
    endOverlay();
}
