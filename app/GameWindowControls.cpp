// The game window's side of the player's controls: translated keys, mouse
// moves scaled to the player's degrees, and the gamepad's input.
#include "app/GameWindowControls.h"

#include "app/Gamepad.h"
#include "app/SettingsStore.h"
#include "run/InputRecorder.h"
#include "run/RunSession.h"
#include "sim/WorldProxy.h"

#include <QEvent>

namespace {
constexpr int kOrbitButton = 2; // the right mouse button

int sign(int value) { return (value > 0) - (value < 0); }

// Writes the window's size and full-screen state into the settings when
// the window closes. A maximised or full-screen window keeps the size it
// has when shown normal.
class WindowStateKeeper : public QObject {
public:
    WindowStateKeeper(QWidget *window, SettingsStore *settings) : QObject(window), window(window), settings(settings) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window && event->type() == QEvent::Close)
            keep();
        return false;
    }

private:
    void keep()
    {
        GameSettings values = settings->values();
        const QSize size = window->isMaximized() || window->isFullScreen() ? window->normalGeometry().size() : window->size();
        if (size.isValid() && !size.isEmpty()) {
            values.windowWidth = size.width();
            values.windowHeight = size.height();
        }
        values.fullScreen = window->isFullScreen();
        settings->change(values);
    }

    QWidget *window;
    SettingsStore *settings;
};
} // namespace

void attachControls(QtFenster *window, const GameWindowSetup &setup)
{
    window->setControls(setup.settings);
    window->setSettings(setup.settings);
    window->setLevelReload(setup.levelReload);
    if (setup.settings && setup.keepWindowState)
        window->installEventFilter(new WindowStateKeeper(window, setup.settings));
    if (setup.gamepad) {
        QObject::connect(setup.gamepad, &Gamepad::keyChanged, window, &QtFenster::padKey);
        QObject::connect(setup.gamepad, &Gamepad::moved, window, &QtFenster::padMove);
        QObject::connect(setup.gamepad, &Gamepad::pauseRequested, window, &QtFenster::togglePause);
    }
}

int QtFenster::pressedWorldKey(int key)
{
    const int world = controls ? controls->values().keys.worldKey(key) : key;
    worldKeyPressedFor[key] = world;
    return world;
}

int QtFenster::releasedWorldKey(int key)
{
    const auto pressed = worldKeyPressedFor.find(key);
    if (pressed == worldKeyPressedFor.end())
        return controls ? controls->values().keys.worldKey(key) : key;
    const int world = pressed->second;
    worldKeyPressedFor.erase(pressed);
    return world;
}

void QtFenster::moveMouse(int x, int y, int centreX, int centreY)
{
    const int dx = sign(x - centreX);
    const int dy = sign(y - centreY);
    // The re-centring move turns nothing, whatever the feel.
    if (!controls || (dx == 0 && dy == 0)) {
        deliverMove(x, y, centreX, centreY);
        return;
    }
    // A level move in the player's direction keeps the cursor's own
    // position; one made up besides lands a pixel from the centre.
    const GameSettings &feel = controls->values();
    for (const TurnScaler::Step &step : turnScaler.move(dx, dy, feel.turnDegrees, feel.invertPitch))
        deliverMove(step.dx == dx ? x : centreX + step.dx, step.dy == dy ? y : centreY + step.dy, centreX, centreY);
}

void QtFenster::deliverMove(int x, int y, int centreX, int centreY)
{
    if (InputRecorder *recording = recorder())
        recording->mouseMoved(session->stepsRun(), x, y, centreX, centreY);
    proxy->mouseMoved(x, y, centreX, centreY);
}

void QtFenster::padKey(int key, bool pressed)
{
    if (replaying() || isPaused())
        return;
    if (pressed)
        pressKey(key, 0);
    else if (heldKeys.count(key))
        releaseKey(key, 0);
}

void QtFenster::padMove(int dx, int dy)
{
    if (replaying() || isPaused())
        return;
    const int centreX = pos().x() + width() / 2;
    const int centreY = pos().y() + height() / 2;
    if (dx != 0)
        moveMouse(centreX + dx, centreY, centreX, centreY);
    if (dy == 0)
        return;
    const bool orbiting = heldButtons.count(kOrbitButton) > 0;
    if (!orbiting)
        changeButton(kOrbitButton, true);
    moveMouse(centreX, centreY + dy, centreX, centreY);
    if (!orbiting)
        changeButton(kOrbitButton, false);
}
