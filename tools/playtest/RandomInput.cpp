#include "RandomInput.h"

#include "core/InputScript.h"
#include "sim/Camera.h"
#include "sim/Entity.h"
#include "sim/GameRegistry.h"
#include "sim/Level.h"
#include "sim/WorldProxy.h"

#include <Qt>
#include <cmath>
#include <iterator>

namespace {
// Events per frame: 0 to this many, so that keys stay held for a while.
constexpr int kMostEventsPerFrame = 3;
// The window's centre point the moves are reported against, and how far
// from it, in pixels, a move may land (0: exactly on it).
constexpr int kCentreX = 500;
constexpr int kCentreY = 400;
constexpr int kMostMovePixels = 40;
// Wheel deltas: whole notches mostly, and now and then any delta a
// high-resolution wheel may send, up to this many notches' worth.
constexpr int kMostWheelNotches = 10;
using InputScriptLimits::kWheelDeltaPerNotch;

// The level's keys, with Shift and Space, and keys it ignores.
const int kKeys[] = {Qt::Key_W,     Qt::Key_A,    Qt::Key_S,     Qt::Key_D,     Qt::Key_Up,
                     Qt::Key_Down,  Qt::Key_Left, Qt::Key_Right, Qt::Key_Space, Qt::Key_Shift,
                     Qt::Key_Q,     Qt::Key_Tab,  Qt::Key_Return};
const int kButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

bool finite(const SbVec3f &v) { return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]); }
} // namespace

void RandomInput::sendFrame(WorldProxy &proxy)
{
    for (int n = below(kMostEventsPerFrame + 1); n > 0; --n)
        sendEvent(proxy);
}

void RandomInput::sendEvent(WorldProxy &proxy)
{
    switch (below(8)) {
    case 0:
    case 1:
    case 2: proxy.keyPressed(kKeys[below(int(std::size(kKeys)))], 0, 0, 0); break;
    case 3:
    case 4: proxy.keyReleased(kKeys[below(int(std::size(kKeys)))], 0); break;
    case 5: {
        const int x = kCentreX + between(-kMostMovePixels, kMostMovePixels);
        const int y = kCentreY + between(-kMostMovePixels, kMostMovePixels);
        proxy.mouseMoved(x, y, kCentreX, kCentreY);
        proxy.mouseMoved(kCentreX, kCentreY, kCentreX, kCentreY); // the re-centring move
        break;
    }
    case 6: proxy.mouseButton(kButtons[below(int(std::size(kButtons)))], below(2) == 0); break;
    default: {
        const int notches = between(-kMostWheelNotches, kMostWheelNotches);
        const int delta = below(4) == 0 ? between(-kMostWheelNotches * kWheelDeltaPerNotch,
                                                  kMostWheelNotches * kWheelDeltaPerNotch)
                                        : notches * kWheelDeltaPerNotch;
        proxy.wheelTurned(delta);
    }
    }
}

std::string firstNonFiniteValue()
{
    World *world = GameRegistry::currentWorld();
    if (!world)
        return {};
    const std::vector<Entity *> &actors = world->getEntities();
    for (size_t i = 0; i < actors.size(); ++i)
        if (!finite(actors[i]->getPosition()))
            return "actor " + std::to_string(i) + (actors[i]->isPlayer() ? " (the hero)" : "") + " position";
    const auto *level = dynamic_cast<Level *>(world);
    const Camera *camera = level ? level->getCamera() : nullptr;
    if (camera && !finite(camera->getPosition()))
        return "camera position";
    if (camera && !(std::isfinite(camera->getDistance()) && std::isfinite(camera->getPitch()) &&
                    std::isfinite(camera->getHeading())))
        return "camera distance or angles";
    return {};
}
