#pragma once
#include "run/GameTracer.h"
#include "run/InputRecorder.h"
#include "run/ScriptPlayer.h"
#include "run/StepRunner.h"
#include "run/TimeTrial.h"
#include "sim/WorldProxy.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class World;

// What the game window does besides playing: counts the simulation steps,
// records the player's input (--record), plays a recorded script instead of
// the player (--replay), writes the playtest trace (--trace), times the
// levels (TimeTrial) and holds the pause. The window
// reports the input that reached the world and runs its steps through this
// observer; a replay delivers the events of step N before step N, exactly
// as the playtest driver applies "frame N" events before its frame N.
class RunSession : public StepObserver {
public:
    RunSession() = default;
    RunSession(const RunSession &) = delete;
    RunSession &operator=(const RunSession &) = delete;
    ~RunSession() override;

    // Each returns an error text, empty on success. A replayed script ends
    // the run after the number of steps of its "frames" header, if any.
    std::string replayFrom(const std::string &path);
    std::string recordInto(const std::string &path);
    std::string traceInto(const std::string &path);
    const InputScript &replayedScript() const { return script; }

    // The proxy and world list of the game, before the first step; then
    // the time trial on them.
    void attach(WorldProxy *proxy, const std::vector<World *> &worlds);
    void startTimeTrial(const TimeTrialSetup &setup);
    // Null before startTimeTrial.
    TimeTrial *timeTrial() { return trial.get(); }

    // While paused no step runs (stepsAllowed is 0); the game and its
    // clocks stand still. The pause is not part of a recording: steps are
    // counted, not time, so a run with pauses replays like one without.
    void setPaused(bool paused) { pausedNow = paused; }
    bool isPaused() const { return pausedNow; }

    bool isReplaying() const { return player != nullptr; }
    long stepsRun() const { return steps; }
    // How many of the steps due may run: none while paused; a replay stops
    // at its end.
    int stepsAllowed(int due) const;
    bool replayOver() const { return endFrame >= 0 && steps >= endFrame; }
    InputRecorder *recorder() { return recording.get(); }

    void beforeStep() override;
    void stepped() override;
    void afterStep() override;

    // At the end of the run: the trace's summary and the recorded script,
    // with a header naming the game version and the nickname. Returns an
    // error text, empty on success.
    std::string finish(const std::string &nickname);

private:
    void observeStart();

    WorldProxy *proxy = nullptr;
    const std::vector<World *> *worldList = nullptr;
    std::unique_ptr<TimeTrial> trial;
    bool pausedNow = false;
    bool startObserved = false;
    long steps = 0;
    InputScript script;
    std::unique_ptr<ScriptPlayer> player;
    long endFrame = -1;
    std::unique_ptr<InputRecorder> recording;
    std::string recordPath;
    std::FILE *recordFile = nullptr;
    std::FILE *traceFile = nullptr;
    std::unique_ptr<GameTracer> tracer;
};

// The text of a recorded run: header comments, then one event per line.
std::string recordedScriptText(const std::vector<InputEvent> &events, const std::string &nickname, long frames);
