#include "app/Gamepad.h"

#include <QTimer>
#include <SDL.h>
#include <cstdio>

// The open pads by SDL's instance id.
struct Gamepad::Pads {
    struct Pad {
        SDL_GameController *controller;
        PadState state;
    };
    std::map<SDL_JoystickID, Pad> open;
};

namespace {
PadState::Reading readingOf(SDL_GameController *controller)
{
    PadState::Reading reading;
    reading.leftX = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
    reading.leftY = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY);
    reading.rightX = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_RIGHTX);
    reading.rightY = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_RIGHTY);
    reading.rightTrigger = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
    reading.rightShoulder = SDL_GameControllerGetButton(controller, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    return reading;
}
} // namespace

Gamepad::Gamepad(QObject *parent) : QObject(parent), pads(std::make_unique<Pads>())
{
    // SDL would turn SIGINT and SIGTERM into quit events that nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "torchhero: no gamepads (%s): playing with keyboard and mouse\n", SDL_GetError());
        return;
    }
    available = true;
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &Gamepad::poll);
    timer->start(kPollIntervalMs);
}

Gamepad::~Gamepad()
{
    if (!available)
        return;
    for (auto &[id, pad] : pads->open)
        SDL_GameControllerClose(pad.controller);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

int Gamepad::padCount() const { return int(pads->open.size()); }

void Gamepad::poll()
{
    if (!available)
        return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_CONTROLLERDEVICEADDED)
            padAdded(event.cdevice.which);
        else if (event.type == SDL_CONTROLLERDEVICEREMOVED)
            padRemoved(event.cdevice.which);
        else if (event.type == SDL_CONTROLLERBUTTONDOWN || event.type == SDL_CONTROLLERBUTTONUP)
            buttonChanged(event.cbutton.which, event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN);
    }
    for (auto &[id, pad] : pads->open)
        deliver(pad.state.read(readingOf(pad.controller)));
}

// SDL announces the pads present at its start as added, too.
void Gamepad::padAdded(int deviceIndex)
{
    if (pads->open.count(SDL_JoystickGetDeviceInstanceID(deviceIndex)))
        return;
    if (SDL_GameController *controller = SDL_GameControllerOpen(deviceIndex))
        pads->open[SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller))] = {controller, {}};
}

void Gamepad::padRemoved(int id)
{
    const auto pad = pads->open.find(id);
    if (pad == pads->open.end())
        return;
    deliver(pad->second.state.releaseAll());
    SDL_GameControllerClose(pad->second.controller);
    pads->open.erase(pad);
}

void Gamepad::buttonChanged(int id, int button, bool pressed)
{
    const auto pad = pads->open.find(id);
    if (pad == pads->open.end())
        return;
    if (button == SDL_CONTROLLER_BUTTON_A)
        deliver(pad->second.state.jumpButton(pressed));
    else if (button == SDL_CONTROLLER_BUTTON_START)
        deliver(pad->second.state.startButton(pressed));
}

void Gamepad::deliver(const PadState::Changes &changes)
{
    for (const auto &[key, on] : changes.keys)
        holdAcrossPads(key, on);
    for (const TurnScaler::Step &step : changes.moves)
        emit moved(step.dx, step.dy);
    if (changes.pause)
        emit pauseRequested();
}

void Gamepad::holdAcrossPads(int key, bool on)
{
    int &count = holders[key];
    count += on ? 1 : -1;
    if ((on && count == 1) || (!on && count == 0))
        emit keyChanged(key, on);
}
