#include "actors/Sound.h"

#include "actors/AudioDevice.h"
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
    // One device for the whole game; without one every owner stays silent.
    if (!openAudio())
        return;
    alGetError();
    const std::string *files[] = {&firstFile, &secondFile};
    for (int i = 0; i < 2; ++i) {
        const std::string path = hostPath(*files[i]);
        buffers[i] = alutCreateBufferFromFile(path.c_str());
        if (buffers[i] == 0 && !files[i]->empty())
            reportUnreadableFile(path);
    }
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
