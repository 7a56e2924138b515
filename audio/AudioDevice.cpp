#include "audio/AudioDevice.h"

#include "audio/MasterVolume.h"

#include <AL/alut.h>
#include <cstdio>

namespace {
enum class DeviceState { Closed, Open, Missing };
DeviceState state = DeviceState::Closed;
} // namespace

bool openAudio()
{
    if (state == DeviceState::Closed) {
        if (alutInit(nullptr, nullptr)) {
            state = DeviceState::Open;
            applyMasterVolume();
        } else {
            const ALenum error = alutGetError();
            // Someone else opened ALUT already: its context is the one in use.
            if (error == ALUT_ERROR_INVALID_OPERATION) {
                state = DeviceState::Open;
                applyMasterVolume();
            } else {
                state = DeviceState::Missing;
                std::fprintf(stderr, "torchhero: no audio device (%s): playing without sound\n",
                             alutGetErrorString(error));
            }
        }
    }
    return state == DeviceState::Open;
}

void closeAudio()
{
    if (state == DeviceState::Open)
        alutExit();
    alutGetError(); // nothing to report while shutting down
    state = DeviceState::Closed;
}
