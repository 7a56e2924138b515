#pragma once
#include "core/FrameSchedule.h"
#include "core/GhostTrack.h"
#include "core/PersonalBests.h"
#include "render/PictureExtras.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

class Level;
class World;
class WorldProxy;

struct TimeTrialSetup {
    // New bests and ghosts are written to their files beside the high-score
    // table (they are read from there either way); without, what the run
    // sets is kept in memory only (replays, which are no new play).
    bool keepRecords = true;
    // Practice: the level the run starts in is played again and again.
    // Lives are not counted, and touching the exit records the split and
    // starts the level over (as a lost life does, without losing one)
    // instead of moving on.
    bool practice = false;
    // Whether the ghost is shown at the start (G toggles it).
    bool showGhost = true;
    // Bests and ghosts are kept for the game's own levels, by their names;
    // false for a level from a file the player edits (its splits are shown,
    // never kept).
    bool levelsKept = true;
};

// The clock of a run's levels, its personal bests and its ghost, driven by
// the step runner's observer (the window's session and the playtest
// driver alike, so that both split and ghost the same way).
//
// A level's split is the number of steps from entering it to the step that
// touches its exit, lost lives and restarts included. At each exit the
// split is set against the nickname's best for that level, and the run's
// total against the best run's at the same exit; the next world shows both
// for kNoticeSteps. A split that beats the best (a tie does not) is kept,
// and the attempt's poses with it as the level's ghost; a run from the
// first level to the last exit is kept when its total is the best.
class TimeTrial : public PictureExtras {
public:
    // About three seconds of steps.
    static constexpr int kNoticeSteps = 3 * FrameSchedule::kStepsPerSecond;

    TimeTrial(WorldProxy &proxy, const std::vector<World *> &worlds, TimeTrialSetup setup);

    // The step runner's hooks, called from the session's own: before the
    // step (a level entered starts its clock), once the world has stepped
    // (the step counted and its pose recorded; the exit, when the step asked
    // for the next world), after the step (the notice's time runs down).
    void beforeStep();
    void stepped();
    void afterStep();

    // The split of the level whose exit the last step touched; once.
    std::optional<LevelSplit> takeSplit();

    // Lines shown in red under the notice until replaced (a level file's
    // errors after F5); empty: none.
    void showProblem(std::vector<std::string> lines) { problem = std::move(lines); }

    void toggleGhost() { ghostShown = !ghostShown; }
    bool isGhostShown() const { return ghostShown; }
    const PersonalBests &bests() const { return records; }

    const FigurePose *ghostPose() const override;
    std::vector<NoticeLine> noticeLines() const override;

private:
    // The level the proxy's world is, or null for the closing screens.
    static Level *levelOf(World *world);
    static std::string nameOf(Level *level);
    void enter(Level *level);
    void finishLevel(World *next);
    void keepBest(const std::string &name);
    void restartPractice();
    std::vector<NoticeLine> makeNotice(const LevelSplit &split, std::optional<SplitTime::Steps> best) const;
    const GhostTrack *ghostOf(const std::string &name);

    WorldProxy &proxy;
    const std::vector<World *> &worlds;
    const TimeTrialSetup setup;
    bool ghostShown;
    PersonalBests records;

    World *lastWorld = nullptr;
    Level *level = nullptr;  // the level being timed, null outside one
    std::string levelName;   // its name
    SplitTime::Steps steps = 0;
    GhostTrack attempt;      // the hero's poses in this attempt
    const GhostTrack *ghost = nullptr; // the level's best attempt, if any
    // Ghosts read (or made) so far, by level; an empty one: none.
    std::map<std::string, GhostTrack> ghosts;

    // The run so far: whether it started in the first world, and its splits.
    bool fullRun = false;
    std::vector<LevelSplit> runSplits;
    std::optional<LevelSplit> finished;

    // The notice and the world that shows it, and its steps left.
    std::vector<NoticeLine> notice;
    World *noticeWorld = nullptr;
    int noticeSteps = 0;
    std::vector<std::string> problem;
};
