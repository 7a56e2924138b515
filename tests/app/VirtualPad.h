#pragma once
// A pad that exists only inside SDL (its virtual joystick driver), a game
// controller with the buttons and axes in SDL's order. Plug one in once
// SDL has started (the Gamepad starts it).
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
        desc.name = "virtual pad";
        index = SDL_JoystickAttachVirtualEx(&desc);
        joystick = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
    }
    ~VirtualPad() { unplug(); }
    void axis(SDL_GameControllerAxis which, int value) { SDL_JoystickSetVirtualAxis(joystick, which, Sint16(value)); }
    void button(SDL_GameControllerButton which, bool down) { SDL_JoystickSetVirtualButton(joystick, which, down); }
    void unplug()
    {
        if (joystick && SDL_JoystickDetachVirtual(index) == 0)
            SDL_JoystickClose(joystick);
        joystick = nullptr;
    }

    int index;
    SDL_Joystick *joystick;
};
