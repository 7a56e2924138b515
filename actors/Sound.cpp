#include "actors/Sound.h"

#include "actors/Entity.h"
#include "app/Paths.h"

#include <AL/al.h>
#include <AL/alut.h>

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
    // Every owner initialises ALUT; all calls after the first fail inside
    // ALUT and are meant to be ignored.
    alutInit(nullptr, nullptr);
    alGetError();
    buffers[0] = alutCreateBufferFromFile(hostPath(firstFile).c_str());
    buffers[1] = alutCreateBufferFromFile(hostPath(secondFile).c_str());
    alGenSources(2, sources);
    if (alGetError() != AL_NO_ERROR) {
        sources[0] = sources[1] = 0;
        if (reportErrors)
            Entity::showError("could not generate audio source");
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
