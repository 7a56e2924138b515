#include "audio/MasterVolume.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <algorithm>

namespace {
constexpr int kFullVolumePercent = 100;
int volumePercent = kFullVolumePercent;
} // namespace

void setMasterVolume(int percent)
{
    volumePercent = std::clamp(percent, 0, kFullVolumePercent);
    applyMasterVolume();
}

int masterVolume() { return volumePercent; }

void applyMasterVolume()
{
    // Without a context there is no listener to set: openAudio comes back.
    if (alcGetCurrentContext())
        alListenerf(AL_GAIN, float(volumePercent) / kFullVolumePercent);
}
