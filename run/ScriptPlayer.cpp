#include "run/ScriptPlayer.h"

#include "sim/WorldProxy.h"

namespace {
// The mouse centre the script's moves are reported against, in pixels; the
// worlds only look at which side of it a move lands.
constexpr int kCentreX = 500;
constexpr int kCentreY = 400;

void applyOnce(const InputEvent &event, WorldProxy &proxy)
{
    switch (event.kind) {
    case InputEvent::KeyDown: proxy.keyPressed(event.key, 0, 0, 0); break;
    case InputEvent::KeyUp: proxy.keyReleased(event.key, 0); break;
    case InputEvent::MouseMove:
        proxy.mouseMoved(kCentreX + event.dx, kCentreY + event.dy, kCentreX, kCentreY);
        proxy.mouseMoved(kCentreX, kCentreY, kCentreX, kCentreY);
        break;
    case InputEvent::MouseAt: proxy.mouseMoved(kCentreX + event.dx, kCentreY + event.dy, kCentreX, kCentreY); break;
    case InputEvent::ButtonDown: proxy.mouseButton(event.button, true); break;
    case InputEvent::ButtonUp: proxy.mouseButton(event.button, false); break;
    case InputEvent::Wheel: proxy.wheelTurned(event.delta); break;
    }
}
} // namespace

void applyInputEvent(const InputEvent &event, WorldProxy &proxy)
{
    for (int i = 0; i < event.repeat; ++i)
        applyOnce(event, proxy);
}

void ScriptPlayer::applyDue(long frame, WorldProxy &proxy)
{
    for (; next < events.size() && events[next].frame <= frame; ++next)
        if (events[next].frame == frame)
            applyInputEvent(events[next], proxy);
}
