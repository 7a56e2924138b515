#include "audio/Sound.h"

#include "audio/AudioDevice.h"
#include "core/FileReport.h"
#include "core/Paths.h"
#include "sim/Entity.h"

#include <AL/al.h>
#include <AL/alut.h>

namespace {
// A file ALUT cannot load gives the null buffer: that sound stays silent.
// An empty name loads nothing, quietly.
unsigned int loadBuffer(const std::string &file)
{
    if (file.empty())
        return 0;
    const std::string path = hostPath(file);
    const ALuint buffer = alutCreateBufferFromFile(path.c_str());
    if (buffer == AL_NONE)
        reportUnusableFile(path, std::string(alutGetErrorString(alutGetError())) + "; this sound stays silent");
    return buffer;
}
} // namespace

Sound::~Sound()
{
    if (sources[0] != 0 || sources[1] != 0)
        alDeleteSources(2, sources);
    for (unsigned int buffer : buffers)
        if (buffer != 0)
            alDeleteBuffers(1, &buffer);
    alGetError(); // nothing to report while shutting down
}

void Sound::setUp(const std::string &firstFile, const std::string &secondFile, bool reportErrors)
{
    // One device for the whole game; without one every owner stays silent.
    if (!openAudio())
        return;
    alutGetError(); // so that a file's error below is the file's own
    alGetError();
    buffers[0] = loadBuffer(firstFile);
    buffers[1] = loadBuffer(secondFile);
    alGenSources(2, sources);
    if (alGetError() != AL_NO_ERROR) {
        sources[0] = sources[1] = 0;
        // Every later owner would fail the same way: the box comes once a run.
        static bool shown = false;
        if (reportErrors && !shown) {
            shown = true;
            Entity::showError("could not generate audio source");
        }
    }
    for (int i = 0; i < 2; ++i)
        alSourcei(sources[i], AL_BUFFER, ALint(buffers[i]));
    alGetError(); // binding to the null source fails quietly without sources
}

void Sound::play(int i) const
{
    if (i < 0 || i > 1)
        return;
    alSourcePlay(sources[i]);
}

std::unique_ptr<const SoundCues> makeSoundCues(const std::string &firstFile, const std::string &secondFile,
                                               bool reportErrors)
{
    auto sound = std::make_unique<Sound>();
    sound->setUp(firstFile, secondFile, reportErrors);
    return sound;
}
