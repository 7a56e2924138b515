#include "run/InputRecorder.h"

#include "core/MouseButtons.h"

namespace {
int sign(int value) { return (value > 0) - (value < 0); }
} // namespace

void InputRecorder::add(long frame, InputEvent event)
{
    event.frame = frame;
    recorded.push_back(event);
}

void InputRecorder::addKey(long frame, int key, InputEvent::Kind kind)
{
    // Keys the script format has no name for never reach a level's rules.
    if (!inputKeyName(key))
        return;
    InputEvent event;
    event.kind = kind;
    event.key = key;
    add(frame, event);
}

void InputRecorder::keyPressed(long frame, int key) { addKey(frame, key, InputEvent::KeyDown); }

void InputRecorder::keyReleased(long frame, int key) { addKey(frame, key, InputEvent::KeyUp); }

void InputRecorder::mouseMoved(long frame, int x, int y, int centreX, int centreY)
{
    InputEvent event;
    event.kind = InputEvent::MouseAt;
    event.dx = sign(x - centreX);
    event.dy = sign(y - centreY);
    if (event.dx == 0 && event.dy == 0 && !recorded.empty()) {
        InputEvent &last = recorded.back();
        if (last.kind == InputEvent::MouseAt && last.frame == frame && (last.dx == 0) != (last.dy == 0)) {
            last.kind = InputEvent::MouseMove;
            return;
        }
    }
    add(frame, event);
}

void InputRecorder::mouseButton(long frame, int button, bool pressed)
{
    if (button != MouseButtons::kLeft && button != MouseButtons::kRight)
        return;
    InputEvent event;
    event.kind = pressed ? InputEvent::ButtonDown : InputEvent::ButtonUp;
    event.button = button;
    add(frame, event);
}

void InputRecorder::wheelTurned(long frame, int delta)
{
    InputEvent event;
    event.kind = InputEvent::Wheel;
    event.delta = delta;
    add(frame, event);
}
