#pragma once
// A gamepad that exists only inside SDL (its virtual joystick driver),
// mapped as a game controller with the buttons and axes in SDL's order.
// SDL must be started (the Gamepad does it) before one is plugged in.
#include <SDL.h>

class VirtualPad {
public:
    VirtualPad()
    {
        SDL_VirtualJoystickDesc desc;
        SDL_zero(desc);
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "tests' virtual pad";
        index = SDL_JoystickAttachVirtualEx(&desc);
        if (index >= 0)
            joystick = SDL_JoystickOpen(index);
    }
    ~VirtualPad() { unplug(); }
    VirtualPad(const VirtualPad &) = delete;
    VirtualPad &operator=(const VirtualPad &) = delete;

    bool isPlugged() const { return joystick != nullptr; }
    void axis(SDL_GameControllerAxis which, int value) { SDL_JoystickSetVirtualAxis(joystick, which, Sint16(value)); }
    void button(SDL_GameControllerButton which, bool down) { SDL_JoystickSetVirtualButton(joystick, which, down); }
    void unplug()
    {
        if (!joystick)
            return;
        SDL_JoystickDetachVirtual(index);
        SDL_JoystickClose(joystick);
        joystick = nullptr;
    }

private:
    int index = -1;
    SDL_Joystick *joystick = nullptr;
};
