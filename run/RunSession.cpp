#include "run/RunSession.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {
std::string cannot(const char *what, const std::string &path)
{
    return std::string("cannot ") + what + " " + path + ": " + std::strerror(errno);
}

// The nickname on one header line: line breaks and other control
// characters would end the line or hide what follows.
std::string headerSafe(std::string text)
{
    for (char &c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
    return text;
}
} // namespace

RunSession::~RunSession()
{
    if (recordFile)
        std::fclose(recordFile);
    if (traceFile)
        std::fclose(traceFile);
}

std::string RunSession::replayFrom(const std::string &path)
{
    script = loadInputScript(path);
    if (!script.error.empty()) // a line's error names the line, not the file
        return script.error.rfind("line ", 0) == 0 ? path + ": " + script.error : script.error;
    const std::string frames = script.header("frames");
    if (!frames.empty()) {
        char *end = nullptr;
        errno = 0;
        endFrame = std::strtol(frames.c_str(), &end, 10);
        if (errno || *end || endFrame < 0)
            return path + ": the frames header is not a number of frames: " + frames;
    }
    player = std::make_unique<ScriptPlayer>(script.events);
    return {};
}

std::string RunSession::recordInto(const std::string &path)
{
    // Opened now, so that a path that cannot be written is refused before
    // the game starts rather than losing the run at its end.
    recordFile = std::fopen(path.c_str(), "w");
    if (!recordFile)
        return cannot("write", path);
    recordPath = path;
    recording = std::make_unique<InputRecorder>();
    return {};
}

std::string RunSession::traceInto(const std::string &path)
{
    traceFile = std::fopen(path.c_str(), "w");
    return traceFile ? std::string() : cannot("write", path);
}

void RunSession::attach(WorldProxy *worldProxy, const std::vector<World *> &worlds)
{
    proxy = worldProxy;
    worldList = &worlds;
    if (traceFile)
        tracer = std::make_unique<GameTracer>(worlds, traceFile);
}

void RunSession::startTimeTrial(const TimeTrialSetup &setup)
{
    if (proxy && worldList)
        trial = std::make_unique<TimeTrial>(*proxy, *worldList, setup);
    if (tracer)
        tracer->watchSplits(trial.get());
}

void RunSession::observeStart()
{
    // Only once the window has set up the first world: the driver's first
    // look, too, comes after it.
    if (tracer && !startObserved)
        tracer->observe(0);
    startObserved = true;
}

int RunSession::stepsAllowed(int due) const
{
    if (pausedNow)
        return 0;
    if (endFrame < 0)
        return due;
    return int(std::clamp<long>(endFrame - steps, 0, due));
}

void RunSession::beforeStep()
{
    observeStart();
    if (player && proxy)
        player->applyDue(steps, *proxy);
    if (trial)
        trial->beforeStep();
}

void RunSession::stepped()
{
    if (trial)
        trial->stepped();
}

void RunSession::afterStep()
{
    ++steps;
    if (trial)
        trial->afterStep();
    if (tracer)
        tracer->observe(steps);
}

std::string RunSession::finish(const std::string &nickname)
{
    if (tracer) {
        observeStart();
        tracer->summary(steps);
        std::fflush(traceFile);
    }
    if (!recordFile)
        return {};
    const std::string text = recordedScriptText(recording->events(), nickname, steps);
    const bool written = std::fputs(text.c_str(), recordFile) >= 0;
    const bool closed = std::fclose(recordFile) == 0;
    recordFile = nullptr;
    return written && closed ? std::string() : cannot("write", recordPath);
}

std::string recordedScriptText(const std::vector<InputEvent> &events, const std::string &nickname, long frames)
{
    std::string text = "# A run recorded by torchhero " TORCHHERO_VERSION
                       ". Replay it with torchhero --replay FILE,\n"
                       "# or play it through the playtest driver with --frames as below.\n";
    text += "# nickname: " + headerSafe(nickname) + "\n";
    text += "# world: 0\n";
    text += "# frames: " + std::to_string(frames) + "\n";
    for (const std::string &line : formatInputEvents(events))
        text += line + "\n";
    return text;
}
