#include "sim/Level.h"

#include "core/MouseButtons.h"
#include "sim/Camera.h"
#include "sim/Player.h"

#include <Qt>

namespace {
// Each mouse event turns by this much, whatever distance the mouse moved.
constexpr float kTurnStepDegrees = 3.0f;
// Wheel: distance change per unit of Qt wheel delta (120 per notch gives
// 0.6), the distance a zoom out from first person jumps to, and the
// farthest the wheel zooms out.
constexpr float kZoomPerDelta = 0.005f;
constexpr float kFirstZoomOutDistance = 1.5f;
constexpr float kMaxZoomDistance = 6.0f;

bool isKey(int key, int letter, int arrow) { return key == letter || key == arrow; }
} // namespace

void Level::keyPressed(int key, int, int, int)
{
    if (key == Qt::Key_Shift) {
        runKeyDown = true;
        if (player->isMovingForward())
            player->run();
    }
    if (key == Qt::Key_Space)
        player->jump();
    if (isKey(key, Qt::Key_D, Qt::Key_Right)) {
        player->walk();
        player->rightOn();
    }
    if (isKey(key, Qt::Key_A, Qt::Key_Left)) {
        player->walk();
        player->leftOn();
    }
    if (isKey(key, Qt::Key_S, Qt::Key_Down)) {
        player->walk();
        player->backOn();
    }
    if (isKey(key, Qt::Key_W, Qt::Key_Up)) {
        if (runKeyDown)
            player->run();
        else
            player->walk();
        player->forwardOn();
    }
}

void Level::keyReleased(int key, int)
{
    if (key == Qt::Key_Shift) {
        runKeyDown = false;
        player->stopRunning();
        player->walk();
    }
    if (isKey(key, Qt::Key_W, Qt::Key_Up))
        player->forwardOff();
    if (isKey(key, Qt::Key_S, Qt::Key_Down))
        player->backOff();
    if (isKey(key, Qt::Key_A, Qt::Key_Left))
        player->leftOff();
    if (isKey(key, Qt::Key_D, Qt::Key_Right))
        player->rightOff();
}

void Level::mouseButton(int button, bool pressed)
{
    if (button == MouseButtons::kLeft) {
        leftButtonDown = pressed;
        if (pressed)
            player->jump();
    } else if (button == MouseButtons::kRight) {
        rightButtonDown = pressed;
    }
}

void Level::mouseMoved(int x, int y, int centreX, int centreY)
{
    if (leftButtonDown)
        return;
    if (x > centreX)
        camera->turnBy(kTurnStepDegrees);
    if (x < centreX)
        camera->turnBy(-kTurnStepDegrees);
    if (!rightButtonDown) {
        // The hero faces where the camera looks after every move.
        player->setHeading(camera->getHeading());
        return;
    }
    // Right button: orbit the hero and pitch, the hero keeps its heading.
    if (y < centreY)
        camera->pitchBy(-kTurnStepDegrees);
    if (y > centreY)
        camera->pitchBy(kTurnStepDegrees);
}

void Level::wheelTurned(int delta)
{
    const float distance = camera->getDistance();
    if (distance == 0.0f && delta < 0) {
        camera->setDistance(kFirstZoomOutDistance);
        return;
    }
    if (distance <= 0.0f && delta >= 0)
        return;
    if (distance >= kMaxZoomDistance && delta <= 0)
        return;
    camera->setDistance(distance - float(delta) * kZoomPerDelta);
}
